// The building blocks of the toolbar glyphs: one style for all of them, shapes filled with a
// top-to-bottom gradient and outlined in a darker tone of their own colour.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

namespace zorvane::graphismes::pictos {

// The glyph colours.
const QColor Bleu(96, 156, 236), BleuFonce(28, 76, 168);
const QColor Vert(132, 214, 92), VertFonce(44, 134, 30);
const QColor Jaune(255, 226, 120), JauneFonce(222, 150, 30);
const QColor Rouge(250, 104, 96), RougeFonce(180, 24, 24);
const QColor Orange(255, 184, 84), OrangeFonce(206, 104, 16);

void forme(QPainter& p, const QPainterPath& chemin, const QColor& haut, const QColor& bas,
           double trait = 1.0);
// A thick line with an arrow head at its end, as one outline.
QPainterPath fleche(const QPainterPath& trace, double epaisseur, double largeurTete,
                    double longueurTete);
// A round badge with a plus or a cross, at a glyph's bottom right.
void pastille(QPainter& p, QPointF centre, double rayon, const QColor& haut, const QColor& bas,
              bool plus);
// A sheet of paper with a folded corner.
void page(QPainter& p, const QRectF& r);
// A floppy disk.
void disquette(QPainter& p, const QRectF& r);
// A folder, open, with `contenu` drawn between its back and its front flap.
void dossier(QPainter& p, const QRectF& r, void (*contenu)(QPainter&, const QRectF&));
// A pencil from its tip to its end.
void crayon(QPainter& p, QPointF pointe, QPointF bout, double largeur);
// A tiny level: a grid of pale cells with a wall and a gem.
void niveauMiniature(QPainter& p, const QRectF& r);

} // namespace zorvane::graphismes::pictos
