// TEntreDes: a level set's description, password and file name (creation), or its description
// and password alone (re-description of the open set).
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zorvane {

class TEntreDes : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { Creation, Description };
    TEntreDes(Mode mode, const QString& dossierJeu, QWidget* parent = nullptr);

    QLineEdit* Edit1; // description
    QLineEdit* Edit2; // password
    QLineEdit* Edit3; // confirmation
    QLineEdit* Edit4; // file name
    QListWidget* FileList;
    QLabel* Raison; // why OK is disabled, for the file name
    QPushButton* OkBtn;

    void TestOk();

  private:
    Mode mode_;
};

} // namespace zorvane
