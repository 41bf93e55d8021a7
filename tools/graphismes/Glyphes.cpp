// The toolbar glyphs (32 x 32, transparent around) and the eraser of the editor's palette.
#include "Dessin.h"
#include "Images.h"
#include "Pictos.h"

#include <QLinearGradient>
#include <QPolygonF>

#include <cmath>
#include <functional>

namespace zorvane::graphismes {

using namespace pictos;

namespace {

QPainterPath polygone(std::initializer_list<QPointF> points) {
    QPainterPath chemin;
    chemin.addPolygon(QPolygonF(points));
    chemin.closeSubpath();
    return chemin;
}

QPainterPath rectangleArrondi(const QRectF& r, double rayon) {
    QPainterPath chemin;
    chemin.addRoundedRect(r, rayon, rayon);
    return chemin;
}

void etoile(QPainter& p, QPointF centre, double rayon) {
    QPainterPath chemin;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double d = i % 2 ? rayon * 0.45 : rayon;
        const QPointF point = centre + QPointF(std::cos(a) * d, std::sin(a) * d);
        i ? chemin.lineTo(point) : chemin.moveTo(point);
    }
    chemin.closeSubpath();
    forme(p, chemin, QColor(255, 244, 150), QColor(246, 170, 20));
}

void nouveau(QPainter& p) {
    page(p, QRectF(6.5, 4.5, 18, 24));
    QPainterPath boule;
    boule.addEllipse(QPointF(14.5, 19.5), 5, 5);
    forme(p, boule, QColor(255, 140, 130), QColor(196, 24, 24));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(13, 17.8), 1.6, 1.1);
    etoile(p, QPointF(23.5, 8.5), 7.5);
}

void recommencer(QPainter& p) {
    QPainterPath arc;
    const QRectF cercle(6.5, 6.5, 19, 19);
    arc.arcMoveTo(cercle, 100);
    arc.arcTo(cercle, 100, 290);
    forme(p, fleche(arc, 4.6, 11.5, 6.5), Vert, VertFonce);
}

// Back the way it came: an arrow turning the other way round from the restart's.
void annuler(QPainter& p) {
    QPainterPath arc;
    const QRectF cercle(7.5, 8.5, 18, 18);
    arc.arcMoveTo(cercle, -50);
    arc.arcTo(cercle, -50, 230);
    forme(p, fleche(arc, 5, 12, 7), Orange, OrangeFonce);
}

void charger(QPainter& p) {
    dossier(p, QRectF(2.5, 6.5, 27, 20), [](QPainter& q, const QRectF& r) {
        QPainterPath feuille;
        feuille.addRect(r.adjusted(0, -1, 0, 0));
        forme(q, feuille, Qt::white, QColor(220, 224, 232), 0.8);
    });
}

void enregistrer(QPainter& p) {
    disquette(p, QRectF(4.5, 4.5, 23, 23));
}

void effacer(QPainter& p) {
    disquette(p, QRectF(3.5, 3.5, 20, 20));
    pastille(p, QPointF(23.5, 23.5), 6.5, Rouge, RougeFonce, false);
}

void editeur(QPainter& p) {
    niveauMiniature(p, QRectF(3.5, 9.5, 18, 18));
    crayon(p, QPointF(15, 22), QPointF(29.5, 3.5), 5.5);
}

void solution(QPainter& p) {
    p.setPen(QPen(QColor(250, 200, 40), 1.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i) {
        const double a = M_PI + i * M_PI / 6;
        const QPointF u(std::cos(a), std::sin(a));
        p.drawLine(QPointF(16, 13) + u * 11, QPointF(16, 13) + u * 14);
    }
    p.setPen(Qt::NoPen);
    halo(p, QPointF(16, 13), 11, QColor(255, 240, 140, 150));
    QPainterPath ampoule;
    ampoule.moveTo(12.5, 22.5);
    ampoule.cubicTo(12.5, 18, 7.5, 16.5, 7.5, 12);
    ampoule.cubicTo(7.5, 7, 11.5, 3.5, 16, 3.5);
    ampoule.cubicTo(20.5, 3.5, 24.5, 7, 24.5, 12);
    ampoule.cubicTo(24.5, 16.5, 19.5, 18, 19.5, 22.5);
    ampoule.closeSubpath();
    forme(p, ampoule, QColor(255, 252, 214), QColor(250, 196, 40));
    p.setPen(QPen(QColor(214, 110, 20), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(
        QPolygonF({QPointF(13.5, 20.5), QPointF(13.5, 15), QPointF(15, 13), QPointF(16, 15),
                   QPointF(17, 13), QPointF(18.5, 15), QPointF(18.5, 20.5)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawEllipse(QPointF(12.5, 9), 2, 3);
    QPainterPath culot = rectangleArrondi(QRectF(12.5, 22.5, 7, 6), 1.5);
    forme(p, culot, QColor(220, 224, 232), QColor(120, 126, 140));
    p.setPen(QPen(QColor(110, 116, 130), 0.9));
    p.drawLine(QPointF(12.8, 24.7), QPointF(19.2, 24.7));
    p.drawLine(QPointF(12.8, 26.7), QPointF(19.2, 26.7));
}

void aPropos(QPainter& p) {
    QPainterPath rond;
    rond.addEllipse(QPointF(16, 16), 13, 13);
    forme(p, rond, Bleu, BleuFonce);
    QLinearGradient reflet(0, 3, 0, 16);
    reflet.setColorAt(0.0, QColor(255, 255, 255, 110));
    reflet.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(reflet);
    p.drawEllipse(QPointF(16, 10.5), 10, 7);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 9.5), 2.4, 2.4);
    QPainterPath jambage;
    jambage.moveTo(13, 14);
    jambage.lineTo(18, 14);
    jambage.lineTo(18, 22.5);
    jambage.lineTo(19.8, 22.5);
    jambage.lineTo(19.8, 24.8);
    jambage.lineTo(12.2, 24.8);
    jambage.lineTo(12.2, 22.5);
    jambage.lineTo(14, 22.5);
    jambage.lineTo(14, 16.2);
    jambage.lineTo(13, 16.2);
    jambage.closeSubpath();
    p.drawPath(jambage);
}

void jouer(QPainter& p) {
    QPainterPath triangle = polygone({QPointF(9, 5.5), QPointF(26.5, 16), QPointF(9, 26.5)});
    p.save();
    p.setPen(QPen(VertFonce.darker(170), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(triangle);
    p.setPen(QPen(QColor(96, 186, 62), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(triangle);
    p.restore();
    forme(p, triangle, Vert, VertFonce, 0.01);
}

void pauseLecture(QPainter& p) {
    forme(p, rectangleArrondi(QRectF(7.5, 5.5, 6.5, 21), 1.5), Bleu, BleuFonce);
    forme(p, rectangleArrondi(QRectF(18, 5.5, 6.5, 21), 1.5), Bleu, BleuFonce);
}

void rembobiner(QPainter& p) {
    forme(p, rectangleArrondi(QRectF(4.5, 7.5, 4, 17), 1), Bleu, BleuFonce);
    forme(p, polygone({QPointF(18, 7.5), QPointF(18, 24.5), QPointF(9.5, 16)}), Bleu, BleuFonce);
    forme(p, polygone({QPointF(27.5, 7.5), QPointF(27.5, 24.5), QPointF(19, 16)}), Bleu, BleuFonce);
}

void ejecter(QPainter& p) {
    forme(p, polygone({QPointF(16, 5.5), QPointF(27.5, 18.5), QPointF(4.5, 18.5)}), Bleu,
          BleuFonce);
    forme(p, rectangleArrondi(QRectF(4.5, 21.5, 23, 5), 1), Bleu, BleuFonce);
}

void creerEnsemble(QPainter& p) {
    niveauMiniature(p, QRectF(9.5, 3.5, 18, 18));
    niveauMiniature(p, QRectF(4.5, 8.5, 18, 18));
    pastille(p, QPointF(24, 24), 6.5, Vert, VertFonce, true);
}

void chargerEnsemble(QPainter& p) {
    dossier(p, QRectF(2.5, 6.5, 27, 20), [](QPainter& q, const QRectF& r) {
        niveauMiniature(q, QRectF(r.left() + 2, r.top() - 4, r.width() - 4, r.width() - 4));
    });
}

void modifierDescription(QPainter& p) {
    page(p, QRectF(4.5, 3.5, 18, 24));
    p.setPen(QPen(QColor(120, 130, 150), 1.0));
    for (int i = 0; i < 5; ++i) {
        const double y = 11.5 + 3 * i;
        p.drawLine(QPointF(7.5, y), QPointF(i % 2 ? 15.5 : 19.5, y));
    }
    p.setPen(Qt::NoPen);
    crayon(p, QPointF(16, 26), QPointF(29.5, 11), 5.5);
}

void retour(QPainter& p) {
    QPainterPath trace;
    trace.moveTo(25, 27);
    trace.lineTo(25, 17);
    trace.arcTo(QRectF(9, 9, 16, 16), 0, 90);
    trace.lineTo(12, 9);
    forme(p, fleche(trace, 5, 13, 8), Orange, OrangeFonce);
}

// The level check: a tiny level under a green tick.
void verifier(QPainter& p) {
    niveauMiniature(p, QRectF(3.5, 3.5, 20, 20));
    QPainterPath coche;
    coche.moveTo(12, 20);
    coche.lineTo(18.5, 27);
    coche.lineTo(29, 11);
    p.setPen(QPen(VertFonce, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(coche);
    p.setPen(QPen(Vert, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(coche);
    p.setPen(Qt::NoPen);
}

// The eraser of the editor's palette: a two-tone rubber block lying aslant, a few crumbs.
void gomme(QPainter& p) {
    ombre(p, QRectF(6, 26, 32, 10), 0.4);
    p.save();
    p.translate(20.5, 21);
    p.rotate(-28);
    const QColor trait(80, 40, 50);
    auto face = [&](std::initializer_list<QPointF> points, const QColor& c) {
        p.setPen(QPen(trait, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(c);
        p.drawPolygon(QPolygonF(points));
    };
    const double g = -15, m = -3, d = 15, h = -3, b = 7, dx = 4, dy = -5;
    face({QPointF(g, h), QPointF(m, h), QPointF(m + dx, h + dy), QPointF(g + dx, h + dy)},
         QColor(150, 186, 244));
    face({QPointF(m, h), QPointF(d, h), QPointF(d + dx, h + dy), QPointF(m + dx, h + dy)},
         QColor(255, 184, 196));
    face({QPointF(d, h), QPointF(d + dx, h + dy), QPointF(d + dx, b + dy), QPointF(d, b)},
         QColor(196, 86, 108));
    face({QPointF(g, h), QPointF(m, h), QPointF(m, b), QPointF(g, b)}, QColor(76, 122, 212));
    face({QPointF(m, h), QPointF(d, h), QPointF(d, b), QPointF(m, b)}, QColor(236, 116, 136));
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
    p.drawLine(QPointF(g + 1, h + 1), QPointF(d - 1, h + 1));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 116, 136));
    for (const QPointF& miette : {QPointF(5, 33), QPointF(8.5, 35.5), QPointF(4, 29.5)})
        p.drawEllipse(miette, 1.1, 0.9);
}

QImage glyphe(int taille, const std::function<void(QPainter&)>& dessin) {
    QImage image = imageVide(taille, taille);
    QPainter p(&image);
    prepare(p);
    dessin(p);
    return image;
}

} // namespace

Images glyphes() {
    const std::pair<const char*, void (*)(QPainter&)> liste[] = {
        {"nouveau.png", nouveau},
        {"recommencer.png", recommencer},
        {"annuler.png", annuler},
        {"charger.png", charger},
        {"enregistrer.png", enregistrer},
        {"effacer.png", effacer},
        {"editeur.png", editeur},
        {"solution.png", solution},
        {"apropos_sb.png", aPropos},
        {"jouer.png", jouer},
        {"pause.png", pauseLecture},
        {"rembobiner.png", rembobiner},
        {"ejecter.png", ejecter},
        {"creerens.png", creerEnsemble},
        {"chargeniv.png", chargerEnsemble},
        {"modifdes.png", modifierDescription},
        {"retour.png", retour},
        {"verifier.png", verifier},
    };
    Images images;
    for (const auto& [nom, dessin] : liste)
        images.emplace_back(nom, glyphe(32, dessin));
    images.emplace_back("gomme.png", glyphe(41, gomme));
    return images;
}

} // namespace zorvane::graphismes
