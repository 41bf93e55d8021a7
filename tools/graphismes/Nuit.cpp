// "nuit": a night sky board with a faint blue grid, indigo blocks with a neon rim, a moonlit
// ball, an amber glass square and glowing gems.
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

class Nuit : public Graphisme {
  public:
    QString nom() const override { return "nuit"; }

    QImage fond() const override {
        QImage image(Colonnes * Case, Lignes * Case, QImage::Format_RGB32);
        const QColor haut(18, 22, 56), bas(8, 10, 30);
        for (int y = 0; y < image.height(); ++y) {
            const QColor ligne = melange(haut, bas, double(y) / (image.height() - 1));
            for (int x = 0; x < image.width(); ++x) {
                // Two veils of nebula, violet and teal, drifting across the sky.
                const double violet = std::max(0.0, bruitFractal(x / 150.0, y / 150.0, 3, 5) - 0.5);
                const double sarcelle =
                    std::max(0.0, bruitFractal(x / 110.0, y / 110.0, 9, 5) - 0.55);
                double r = ligne.red() + 120 * violet;
                double v = ligne.green() + 25 * violet + 90 * sarcelle;
                double b = ligne.blue() + 150 * violet + 100 * sarcelle;
                const int cx = x % Case, cy = y % Case;
                if (cx == 0 || cy == 0) {
                    r += 10;
                    v += 18;
                    b += 40;
                }
                const auto c = [](double w) { return std::clamp(int(w), 0, 255); };
                image.setPixel(x, y, qRgb(c(r), c(v), c(b)));
            }
        }
        QPainter p(&image);
        prepare(p);
        Alea alea(2024);
        for (int i = 0; i < 420; ++i) {
            const QPointF point(alea.entre(0, image.width()), alea.entre(0, image.height()));
            const double eclat = alea.suivant();
            const QColor teinte =
                melange(QColor(170, 190, 255), QColor(255, 240, 210), alea.suivant());
            if (eclat > 0.985)
                etincelle(p, point, 4.5, avecAlpha(teinte, 0.9));
            else
                halo(p, point, 0.8 + 1.4 * eclat, avecAlpha(teinte, 0.25 + 0.6 * eclat));
        }
        // The grid's crossings glow faintly.
        for (int gx = 0; gx <= Colonnes; ++gx)
            for (int gy = 0; gy <= Lignes; ++gy)
                halo(p, QPointF(gx * Case + 0.5, gy * Case + 0.5), 3.5, QColor(90, 130, 255, 70));
        return image;
    }

    void boule(QPainter& p) const override {
        halo(p, QPointF(20.5, 20.5), 18.5, QColor(120, 190, 255, 120));
        sphere(p, QPointF(20.5, 20.5), 14.0, QColor(255, 255, 255), QColor(150, 205, 255),
               QColor(28, 56, 150));
    }

    void carre(QPainter& p) const override {
        const QColor ambre(255, 170, 50);
        const QRectF r(7.5, 7.5, 26, 26);
        p.save();
        p.setBrush(Qt::NoBrush);
        for (const auto& [largeur, alpha] : {std::pair{8.0, 0.10}, {5.5, 0.18}, {3.5, 0.35}}) {
            p.setPen(QPen(avecAlpha(ambre, alpha), largeur));
            p.drawRoundedRect(r, 4, 4);
        }
        QLinearGradient verre(r.topLeft(), r.bottomRight());
        verre.setColorAt(0.0, QColor(110, 60, 16));
        verre.setColorAt(1.0, QColor(34, 16, 6));
        p.setPen(Qt::NoPen);
        p.setBrush(verre);
        p.drawRoundedRect(r, 4, 4);
        // A diagonal reflection across the glass.
        QPainterPath forme;
        forme.addRoundedRect(r, 4, 4);
        p.setClipPath(forme);
        QPainterPath reflet;
        reflet.moveTo(r.topLeft());
        reflet.lineTo(r.left() + 15, r.top());
        reflet.lineTo(r.left(), r.top() + 15);
        reflet.closeSubpath();
        p.setBrush(QColor(255, 220, 160, 60));
        p.drawPath(reflet);
        p.setClipping(false);
        p.setPen(QPen(QColor(255, 204, 100), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r, 4, 4);
        p.setPen(QPen(QColor(255, 244, 210, 200), 0.7));
        p.drawRoundedRect(r.adjusted(2.2, 2.2, -2.2, -2.2), 2.5, 2.5);
        p.restore();
    }

    void zelmite(QPainter& p) const override {
        const QColor lueur(60, 255, 190);
        halo(p, QPointF(20.5, 20.5), 18.5, avecAlpha(lueur, 0.55));
        gemme(p, QPointF(20.5, 20.5), Taille{6, 11.5, 15.5, 0.5, -30.0}, QColor(40, 226, 168));
        etincelle(p, QPointF(16.5, 13.5), 5.5, QColor(230, 255, 245, 240));
    }

    void mur(QPainter& p) const override {
        const QRectF r(0, 0, Case, Case);
        QLinearGradient face(0, 0, 0, Case);
        face.setColorAt(0.0, QColor(46, 44, 98));
        face.setColorAt(1.0, QColor(24, 22, 60));
        p.fillRect(r, face);
        grain(p, r, 31, 0.12, 3.0);
        biseau(p, r, 2.5, QColor(88, 92, 170), QColor(10, 10, 28));
        const QRectF rebord = r.adjusted(5.5, 5.5, -5.5, -5.5);
        const QColor neon(90, 190, 255);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(avecAlpha(neon, 0.18), 4.0));
        p.drawRoundedRect(rebord, 3, 3);
        p.setPen(QPen(avecAlpha(neon, 0.35), 2.2));
        p.drawRoundedRect(rebord, 3, 3);
        p.setPen(QPen(QColor(190, 236, 255), 0.9));
        p.drawRoundedRect(rebord, 3, 3);
    }
};

} // namespace

std::unique_ptr<Graphisme> nuit() {
    return std::make_unique<Nuit>();
}

} // namespace zorvane::graphismes
