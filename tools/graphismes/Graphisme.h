// A graphics set: the board background and the four 41 x 41 tiles. Tiles are painted in tile
// units (0 to 41 on both axes) so the same drawing serves the game and the larger pictures.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>

#include <memory>
#include <vector>

namespace zorvane::graphismes {

constexpr int Case = 41;
constexpr int Colonnes = 16;
constexpr int Lignes = 12;

class Graphisme {
  public:
    virtual ~Graphisme() = default;
    // At most 8 lower-case characters: the prefix of the five file names.
    virtual QString nom() const = 0;
    // The whole board, 656 x 492, opaque.
    virtual QImage fond() const = 0;
    // Pieces on a transparent tile.
    virtual void boule(QPainter& p) const = 0;
    virtual void carre(QPainter& p) const = 0;
    virtual void zelmite(QPainter& p) const = 0;
    // Fills the whole tile.
    virtual void mur(QPainter& p) const = 0;
};

std::vector<std::unique_ptr<Graphisme>> tousLesGraphismes();
std::unique_ptr<Graphisme> clair();
std::unique_ptr<Graphisme> nuit();
std::unique_ptr<Graphisme> pierre();
std::unique_ptr<Graphisme> jardin();

using Peintre = void (Graphisme::*)(QPainter&) const;

// One tile painted into the square r of a picture.
void pose(QPainter& p, const Graphisme& g, Peintre peintre, const QRectF& r);

// One tile painted at `taille` pixels, transparent where nothing is drawn.
QImage tuile(const Graphisme& g, Peintre peintre, int taille = Case);

} // namespace zorvane::graphismes
