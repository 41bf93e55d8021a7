// What the level editor asks of the window it lives in: the player's folder, the views, the game
// in progress it must tell about, and the board of the test view. The window implements it; the
// editor knows nothing else of it. The widgets the editor lays its view on come once, in
// PlaceEditeur.
#pragma once

#include "NiveauEnJeu.h"
#include "Soluce.h"
#include "Touches.h"

#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

class QLabel;
class QWidget;

namespace zorvane {

class ImageWidget;
class TPeintrePlateau;

class HoteEditeur {
  public:
    // The player's folder, where the level sets are.
    virtual const QString& DossierJeu() const = 0;
    virtual std::filesystem::path Jeu() const = 0;

    // ---- Views
    virtual void MontreVueEditeur() = 0; // the editor's menus, no play tool bar, no keys
    virtual void MontreVueTest() = 0;    // the test's menus and the switch image
    virtual void RetourAuJeu() = 0;      // the editor is left: the game goes on where it can

    // ---- The game in progress, told what the editor did to a level of a set
    virtual void NiveauEfface(const std::string& ensemble, int32_t numero) = 0;
    virtual void NiveauEnregistre(const std::string& ensemble, int32_t numero) = 0;

    // ---- The test view's board and keys
    // Shows a level read from its file, the ball active, and gives it the keys.
    virtual void AfficheTest(const TNiveau& niveau) = 0;
    virtual bool ClavierAuTest() const = 0;
    virtual void CoupeClavier() = 0; // no view takes the keys
    // Plays the move or the switch on `niveau` with its sounds and its slide; `ensuite` runs
    // once the slide is over.
    virtual void JoueGeste(TNiveauEnJeu& niveau, const Geste& geste,
                           const std::function<void(const TResultatCoup&)>& ensuite) = 0;
    virtual void DessineActif(bool boule) = 0; // the switch image shows the active piece
    // Replays a solution held in memory from the level `depart`; its eject calls `retour`.
    virtual void RegardeSolution(const TNiveau& depart, const TSoluce& soluce,
                                 std::function<void()> retour) = 0;

  protected:
    ~HoteEditeur() = default;
};

// The window's parts the editor lays its view on.
struct PlaceEditeur {
    QWidget* fenetre;         // parent of the editor's menus and boxes; takes the focus back
    QWidget* PanelEdit;       // the editor's tool bar
    QWidget* EditNivPanel;    // the palette
    ImageWidget* ImgFond;     // the board, for the mouse
    TPeintrePlateau& peintre; // draws on ImgFond
    QLabel* LabelLevel;       // "Niveau n° N"
    const TTouches& touches;  // the keys, as the player set them
};

} // namespace zorvane
