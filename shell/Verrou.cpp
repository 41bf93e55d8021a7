#include "Verrou.h"

#include "ChangementEnsemble.h"
#include "Messages.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <iostream>

namespace zorvane {

std::unique_ptr<QLockFile> PrendDossier(const QString& dossier) {
    auto verrou = std::make_unique<QLockFile>(QDir(dossier).filePath(FichierVerrou));
    verrou->setStaleLockTime(0); // a game may run for days: only a dead game's lock is stale
    if (!verrou->tryLock(0)) {
        if (verrou->error() == QLockFile::LockFailedError) {
            Erreur(nullptr, "Une autre fenêtre de Zorvane utilise déjà ce dossier de jeu. "
                            "Fermez-la avant de relancer le jeu.");
            return nullptr;
        }
        std::cerr << "zorvane : dossier du jeu sans verrou (" << QFile::encodeName(dossier).data()
                  << ")\n";
    }
    try {
        AcheveChangements(QFile::encodeName(dossier).toStdString());
    } catch (const std::exception& e) {
        AfficheErreur(nullptr, e);
    }
    return verrou;
}

} // namespace zorvane
