// Entering and leaving the editor view, opening a level for painting, and painting it.
#include "Editeur.h"
#include "Ensemble.h"
#include "ImageWidget.h"
#include "Messages.h"
#include "NiveauFichier.h"
#include "PeintrePlateau.h"
#include "Principal.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <filesystem>

namespace zorvane {

void TEditeur::EditeurSBClick() {
    f.GestionClavier = TMainForm::Clavier::Aucun;
    // The countdown pauses: it resumes on the return only if it was running now.
    if (f.TimerHandler == TMainForm::GestionTimer::Compte && f.Timer->isActive())
        compteEnCours_ = true;
    else if (f.VueCourante() == TMainForm::Vue::Jeu)
        compteEnCours_ = false;
    f.Timer->stop();
    f.InstalleVue(TMainForm::Vue::Editeur);
    f.SBPanel->hide();
    f.SwapPanel->hide();
    ModifDesSB->setEnabled(false);
    SaveLevSB->setEnabled(false);
    f.PanelEdit->show();
    for (QAction* a : {Creerniv, EffaceNiv, ModifNiveau, Testerniv})
        a->setEnabled(false);
    f.LabelLevel->clear();
    f.NiveauJeuModifie = false;
    effacesDuJeu_.clear();
    f.EditNivPanel->hide();
    CouperPeinture();
    f.Peintre().DessineFond();
}

void TEditeur::RetourMainMenuClick() {
    // A failed save keeps the editor open on the unsaved level.
    if (!Commande(&f, [this] { EnregistrerNiv(false); }))
        return;
    f.PanelEdit->hide();
    f.SwapPanel->show();
    f.InstalleVue(TMainForm::Vue::Jeu);
    f.EditNivPanel->hide();
    f.SBPanel->show();
    CouperPeinture();
    // No level to go on with: an empty board, no keys, the game's progress kept for a save.
    auto stoppe = [this] {
        f.GestionClavier = TMainForm::Clavier::Aucun;
        f.MajAnnuler();
        f.LabelLevel->clear();
        f.ImgSwap->image().fill(f.palette().color(QPalette::Button));
        f.ImgSwap->repaint();
        f.Peintre().DessineFond();
    };
    if (f.JeuEnCours().Niveau().NomFichier.empty()) {
        stoppe();
        return;
    }
    // The game's set may have been deleted meanwhile: the game then ends cleanly.
    TJeu& jeu = f.JeuEnCours();
    const auto niv = f.Jeu() / CheminEnsemble(jeu.Niveau().NomFichier, ".niv");
    std::error_code erreur;
    if (!std::filesystem::is_regular_file(niv, erreur)) {
        f.ArretePartie();
        stoppe();
        return;
    }
    // Levels erased before the game's level move it down. Its own level erased, the level that
    // took its number is played from its start, as a level saved over it would be.
    const int32_t numero = NumeroNiveau(jeu.Niveau());
    int32_t nouveau = numero;
    for (int32_t efface : effacesDuJeu_) {
        if (efface == nouveau)
            f.NiveauJeuModifie = true;
        else if (efface < nouveau)
            --nouveau;
    }
    const bool ok = Commande(&f, [&] {
        jeu.RecompteNiveaux();
        if (nouveau > NombreNiveaux(jeu.Niveau())) {
            stoppe();
            return;
        }
        if (nouveau != numero)
            jeu.Renumerote(nouveau);
        if (f.NiveauJeuModifie) {
            jeu.ChargeNiveau();
            f.AfficheNiveau(jeu.Niveau(), true, false, true);
        } else {
            f.LabelLevel->setText(QString("Niveau n° %1").arg(nouveau));
            f.AfficheNiveau(jeu.Niveau(), false, false, false);
            f.DessineActif(jeu.Boule());
            if (compteEnCours_) {
                f.TimerHandler = TMainForm::GestionTimer::Compte;
                f.Timer->start();
            }
            f.GestionClavier = TMainForm::Clavier::Jeu;
            f.MajAnnuler();
        }
    });
    if (!ok)
        stoppe();
}

void TEditeur::AfficheEdit(const TNiveau& n) {
    f.Peintre().Dessine(n);
}

void TEditeur::GoEdit() {
    f.LabelLevel->setText(QString("Niveau n° %1").arg(NumeroNiveau(f.NivEdit)));
    AfficheEdit(f.NivEdit);
    RafraichitPalette();
    f.EditNivPanel->show();
    f.setFocus();
    ActivePeinture();
}

void TEditeur::ActivePeinture() {
    peintureActive_ = true;
}

void TEditeur::CouperPeinture() {
    peintureActive_ = false;
    glisse_ = false;
}

int TEditeur::Outil() const {
    for (int tag = 0; tag < 5; ++tag)
        if (OutilRB[tag]->isChecked())
            return tag;
    return 3;
}

void TEditeur::BouleMSClick(int tag) {
    if (tag >= 0 && tag < 5) {
        // A disabled radio button can still be checked through its image or popup item.
        OutilRB[tag]->setChecked(true);
        OutilMS[tag]->setChecked(true);
    }
    f.setFocus();
}

void TEditeur::ActiveOutilsPieces(bool boule, bool carre) {
    OutilRB[0]->setEnabled(boule);
    OutilMS[0]->setEnabled(boule);
    OutilRB[1]->setEnabled(carre);
    OutilMS[1]->setEnabled(carre);
}

void TEditeur::MajSaveLevSB() {
    SaveLevSB->setEnabled(!OutilRB[0]->isEnabled() && !OutilRB[1]->isEnabled() &&
                          f.NivEdit.NbZelmites != 0);
}

// Paints the cell under pixel (x, y) of the board with the current tool.
void TEditeur::PeintCase(int x, int y) {
    // A drag that leaves the board delivers positions outside it: they paint nothing.
    if (x < 0 || y < 0 || x >= NbColonnes * TailleCase || y >= NbLignes * TailleCase)
        return;
    static const char codes[5] = {CaseBoule, CaseCarre, CaseZelmite, CaseMur, CaseVide};
    const int outil = Outil();
    const char code = codes[outil];
    const uint8_t cx = uint8_t(x / TailleCase);
    const uint8_t cy = uint8_t(y / TailleCase);
    const char present = LitCase(f.NivEdit, cx, cy);
    if (present == code || (outil == 0 && !OutilRB[0]->isEnabled()) ||
        (outil == 1 && !OutilRB[1]->isEnabled()))
        return;
    TPeintrePlateau& peintre = f.Peintre();
    const TTuiles& t = peintre.Tuiles();
    switch (outil) {
    case 0:
        peintre.DessineCase(cx, cy, &t.Boule);
        break;
    case 1:
        peintre.PoseTuile(cx, cy, t.Carre);
        break;
    case 2:
        peintre.DessineCase(cx, cy, &t.Zelmite);
        break;
    case 3:
        peintre.PoseTuile(cx, cy, t.Mur);
        break;
    default:
        peintre.DessineCase(cx, cy, nullptr);
    }
    peintre.Rafraichit();
    if (outil == 0)
        ActiveOutilsPieces(false, OutilRB[1]->isEnabled());
    else if (outil == 1)
        ActiveOutilsPieces(OutilRB[0]->isEnabled(), false);
    else if (outil == 2)
        AjouteZelmites(f.NivEdit, 1);
    if (present == CaseBoule)
        ActiveOutilsPieces(true, OutilRB[1]->isEnabled());
    else if (present == CaseCarre)
        ActiveOutilsPieces(OutilRB[0]->isEnabled(), true);
    else if (present == CaseZelmite)
        AjouteZelmites(f.NivEdit, 255);
    MajSaveLevSB();
    EcritCase(f.NivEdit, cx, cy, code);
}

} // namespace zorvane
