#include "Pictos.h"

#include "Dessin.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QPolygonF>

#include <cmath>

namespace zorvane::graphismes::pictos {

void forme(QPainter& p, const QPainterPath& chemin, const QColor& haut, const QColor& bas,
           double trait) {
    const QRectF b = chemin.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0.0, haut);
    g.setColorAt(1.0, bas);
    p.save();
    p.setPen(QPen(bas.darker(170), trait, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(chemin);
    p.restore();
}

QPainterPath fleche(const QPainterPath& trace, double epaisseur, double largeurTete,
                    double longueurTete) {
    const double fin = trace.length();
    const double recul = trace.percentAtLength(std::max(0.0, fin - 0.1));
    const QPointF bout = trace.pointAtPercent(1.0);
    const QPointF avant = trace.pointAtPercent(recul);
    QPointF u = bout - avant;
    u /= std::hypot(u.x(), u.y());
    const QPointF n(-u.y(), u.x());

    QPainterPathStroker trait;
    trait.setWidth(epaisseur);
    trait.setCapStyle(Qt::FlatCap);
    trait.setJoinStyle(Qt::RoundJoin);
    QPainterPath corps = trait.createStroke(trace);
    QPainterPath tete;
    tete.addPolygon(QPolygonF({bout + n * largeurTete / 2, bout + u * longueurTete,
                               bout - n * largeurTete / 2, bout + n * largeurTete / 2}));
    return corps.united(tete).simplified();
}

void pastille(QPainter& p, QPointF centre, double rayon, const QColor& haut, const QColor& bas,
              bool plus) {
    QPainterPath rond;
    rond.addEllipse(centre, rayon, rayon);
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.6));
    p.drawEllipse(centre, rayon + 0.6, rayon + 0.6);
    forme(p, rond, haut, bas);
    p.translate(centre);
    if (!plus)
        p.rotate(45);
    const double b = rayon * 0.62, e = rayon * 0.17;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(-b, -e, 2 * b, 2 * e));
    p.drawRect(QRectF(-e, -b, 2 * e, 2 * b));
    p.restore();
}

void page(QPainter& p, const QRectF& r) {
    const double pli = r.width() * 0.33;
    QPainterPath feuille;
    feuille.moveTo(r.topLeft());
    feuille.lineTo(r.right() - pli, r.top());
    feuille.lineTo(r.right(), r.top() + pli);
    feuille.lineTo(r.bottomRight());
    feuille.lineTo(r.bottomLeft());
    feuille.closeSubpath();
    forme(p, feuille, QColor(255, 255, 255), QColor(214, 218, 226));
    QPainterPath coin;
    coin.moveTo(r.right() - pli, r.top());
    coin.lineTo(r.right() - pli, r.top() + pli);
    coin.lineTo(r.right(), r.top() + pli);
    coin.closeSubpath();
    forme(p, coin, QColor(236, 238, 244), QColor(180, 186, 198));
}

void disquette(QPainter& p, const QRectF& r) {
    const double c = r.width() * 0.14;
    QPainterPath corps;
    corps.moveTo(r.topLeft());
    corps.lineTo(r.right() - c, r.top());
    corps.lineTo(r.right(), r.top() + c);
    corps.lineTo(r.bottomRight());
    corps.lineTo(r.bottomLeft());
    corps.closeSubpath();
    forme(p, corps, Bleu, BleuFonce);
    const double w = r.width(), h = r.height();
    QPainterPath volet;
    volet.addRect(QRectF(r.left() + w * 0.24, r.top(), w * 0.52, h * 0.36));
    forme(p, volet, QColor(236, 240, 246), QColor(168, 176, 190), 0.8);
    p.fillRect(QRectF(r.left() + w * 0.56, r.top() + h * 0.07, w * 0.12, h * 0.22),
               QColor(60, 70, 90));
    QPainterPath etiquette;
    etiquette.addRect(QRectF(r.left() + w * 0.14, r.top() + h * 0.52, w * 0.72, h * 0.48));
    forme(p, etiquette, QColor(255, 255, 255), QColor(222, 226, 234), 0.8);
    p.setPen(QPen(QColor(120, 150, 210), 0.9));
    for (const double t : {0.66, 0.82})
        p.drawLine(QPointF(r.left() + w * 0.22, r.top() + h * t),
                   QPointF(r.left() + w * 0.78, r.top() + h * t));
    p.setPen(Qt::NoPen);
}

void dossier(QPainter& p, const QRectF& r, void (*contenu)(QPainter&, const QRectF&)) {
    const double w = r.width(), h = r.height();
    QPainterPath dos;
    dos.moveTo(r.left(), r.top());
    dos.lineTo(r.left() + w * 0.34, r.top());
    dos.lineTo(r.left() + w * 0.42, r.top() + h * 0.12);
    dos.lineTo(r.right() - w * 0.08, r.top() + h * 0.12);
    dos.lineTo(r.right() - w * 0.08, r.bottom());
    dos.lineTo(r.left(), r.bottom());
    dos.closeSubpath();
    forme(p, dos, QColor(240, 196, 92), QColor(196, 132, 28));
    if (contenu)
        contenu(p, QRectF(r.left() + w * 0.14, r.top() + h * 0.2, w * 0.62, h * 0.5));
    QPainterPath rabat;
    rabat.moveTo(r.left() + w * 0.16, r.top() + h * 0.4);
    rabat.lineTo(r.right(), r.top() + h * 0.4);
    rabat.lineTo(r.right() - w * 0.12, r.bottom());
    rabat.lineTo(r.left(), r.bottom());
    rabat.closeSubpath();
    forme(p, rabat, Jaune, JauneFonce);
}

void crayon(QPainter& p, QPointF pointe, QPointF bout, double largeur) {
    const QPointF d = bout - pointe;
    const double longueur = std::hypot(d.x(), d.y());
    p.save();
    p.translate(pointe);
    p.rotate(std::atan2(d.y(), d.x()) * 180.0 / M_PI);
    const double e = largeur / 2, mine = longueur * 0.26, gomme = longueur * 0.16;
    QPainterPath bois;
    bois.addPolygon(QPolygonF({QPointF(0, 0), QPointF(mine, -e), QPointF(mine, e), QPointF(0, 0)}));
    forme(p, bois, QColor(250, 222, 180), QColor(206, 160, 110), 0.8);
    p.setBrush(QColor(50, 50, 60));
    p.drawPolygon(QPolygonF(
        {QPointF(0, 0), QPointF(mine * 0.38, -e * 0.38), QPointF(mine * 0.38, e * 0.38)}));
    QPainterPath corps;
    corps.addRect(QRectF(mine, -e, longueur - mine - gomme, 2 * largeur / 2));
    forme(p, corps, Jaune, JauneFonce, 0.8);
    p.setPen(QPen(QColor(255, 246, 200), 0.8));
    p.drawLine(QPointF(mine + 0.5, -e * 0.3), QPointF(longueur - gomme - 0.5, -e * 0.3));
    QPainterPath embout;
    embout.addRect(QRectF(longueur - gomme, -e, gomme * 0.4, 2 * e));
    forme(p, embout, QColor(230, 232, 236), QColor(150, 154, 164), 0.8);
    QPainterPath fin;
    fin.addRoundedRect(QRectF(longueur - gomme * 0.6, -e, gomme * 0.6, 2 * e), 1.2, 1.2);
    forme(p, fin, QColor(255, 170, 180), QColor(216, 90, 110), 0.8);
    p.restore();
}

void niveauMiniature(QPainter& p, const QRectF& r) {
    QPainterPath cadre;
    cadre.addRect(r);
    forme(p, cadre, QColor(244, 248, 252), QColor(206, 216, 230), 0.9);
    const double c = r.width() / 3.0;
    p.save();
    p.setPen(QPen(QColor(170, 184, 206), 0.6));
    for (int i = 1; i < 3; ++i) {
        p.drawLine(QPointF(r.left() + i * c, r.top()), QPointF(r.left() + i * c, r.bottom()));
        p.drawLine(QPointF(r.left(), r.top() + i * r.height() / 3),
                   QPointF(r.right(), r.top() + i * r.height() / 3));
    }
    p.restore();
    const double ch = r.height() / 3.0;
    QPainterPath mur;
    mur.addRect(QRectF(r.left(), r.top(), c, ch));
    mur.addRect(QRectF(r.left(), r.top() + ch, c, ch));
    forme(p, mur, QColor(120, 150, 204), QColor(54, 84, 140), 0.7);
    QPainterPath gemme;
    const QPointF g(r.left() + 2.5 * c, r.top() + 2.5 * ch);
    gemme.addPolygon(
        QPolygonF({g + QPointF(0, -ch * 0.4), g + QPointF(c * 0.34, 0), g + QPointF(0, ch * 0.4),
                   g + QPointF(-c * 0.34, 0), g + QPointF(0, -ch * 0.4)}));
    forme(p, gemme, QColor(110, 240, 160), QColor(20, 150, 80), 0.7);
    QPainterPath boule;
    boule.addEllipse(QPointF(r.left() + 1.5 * c, r.top() + 1.5 * ch), c * 0.36, ch * 0.36);
    forme(p, boule, QColor(255, 130, 120), QColor(190, 20, 20), 0.7);
}

} // namespace zorvane::graphismes::pictos
