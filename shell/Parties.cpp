// Saved games: load, save and erase, each behind the player's password.
#include "Charge.h"
#include "Erreur.h"
#include "ImageWidget.h"
#include "Messages.h"
#include "MotdePasse.h"
#include "NiveauFichier.h"
#include "Principal.h"
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
    if (EnregistrerSB->isEnabled() &&
        Confirmation(this, "La partie en cours n'a pas été sauvegardée. Voulez-vous "
                           "l'enregistrer ?") &&
        !EnregistrerSBClick())
        return; // the game the player wanted to keep is not replaced
    TPartie lue;
    bool charge = false;
    if (!Commande(this, [&] { charge = TestPassword(lue, {}); }) || !charge)
        return;
    // The game in progress is replaced only once the stored set could be counted.
    TNiveau niveau = NivJeu;
    if (!Commande(this, [&] {
            const int32_t numero = NiveauPartie(lue);
            if (numero < 1)
                throw ErreurES(FichierEndommage, "partie endommagée (niveau invalide)",
                               FichierJoueur);
            niveau.NomFichier = EnsemblePartie(lue);
            CompteNiveaux(Jeu(), niveau, false);
            ChangeNumero(niveau, numero);
        }))
        return;
    PartieEnCours = lue;
    Nomdujoueur->setText(Depuis1252(NomJoueur(PartieEnCours)));
    NivJeu = niveau;
    ActiveEnregistrement(false);
    SoluceJeu.NomFichier = NivJeu.NomFichier;
    ViderJournal(JournalJeu);
    if (NumeroNiveau(NivJeu) > NombreNiveaux(NivJeu)) {
        DessineFond();
        VideoFin();
        return;
    }
    if (!Commande(this, [this] { AfficheNiveau(NivJeu, true, false, ActifJeu, true); })) {
        ArretePartie();
        return;
    }
    AfficheDescription();
}

bool TMainForm::EnregistrerSBClick() {
    return Commande(this, [this] {
        const bool nouvelle = RangPartie(PartieEnCours) == -1;
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
            FixeJoueur(PartieEnCours, nom, mdp.MotDePasseSaisi);
        }
        EcritPartie(Jeu(), PartieEnCours);
        FichierExist();
        ActiveEnregistrement(false);
        if (nouvelle)
            Nomdujoueur->setText(Depuis1252(NomJoueur(PartieEnCours)));
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
            const int32_t rangEnCours = RangPartie(PartieEnCours);
            FixeRang(PartieEnCours, RangApresSuppression(rangEnCours, rang));
            if (rangEnCours == rang) {
                Nomdujoueur->clear();
                if (NiveauPartie(PartieEnCours) != 0)
                    ActiveEnregistrement(true);
            }
        }
    });
    FichierExist();
}

} // namespace zorvane
