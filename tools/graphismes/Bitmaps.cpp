#include "Bitmaps.h"

#include <QPainter>

namespace zorvane::graphismes {

// Below this opacity a pixel is left to the board: laid over the average colour it would
// differ from the board by less than the board's own texture.
constexpr int SeuilOpacite = 20;

QImage tuileAvecCle(const QImage& argb, const QColor& dessous) {
    const QImage source = argb.convertToFormat(QImage::Format_ARGB32);
    QImage sortie(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb s = source.pixel(x, y);
            const int a = qAlpha(s);
            QRgb c = Cle;
            if (a >= SeuilOpacite) {
                const auto pose = [a](int haut, int bas) {
                    return (haut * a + bas * (255 - a)) / 255;
                };
                c = qRgb(pose(qRed(s), dessous.red()), pose(qGreen(s), dessous.green()),
                         pose(qBlue(s), dessous.blue()));
                if (c == Cle)
                    c = qRgb(254, 0, 255);
            }
            sortie.setPixel(x, y, c);
        }
    }
    sortie.setPixel(0, sortie.height() - 1, Cle);
    return sortie;
}

QColor couleurMoyenne(const QImage& image) {
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    double r = 0, v = 0, b = 0;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb c = source.pixel(x, y);
            r += qRed(c);
            v += qGreen(c);
            b += qBlue(c);
        }
    }
    const double n = double(source.width()) * source.height();
    return QColor(qRound(r / n), qRound(v / n), qRound(b / n));
}

// A picture laid over a plain colour, so nothing of it can be see-through.
static QImage opaque(const QImage& image, const QColor& dessous) {
    QImage sortie(image.size(), QImage::Format_RGB32);
    sortie.fill(dessous);
    QPainter p(&sortie);
    p.drawImage(0, 0, image);
    return sortie;
}

static bool ecrisBmp(const QImage& image, const QDir& dossier, const QString& nom) {
    return image.convertToFormat(QImage::Format_RGB888).save(dossier.filePath(nom), "BMP");
}

bool ecrisGraphisme(const Graphisme& g, const QDir& dossier) {
    const QImage fond = g.fond().convertToFormat(QImage::Format_RGB32);
    const QColor dessous = couleurMoyenne(fond);
    // The pieces also show beside the board, in the grey active-piece box and the editor's
    // palette: their shadows and edges are laid over the board's brightness, not its colour.
    const int gris = qGray(dessous.rgb());
    const QColor sousLesPieces(gris, gris, gris);
    const QString n = g.nom();
    auto piece = [&](Peintre peintre) { return tuileAvecCle(tuile(g, peintre), sousLesPieces); };
    return ecrisBmp(fond, dossier, n + "f.bmp") &&
           ecrisBmp(piece(&Graphisme::boule), dossier, n + "b.bmp") &&
           ecrisBmp(piece(&Graphisme::carre), dossier, n + "c.bmp") &&
           ecrisBmp(piece(&Graphisme::zelmite), dossier, n + "e.bmp") &&
           ecrisBmp(opaque(tuile(g, &Graphisme::mur), dessous), dossier, n + "m.bmp");
}

} // namespace zorvane::graphismes
