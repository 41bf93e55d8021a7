// Gorbul, the farewell character: a round orange fellow with a gem on his antenna, waving.
#include "Dessin.h"
#include "Fenetres.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace zorvane::graphismes {

static void decor(QPainter& p) {
    QRadialGradient ciel(QPointF(58, 56), 100);
    ciel.setColorAt(0.0, QColor(255, 250, 226));
    ciel.setColorAt(1.0, QColor(176, 216, 248));
    p.fillRect(QRectF(0, 0, 117, 139), ciel);
    QPainterPath colline;
    colline.moveTo(0, 122);
    colline.quadTo(58, 110, 117, 120);
    colline.lineTo(117, 139);
    colline.lineTo(0, 139);
    colline.closeSubpath();
    QLinearGradient herbe(0, 112, 0, 139);
    herbe.setColorAt(0.0, QColor(126, 200, 92));
    herbe.setColorAt(1.0, QColor(62, 140, 52));
    p.fillPath(colline, herbe);
    ombre(p, QRectF(20, 120, 78, 12), 0.45);
}

static void bras(QPainter& p, const QPainterPath& trace, QPointF main, double rayonMain) {
    const QColor peau(236, 128, 38), contour(120, 52, 8);
    p.strokePath(trace, QPen(contour, 10.5, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(trace, QPen(peau, 8, Qt::SolidLine, Qt::RoundCap));
    p.setPen(QPen(contour, 1.3));
    QRadialGradient g(main + QPointF(-2, -2), rayonMain * 1.3);
    g.setColorAt(0.0, QColor(255, 200, 130));
    g.setColorAt(1.0, peau);
    p.setBrush(g);
    p.drawEllipse(main, rayonMain, rayonMain);
    p.setPen(Qt::NoPen);
}

static void oeil(QPainter& p, QPointF centre, QPointF regard) {
    p.setPen(QPen(QColor(90, 40, 10), 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 8.5, 10.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 36, 24));
    p.drawEllipse(centre + regard, 4.6, 5.2);
    p.setBrush(QColor(20, 12, 8));
    p.drawEllipse(centre + regard, 2.4, 2.8);
    p.setBrush(Qt::white);
    p.drawEllipse(centre + regard + QPointF(-1.6, -2.0), 1.6, 1.6);
}

QImage gorbul() {
    QImage image = imageVide(117, 139);
    QPainter p(&image);
    prepare(p);
    decor(p);

    const QColor contour(120, 52, 8);
    // Feet, then the arm at rest behind the body.
    for (const double x : {43.0, 73.0}) {
        p.setPen(QPen(contour, 1.3));
        p.setBrush(QColor(214, 100, 24));
        p.drawEllipse(QPointF(x, 123), 12, 6.5);
    }
    QPainterPath repos;
    repos.moveTo(30, 90);
    repos.quadTo(18, 98, 17, 110);
    bras(p, repos, QPointF(17, 111), 6);

    QRadialGradient corps(QPointF(58, 84), 40, QPointF(45, 64));
    corps.setColorAt(0.0, QColor(255, 216, 140));
    corps.setColorAt(0.5, QColor(250, 150, 52));
    corps.setColorAt(1.0, QColor(196, 86, 16));
    p.setPen(QPen(contour, 1.6));
    p.setBrush(corps);
    p.drawEllipse(QPointF(58, 85), 35, 36);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 228, 170, 80));
    p.drawEllipse(QPointF(58, 106), 18, 11);

    // The antenna and its gem.
    QPainterPath antenne;
    antenne.moveTo(58, 50);
    antenne.cubicTo(58, 40, 66, 36, 64, 26);
    p.strokePath(antenne, QPen(contour, 2.2, Qt::SolidLine, Qt::RoundCap));
    halo(p, QPointF(64, 21), 10, QColor(80, 255, 190, 120));
    gemme(p, QPointF(64, 20), Taille{6, 5.5, 7.5, 0.5, -30.0}, QColor(40, 210, 150));
    etincelle(p, QPointF(61.5, 16.5), 3.2, QColor(255, 255, 255, 230));

    oeil(p, QPointF(46, 74), QPointF(1.2, 1.5));
    oeil(p, QPointF(70, 74), QPointF(-0.2, 1.5));
    p.setPen(QPen(contour, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(38, 58, 15, 8), 30 * 16, 120 * 16);
    p.drawArc(QRectF(63, 56, 15, 8), 30 * 16, 120 * 16);
    p.setPen(Qt::NoPen);

    halo(p, QPointF(33, 92), 7, QColor(255, 90, 90, 120));
    halo(p, QPointF(83, 92), 7, QColor(255, 90, 90, 120));
    QPainterPath bouche;
    bouche.moveTo(44, 91);
    bouche.quadTo(58, 95, 72, 91);
    bouche.quadTo(70, 108, 58, 108);
    bouche.quadTo(46, 108, 44, 91);
    p.setBrush(QColor(124, 22, 24));
    p.setPen(QPen(contour, 1.4));
    p.drawPath(bouche);
    p.save();
    p.setClipPath(bouche);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(244, 110, 120));
    p.drawEllipse(QPointF(59, 108), 8, 5.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(48, 90, 20, 3.2));
    p.restore();

    // The waving arm, its open hand, and a few strokes for its motion.
    QPainterPath salut;
    salut.moveTo(88, 80);
    salut.quadTo(98, 72, 96, 52);
    bras(p, salut, QPointF(96, 47), 6.5);
    p.setPen(QPen(contour, 1.1));
    p.setBrush(QColor(244, 140, 50));
    for (const double angle : {-40.0, -14.0, 12.0, 38.0}) {
        p.save();
        p.translate(96, 46);
        p.rotate(angle);
        p.drawRoundedRect(QRectF(-1.9, -12.5, 3.8, 8), 1.9, 1.9);
        p.restore();
    }
    p.save();
    p.translate(96, 47);
    p.rotate(-95);
    p.drawRoundedRect(QRectF(-1.9, -10.5, 3.8, 6.5), 1.9, 1.9);
    p.restore();
    p.setPen(Qt::NoPen);
    QRadialGradient paume(QPointF(94.5, 45.5), 7);
    paume.setColorAt(0.0, QColor(255, 200, 130));
    paume.setColorAt(1.0, QColor(236, 128, 38));
    p.setBrush(paume);
    p.drawEllipse(QPointF(96, 47), 5.4, 5.4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 110, 170, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (const double r : {15.5, 19.5}) {
        const QRectF cercle(96 - r, 44 - r, 2 * r, 2 * r);
        p.drawArc(cercle, 125 * 16, 30 * 16);
        p.drawArc(cercle, 25 * 16, 30 * 16);
    }
    return image;
}

} // namespace zorvane::graphismes
