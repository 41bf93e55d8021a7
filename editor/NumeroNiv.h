// TEntrerNiv: the number of a level of the set open in the editor.
#pragma once

#include <QDialog>
#include <filesystem>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zorvane {

class TEntrerNiv : public QDialog {
    Q_OBJECT
  public:
    // Counts the levels of the set ensemble (throws ErreurES when its level file is missing).
    TEntrerNiv(const std::filesystem::path& jeu, const std::string& ensemble,
               QWidget* parent = nullptr);
    // The set's level count while the dialog is open; the chosen number after Accepted.
    int NumeroChoisi = 0;
    QLabel* Label1;
    QLabel* Plage; // the valid numbers
    QLineEdit* Edit;
    QPushButton* Ok;

  private:
    int nombre_ = 0;
};

} // namespace zorvane
