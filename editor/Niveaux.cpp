// The levels of the set open in the editor: create, modify, erase and save, with the set's
// solution files kept in step.
#include "CommandesNiveau.h"
#include "Editeur.h"
#include "Ensemble.h"
#include "Messages.h"
#include "NiveauFichier.h"
#include "NumeroNiv.h"
#include "PeintrePlateau.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QUndoStack>
#include <iostream>

namespace zorvane {

void TEditeur::ActiveEffaceNiv(int nombre) {
    EffaceNiv->setEnabled(nombre > 1);
}

void TEditeur::CreernivClick() {
    Commande(fenetre_, [this] {
        EnregistrerNiv(true);
        NivEdit.Grille.fill(CaseVide);
        CompteNiveaux(hote_.Jeu(), NivEdit, true);
        NivEdit.Numero = NivEdit.NbNiveaux + 1;
        ActiveOutilsPieces(true, true);
        NiveauExistant = 0;
        GoEdit();
    });
}

void TEditeur::ModifNiveauClick() {
    Commande(fenetre_, [this] {
        TEntrerNiv numero(hote_.Jeu(), EnsembleEditeur, fenetre_);
        if (numero.exec() != QDialog::Accepted)
            return;
        EnregistrerNiv(true);
        OuvreNiveau(numero.NumeroChoisi);
    });
}

void TEditeur::OuvreNiveau(int32_t numero) {
    TNiveau lu = NivEdit;
    lu.Numero = numero;
    LitNiveau(hote_.Jeu(), lu);
    NivEdit = lu;
    ActiveOutilsPieces(false, false);
    NiveauExistant = 1;
    GoEdit();
}

// The previous or next level of the set; with no level open, the first or the last. Nothing
// happens beyond the ends of the set.
void TEditeur::NiveauVoisin(int pas) {
    if (NivEdit.NomFichier.empty() || !NiveauPrecedent->isEnabled())
        return;
    Commande(fenetre_, [&] {
        TNiveau compte = NivEdit;
        CompteNiveaux(hote_.Jeu(), compte, false);
        const int nombre = NombreNiveaux(compte);
        const int32_t ouvert = NumeroNiveau(NivEdit);
        const int32_t voisin = ouvert == 0 ? (pas > 0 ? 1 : nombre) : ouvert + pas;
        if (voisin < 1 || voisin > nombre)
            return;
        EnregistrerNiv(true);
        OuvreNiveau(voisin);
    });
}

void TEditeur::EffaceNivClick() {
    Commande(fenetre_, [this] {
        TNiveau brouillon;
        brouillon.NomFichier = NivEdit.NomFichier;
        int choisi = 0;
        {
            TEntrerNiv numero(hote_.Jeu(), EnsembleEditeur, fenetre_);
            numero.Label1->setText("Entrez le numéro du niveau à effacer :");
            if (numero.exec() == QDialog::Accepted)
                choisi = numero.NumeroChoisi;
        }
        const int32_t ouvert = NumeroNiveau(NivEdit);
        if (choisi != 0) {
            brouillon.Numero = choisi;
            LabelLevel->setText(QString("Niveau n° %1").arg(choisi));
            if (choisi != ouvert) {
                LitNiveau(hote_.Jeu(), brouillon);
                AfficheEdit(brouillon);
            }
            if (Confirmation(fenetre_, "Êtes-vous sûr de vouloir supprimer ce niveau ?")) {
                SupprimeNiveau(hote_.Jeu(), brouillon);
                SaveLevSB->setEnabled(false);
                hote_.NiveauEfface(brouillon.NomFichier, choisi); // the game keeps to its level
                // The open level must never be saved over another level: after an earlier
                // level it moves down one number; erased itself, it becomes a new level.
                if (ouvert != 0 && choisi < ouvert) {
                    NivEdit.Numero = ouvert - 1;
                    Information(
                        fenetre_,
                        QString("Le niveau ouvert porte maintenant le numéro %1.").arg(ouvert - 1));
                } else if (ouvert != 0 && choisi == ouvert) {
                    TNiveau compte = brouillon;
                    CompteNiveaux(hote_.Jeu(), compte, false);
                    NivEdit.Numero = compte.NbNiveaux + 1;
                    NiveauExistant = 0;
                    dansLeFichier_ = false;
                    Historique->resetClean();
                    MajSaveLevSB();
                    Information(fenetre_, "Ce niveau a été effacé. Si vous l'enregistrez, il sera "
                                          "ajouté à la fin de l'ensemble.");
                }
            }
        }
        CompteNiveaux(hote_.Jeu(), brouillon, false);
        ActiveEffaceNiv(brouillon.NbNiveaux);
        if (NumeroNiveau(NivEdit) == 0) {
            peintre_.DessineFond();
            LabelLevel->clear();
        } else {
            AfficheEdit(NivEdit);
            LabelLevel->setText(QString("Niveau n° %1").arg(NumeroNiveau(NivEdit)));
        }
        AfficheOuSuisJe();
    });
}

void TEditeur::SaveLevSBClick() {
    if (Confirmation(fenetre_, "Êtes-vous sûr de vouloir sauvegarder ce niveau ?") &&
        AccepteSansSolution())
        Commande(fenetre_, [this] { Onenregistre(); });
}

void TEditeur::Onenregistre() {
    EnregistreNiveau(hote_.Jeu(), NivEdit, NiveauExistant == 1);
    Historique->setClean();
    dansLeFichier_ = true;
    OffreOptimum(); // the optimum a check found for this painting, if any
    SaveLevSB->setEnabled(false);
    TNiveau compte = NivEdit;
    CompteNiveaux(hote_.Jeu(), compte, false);
    ActiveEffaceNiv(compte.NbNiveaux);
    for (QAction* a : {Creerniv, ModifNiveau, Testerniv})
        a->setEnabled(true);
    hote_.NiveauEnregistre(NivEdit.NomFichier, NumeroNiveau(NivEdit));
    AfficheOuSuisJe();
}

// A failed save ends the caller's command there: the level stays open and unsaved. Removing the
// empty set left behind is only tidying: its error is shown and the caller goes on.
void TEditeur::EnregistrerNiv(bool garderEnsemble) {
    if (SaveLevSB->isEnabled() &&
        Confirmation(fenetre_,
                     "Vous n'avez pas sauvegarder ce niveau. Voulez-vous l'enregistrer ?") &&
        AccepteSansSolution())
        Onenregistre();
    if (!garderEnsemble)
        Commande(fenetre_, [this] { SupprimeEnsemble(hote_.Jeu(), NivEdit, false); });
    SaveLevSB->setEnabled(false);
}

// The game is stopped from outside: the open level is saved without a question when it can be,
// and a set left without levels goes, as when the editor is left; a failure is only logged.
void TEditeur::QuitteSansQuestion() {
    try {
        if (SaveLevSB->isEnabled())
            Onenregistre();
        SupprimeEnsemble(hote_.Jeu(), NivEdit, false);
    } catch (const std::exception& e) {
        std::cerr << "zorvane : " << e.what() << "\n";
    }
    SaveLevSB->setEnabled(false);
}

} // namespace zorvane
