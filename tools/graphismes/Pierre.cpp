// "pierre": a floor of sandstone slabs, walls of grey dressed stone, a wooden crate for the
// square, a lapis ball and ruby gems.
#include "Bruit.h"
#include "Dessin.h"
#include "Graphisme.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace zorvane::graphismes {
namespace {

// One stone of a wall: a face textured and tinted by its own seed, with chamfered edges.
void pierreTaillee(QPainter& p, const QRectF& r, uint32_t graine) {
    const double teinte = aleaPoint(int(graine), 3, 77) - 0.5;
    const QColor base(int(118 + 18 * teinte), int(116 + 16 * teinte), int(122 + 10 * teinte));
    texture(p, r, [&](double u, double v) {
        const double n = bruitFractal(u / 3.5, v / 3.5, graine, 4) - 0.5;
        const double fin = aleaPoint(int(u * 4), int(v * 4), graine) - 0.5;
        const double d = 44 * n + 10 * fin;
        return QColor(std::clamp(int(base.red() + d), 0, 255),
                      std::clamp(int(base.green() + d), 0, 255),
                      std::clamp(int(base.blue() + d * 0.9), 0, 255));
    });
    biseau(p, r, 1.8, QColor(196, 194, 196, 170), QColor(30, 28, 32, 190));
}

class Pierre : public Graphisme {
  public:
    QString nom() const override { return "pierre"; }

    QImage fond() const override {
        QImage image(Colonnes * Case, Lignes * Case, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int cx = x % Case, cy = y % Case;
                const int dalle = (x / Case) * 31 + (y / Case);
                // Each slab has its own shade, a mottled grain and chamfered, worn edges.
                const double ton = (aleaPoint(dalle, 0, 5) - 0.5) * 16.0;
                const double rouille = (aleaPoint(dalle, 1, 5) - 0.5) * 8.0;
                double d = ton + (bruitFractal(x / 7.0, y / 7.0, 11, 4) - 0.5) * 30.0 +
                           (aleaPoint(x, y, 12) - 0.5) * 7.0;
                const int bord = std::min({cx, cy, Case - 1 - cx, Case - 1 - cy});
                const double usure = bruitLisse(x / 3.0, y / 3.0, 13);
                if (bord == 0 || (bord == 1 && usure > 0.55))
                    d -= 58.0;
                else if (cx <= 2 || cy <= 2)
                    d += 12.0;
                else if (cx >= Case - 3 || cy >= Case - 3)
                    d -= 14.0;
                const auto c = [](double w) { return std::clamp(int(w), 0, 255); };
                image.setPixel(x, y, qRgb(c(190 + d + rouille), c(174 + d), c(148 + d - rouille)));
            }
        }
        return image;
    }

    void boule(QPainter& p) const override {
        ombre(p, QRectF(8.5, 30, 28, 9), 0.45);
        const QPointF centre(20.5, 19.5);
        const double rayon = 15.0;
        sphere(p, centre, rayon, QColor(150, 180, 255), QColor(36, 64, 170), QColor(8, 14, 52));
        // Lapis: flecks of gold in the blue stone, fading into the shaded side.
        p.save();
        Alea alea(57);
        for (int i = 0; i < 26; ++i) {
            const double a = alea.entre(0, 2 * M_PI), d = rayon * std::sqrt(alea.suivant()) * 0.9;
            const QPointF point = centre + QPointF(std::cos(a) * d, std::sin(a) * d);
            const double lumiere =
                1.0 - (point.x() - centre.x() + point.y() - centre.y()) / (2.4 * rayon);
            halo(p, point, alea.entre(0.7, 1.5),
                 QColor(255, 214, 110, int(std::clamp(200 * lumiere, 30.0, 230.0))));
        }
        p.restore();
    }

    void carre(QPainter& p) const override {
        ombre(p, QRectF(6.5, 31, 32, 9), 0.45);
        const QRectF r(5.5, 5.5, 30, 30);
        // Planks with a wavy grain, then a frame and a diagonal brace on top.
        texture(p, r, [](double u, double v) {
            const double planche = std::floor((v - 5.5) / 7.5);
            const double fibre = std::sin((v * 2.6 + 3.0 * bruitLisse(u / 6.0, v / 1.5, 41)) * 2.0);
            const double ton = (aleaPoint(int(planche), 2, 42) - 0.5) * 26.0 + fibre * 10.0;
            const bool joint = std::fmod(v - 5.5, 7.5) < 0.8;
            const double d = ton - (joint ? 55.0 : 0.0);
            return QColor(std::clamp(int(196 + d), 0, 255), std::clamp(int(132 + d * 0.8), 0, 255),
                          std::clamp(int(70 + d * 0.5), 0, 255));
        });
        const QColor cadre(150, 92, 40), cadreSombre(86, 48, 18);
        p.save();
        const double l = 4.5;
        QPainterPath montants;
        montants.addRect(r);
        montants.addRect(r.adjusted(l, l, -l, -l));
        p.setBrush(cadre);
        p.drawPath(montants);
        QPainterPath traverse;
        traverse.moveTo(r.left() + l, r.bottom() - l - 4);
        traverse.lineTo(r.right() - l - 4, r.top() + l);
        traverse.lineTo(r.right() - l, r.top() + l);
        traverse.lineTo(r.right() - l, r.top() + l + 4);
        traverse.lineTo(r.left() + l + 4, r.bottom() - l);
        traverse.lineTo(r.left() + l, r.bottom() - l);
        traverse.closeSubpath();
        p.setBrush(QColor(166, 104, 48));
        p.drawPath(traverse);
        p.setPen(QPen(cadreSombre, 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawPath(traverse);
        biseau(p, r, l, QColor(214, 160, 96), cadreSombre);
        p.setPen(QPen(QColor(60, 32, 10), 1.0));
        p.drawRect(r);
        p.drawRect(r.adjusted(l, l, -l, -l));
        // Nails at the corners of the frame.
        p.setPen(Qt::NoPen);
        for (const QPointF& c :
             {r.topLeft() + QPointF(2.3, 2.3), r.topRight() + QPointF(-2.3, 2.3),
              r.bottomLeft() + QPointF(2.3, -2.3), r.bottomRight() + QPointF(-2.3, -2.3)}) {
            sphere(p, c, 1.3, QColor(230, 230, 230), QColor(110, 110, 115), QColor(40, 40, 44));
        }
        p.restore();
    }

    void zelmite(QPainter& p) const override {
        ombre(p, QRectF(9, 29, 25, 8), 0.35);
        gemme(p, QPointF(20.5, 19.5), Taille{4, 12.5, 16.5, 0.5, 45.0}, QColor(222, 28, 58));
        etincelle(p, QPointF(16.5, 12.0), 5.0, QColor(255, 240, 240, 235));
    }

    void mur(QPainter& p) const override {
        // Two courses of stones, the lower one offset by half a stone: walls side by side
        // join into one masonry.
        p.fillRect(QRectF(0, 0, Case, Case), QColor(70, 62, 56));
        const double h = Case / 2.0, l = Case / 2.0, j = 0.9;
        pierreTaillee(p, QRectF(j, j, l - 2 * j, h - 2 * j), 101);
        pierreTaillee(p, QRectF(l + j, j, l - 2 * j, h - 2 * j), 102);
        pierreTaillee(p, QRectF(0, h + j, l / 2 - j, h - 2 * j), 103);
        pierreTaillee(p, QRectF(l / 2 + j, h + j, l - 2 * j, h - 2 * j), 104);
        pierreTaillee(p, QRectF(l * 1.5 + j, h + j, l / 2 - j, h - 2 * j), 105);
    }
};

} // namespace

std::unique_ptr<Graphisme> pierre() {
    return std::make_unique<Pierre>();
}

} // namespace zorvane::graphismes
