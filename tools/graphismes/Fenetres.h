// The pictures of the windows, one function each.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace zorvane::graphismes {

QImage titre();   // 500 x 200, the title splash
QImage apropos(); // 200 x 250, the about box
QImage icone();   // 256 x 256, the application icon
QImage gorbul();  // 117 x 139, the farewell window
QImage bravo();   // 639 x 448, the congratulation window

// A game title: gold letters with a dark outline, a soft shadow and a glossy upper half.
void lettresDOr(QPainter& p, const QString& texte, const QFont& police, QPointF centre,
                double espacement, double contour);

// A small board of the "clair" set drawn from text rows ('#' wall, '*' gem, 'o' ball,
// 'x' square), cells of `cote` pixels from `coin`.
void miniPlateau(QPainter& p, QPointF coin, double cote, const char* const* lignes, int n);

} // namespace zorvane::graphismes
