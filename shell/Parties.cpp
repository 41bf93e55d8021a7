// Saved games: load, save and erase, each behind the player's password.
#include "Charge.h"
#include "Erreur.h"
#include "ImageWidget.h"
#include "MainForm.h"
#include "Messages.h"
#include "MotdePasse.h"
#include "NiveauFichier.h"
#include "PeintrePlateau.h"
#include "Texte.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

namespace zorvane {

void TMainForm::FichierExist() {
    const bool existe = JoueurExiste(Jeu());
    for (QAction* a : {ChargerM, EffacerM})
        a->setEnabled(existe);
    for (QToolButton* b : {ChargerSB, EffacerSB})
        b->setEnabled(existe);
}

// Lists the saved games, then asks the chosen record's password. Fills `partie` with the record.
bool TMainForm::TestPassword(TPartie& partie, const QString& titre) {
    TChargement chargement(Jeu(), this);
    if (!titre.isEmpty())
        chargement.setWindowTitle(titre);
    if (chargement.exec() != QDialog::Accepted)
        return false;
    LitPartie(Jeu(), partie, chargement.PartieChoisie);
    TPasswordDlg mdp(TPasswordDlg::Mode::Verification, this);
    if (mdp.exec() != QDialog::Accepted)
        return false;
    if (VerifieMotDePassePartie(partie, mdp.MotDePasseSaisi))
        return true;
    Erreur(this, "Ce mot de passe n'est pas valide");
    return false;
}

void TMainForm::ChargerMClick() {
    if (PartieNonEnregistree() &&
        Confirmation(this, "La partie en cours n'a pas été sauvegardée. Voulez-vous "
                           "l'enregistrer ?") &&
        !EnregistrerSBClick())
        return; // the game the player wanted to keep is not replaced
    TPartie lue;
    bool charge = false;
    if (!Commande(this, [&] { charge = TestPassword(lue, {}); }) || !charge)
        return;
    // The game in progress is replaced only once the stored set could be counted.
    if (!Commande(this, [&] { jeu_.Reprend(lue); }))
        return;
    Nomdujoueur->setText(Depuis1252(NomJoueur(jeu_.Partie())));
    ActiveEnregistrement(false);
    if (jeu_.FinDEnsemble()) {
        peintre_->DessineFond();
        VideoFin();
        return;
    }
    if (!Commande(this, [this] {
            jeu_.ChargeNiveau();
            AfficheNiveau(jeu_.Niveau(), true, false, true);
        })) {
        ArretePartie();
        return;
    }
    AfficheDescription();
}

bool TMainForm::EnregistrerSBClick() {
    return Commande(this, [this] {
        TPartie& partie = jeu_.Partie();
        const bool nouvelle = RangPartie(partie) == -1;
        if (nouvelle) {
            std::string nom;
            for (;;) {
                TOKBottomDlg saisie(this);
                if (saisie.exec() != QDialog::Accepted)
                    return;
                int32_t position = 0;
                if (!ChercheNom(Jeu(), saisie.NomSaisi, position)) {
                    nom = saisie.NomSaisi;
                    break;
                }
                Erreur(this, "Hé ! Ce nom existe déjà. Vous allez me le changer et plus vite "
                             "que ça !");
            }
            TPasswordDlg mdp(TPasswordDlg::Mode::Confirmation, this);
            if (mdp.exec() != QDialog::Accepted)
                return;
            FixeJoueur(partie, nom, mdp.MotDePasseSaisi);
        }
        EcritPartie(Jeu(), partie);
        FichierExist();
        ActiveEnregistrement(false);
        if (nouvelle)
            Nomdujoueur->setText(Depuis1252(NomJoueur(partie)));
        else
            Message(this, "C'est fait. Cette partie est enregistrée (Poil au nez).");
    });
}

void TMainForm::EffacerMClick() {
    Commande(this, [this] {
        TPartie choisie;
        if (TestPassword(choisie, "Double-cliquez sur l'enregistrement à effacer") &&
            Confirmation(this, "Êtes-vous sûr de vouloir supprimer cet enregistrement ?")) {
            const int32_t rang = RangPartie(choisie);
            SupprimePartie(Jeu(), rang);
            // Every later record moved down one place: the game in progress follows its own.
            TPartie& enCours = jeu_.Partie();
            const int32_t rangEnCours = RangPartie(enCours);
            FixeRang(enCours, RangApresSuppression(rangEnCours, rang));
            if (rangEnCours == rang) {
                Nomdujoueur->clear();
                if (NiveauPartie(enCours) != 0)
                    ActiveEnregistrement(true);
            }
        }
    });
    FichierExist();
}

} // namespace zorvane
