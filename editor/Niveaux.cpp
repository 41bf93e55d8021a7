// The levels of the set open in the editor: create, modify, erase and save, with the set's
// solution files kept in step.
#include "CommandesNiveau.h"
#include "Editeur.h"
#include "Ensemble.h"
#include "Messages.h"
#include "NiveauFichier.h"
#include "NumeroNiv.h"
#include "PeintrePlateau.h"
#include "Principal.h"

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
    Commande(&f, [this] {
        EnregistrerNiv(true);
        NivEdit.Grille.fill(CaseVide);
        CompteNiveaux(f.Jeu(), NivEdit, true);
        NivEdit.Numero = NivEdit.NbNiveaux + 1;
        ActiveOutilsPieces(true, true);
        NiveauExistant = 0;
        GoEdit();
    });
}

void TEditeur::ModifNiveauClick() {
    Commande(&f, [this] {
        TEntrerNiv numero(f.Jeu(), EnsembleEditeur, &f);
        if (numero.exec() != QDialog::Accepted)
            return;
        EnregistrerNiv(true);
        OuvreNiveau(numero.NumeroChoisi);
    });
}

void TEditeur::OuvreNiveau(int32_t numero) {
    TNiveau lu = NivEdit;
    lu.Numero = numero;
    LitNiveau(f.Jeu(), lu);
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
    Commande(&f, [&] {
        TNiveau compte = NivEdit;
        CompteNiveaux(f.Jeu(), compte, false);
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
    Commande(&f, [this] {
        TNiveau brouillon;
        brouillon.NomFichier = NivEdit.NomFichier;
        int choisi = 0;
        {
            TEntrerNiv numero(f.Jeu(), EnsembleEditeur, &f);
            numero.Label1->setText("Entrez le numéro du niveau à effacer :");
            if (numero.exec() == QDialog::Accepted)
                choisi = numero.NumeroChoisi;
        }
        const int32_t ouvert = NumeroNiveau(NivEdit);
        if (choisi != 0) {
            brouillon.Numero = choisi;
            f.LabelLevel->setText(QString("Niveau n° %1").arg(choisi));
            if (choisi != ouvert) {
                LitNiveau(f.Jeu(), brouillon);
                AfficheEdit(brouillon);
            }
            if (Confirmation(&f, "Êtes-vous sûr de vouloir supprimer ce niveau ?")) {
                SupprimeNiveau(f.Jeu(), brouillon);
                SaveLevSB->setEnabled(false);
                NoteEffacement(brouillon.NomFichier, choisi);
                // The open level must never be saved over another level: after an earlier
                // level it moves down one number; erased itself, it becomes a new level.
                if (ouvert != 0 && choisi < ouvert) {
                    NivEdit.Numero = ouvert - 1;
                    Information(
                        &f,
                        QString("Le niveau ouvert porte maintenant le numéro %1.").arg(ouvert - 1));
                } else if (ouvert != 0 && choisi == ouvert) {
                    TNiveau compte = brouillon;
                    CompteNiveaux(f.Jeu(), compte, false);
                    NivEdit.Numero = compte.NbNiveaux + 1;
                    NiveauExistant = 0;
                    dansLeFichier_ = false;
                    Historique->resetClean();
                    MajSaveLevSB();
                    Information(&f, "Ce niveau a été effacé. Si vous l'enregistrez, il sera "
                                    "ajouté à la fin de l'ensemble.");
                }
            }
        }
        CompteNiveaux(f.Jeu(), brouillon, false);
        ActiveEffaceNiv(brouillon.NbNiveaux);
        if (NumeroNiveau(NivEdit) == 0) {
            f.Peintre().DessineFond();
            f.LabelLevel->clear();
        } else {
            AfficheEdit(NivEdit);
            f.LabelLevel->setText(QString("Niveau n° %1").arg(NumeroNiveau(NivEdit)));
        }
        AfficheOuSuisJe();
    });
}

// Remembers an erased level of the game's set, so the game keeps to its own level.
void TEditeur::NoteEffacement(const std::string& ensemble, int32_t numero) {
    if (ensemble != f.JeuEnCours().Niveau().NomFichier)
        return;
    effacesDuJeu_.push_back(numero);
}

void TEditeur::SaveLevSBClick() {
    if (Confirmation(&f, "Êtes-vous sûr de vouloir sauvegarder ce niveau ?") &&
        AccepteSansSolution())
        Commande(&f, [this] { Onenregistre(); });
}

void TEditeur::Onenregistre() {
    EnregistreNiveau(f.Jeu(), NivEdit, NiveauExistant == 1);
    Historique->setClean();
    dansLeFichier_ = true;
    OffreOptimum(); // the optimum a check found for this painting, if any
    SaveLevSB->setEnabled(false);
    TNiveau compte = NivEdit;
    CompteNiveaux(f.Jeu(), compte, false);
    ActiveEffaceNiv(compte.NbNiveaux);
    for (QAction* a : {Creerniv, ModifNiveau, Testerniv})
        a->setEnabled(true);
    if (NumeroNiveau(NivEdit) == NumeroNiveau(f.JeuEnCours().Niveau()) &&
        NivEdit.NomFichier == f.JeuEnCours().Niveau().NomFichier)
        f.NiveauJeuModifie = true;
    AfficheOuSuisJe();
}

// A failed save ends the caller's command there: the level stays open and unsaved. Removing the
// empty set left behind is only tidying: its error is shown and the caller goes on.
void TEditeur::EnregistrerNiv(bool garderEnsemble) {
    if (SaveLevSB->isEnabled() &&
        Confirmation(&f, "Vous n'avez pas sauvegarder ce niveau. Voulez-vous l'enregistrer ?") &&
        AccepteSansSolution())
        Onenregistre();
    if (!garderEnsemble)
        Commande(&f, [this] { SupprimeEnsemble(f.Jeu(), NivEdit, false); });
    SaveLevSB->setEnabled(false);
}

// The game is stopped from outside: the open level is saved without a question when it can be,
// and a set left without levels goes, as when the editor is left; a failure is only logged.
void TEditeur::QuitteSansQuestion() {
    try {
        if (SaveLevSB->isEnabled())
            Onenregistre();
        SupprimeEnsemble(f.Jeu(), NivEdit, false);
    } catch (const std::exception& e) {
        std::cerr << "zorvane : " << e.what() << "\n";
    }
    SaveLevSB->setEnabled(false);
}

} // namespace zorvane
