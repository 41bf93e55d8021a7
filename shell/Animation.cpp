// Moves in play: the key handler, the switch of piece, and the slide animated cell by cell.
#include "ImageWidget.h"
#include "Messages.h"
#include "Principal.h"

#include <QAction>
#include <QThread>
#include <QToolButton>

namespace zorvane {

void TMainForm::EffaceCase(int x, int y) {
    QPainter p(&ImgFond->image());
    p.drawPixmap(QPoint(x * TailleCase, y * TailleCase), Fond,
                 QRect(x * TailleCase, y * TailleCase, TailleCase, TailleCase));
}

void TMainForm::DessineCase(int x, int y, const QPixmap* tuile) {
    EffaceCase(x, y);
    if (tuile) {
        QPainter p(&ImgFond->image());
        p.drawPixmap(x * TailleCase, y * TailleCase, *tuile);
    }
}

// Animates the move Deplace just made from pixel (x, y): one cell per step, each step shown at
// once and followed by a 20 ms sleep. Input made meanwhile stays queued and is handled after.
void TMainForm::Bouge(int x, int y, int8_t dx, int8_t dy, TNiveau& niveau, bool boule) {
    const TPosition arrivee = boule ? niveau.PosBoule : niveau.PosCarre;
    const int tx = arrivee.x * TailleCase;
    const int ty = arrivee.y * TailleCase;
    if (EffetsSonores())
        JoueSon(boule ? "move01.wav" : "move02.wav", 2);
    const QPixmap& piece = boule ? ImgBoule : ImgCarre;
    do {
        EffaceCase(x / TailleCase, y / TailleCase);
        x += TailleCase * dx;
        y += TailleCase * dy;
        const uint8_t cx = uint8_t(x / TailleCase);
        const uint8_t cy = uint8_t(y / TailleCase);
        if (LitCase(niveau, cx, cy) == CaseZelmite) {
            EffaceCase(cx, cy);
            if (EffetsSonores())
                JoueSon("zelmite.wav", 1);
            EcritCase(niveau, cx, cy, CaseVide);
        }
        {
            QPainter p(&ImgFond->image());
            p.drawPixmap(x, y, piece);
        }
        ImgFond->repaint();
        QThread::msleep(unsigned(PauseAnimationMs));
    } while (x != tx || y != ty);
    EcritCase(niveau, arrivee.x, arrivee.y, boule ? CaseBoule : CaseCarre);
}

void TMainForm::ChangeControl(bool& actif) {
    actif = !actif;
    QPixmap& image = ImgSwap->image();
    image.fill(palette().color(QPalette::Button));
    {
        QPainter p(&image);
        p.drawPixmap(0, 0, actif ? ImgBoule : ImgCarre);
    }
    ImgSwap->repaint();
}

void TMainForm::FormKeyDown(uint16_t code) {
    // The last twelve keys, newest first, for the hidden code that ends the countdown.
    Frappe.insert(Frappe.begin(), char(code & 0xFF));
    if (Frappe.size() > 12)
        Frappe.resize(12);
    const Geste c = InterpreteTouche(Touches, code);
    if (c.change) {
        ImgSwapClick();
        return;
    }
    const TPosition depart = ActifJeu ? NivJeu.PosBoule : NivJeu.PosCarre;
    if (Deplace(NivJeu, ActifJeu, c.dx, c.dy)) {
        AjouteCoup(JournalJeu, c.dx, c.dy);
        Bouge(depart.x * TailleCase, depart.y * TailleCase, c.dx, c.dy, NivJeu, ActifJeu);
        if (!RecommencerM->isEnabled()) {
            RecommencerM->setEnabled(true);
            RecommencerSB->setEnabled(true);
        }
    }
    if (NiveauFini(NivJeu))
        Commande(this, [this] { NiveauResolu(); });
}

void TMainForm::ImgSwapClick() {
    if (GestionClavier == Clavier::Test) {
        if (ImgSwapTest)
            ImgSwapTest();
        return;
    }
    if (GestionClavier != Clavier::Jeu)
        return;
    if (EffetsSonores())
        JoueSon("slotclck.wav", 2);
    ChangeControl(ActifJeu);
    AjouteCoup(JournalJeu, 0, 0);
}

} // namespace zorvane
