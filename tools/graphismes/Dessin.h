// Drawing helpers shared by the tiles, the window pictures and the toolbar glyphs.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <functional>

namespace zorvane::graphismes {

// a when t = 0, b when t = 1, alpha included.
QColor melange(const QColor& a, const QColor& b, double t);
QColor avecAlpha(QColor c, double alpha);

// A transparent ARGB picture with an antialiasing painter ready on it.
QImage imageVide(int largeur, int hauteur);
void prepare(QPainter& p);

// DejaVu, loaded from its files when they are there so the text never depends on the host's
// font configuration.
QFont police(bool serif, int pixels, bool gras = true);
// The outline of a text, its box centred on `centre`.
QPainterPath texteCentre(const QString& texte, const QFont& police, QPointF centre,
                         double espacement = 0.0);

// A raised block: light top and left edges, dark bottom and right edges, of width `bord`.
void biseau(QPainter& p, const QRectF& r, double bord, const QColor& clair, const QColor& sombre);

// A soft elliptic shadow that fades to nothing at its edge.
void ombre(QPainter& p, const QRectF& r, double opacite);

// A sphere lit from the top left: radial shading, a rim of reflected light and a highlight.
void sphere(QPainter& p, QPointF centre, double rayon, const QColor& clair, const QColor& moyen,
            const QColor& sombre);

// A soft round glow, strongest at the centre.
void halo(QPainter& p, QPointF centre, double rayon, const QColor& couleur);

// A four-branch sparkle.
void etincelle(QPainter& p, QPointF centre, double rayon, const QColor& couleur);

// A picture computed pixel by pixel over the rectangle r (in the painter's units), at the
// resolution the painter draws with, so textures stay sharp at every scale. f gets the point in
// the painter's units.
void texture(QPainter& p, const QRectF& r, const std::function<QColor(double, double)>& f);

// Fine light and dark speckles over r: `force` is the strongest alpha, `echelle` the grain size
// in the painter's units.
void grain(QPainter& p, const QRectF& r, uint32_t graine, double force, double echelle);

// A faceted gem seen from above: a table surrounded by facets lit from the top left.
struct Taille {
    int cotes = 8;         // sides of the girdle
    double rayonX = 14.0;  // girdle half-width
    double rayonY = 14.0;  // girdle half-height
    double table = 0.55;   // table size, relative to the girdle
    double rotation = 0.0; // degrees; 0 puts a flat side on top
};
void gemme(QPainter& p, QPointF centre, const Taille& taille, const QColor& teinte);

} // namespace zorvane::graphismes
