// Entering and leaving the editor view, opening a level for painting, and painting it.
#include "Editeur.h"
#include "Ensemble.h"
#include "ImageWidget.h"
#include "Messages.h"
#include "NiveauFichier.h"
#include "PeintrePlateau.h"
#include "Texte.h"
#include "Verification.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
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

// The editor's side of entering its view, and of a set closed under it: no set, no level.
void TEditeur::EditeurSBClick() {
    ModifDesSB->setEnabled(false);
    SaveLevSB->setEnabled(false);
    PanelEdit->show();
    for (QAction* a : {Creerniv, EffaceNiv, ModifNiveau, Testerniv})
        a->setEnabled(false);
    LabelLevel->clear();
    EditNivPanel->hide();
    CouperPeinture();
    peintre_.DessineFond();
    AfficheOuSuisJe();
}

void TEditeur::RetourMainMenuClick() {
    // A failed save keeps the editor open on the unsaved level.
    if (!Commande(fenetre_, [this] { EnregistrerNiv(false); }))
        return;
    FermeNiveau();
    PanelEdit->hide();
    EditNivPanel->hide();
    CouperPeinture();
    hote_.RetourAuJeu();
}

void TEditeur::AfficheEdit(const TNiveau& n) {
    peintre_.Dessine(n);
}

void TEditeur::GoEdit() {
    LabelLevel->setText(QString("Niveau n° %1").arg(NumeroNiveau(NivEdit)));
    AfficheEdit(NivEdit);
    RafraichitPalette();
    EditNivPanel->show();
    fenetre_->setFocus();
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
    const bool ensemble = !NivEdit.NomFichier.empty() && Creerniv->isEnabled();
    NiveauPrecedent->setEnabled(ensemble);
    NiveauSuivant->setEnabled(ensemble);
    if (!ensemble) {
        OuSuisJe->setText("Aucun ensemble ouvert");
        return;
    }
    TNiveau compte = NivEdit;
    int nombre = -1;
    Commande(fenetre_, [&] {
        CompteNiveaux(hote_.Jeu(), compte, false);
        nombre = NombreNiveaux(compte);
    });
    const QString nom = "Ensemble " + Depuis1252(NivEdit.NomFichier);
    const int32_t numero = NumeroNiveau(NivEdit);
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
    avantTrait_ = NivEdit;
    dernierX_ = dernierY_ = -1;
}

void TEditeur::FinTrait() {
    if (avantTrait_ && !MemePeinture(*avantTrait_, NivEdit))
        Historique->push(new CommandePeinture(*this, *avantTrait_, NivEdit));
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
    NivEdit.Grille = n.Grille;
    NivEdit.PosBoule = n.PosBoule;
    NivEdit.PosCarre = n.PosCarre;
    NivEdit.NbZelmites = n.NbZelmites;
    const auto& g = NivEdit.Grille;
    ActiveOutilsPieces(std::find(g.begin(), g.end(), CaseBoule) == g.end(),
                       std::find(g.begin(), g.end(), CaseCarre) == g.end());
    AfficheEdit(NivEdit);
}

void TEditeur::HistoriqueBouge() {
    if (NumeroNiveau(NivEdit) == 0)
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
    fenetre_->setFocus();
}

void TEditeur::ActiveOutilsPieces(bool boule, bool carre) {
    OutilRB[0]->setEnabled(boule);
    OutilMS[0]->setEnabled(boule);
    OutilRB[1]->setEnabled(carre);
    OutilMS[1]->setEnabled(carre);
}

void TEditeur::MajSaveLevSB() {
    SaveLevSB->setEnabled(!OutilRB[0]->isEnabled() && !OutilRB[1]->isEnabled() &&
                          NivEdit.NbZelmites != 0);
    // A disabled button says what the level lacks.
    const QString manque = NumeroNiveau(NivEdit) == 0 ? QString() : CeQuiManque();
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
    const char present = LitCase(NivEdit, cx, cy);
    if (present == code || (outil == 0 && !OutilRB[0]->isEnabled()) ||
        (outil == 1 && !OutilRB[1]->isEnabled()))
        return;
    TPeintrePlateau& peintre = peintre_;
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
        AjouteZelmites(NivEdit, 1);
    if (present == CaseBoule)
        ActiveOutilsPieces(true, OutilRB[1]->isEnabled());
    else if (present == CaseCarre)
        ActiveOutilsPieces(OutilRB[0]->isEnabled(), true);
    else if (present == CaseZelmite)
        AjouteZelmites(NivEdit, 255);
    MajSaveLevSB();
    EcritCase(NivEdit, cx, cy, code);
}

} // namespace zorvane
