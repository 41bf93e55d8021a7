// Level sets in the editor: create, open behind the password, re-describe and delete.
#include "ChoixNiv.h"
#include "CreerEns.h"
#include "Editeur.h"
#include "Ensemble.h"
#include "Messages.h"
#include "MotdePasse.h"
#include "NiveauFichier.h"
#include "PeintrePlateau.h"
#include "Principal.h"
#include "Texte.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace zorvane {

// A set is open with no level open: the tools hidden, painting off, the bare board.
void TEditeur::EnsembleOuvert(bool ouvert) {
    f.EditNivPanel->hide();
    f.LabelLevel->clear();
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
    Commande(&f, [this] {
        EnregistrerNiv(false);
        if (NivEdit.NomFichier.empty())
            EnsembleOuvert(false);
        TEntreDes des(TEntreDes::Mode::Creation, f.DossierJeu(), &f);
        if (des.exec() != QDialog::Accepted)
            return;
        EcrireDescription(f.Jeu(), NivEdit, Vers1252(des.Edit4->text()),
                          Vers1252(des.Edit1->text()), Vers1252(des.Edit2->text()), true);
        EnsembleEditeur = NivEdit.NomFichier;
        CompteNiveaux(f.Jeu(), NivEdit, true);
        Creerniv->setEnabled(true);
        ModifDesSB->setEnabled(true);
        for (QAction* a : {ModifNiveau, EffaceNiv, Testerniv})
            a->setEnabled(false);
        EnsembleOuvert(true);
        f.Peintre().DessineFond();
    });
}

void TEditeur::ChargeNivSBClick() {
    Commande(&f, [this] {
        EnregistrerNiv(false);
        if (NivEdit.NomFichier.empty())
            EnsembleOuvert(false);
        std::string choisi;
        if (!ChoisitEnsemble(&f, f.DossierJeu(), false, choisi))
            return;
        TPasswordDlg mdp(TPasswordDlg::Mode::Verification, &f);
        if (mdp.exec() == QDialog::Accepted) {
            TNiveau candidat;
            candidat.NomFichier = choisi.substr(0, LongueurNomEnsemble);
            if (VerifieMotDePasse(f.Jeu(), candidat, mdp.MotDePasseSaisi)) {
                NivEdit.NomFichier = candidat.NomFichier;
                EnsembleEditeur = candidat.NomFichier;
                CompteNiveaux(f.Jeu(), NivEdit, true);
                ActiveEffaceNiv(NivEdit.NbNiveaux);
                for (QAction* a : {Creerniv, ModifNiveau, Testerniv})
                    a->setEnabled(true);
                ModifDesSB->setEnabled(true);
                SaveLevSB->setEnabled(false);
                EnsembleOuvert(true);
            } else {
                Erreur(&f, "Ce mot de passe n'est pas valide");
            }
        }
        // The open level, if any, stays open behind the bare board until it is redrawn.
        f.Peintre().DessineFond();
        if (NumeroNiveau(NivEdit) != 0 && f.EditNivPanel->isVisibleTo(&f))
            AfficheEdit(NivEdit);
    });
}

void TEditeur::ModifDesSBClick() {
    Commande(&f, [this] {
        TEntreDes des(TEntreDes::Mode::Description, f.DossierJeu(), &f);
        des.Edit1->setText(Depuis1252(LireDescription(f.Jeu(), NivEdit)));
        const QString mdp = Depuis1252(LireMotDePasse(f.Jeu(), NivEdit));
        des.Edit2->setText(mdp);
        des.Edit3->setText(mdp);
        if (des.exec() != QDialog::Accepted)
            return;
        EcrireDescription(f.Jeu(), NivEdit, NivEdit.NomFichier, Vers1252(des.Edit1->text()),
                          Vers1252(des.Edit2->text()), false);
    });
}

void TEditeur::SupprnivClick() {
    Commande(&f, [this] {
        std::string choisi;
        if (!ChoisitEnsemble(&f, f.DossierJeu(), false, choisi,
                             "Double-cliquez sur le fichier à effacer"))
            return;
        if (!Confirmation(&f, "Êtes-vous sûr de vouloir supprimer cet ensemble de niveaux ?"))
            return;
        TNiveau cible;
        cible.NomFichier = choisi.substr(0, LongueurNomEnsemble);
        const std::string supprime = cible.NomFichier;
        SupprimeEnsemble(f.Jeu(), cible, true);
        if (NivEdit.NomFichier == supprime) {
            NivEdit.NomFichier.clear();
            SaveLevSB->setEnabled(false); // the open level went with its set
            EditeurSBClick();
        }
    });
}

} // namespace zorvane
