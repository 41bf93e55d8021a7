#include "PeintrePlateau.h"

#include "ImageWidget.h"

#include <QThread>

namespace zorvane {

TPeintrePlateau::TPeintrePlateau(ImageWidget& plateau, QObject* parent)
    : QObject(parent), plateau_(plateau) {}

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

void TPeintrePlateau::Anime(const TResultatCoup& coup, int pauseMs) {
    if (!coup.bouge)
        return;
    const QPixmap& piece = coup.boule ? tuiles_.Boule : tuiles_.Carre;
    int x = coup.depart.x;
    int y = coup.depart.y;
    std::size_t zelmite = 0;
    do {
        DessineCase(x, y, nullptr);
        x += coup.dx;
        y += coup.dy;
        if (zelmite < coup.zelmites.size() &&
            coup.zelmites[zelmite] == TPosition{uint8_t(x), uint8_t(y)}) {
            ++zelmite;
            DessineCase(x, y, nullptr);
            emit zelmitePrise();
        }
        PoseTuile(x, y, piece);
        Rafraichit();
        QThread::msleep(unsigned(pauseMs));
    } while (x != coup.arrivee.x || y != coup.arrivee.y);
}

} // namespace zorvane
