// TMainForm: the game's one window. It owns the shared state (the three level records, the move
// logs, the keys, the graphics and sound state) and the controls of its three views: play,
// editor and test. Each subsystem implements its own methods in its own folder.
#pragma once

#include "FPlayer.h"
#include "Graphismes.h"
#include "Niveau.h"
#include "Soluce.h"
#include "Touches.h"

#include <QMainWindow>
#include <QPixmap>
#include <filesystem>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QSlider;
class QTimer;
class QToolButton;

namespace zorvane {

class ImageWidget;
class TAudio;
class TEditeur;
class TMusique;

class TMainForm : public QMainWindow {
    Q_OBJECT
  public:
    // donnees: the shipped files, only read (Graphics/, musique/, the sounds, ZORVANE.TXT and the
    // options.dat used while the player has none); joueur: the player's folder, where the game
    // writes (options.dat, Joueur.ini, niveaux/).
    TMainForm(const QString& donnees, const QString& joueur, QWidget* parent = nullptr);
    // One folder for both: portable mode.
    explicit TMainForm(const QString& dossierJeu, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The player's folder.
    const QString& DossierJeu() const { return DossierJeu_; }
    std::filesystem::path Jeu() const;
    // The data folder.
    const QString& DossierDonnees() const { return DossierDonnees_; }
    std::filesystem::path Donnees() const;

    // ---- Views and keyboard
    enum class Vue { Jeu, Editeur, Test };
    Vue VueCourante() const { return Vue_; }
    enum class Clavier { Aucun, Jeu, Test };
    Clavier GestionClavier = Clavier::Aucun;
    void InstalleVue(Vue vue);

    // ---- Shared state
    TNiveau NivJeu;    // the level being played
    TNiveau NivSoluce; // the copy on which a solution is replayed
    TNiveau NivEdit;   // the level open in the editor, also the level under test
    bool ActifJeu = true;
    bool ActifTest = true;
    TJournal JournalJeu;
    TJournal JournalTest;
    TSoluce SoluceJeu;
    TPartie PartieEnCours;
    TTouches Touches;
    std::string Frappe; // the last keys typed in play, newest first, at most 12
    QString NomGraphisme;
    bool GraphismeAuto = false;
    RechercheGraph Recherche;
    uint8_t RangSon = 0;
    bool NiveauJeuModifie = false;

    // ---- Controls (named as the objects they are)
    QWidget* SBPanel;
    QToolButton* NouveauSB;
    QToolButton* RecommencerSB;
    QToolButton* ChargerSB;
    QToolButton* EnregistrerSB;
    QToolButton* EffacerSB;
    QToolButton* EditeurSB;
    QToolButton* SolutionSB;
    QToolButton* AboutSB;
    QLabel* Nomdujoueur;
    QWidget* PanelEdit;
    QWidget* MainPanel;
    ImageWidget* ImgFond;
    QPixmap Fond; // the background of the graphics set, copied under everything
    QWidget* SwapPanel;
    ImageWidget* ImgSwap;
    QLabel* LabelLevel;
    QWidget* EditNivPanel;
    QPixmap ImgBoule, ImgCarre, ImgZelmite, ImgMur; // tiles of the graphics set
    QWidget* SolucePanel;
    QSlider* TrackBar;
    QTimer* Timer;
    int TimerTag = 0;
    enum class GestionTimer { Aucun, Compte, Replay };
    GestionTimer TimerHandler = GestionTimer::Aucun;

    // ---- Menus of the play view
    QMenu* JeuMenu;
    QMenu* OptionsMenu;
    QMenu* AideMenu;
    QMenu* MusiqueMenu;
    QAction* NouveauM;
    QAction* RecommencerM;
    QAction* ChargerM;
    QAction* EnregistrerM;
    QAction* EffacerM;
    QAction* QuitterM;
    QAction* RedefTouchesM;
    QAction* Graphisme1;
    QAction* Mus[21] = {}; // Mus[1] to Mus[20]; Mus[0] unused
    QAction* MusRandom;
    QAction* MusOff;
    QAction* SonM;
    QAction* EditeurM;
    QAction* Aide2M;
    QAction* AproposM;
    std::unique_ptr<TAudio> Audio;
    TMusique* Musique = nullptr;
    TEditeur* Editeur = nullptr;

    // ---- Play (shell)
    void AfficheNiveau(TNiveau& niveau, bool charger, bool test, bool& actif, bool compte);
    void NouveauMClick();
    void RecommencerSBClick();
    void NiveauResolu();
    void VideoFin();
    void ArretePartie();
    void AfficheDescription();
    void DessineFond();
    // Moves and their animation
    void Bouge(int x, int y, int8_t dx, int8_t dy, TNiveau& niveau, bool boule);
    void ChangeControl(bool& actif);
    void FormKeyDown(uint16_t code);
    void ImgSwapClick();
    void DessineCase(int x, int y, const QPixmap* tuile); // background then the tile
    void EffaceCase(int x, int y);
    void DessinePlateau(const TNiveau& niveau);
    void JoueSon(const char* fichier, uint8_t rang);
    void JoueSonBloquant(const char* fichier);
    bool EffetsSonores() const;
    // Test hook: the pause between two cells of a slide, 20 ms in the game.
    static int PauseAnimationMs;

    // ---- Saved games
    void ChargerMClick();
    bool EnregistrerSBClick(); // false when the save failed (a cancel is not a failure)
    void EffacerMClick();
    void FichierExist();
    void ActiveEnregistrement(bool actif);
    bool TestPassword(TPartie& partie, const QString& titre);

    // ---- Presentation
    void ChargeGraphiques();
    void Graphisme1Click();
    void GraphismeSuivant();
    // The level on the board and its active piece: the game's, or the replay's or the test's.
    TNiveau& NiveauAffiche();
    bool& ActifCourant();
    void RedefTouchesMClick();

    // ---- Solution countdown and player
    void DemarreCompte(int32_t numero);
    void TimerTimer();
    void SolutionSBClick();
    void JoueSoluce();
    void RewindSBClick();
    void EjectSBClick();
    void ConstruitLecteur();
    void ActiveMenusDuJeu(bool actifs);
    QToolButton* PlaySB;
    QToolButton* PauseSB;
    QToolButton* RewindSB;
    QToolButton* EjectSB;
    int RewindTag = 0; // 1 while the replay stands at its start

    // ---- Music (the menu's state)
    uint8_t OctetMusique() const; // 0 off, N the piece, 21 random: the byte of options.dat
    void ArreteMusique();
    void ConnecteMusique();

    // ---- Hooks the editor fills in: its answer to a close, and its test view's key handler
    std::function<void()> QuitteEditeur;
    std::function<void(uint16_t)> KeyDownTest;
    std::function<void()> EditeurSBClick;
    std::function<void()> ImgSwapTest;
    // The top-level menu items of each view: play, editor, test.
    QList<QAction*> MenusDeVue[3];

    // ---- Secondary windows
    void AproposMClick();
    void Aide2MClick();
    // Test hook: false skips the 3 s title window.
    static bool AfficheTitre;

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;

  private:
    void ConstruitControles();
    void ConstruitMenus();
    void Demarrage();
    bool Arret();
    void VerifieEcran();
    bool RaccourciDuMenu(const QKeyEvent* e) const;

    QString DossierDonnees_;
    QString DossierJeu_;
    Vue Vue_ = Vue::Jeu;
    bool Active_ = false;
};

// The screen-size check: refuse below 800 x 600, keep an 800 x 600 screen maximised, and give
// larger screens a normal window.
enum class VerdictEcran { Refuse, Maximise, Normal };
VerdictEcran JugeEcran(int largeur, int hauteur);

} // namespace zorvane
