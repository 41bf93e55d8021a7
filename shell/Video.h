// TVideo: the congratulation at the end of a set; each activation repaints it, then plays its
// sound to the end.
#pragma once

#include <QDialog>
#include <functional>

namespace zorvane {

class TVideo : public QDialog {
    Q_OBJECT
  public:
    TVideo(QWidget* parent, std::function<void()> son);

  protected:
    bool event(QEvent* e) override;

  private:
    std::function<void()> son_;
};

} // namespace zorvane
