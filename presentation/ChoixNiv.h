// TChoisiNiv: pick a level set among the level files ("*.niv") of the niveaux folder.
#pragma once

#include <QDialog>
#include <string>

class QListWidget;

namespace zorvane {

class TChoisiNiv : public QDialog {
    Q_OBJECT
  public:
    TChoisiNiv(const QString& dossierJeu, QWidget* parent = nullptr);
    int NombreEnsembles() const;
    // Chooses the item of that row: its text cut to 12 characters, without the ".niv".
    void Choisit(int ligne);
    // The chosen set's file name (Windows-1252, as the records hold it), after Accepted.
    std::string FichierChoisi;
    QListWidget* FileListBox1;
};

// The level files ("*.niv") of the niveaux folder, sorted, whose set name the records can hold:
// a name with a character outside Windows-1252 could be neither opened nor played.
QStringList FichiersNiveaux(const QString& dossierJeu);

// Runs the chooser as the callers do: none listed gives the "no set" message and false; with
// `unSeul` a single set is taken without showing the dialog. The caption may be replaced.
bool ChoisitEnsemble(QWidget* parent, const QString& dossierJeu, bool unSeul, std::string& fichier,
                     const QString& titre = {});

} // namespace zorvane
