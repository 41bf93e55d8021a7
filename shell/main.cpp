#include "Dossiers.h"
#include "EnsemblesLivres.h"
#include "LigneDeCommande.h"
#include "MainForm.h"
#include "Messages.h"
#include "Signaux.h"
#include "Verrou.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <iostream>

#ifndef ZORVANE_DONNEES_INSTALLEES
#error "ZORVANE_DONNEES_INSTALLEES: the build gives the data folder relative to the executable"
#endif

using namespace zorvane;

namespace {

QString Chemin(const fs::path& p) {
    return QFile::decodeName(p.c_str());
}

// The folders, the player's created at the first start.
TDossiers PrepareDossiers(const TLigneDeCommande& ligne) {
    const TContexteDossiers contexte{DossierDeLExecutable(), ZORVANE_DONNEES_INSTALLEES,
                                     ligne.dossier, VariableDEnvironnement, DossierInscriptible};
    const TDossiers dossiers = ChoisitDossiers(contexte);
    CreeDossierDuJoueur(dossiers);
    return dossiers;
}

// The shipped sets brought into the player's folder, once this game holds it.
void AccueilleLivres(const TDossiers& dossiers) {
    if (dossiers.UnSeul())
        return;
    for (const std::string& e : AccueilleEnsemblesLivres(dossiers.Donnees, dossiers.Joueur).Erreurs)
        std::cerr << "Zorvane : " << e << std::endl;
}

} // namespace

int main(int argc, char* argv[]) {
    // Before any window or sound: these need no display.
    const TLigneDeCommande ligne = LitLigneDeCommande(argc, argv);
    switch (ligne.action) {
    case TLigneDeCommande::Action::Aide:
        std::cout << TexteAide();
        return 0;
    case TLigneDeCommande::Action::Version:
        std::cout << TexteVersion();
        return 0;
    case TLigneDeCommande::Action::Erreur:
        std::cerr << ligne.erreur << std::endl;
        return 2;
    case TLigneDeCommande::Action::Jouer:
        break;
    }
    TDossiers dossiers;
    std::string probleme;
    try {
        dossiers = PrepareDossiers(ligne);
    } catch (const std::exception& e) {
        probleme = e.what();
        std::cerr << "Zorvane : " << probleme << std::endl;
    }

    QApplication application(argc, argv);
    application.setApplicationName("Zorvane");
    // No display name: the platform would add it after every dialog's caption.
    application.setWindowIcon(QIcon(":/images/icone.png"));
    if (!probleme.empty()) {
        Erreur(nullptr, QString::fromStdString(probleme));
        return 1;
    }
    // One game per player's folder (the game's folder in portable mode): the lock is taken
    // before anything writes in it.
    const auto verrou = PrendDossier(Chemin(dossiers.Joueur));
    if (!verrou)
        return 1; // another game holds the folder
    AccueilleLivres(dossiers);
    TMainForm fenetre(Chemin(dossiers.Donnees), Chemin(dossiers.Joueur));
    FermeAuxSignaux(fenetre);
    fenetre.show();
    return application.exec();
}
