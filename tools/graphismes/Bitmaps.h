// The five BMP files of a graphics set, as the game reads them: 24-bit pictures where the
// tiles of the pieces are see-through wherever they show their bottom-left pixel's colour.
#pragma once

#include "Graphisme.h"

#include <QColor>
#include <QDir>
#include <QImage>

namespace zorvane::graphismes {

// The see-through colour of the piece tiles. Nothing else in a tile has it.
constexpr QRgb Cle = 0xffff00ff;

// A tile for transparent drawing: fully see-through pixels become the key colour, the others
// are laid over `dessous` (the board's average colour) so their soft edges blend with the board
// instead of the key. The bottom-left pixel is always the key.
QImage tuileAvecCle(const QImage& argb, const QColor& dessous);

// The average colour of a picture.
QColor couleurMoyenne(const QImage& image);

// Writes <nom>f.bmp, b, c, e and m into `dossier`; false when a file cannot be written.
bool ecrisGraphisme(const Graphisme& g, const QDir& dossier);

} // namespace zorvane::graphismes
