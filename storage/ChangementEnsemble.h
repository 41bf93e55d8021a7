// A change of several files of one level set that takes effect whole or not at all, whatever the
// moment of a kill, a power loss or a full disk.
//
// Each new version is written beside its file under a hidden temporary name
// (niveaux/.SET.niv.XXXXXX). valide() then writes the list of the renames and deletions to do in a
// hidden marker, niveaux/.SET.valide, put in place by one rename: that rename is the moment the
// change takes effect. The renames and deletions follow, then the marker goes. A change cut short
// before the marker's rename leaves the set's files as they were, plus temporaries that
// AcheveChangements removes; one cut short after it is finished from the marker's list the next
// time the set is changed or the folder opened. The set's four files keep their formats: the
// marker and the temporaries are hidden and never end in a set file's extension.
#pragma once

#include "Fichier.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvane {

class ChangementEnsemble {
  public:
    // A change of set `nom`; a change of it that was cut short after taking effect is finished
    // first.
    ChangementEnsemble(const fs::path& jeu, const std::string& nom);
    // Without valide(), the new versions go and every file stays as it was.
    ~ChangementEnsemble();
    ChangementEnsemble(const ChangementEnsemble&) = delete;
    ChangementEnsemble& operator=(const ChangementEnsemble&) = delete;

    // The new version of the set's file with this extension (".des", ".niv", ".sol", ".ind"),
    // empty at first; each file changes at most once in a change.
    FichierTemporaire& nouveau(const std::string& extension);
    // The set's file with this extension is deleted (when it exists) as the change takes effect.
    void supprime(const std::string& extension);
    // Makes the change take effect, whole.
    void valide();

  private:
    struct Etape {
        std::string extension;
        std::unique_ptr<FichierTemporaire> nouveau; // empty for a deletion
    };
    void prevoit(const std::string& extension);

    fs::path jeu_;
    std::string nom_;  // as in the records (Windows-1252)
    std::string base_; // the name of the set's files on disk, without extension
    std::vector<Etape> etapes_;
    std::vector<std::string> prets_; // new versions on disk, removed unless the change took effect
};

// Opening the game's folder: finishes the changes of its sets that took effect but were cut
// short, and removes the temporary files that interrupted writes left in the folder and in its
// niveaux folder.
void AcheveChangements(const fs::path& jeu);

} // namespace zorvane
