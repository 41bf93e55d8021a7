// "jardin": a mown lawn, trimmed hedges for walls, a beach ball, a bale of hay for the square
// and sapphires.
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

int borne(double v) {
    return std::clamp(int(v), 0, 255);
}

class Jardin : public Graphisme {
  public:
    QString nom() const override { return "jardin"; }

    QImage fond() const override {
        QImage image(Colonnes * Case, Lignes * Case, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                // The mower leaves the cells in a checkerboard of two shades.
                const bool tonte = (x / Case + y / Case) % 2 == 0;
                double d = tonte ? 9.0 : -7.0;
                d += (bruitFractal(x / 1.6, y / 6.0, 21, 3) - 0.5) * 42.0;
                d += (bruitFractal(x / 40.0, y / 40.0, 22, 3) - 0.5) * 18.0;
                image.setPixel(x, y,
                               qRgb(borne(112 + d * 0.8), borne(172 + d), borne(70 + d * 0.5)));
            }
        }
        QPainter p(&image);
        prepare(p);
        Alea alea(314);
        for (int i = 0; i < 70; ++i) {
            const QPointF fleur(alea.entre(0, image.width()), alea.entre(0, image.height()));
            const QColor petale =
                alea.suivant() < 0.6 ? QColor(255, 255, 250) : QColor(255, 226, 80);
            p.setBrush(petale);
            for (int k = 0; k < 5; ++k) {
                const double a = k * 2 * M_PI / 5;
                p.drawEllipse(fleur + QPointF(std::cos(a), std::sin(a)) * 1.3, 1.0, 1.0);
            }
            p.setBrush(QColor(240, 170, 30));
            p.drawEllipse(fleur, 0.8, 0.8);
        }
        return image;
    }

    void boule(QPainter& p) const override {
        ombre(p, QRectF(8.5, 30, 28, 9), 0.45);
        const QPointF centre(20.5, 19.5);
        const double r = 15.0;
        QPainterPath disque;
        disque.addEllipse(centre, r, r);
        p.save();
        p.setClipPath(disque);
        // Six panels meeting at a pole turned towards the light.
        const QPointF pole = centre + QPointF(-0.32 * r, -0.38 * r);
        const QColor panneaux[] = {QColor(232, 40, 40),   QColor(250, 250, 250),
                                   QColor(40, 110, 230),  QColor(255, 206, 30),
                                   QColor(250, 250, 250), QColor(40, 180, 80)};
        for (int i = 0; i < 6; ++i) {
            QPainterPath part;
            part.moveTo(pole);
            part.arcTo(QRectF(pole.x() - 3 * r, pole.y() - 3 * r, 6 * r, 6 * r), i * 60.0 + 10,
                       60.0);
            part.closeSubpath();
            p.setBrush(panneaux[i]);
            p.drawPath(part);
        }
        QRadialGradient volume(centre, r, pole);
        volume.setColorAt(0.0, QColor(255, 255, 255, 60));
        volume.setColorAt(0.5, QColor(0, 0, 0, 0));
        volume.setColorAt(1.0, QColor(0, 0, 30, 150));
        p.setBrush(volume);
        p.drawEllipse(centre, r, r);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(pole, 2.2, 2.2);
        p.restore();
        QRadialGradient brillant(pole + QPointF(2, 1), 5);
        brillant.setColorAt(0.0, QColor(255, 255, 255, 200));
        brillant.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(brillant);
        p.drawEllipse(pole + QPointF(2, 1), 5, 3.5);
        p.setPen(QPen(QColor(40, 30, 30, 160), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, r, r);
        p.setPen(Qt::NoPen);
    }

    void carre(QPainter& p) const override {
        ombre(p, QRectF(6.5, 31, 32, 9), 0.45);
        const QRectF r(5.5, 6.5, 30, 28);
        QPainterPath forme;
        forme.addRoundedRect(r, 3.5, 3.5);
        p.save();
        p.setClipPath(forme);
        texture(p, r, [](double u, double v) {
            const double paille = bruitFractal(u / 7.0, v / 0.7, 61, 3) - 0.5;
            const double brin = aleaPoint(int(u / 3.0), int(v * 1.4), 62) - 0.5;
            const double d = paille * 70 + brin * 18;
            return QColor(borne(226 + d), borne(186 + d), borne(86 + d * 0.6));
        });
        biseau(p, r, 3.5, QColor(255, 244, 190, 150), QColor(120, 80, 10, 170));
        // Two strings hold the bale.
        for (const double x : {r.left() + 9.5, r.right() - 9.5}) {
            p.fillRect(QRectF(x - 1.1, r.top(), 2.2, r.height()), QColor(120, 62, 24));
            p.fillRect(QRectF(x - 1.1, r.top(), 0.8, r.height()), QColor(190, 120, 60));
        }
        p.restore();
        p.setPen(QPen(QColor(110, 74, 12), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r, 3.5, 3.5);
        p.setPen(Qt::NoPen);
    }

    void zelmite(QPainter& p) const override {
        ombre(p, QRectF(9, 29, 25, 8), 0.4);
        gemme(p, QPointF(20.5, 19.5), Taille{8, 14.0, 14.0, 0.54, 22.5}, QColor(40, 112, 236));
        etincelle(p, QPointF(14.5, 13.0), 5.0, QColor(255, 255, 255, 235));
    }

    void mur(QPainter& p) const override {
        // A trimmed hedge: a dark mass of leaves, lit from the top left and shaded towards its
        // bottom and right sides.
        p.fillRect(QRectF(0, 0, Case, Case), QColor(30, 76, 32));
        Alea alea(808);
        for (int i = 0; i < 200; ++i) {
            const QPointF f(alea.entre(-2, Case + 2), alea.entre(-2, Case + 2));
            const double lumiere = std::clamp(1.0 - (f.x() + f.y()) / (2.2 * Case), 0.0, 1.0);
            const QColor c = melange(QColor(24, 70, 28), QColor(120, 190, 80),
                                     std::clamp(lumiere * 0.8 + alea.entre(-0.2, 0.25), 0.0, 1.0));
            p.save();
            p.translate(f);
            p.rotate(alea.entre(0, 180));
            p.setBrush(c);
            p.drawEllipse(QPointF(0, 0), alea.entre(2.2, 3.6), alea.entre(1.2, 2.0));
            p.restore();
        }
        QLinearGradient bas(0, 26, 0, Case);
        bas.setColorAt(0.0, QColor(0, 20, 0, 0));
        bas.setColorAt(1.0, QColor(0, 20, 0, 120));
        p.fillRect(QRectF(0, 26, Case, 15), bas);
        biseau(p, QRectF(0, 0, Case, Case), 2.0, QColor(170, 220, 120, 90), QColor(0, 30, 0, 120));
    }
};

} // namespace

std::unique_ptr<Graphisme> jardin() {
    return std::make_unique<Jardin>();
}

} // namespace zorvane::graphismes
