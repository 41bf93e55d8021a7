// Moves in play: the key handler, the switch of piece, and the one sequence that plays a move on
// a level and shows it, for the game, the level test and the replay alike.
#include "Editeur.h"
#include "ImageWidget.h"
#include "MainForm.h"
#include "Messages.h"
#include "PeintrePlateau.h"

#include <QAction>
#include <QToolButton>

namespace zorvane {

void TMainForm::JoueGeste(TNiveauEnJeu& niveau, const Geste& geste,
                          const std::function<void(const TResultatCoup&)>& ensuite) {
    if (geste.change) {
        if (EffetsSonores())
            JoueSon("slotclck.wav", 2);
        const TResultatCoup r = niveau.Change();
        DessineActif(r.boule);
        ensuite(r);
        return;
    }
    const TResultatCoup r = niveau.Joue(geste.dx, geste.dy);
    if (!r.bouge) {
        ensuite(r);
        return;
    }
    if (EffetsSonores())
        JoueSon(r.boule ? "move01.wav" : "move02.wav", 2);
    peintre_->Anime(r, delais_.pauseAnimationMs, [this, r, ensuite] {
        ensuite(r);
        ToucheSuivante();
    });
}

void TMainForm::ToucheSuivante() {
    while (!touchesEnAttente_.empty() && !peintre_->EnCours()) {
        const uint16_t code = touchesEnAttente_.front();
        touchesEnAttente_.pop_front();
        TraiteTouche(code);
    }
}

void TMainForm::TraiteTouche(uint16_t code) {
    switch (gestionClavier_) {
    case Clavier::Jeu:
        Commande(this, [&] { FormKeyDown(code); });
        break;
    case Clavier::Test:
        Commande(this, [&] { editeur_->KeyDownTest(code); });
        break;
    case Clavier::Aucun:
        break;
    }
}

void TMainForm::AcheveGlissements() {
    while (peintre_->EnCours())
        peintre_->Termine();
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
    frappe_.insert(frappe_.begin(), char(code & 0xFF));
    if (frappe_.size() > 12)
        frappe_.resize(12);
    JoueGeste(jeu_.EnJeu(), InterpreteTouche(touches_, code), [this](const TResultatCoup& r) {
        MajAnnuler();
        if (r.change)
            return;
        if (r.bouge && !RecommencerM->isEnabled()) {
            RecommencerM->setEnabled(true);
            RecommencerSB->setEnabled(true);
        }
        if (r.resolu)
            Commande(this, [this] { NiveauResolu(); });
    });
}

void TMainForm::ImgSwapClick() {
    if (gestionClavier_ == Clavier::Test) {
        editeur_->ChangeTest();
        return;
    }
    if (gestionClavier_ == Clavier::Jeu)
        JoueGeste(jeu_.EnJeu(), Geste{true}, [this](const TResultatCoup&) { MajAnnuler(); });
}

void TMainForm::AnnulerMClick() {
    if (gestionClavier_ == Clavier::Jeu && jeu_.Annule()) {
        peintre_->Dessine(jeu_.Niveau());
        DessineActif(jeu_.Boule());
    }
    MajAnnuler();
}

void TMainForm::MajAnnuler() {
    const bool actif = gestionClavier_ == Clavier::Jeu && jeu_.PeutAnnuler();
    AnnulerM->setEnabled(actif);
    AnnulerSB->setEnabled(actif);
}

} // namespace zorvane
