// TRotDeGorbul: the farewell; delaiMs after it opens it plays its sound to the end and closes.
// Neither Escape nor a close request ends it sooner.
#pragma once

#include <QDialog>
#include <functional>

namespace zorvane {

class TRotDeGorbul : public QDialog {
    Q_OBJECT
  public:
    TRotDeGorbul(QWidget* parent, int delaiMs, std::function<void()> son);
    void reject() override {}

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    bool fini_ = false; // the sound has ended
};

} // namespace zorvane
