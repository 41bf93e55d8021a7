// What the solution player needs of the window it plays in.
#pragma once

#include <filesystem>
#include <functional>

namespace zorvane {

struct Geste;
struct TNiveau;
struct TResultatCoup;
class TNiveauEnJeu;

class HoteLecteur {
  public:
    // The player's folder, where the sets and their solutions lie.
    virtual std::filesystem::path Jeu() const = 0;
    // Puts a level on the board; charge: as just read from its file (the ball shown active).
    virtual void AfficheNiveau(const TNiveau& niveau, bool charge, bool test, bool compte) = 0;
    virtual void DessineActif(bool boule) = 0; // the switch image shows the active piece
    // Plays a move or a switch on `niveau` and shows it; `ensuite` runs once its slide is over.
    virtual void JoueGeste(TNiveauEnJeu& niveau, const Geste& geste,
                           const std::function<void(const TResultatCoup&)>& ensuite) = 0;
    // The game's tool bar, menus and keys give way to the replay of its solution; RendLeJeu
    // brings them back with the game's board as the player left it.
    virtual void CedeAuLecteur() = 0;
    virtual void RendLeJeu() = 0;
    // The keys reach no view while a replay is shown: the slider has them.
    virtual void RetireClavier() = 0;
    // The switch image, hidden in the editor, shows the active piece of a replay held in memory.
    virtual void MontreActif(bool montre) = 0;

  protected:
    ~HoteLecteur() = default;
};

} // namespace zorvane
