// Entering and leaving the editor view, opening a level for painting, and painting it.
#include "Editeur.h"
#include "Ensemble.h"
#include "ImageWidget.h"
#include "Messages.h"
#include "NiveauFichier.h"
#include "PeintrePlateau.h"
#include "Principal.h"
#include "Texte.h"
#include "Verification.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QUndoStack>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace zorvane {

namespace {

// One drag of painting: the level before and after it.
class CommandePeinture : public QUndoCommand {
  public:
    CommandePeinture(TEditeur& e, const TNiveau& avant, const TNiveau& apres)
        : e_(e), avant_(avant), apres_(apres) {}
    void undo() override { e_.RestaurePeinture(avant_); }
    void redo() override {
        if (!fait_) { // pushed once painted: nothing to do the first time
            fait_ = true;
            return;
        }
        e_.RestaurePeinture(apres_);
    }

  private:
    TEditeur& e_;
    TNiveau avant_, apres_;
    bool fait_ = false;
};

bool MemePeinture(const TNiveau& a, const TNiveau& b) {
    return a.Grille == b.Grille;
}

// The cell of a pixel, rounding down also left of and above the board.
int CaseDe(int pixel) {
    return int(std::floor(double(pixel) / TailleCase));
}

} // namespace

void TEditeur::EditeurSBClick() {
    f.GestionClavier = TMainForm::Clavier::Aucun;
    // The countdown pauses: it resumes on the return only if it was running now.
    if (f.CompteEnCours())
        compteEnCours_ = true;
    else if (f.VueCourante() == TMainForm::Vue::Jeu)
        compteEnCours_ = false;
    f.SuspendCompte();
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
    AfficheOuSuisJe();
}

void TEditeur::RetourMainMenuClick() {
    // A failed save keeps the editor open on the unsaved level.
    if (!Commande(&f, [this] { EnregistrerNiv(false); }))
        return;
    FermeNiveau();
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
                f.ReprendCompte();
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
    // A new history: the level as opened is its clean point.
    AnnuleVerification();
    Historique->clear();
    dansLeFichier_ = NiveauExistant == 1;
    Verifier->setEnabled(true);
    VerifierSB->setEnabled(true);
    MajSaveLevSB();
    SaveLevSB->setEnabled(false);
    AfficheOuSuisJe();
}

void TEditeur::AfficheOuSuisJe() {
    const bool ensemble = !f.NivEdit.NomFichier.empty() && Creerniv->isEnabled();
    NiveauPrecedent->setEnabled(ensemble);
    NiveauSuivant->setEnabled(ensemble);
    if (!ensemble) {
        OuSuisJe->setText("Aucun ensemble ouvert");
        return;
    }
    TNiveau compte = f.NivEdit;
    int nombre = -1;
    Commande(&f, [&] {
        CompteNiveaux(f.Jeu(), compte, false);
        nombre = NombreNiveaux(compte);
    });
    const QString nom = "Ensemble " + Depuis1252(f.NivEdit.NomFichier);
    const int32_t numero = NumeroNiveau(f.NivEdit);
    if (nombre < 0)
        OuSuisJe->setText(nom);
    else if (numero == 0)
        OuSuisJe->setText(
            QString("%1 : %2 niveau%3").arg(nom).arg(nombre).arg(nombre > 1 ? "x" : ""));
    else if (numero > nombre)
        OuSuisJe->setText(QString("%1 : nouveau niveau %2 / %3").arg(nom).arg(numero).arg(numero));
    else
        OuSuisJe->setText(QString("%1 : Niveau %2 / %3").arg(nom).arg(numero).arg(nombre));
}

// The level closed: no check, no history, nothing to step back to.
void TEditeur::FermeNiveau() {
    FinTrait();
    AnnuleVerification();
    Historique->clear();
    reponse_.reset();
    Verifier->setEnabled(false);
    VerifierSB->setEnabled(false);
}

void TEditeur::DebutTrait() {
    avantTrait_ = f.NivEdit;
    dernierX_ = dernierY_ = -1;
}

void TEditeur::FinTrait() {
    if (avantTrait_ && !MemePeinture(*avantTrait_, f.NivEdit))
        Historique->push(new CommandePeinture(*this, *avantTrait_, f.NivEdit));
    avantTrait_.reset();
}

// Paints every cell on the line from the cell painted last in the drag to the one under the
// pixel, so that a fast drag leaves no gap.
void TEditeur::PeintJusqua(int x, int y) {
    const int cx = CaseDe(x), cy = CaseDe(y);
    if (dernierX_ == -1 && dernierY_ == -1) {
        PeintCase(x, y);
    } else {
        const int n = std::max(std::abs(cx - dernierX_), std::abs(cy - dernierY_));
        for (int i = 1; i <= n; ++i) {
            const int px = dernierX_ + int(std::lround(double(cx - dernierX_) * i / n));
            const int py = dernierY_ + int(std::lround(double(cy - dernierY_) * i / n));
            PeintCase(px * TailleCase, py * TailleCase);
        }
    }
    dernierX_ = cx;
    dernierY_ = cy;
}

// Undo and redo: the grid and the pieces of a step, the tools and the save button following.
void TEditeur::RestaurePeinture(const TNiveau& n) {
    f.NivEdit.Grille = n.Grille;
    f.NivEdit.PosBoule = n.PosBoule;
    f.NivEdit.PosCarre = n.PosCarre;
    f.NivEdit.NbZelmites = n.NbZelmites;
    const auto& g = f.NivEdit.Grille;
    ActiveOutilsPieces(std::find(g.begin(), g.end(), CaseBoule) == g.end(),
                       std::find(g.begin(), g.end(), CaseCarre) == g.end());
    AfficheEdit(f.NivEdit);
}

void TEditeur::HistoriqueBouge() {
    if (NumeroNiveau(f.NivEdit) == 0)
        return;
    MajSaveLevSB();
    if (Historique->isClean())
        SaveLevSB->setEnabled(false);
}

void TEditeur::ActivePeinture() {
    peintureActive_ = true;
}

void TEditeur::CouperPeinture() {
    FinTrait();
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
    // A disabled button says what the level lacks.
    const QString manque = NumeroNiveau(f.NivEdit) == 0 ? QString() : CeQuiManque();
    SaveLevSB->setToolTip(manque.isEmpty() ? "Enregistrer" : "Enregistrer : il manque " + manque);
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
