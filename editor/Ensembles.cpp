// Level sets in the editor: create, open behind the password, re-describe and delete.
#include "ChoixNiv.h"
#include "CreerEns.h"
#include "Editeur.h"
#include "Ensemble.h"
#include "Messages.h"
#include "MotdePasse.h"
#include "NiveauFichier.h"
#include "PeintrePlateau.h"
#include "Texte.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace zorvane {

// A set is open with no level open: the tools hidden, painting off, the bare board.
void TEditeur::EnsembleOuvert(bool ouvert) {
    EditNivPanel->hide();
    LabelLevel->clear();
    CouperPeinture();
    FermeNiveau();
    if (!ouvert) {
        // The set was closed (deleted, or left empty): back to the editor's no-set state.
        for (QAction* a : {Creerniv, EffaceNiv, ModifNiveau, Testerniv})
            a->setEnabled(false);
        ModifDesSB->setEnabled(false);
    }
    AfficheOuSuisJe();
}

void TEditeur::CreerEnsSBClick() {
    Commande(fenetre_, [this] {
        EnregistrerNiv(false);
        if (NivEdit.NomFichier.empty())
            EnsembleOuvert(false);
        TEntreDes des(TEntreDes::Mode::Creation, hote_.DossierJeu(), fenetre_);
        if (des.exec() != QDialog::Accepted)
            return;
        EcrireDescription(hote_.Jeu(), NivEdit, Vers1252(des.Edit4->text()),
                          Vers1252(des.Edit1->text()), Vers1252(des.Edit2->text()), true);
        EnsembleEditeur = NivEdit.NomFichier;
        CompteNiveaux(hote_.Jeu(), NivEdit, true);
        Creerniv->setEnabled(true);
        ModifDesSB->setEnabled(true);
        for (QAction* a : {ModifNiveau, EffaceNiv, Testerniv})
            a->setEnabled(false);
        EnsembleOuvert(true);
        peintre_.DessineFond();
    });
}

void TEditeur::ChargeNivSBClick() {
    Commande(fenetre_, [this] {
        EnregistrerNiv(false);
        if (NivEdit.NomFichier.empty())
            EnsembleOuvert(false);
        std::string choisi;
        if (!ChoisitEnsemble(fenetre_, hote_.DossierJeu(), false, choisi))
            return;
        TPasswordDlg mdp(TPasswordDlg::Mode::Verification, fenetre_);
        if (mdp.exec() == QDialog::Accepted) {
            TNiveau candidat;
            candidat.NomFichier = choisi.substr(0, LongueurNomEnsemble);
            if (VerifieMotDePasse(hote_.Jeu(), candidat, mdp.MotDePasseSaisi)) {
                NivEdit.NomFichier = candidat.NomFichier;
                EnsembleEditeur = candidat.NomFichier;
                CompteNiveaux(hote_.Jeu(), NivEdit, true);
                ActiveEffaceNiv(NivEdit.NbNiveaux);
                for (QAction* a : {Creerniv, ModifNiveau, Testerniv})
                    a->setEnabled(true);
                ModifDesSB->setEnabled(true);
                SaveLevSB->setEnabled(false);
                EnsembleOuvert(true);
            } else {
                Erreur(fenetre_, "Ce mot de passe n'est pas valide");
            }
        }
        // The open level, if any, stays open behind the bare board until it is redrawn.
        peintre_.DessineFond();
        if (NumeroNiveau(NivEdit) != 0 && EditNivPanel->isVisibleTo(fenetre_))
            AfficheEdit(NivEdit);
    });
}

void TEditeur::ModifDesSBClick() {
    Commande(fenetre_, [this] {
        TEntreDes des(TEntreDes::Mode::Description, hote_.DossierJeu(), fenetre_);
        des.Edit1->setText(Depuis1252(LireDescription(hote_.Jeu(), NivEdit)));
        const QString mdp = Depuis1252(LireMotDePasse(hote_.Jeu(), NivEdit));
        des.Edit2->setText(mdp);
        des.Edit3->setText(mdp);
        if (des.exec() != QDialog::Accepted)
            return;
        EcrireDescription(hote_.Jeu(), NivEdit, NivEdit.NomFichier, Vers1252(des.Edit1->text()),
                          Vers1252(des.Edit2->text()), false);
    });
}

void TEditeur::SupprnivClick() {
    Commande(fenetre_, [this] {
        std::string choisi;
        if (!ChoisitEnsemble(fenetre_, hote_.DossierJeu(), false, choisi,
                             "Double-cliquez sur le fichier à effacer"))
            return;
        if (!Confirmation(fenetre_, "Êtes-vous sûr de vouloir supprimer cet ensemble de niveaux ?"))
            return;
        TNiveau cible;
        cible.NomFichier = choisi.substr(0, LongueurNomEnsemble);
        const std::string supprime = cible.NomFichier;
        SupprimeEnsemble(hote_.Jeu(), cible, true);
        if (NivEdit.NomFichier == supprime) {
            NivEdit.NomFichier.clear();
            SaveLevSB->setEnabled(false); // the open level went with its set
            EditeurSBClick();
        }
    });
}

} // namespace zorvane
