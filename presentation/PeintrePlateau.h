// The board image of a level: drawn whole, tile by tile, and the slide of a move shown cell by
// cell from what the move returned. It only draws: the level record is never written here.
#pragma once

#include "NiveauEnJeu.h"

#include <QObject>
#include <QPixmap>
#include <QTimer>
#include <functional>

namespace zorvane {

class ImageWidget;

constexpr int TailleCase = 41; // pixels of one cell on the board image

// The pictures of a graphics set: the background and the four tiles.
struct TTuiles {
    QPixmap Fond, Boule, Carre, Zelmite, Mur;
};

class TPeintrePlateau : public QObject {
    Q_OBJECT
  public:
    TPeintrePlateau(ImageWidget& plateau, QObject* parent);

    TTuiles& Tuiles() { return tuiles_; }
    const TTuiles& Tuiles() const { return tuiles_; }

    // The whole board: background, gems and walls, then the ball and the square.
    void Dessine(const TNiveau& niveau);
    void DessineFond();
    // Cell (x, y): the background, then the tile if any.
    void DessineCase(int x, int y, const QPixmap* tuile);
    // A tile drawn over what the cell shows.
    void PoseTuile(int x, int y, const QPixmap& tuile);
    void Rafraichit(); // shows what was drawn, at once

    // The slide of a move: one cell per step, each step shown at once, then a pause of pauseMs
    // on a timer, so the event loop runs meanwhile; `ensuite` runs once the slide is over.
    // Only the tiles that change are drawn. With no pause, or a move that did not advance, the
    // slide is drawn and `ensuite` runs before Anime returns.
    void Anime(const TResultatCoup& coup, int pauseMs, std::function<void()> ensuite);
    bool EnCours() const { return enCours_; }
    // The slide in progress drawn to its end at once, then its continuation run.
    void Termine();

  signals:
    void zelmitePrise(); // the slide reached a gem the ball takes

  private:
    bool Pas(); // one cell further; true once the piece stands on its cell
    void Fin();

    ImageWidget& plateau_;
    TTuiles tuiles_;
    QTimer minuterie_;
    bool enCours_ = false;
    bool arrive_ = false;
    TResultatCoup coup_;
    int x_ = 0, y_ = 0;
    std::size_t zelmite_ = 0;
    std::function<void()> ensuite_;
};

} // namespace zorvane
