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
    // The chosen set's file name (bytes of the file system), after Accepted.
    std::string FichierChoisi;
    QListWidget* FileListBox1;
};

// Runs the chooser as the callers do: none listed gives the "no set" message and false; with
// `unSeul` a single set is taken without showing the dialog. The caption may be replaced.
bool ChoisitEnsemble(QWidget* parent, const QString& dossierJeu, bool unSeul, std::string& fichier,
                     const QString& titre = {});

} // namespace zorvane
