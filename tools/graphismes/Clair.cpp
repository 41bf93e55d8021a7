// "clair": a bright, clean board of pale blue tiles, steel-blue blocks, a red glossy ball,
// a golden square and emerald gems.
#include "Bruit.h"
#include "Dessin.h"
#include "Graphisme.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace zorvane::graphismes {
namespace {

class Clair : public Graphisme {
  public:
    QString nom() const override { return "clair"; }

    QImage fond() const override {
        QImage image(Colonnes * Case, Lignes * Case, QImage::Format_RGB32);
        const QColor haut(238, 243, 249), bas(212, 222, 236);
        for (int y = 0; y < image.height(); ++y) {
            const QColor ligne = melange(haut, bas, double(y) / (image.height() - 1));
            for (int x = 0; x < image.width(); ++x) {
                const int cx = x % Case, cy = y % Case;
                double d = (bruitFractal(x / 9.0, y / 9.0, 7, 3) - 0.5) * 5.0;
                // Each cell is a slightly raised tile: a lit top-left edge, a shaded one
                // opposite, and a faint joint between tiles.
                if (cx == 0 || cy == 0)
                    d += 9.0;
                else if (cx == Case - 1 || cy == Case - 1)
                    d -= 16.0;
                else if (cx == 1 || cy == 1)
                    d += 4.0;
                else if (cx == Case - 2 || cy == Case - 2)
                    d -= 5.0;
                const auto v = [d](int c) { return std::clamp(int(c + d), 0, 255); };
                image.setPixel(x, y, qRgb(v(ligne.red()), v(ligne.green()), v(ligne.blue())));
            }
        }
        return image;
    }

    void boule(QPainter& p) const override {
        ombre(p, QRectF(8.5, 30, 28, 9), 0.38);
        sphere(p, QPointF(20.5, 19.5), 15.5, QColor(255, 178, 165), QColor(226, 46, 42),
               QColor(112, 12, 18));
    }

    void carre(QPainter& p) const override {
        ombre(p, QRectF(7.5, 30, 30, 9), 0.32);
        const QRectF r(6.5, 5.5, 28, 28);
        p.save();
        QPainterPath forme;
        forme.addRoundedRect(r, 3.5, 3.5);
        p.setClipPath(forme);
        biseau(p, r, 4.5, QColor(255, 236, 150), QColor(170, 104, 8));
        const QRectF face = r.adjusted(4.5, 4.5, -4.5, -4.5);
        QLinearGradient g(face.topLeft(), face.bottomRight());
        g.setColorAt(0.0, QColor(255, 214, 92));
        g.setColorAt(1.0, QColor(232, 152, 28));
        p.fillRect(face, g);
        QLinearGradient reflet(face.topLeft(), face.bottomLeft());
        reflet.setColorAt(0.0, QColor(255, 255, 255, 120));
        reflet.setColorAt(0.5, QColor(255, 255, 255, 0));
        p.fillRect(face, reflet);
        p.setClipping(false);
        p.setPen(QPen(QColor(120, 70, 6), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r, 3.5, 3.5);
        p.restore();
    }

    void zelmite(QPainter& p) const override {
        ombre(p, QRectF(9, 29, 25, 8), 0.25);
        gemme(p, QPointF(20.5, 19.5), Taille{8, 14.0, 14.0, 0.52, 0.0}, QColor(30, 196, 104));
        etincelle(p, QPointF(14.0, 13.0), 5.0, QColor(255, 255, 255, 230));
    }

    void mur(QPainter& p) const override {
        const QRectF r(0, 0, Case, Case);
        QLinearGradient face(0, 0, Case, Case);
        face.setColorAt(0.0, QColor(98, 132, 186));
        face.setColorAt(1.0, QColor(64, 94, 148));
        p.fillRect(r, face);
        biseau(p, r, 4.0, QColor(170, 198, 236), QColor(36, 56, 92));
        // A shallow groove inside the face keeps a wall mass readable as separate blocks.
        p.setPen(QPen(QColor(50, 76, 124, 150), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(8.5, 8.5, 24, 24));
        p.setPen(QPen(QColor(190, 212, 242, 110), 1.0));
        p.drawLine(QPointF(9.5, 33.5), QPointF(33.5, 33.5));
        p.drawLine(QPointF(33.5, 9.5), QPointF(33.5, 33.5));
    }
};

} // namespace

std::unique_ptr<Graphisme> clair() {
    return std::make_unique<Clair>();
}

} // namespace zorvane::graphismes
