#include "PeintrePlateau.h"

#include "ImageWidget.h"

namespace zorvane {

TPeintrePlateau::TPeintrePlateau(ImageWidget& plateau, QObject* parent)
    : QObject(parent), plateau_(plateau) {
    // After each step's pause: the next step, or the end once the piece stands on its cell.
    connect(&minuterie_, &QTimer::timeout, this, [this] {
        if (arrive_)
            Fin();
        else
            arrive_ = Pas();
    });
}

void TPeintrePlateau::Dessine(const TNiveau& niveau) {
    QPainter p(&plateau_.image());
    p.drawPixmap(0, 0, tuiles_.Fond);
    for (uint8_t x = 0; x < NbColonnes; ++x)
        for (uint8_t y = 0; y < NbLignes; ++y) {
            const char c = LitCase(niveau, x, y);
            if (c == CaseZelmite)
                p.drawPixmap(x * TailleCase, y * TailleCase, tuiles_.Zelmite);
            else if (c == CaseMur)
                p.drawPixmap(x * TailleCase, y * TailleCase, tuiles_.Mur);
        }
    p.drawPixmap(niveau.PosBoule.x * TailleCase, niveau.PosBoule.y * TailleCase, tuiles_.Boule);
    p.drawPixmap(niveau.PosCarre.x * TailleCase, niveau.PosCarre.y * TailleCase, tuiles_.Carre);
    p.end();
    Rafraichit();
}

void TPeintrePlateau::DessineFond() {
    {
        QPainter p(&plateau_.image());
        p.drawPixmap(0, 0, tuiles_.Fond);
    }
    Rafraichit();
}

void TPeintrePlateau::DessineCase(int x, int y, const QPixmap* tuile) {
    QPainter p(&plateau_.image());
    p.drawPixmap(QPoint(x * TailleCase, y * TailleCase), tuiles_.Fond,
                 QRect(x * TailleCase, y * TailleCase, TailleCase, TailleCase));
    if (tuile)
        p.drawPixmap(x * TailleCase, y * TailleCase, *tuile);
}

void TPeintrePlateau::PoseTuile(int x, int y, const QPixmap& tuile) {
    QPainter p(&plateau_.image());
    p.drawPixmap(x * TailleCase, y * TailleCase, tuile);
}

void TPeintrePlateau::Rafraichit() {
    plateau_.repaint();
}

void TPeintrePlateau::Anime(const TResultatCoup& coup, int pauseMs, std::function<void()> ensuite) {
    while (enCours_) // a slide never starts over another: the one in progress ends first
        Termine();
    coup_ = coup;
    ensuite_ = std::move(ensuite);
    x_ = coup.depart.x;
    y_ = coup.depart.y;
    zelmite_ = 0;
    enCours_ = true;
    arrive_ = !coup.bouge || Pas();
    if (pauseMs <= 0 || !coup.bouge) {
        Termine();
        return;
    }
    minuterie_.start(pauseMs);
}

bool TPeintrePlateau::Pas() {
    DessineCase(x_, y_, nullptr);
    x_ += coup_.dx;
    y_ += coup_.dy;
    if (zelmite_ < coup_.zelmites.size() &&
        coup_.zelmites[zelmite_] == TPosition{uint8_t(x_), uint8_t(y_)}) {
        ++zelmite_;
        DessineCase(x_, y_, nullptr);
        emit zelmitePrise();
    }
    PoseTuile(x_, y_, coup_.boule ? tuiles_.Boule : tuiles_.Carre);
    Rafraichit();
    return x_ == coup_.arrivee.x && y_ == coup_.arrivee.y;
}

void TPeintrePlateau::Termine() {
    if (!enCours_)
        return;
    while (!arrive_)
        arrive_ = Pas();
    Fin();
}

void TPeintrePlateau::Fin() {
    minuterie_.stop();
    enCours_ = false;
    const std::function<void()> ensuite = std::move(ensuite_);
    ensuite_ = nullptr;
    if (ensuite)
        ensuite();
}

} // namespace zorvane
