// The congratulation picture: "Bravo !" in gold under fireworks, the ball and the square on a
// strip of board among gems and confetti.
#include "Bruit.h"
#include "Dessin.h"
#include "Fenetres.h"
#include "Graphisme.h"

#include <QLinearGradient>

#include <cmath>

namespace zorvane::graphismes {

// A firework burst: rays of fading sparks around a bright heart. Drawn additively, so
// overlapping light brightens.
static void feuDArtifice(QPainter& p, QPointF centre, double rayon, const QColor& couleur,
                         uint32_t graine) {
    Alea alea(graine);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    halo(p, centre, rayon * 0.45, avecAlpha(couleur, 0.35));
    const int rayons = 30;
    for (int i = 0; i < rayons; ++i) {
        const double a = 2 * M_PI * (i + alea.entre(-0.2, 0.2)) / rayons;
        const double longueur = rayon * alea.entre(0.75, 1.0);
        const QPointF u(std::cos(a), std::sin(a) + 0.08);
        QLinearGradient trainee(centre + u * longueur * 0.2, centre + u * longueur);
        trainee.setColorAt(0.0, avecAlpha(couleur, 0.0));
        trainee.setColorAt(1.0, avecAlpha(couleur, 0.8));
        p.setPen(QPen(QBrush(trainee), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre + u * longueur * 0.2, centre + u * longueur);
        p.setPen(Qt::NoPen);
        for (int k = 0; k < 3; ++k) {
            const QPointF etoile = centre + u * (longueur + 6.0 * k + 3.0);
            halo(p, etoile, 3.2 - k, avecAlpha(melange(couleur, Qt::white, 0.5), 0.9 - 0.3 * k));
        }
    }
    halo(p, centre, rayon * 0.12, QColor(255, 255, 255, 200));
    p.restore();
}

static void confettis(QPainter& p, const QRectF& zone, int nombre, uint32_t graine) {
    static const QColor teintes[] = {QColor(255, 80, 80),   QColor(255, 210, 60),
                                     QColor(80, 220, 120),  QColor(90, 170, 255),
                                     QColor(240, 120, 255), QColor(255, 150, 60)};
    Alea alea(graine);
    for (int i = 0; i < nombre; ++i) {
        p.save();
        p.translate(alea.entre(zone.left(), zone.right()), alea.entre(zone.top(), zone.bottom()));
        p.rotate(alea.entre(0, 180));
        const double l = alea.entre(4, 8), h = alea.entre(2, 3.5);
        p.setBrush(teintes[alea.entier(6)]);
        p.drawRect(QRectF(-l / 2, -h / 2, l, h));
        p.restore();
    }
}

QImage bravo() {
    QImage image = imageVide(639, 448);
    QPainter p(&image);
    prepare(p);
    QLinearGradient ciel(0, 0, 0, 448);
    ciel.setColorAt(0.0, QColor(10, 16, 60));
    ciel.setColorAt(0.7, QColor(54, 28, 100));
    ciel.setColorAt(1.0, QColor(96, 40, 110));
    p.fillRect(image.rect(), ciel);
    Alea alea(99);
    for (int i = 0; i < 160; ++i)
        halo(p, QPointF(alea.entre(0, 639), alea.entre(0, 320)), alea.entre(0.6, 1.7),
             QColor(220, 230, 255, int(alea.entre(50, 220))));

    feuDArtifice(p, QPointF(110, 96), 78, QColor(255, 90, 90), 1);
    feuDArtifice(p, QPointF(532, 84), 86, QColor(255, 210, 80), 2);
    feuDArtifice(p, QPointF(318, 58), 52, QColor(120, 200, 255), 3);
    feuDArtifice(p, QPointF(52, 250), 44, QColor(120, 255, 160), 4);
    feuDArtifice(p, QPointF(596, 240), 48, QColor(240, 130, 255), 5);

    // The stage: two rows of board, and the heroes standing on it.
    static const char* const scene[] = {"#.*......*.#", "##*..*.*..##"};
    const double cote = 53.25;
    miniPlateau(p, QPointF(0, 448 - 2 * cote), cote, scene, 2);
    QLinearGradient brume(0, 448 - 2 * cote, 0, 448 - 2 * cote + 30);
    brume.setColorAt(0.0, QColor(54, 28, 100, 150));
    brume.setColorAt(1.0, QColor(54, 28, 100, 0));
    p.fillRect(QRectF(0, 448 - 2 * cote, 639, 30), brume);
    const auto g = clair();
    pose(p, *g, &Graphisme::boule, QRectF(150, 238, 132, 132));
    pose(p, *g, &Graphisme::carre, QRectF(352, 240, 128, 128));
    pose(p, *g, &Graphisme::zelmite, QRectF(284, 290, 70, 70));
    pose(p, *g, &Graphisme::zelmite, QRectF(80, 300, 60, 60));
    pose(p, *g, &Graphisme::zelmite, QRectF(500, 296, 64, 64));
    etincelle(p, QPointF(186, 268), 16, QColor(255, 255, 255, 220));
    etincelle(p, QPointF(452, 262), 12, QColor(255, 255, 255, 200));

    confettis(p, QRectF(0, 0, 639, 448), 140, 7);
    lettresDOr(p, "Bravo !", police(false, 118), QPointF(320, 168), 2, 10);
    return image;
}

} // namespace zorvane::graphismes
