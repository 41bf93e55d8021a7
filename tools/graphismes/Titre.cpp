// The title splash, the about box picture and the application icon: the game's name in gold
// over the pieces of the "clair" set.
#include "Bruit.h"
#include "Dessin.h"
#include "Fenetres.h"
#include "Graphisme.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>

namespace zorvane::graphismes {

void lettresDOr(QPainter& p, const QString& texte, const QFont& police, QPointF centre,
                double espacement, double contour) {
    const QPainterPath chemin = texteCentre(texte, police, centre, espacement);
    const QRectF boite = chemin.boundingRect();
    p.save();
    p.translate(contour * 0.5, contour * 0.9);
    for (const double largeur : {contour * 2.6, contour * 1.8, contour * 1.1})
        p.strokePath(
            chemin, QPen(QColor(0, 0, 0, 34), largeur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.restore();

    p.strokePath(chemin,
                 QPen(QColor(74, 34, 4), contour, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient or_(boite.topLeft(), boite.bottomLeft());
    or_.setColorAt(0.0, QColor(255, 250, 206));
    or_.setColorAt(0.45, QColor(255, 212, 74));
    or_.setColorAt(0.55, QColor(242, 168, 30));
    or_.setColorAt(1.0, QColor(186, 96, 8));
    p.fillPath(chemin, or_);

    p.save();
    p.setClipPath(chemin);
    QLinearGradient reflet(boite.topLeft(), QPointF(boite.left(), boite.center().y()));
    reflet.setColorAt(0.0, QColor(255, 255, 255, 150));
    reflet.setColorAt(1.0, QColor(255, 255, 255, 10));
    p.fillRect(QRectF(boite.topLeft(), QSizeF(boite.width(), boite.height() * 0.48)), reflet);
    p.restore();
    p.strokePath(chemin, QPen(QColor(255, 244, 200, 120), std::max(0.8, contour * 0.18)));
}

void miniPlateau(QPainter& p, QPointF coin, double cote, const char* const* lignes, int n) {
    static const auto g = clair();
    static const QImage fond = g->fond();
    for (int y = 0; y < n; ++y) {
        for (int x = 0; lignes[y][x] != '\0'; ++x) {
            const QRectF r(coin.x() + x * cote, coin.y() + y * cote, cote, cote);
            p.drawImage(r, fond, QRectF((x % Colonnes) * Case, (y % Lignes) * Case, Case, Case));
            switch (lignes[y][x]) {
            case '#':
                pose(p, *g, &Graphisme::mur, r);
                break;
            case '*':
                pose(p, *g, &Graphisme::zelmite, r);
                break;
            case 'o':
                pose(p, *g, &Graphisme::boule, r);
                break;
            case 'x':
                pose(p, *g, &Graphisme::carre, r);
                break;
            default:
                break;
            }
        }
    }
}

// A deep blue backdrop with a pool of light and a sprinkle of sparkles.
static void cielDeScene(QPainter& p, const QRectF& r, QPointF lumiere, uint32_t graine) {
    QLinearGradient ciel(r.topLeft(), r.bottomLeft());
    ciel.setColorAt(0.0, QColor(28, 56, 120));
    ciel.setColorAt(1.0, QColor(8, 18, 46));
    p.fillRect(r, ciel);
    halo(p, lumiere, r.width() * 0.55, QColor(90, 150, 255, 110));
    Alea alea(graine);
    for (int i = 0; i < int(r.width() * r.height() / 900); ++i) {
        const QPointF point(alea.entre(r.left(), r.right()), alea.entre(r.top(), r.bottom()));
        halo(p, point, alea.entre(0.6, 1.6), QColor(200, 220, 255, int(alea.entre(60, 200))));
    }
}

QImage titre() {
    QImage image = imageVide(500, 200);
    QPainter p(&image);
    prepare(p);
    cielDeScene(p, QRectF(0, 0, 500, 200), QPointF(250, 66), 11);
    etincelle(p, QPointF(60, 30), 9, QColor(255, 255, 240, 200));
    etincelle(p, QPointF(452, 108), 7, QColor(255, 255, 240, 180));

    // A strip of board under the name: the ball sweeps along it and collects gems.
    static const char* const bande[] = {"#..o*.*.*x.#"};
    const double cote = 38.0, gauche = (500 - 12 * cote) / 2, haut = 140;
    p.fillRect(QRectF(gauche - 3, haut - 3, 12 * cote + 6, cote + 6), QColor(6, 12, 30, 160));
    miniPlateau(p, QPointF(gauche, haut), cote, bande, 1);
    p.setPen(QPen(QColor(200, 40, 40, 150), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double y = haut + 12 + i * 7, fin = gauche + 3 * cote + 6 - (i == 1 ? 0 : 5);
        p.drawLine(QPointF(gauche + cote + 8 + i * 4, y), QPointF(fin, y));
    }

    lettresDOr(p, "ZORVANE", police(false, 76), QPointF(250, 72), 4, 7);
    p.setPen(QPen(QColor(255, 255, 255, 70), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, 498, 198), 6, 6);
    return image;
}

QImage apropos() {
    QImage image = imageVide(200, 250);
    QPainter p(&image);
    prepare(p);
    cielDeScene(p, QRectF(0, 0, 200, 250), QPointF(100, 110), 23);
    static const char* const niveau[] = {"#####", "#*..#", "#.o*#", "#.#.#", "#x.*#", "#####"};
    const double cote = 32.0;
    const QPointF coin((200 - 5 * cote) / 2, (250 - 6 * cote) / 2 - 4);
    ombre(p, QRectF(coin + QPointF(-10, 6 * cote - 8), QSizeF(5 * cote + 20, 28)), 0.6);
    miniPlateau(p, coin, cote, niveau, 6);
    p.setPen(QPen(QColor(10, 20, 50), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(coin, QSizeF(5 * cote, 6 * cote)));
    etincelle(p, coin + QPointF(1.5 * cote - 6, 1.5 * cote - 9), 8, QColor(255, 255, 255, 220));
    etincelle(p, coin + QPointF(3.5 * cote - 6, 4.5 * cote - 9), 6, QColor(255, 255, 255, 200));
    return image;
}

QImage icone() {
    QImage image = imageVide(256, 256);
    QPainter p(&image);
    prepare(p);
    const QRectF cadre(8, 8, 240, 240);
    ombre(p, QRectF(16, 222, 224, 30), 0.5);
    QLinearGradient bleu(cadre.topLeft(), cadre.bottomLeft());
    bleu.setColorAt(0.0, QColor(70, 120, 206));
    bleu.setColorAt(1.0, QColor(22, 48, 112));
    p.setBrush(bleu);
    p.setPen(QPen(QColor(12, 26, 66), 3));
    p.drawRoundedRect(cadre, 48, 48);

    // A glimpse of the board: a wall, a gem and the two pieces.
    QPainterPath interieur;
    interieur.addRoundedRect(cadre.adjusted(20, 20, -20, -20), 30, 30);
    p.save();
    p.setClipPath(interieur);
    static const char* const coin[] = {"#*", "ox"};
    miniPlateau(p, QPointF(28, 28), 100, coin, 2);
    p.restore();
    p.setPen(QPen(QColor(255, 255, 255, 90), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(interieur.boundingRect(), 30, 30);
    QLinearGradient reflet(cadre.topLeft(), QPointF(cadre.left(), cadre.center().y()));
    reflet.setColorAt(0.0, QColor(255, 255, 255, 70));
    reflet.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(reflet);
    p.drawRoundedRect(cadre.adjusted(4, 4, -4, -cadre.height() / 2), 44, 44);
    return image;
}

} // namespace zorvane::graphismes
