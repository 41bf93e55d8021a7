// TPasswordDlg: a password typed twice (confirmation mode) or once (check mode).
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zorvane {

class TPasswordDlg : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { Confirmation, Verification };
    TPasswordDlg(Mode mode, QWidget* parent = nullptr);
    // The password typed, in capitals (Windows-1252 bytes), after Accepted.
    std::string MotDePasseSaisi;

    QLabel* Label2;
    QLineEdit* Passw;
    QLineEdit* Passw2;
    QPushButton* Ok;

  private:
    void PasswChange();
    void OkClick();
};

} // namespace zorvane
