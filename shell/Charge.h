// The saved-games dialogs: TChargement lists the stored players, TOKBottomDlg asks for a name.
#pragma once

#include <QDialog>
#include <filesystem>
#include <string>

class QLineEdit;
class QPushButton;

namespace zorvane {

class ListeAChoix;

class TChargement : public QDialog {
    Q_OBJECT
  public:
    // Reads the names of every record of Joueur.ini (throws ErreurES for a damaged file).
    TChargement(const std::filesystem::path& jeu, QWidget* parent = nullptr);
    int PartieChoisie = -1; // the chosen record's number, after Accepted
    ListeAChoix* ListBox1;
};

class TOKBottomDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TOKBottomDlg(QWidget* parent = nullptr);
    std::string NomSaisi; // in capitals, Windows-1252, at most 30 characters
    QLineEdit* Name;
    QPushButton* Ok;
};

} // namespace zorvane
