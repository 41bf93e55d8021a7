// Moves in play: the key handler, the switch of piece, and the one sequence that plays a move on
// a level and shows it, for the game, the level test and the replay alike.
#include "ImageWidget.h"
#include "Messages.h"
#include "PeintrePlateau.h"
#include "Principal.h"

#include <QAction>
#include <QToolButton>

namespace zorvane {

TResultatCoup TMainForm::JoueGeste(TNiveauEnJeu& niveau, const Geste& geste) {
    if (geste.change) {
        if (EffetsSonores())
            JoueSon("slotclck.wav", 2);
        const TResultatCoup r = niveau.Change();
        DessineActif(r.boule);
        return r;
    }
    const TResultatCoup r = niveau.Joue(geste.dx, geste.dy);
    if (r.bouge) {
        if (EffetsSonores())
            JoueSon(r.boule ? "move01.wav" : "move02.wav", 2);
        peintre_->Anime(r, PauseAnimationMs);
    }
    return r;
}

void TMainForm::DessineActif(bool boule) {
    QPixmap& image = ImgSwap->image();
    image.fill(palette().color(QPalette::Button));
    {
        QPainter p(&image);
        p.drawPixmap(0, 0, boule ? peintre_->Tuiles().Boule : peintre_->Tuiles().Carre);
    }
    ImgSwap->repaint();
}

void TMainForm::FormKeyDown(uint16_t code) {
    // The last twelve keys, newest first, for the hidden code that ends the countdown.
    Frappe.insert(Frappe.begin(), char(code & 0xFF));
    if (Frappe.size() > 12)
        Frappe.resize(12);
    const TResultatCoup r = JoueGeste(jeu_.EnJeu(), InterpreteTouche(Touches, code));
    MajAnnuler();
    if (r.change)
        return;
    if (r.bouge && !RecommencerM->isEnabled()) {
        RecommencerM->setEnabled(true);
        RecommencerSB->setEnabled(true);
    }
    if (r.resolu)
        Commande(this, [this] { NiveauResolu(); });
}

void TMainForm::ImgSwapClick() {
    if (GestionClavier == Clavier::Test) {
        if (ImgSwapTest)
            ImgSwapTest();
        return;
    }
    if (GestionClavier == Clavier::Jeu) {
        JoueGeste(jeu_.EnJeu(), Geste{true});
        MajAnnuler();
    }
}

void TMainForm::AnnulerMClick() {
    if (GestionClavier == Clavier::Jeu && jeu_.Annule()) {
        peintre_->Dessine(jeu_.Niveau());
        DessineActif(jeu_.Boule());
    }
    MajAnnuler();
}

void TMainForm::MajAnnuler() {
    const bool actif = GestionClavier == Clavier::Jeu && jeu_.PeutAnnuler();
    AnnulerM->setEnabled(actif);
    AnnulerSB->setEnabled(actif);
}

} // namespace zorvane
