// TMainForm: the game's one window. It holds the game in progress, the keys, the graphics and
// sound state and the play view's controls, and owns the other rooms: the solution countdown and
// player (replay/) and the editor with its test view (editor/), which know it only through the
// host interfaces it implements.
#pragma once

#include "Delais.h"
#include "Graphismes.h"
#include "HoteEditeur.h"
#include "HoteLecteur.h"
#include "Jeu.h"
#include "Soluce.h"
#include "Touches.h"

#include <QMainWindow>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolButton;

namespace zorvane {

class ImageWidget;
class TAudio;
class TCompteARebours;
class TLecteurSoluce;
class TPeintrePlateau;
class TEditeur;
class TMusique;

class TMainForm : public QMainWindow, public HoteLecteur, public HoteEditeur {
    Q_OBJECT
  public:
    // donnees: the shipped files, only read (Graphics/, musique/, the sounds, ZORVANE.TXT and the
    // options.dat used while the player has none); joueur: the player's folder, where the game
    // writes (options.dat, Joueur.ini, niveaux/).
    TMainForm(const QString& donnees, const QString& joueur, const TDelais& delais = {},
              QWidget* parent = nullptr);
    // One folder for both: portable mode.
    explicit TMainForm(const QString& dossierJeu, const TDelais& delais = {},
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    // The player's folder.
    const QString& DossierJeu() const override { return DossierJeu_; }
    std::filesystem::path Jeu() const override;
    // The data folder.
    const QString& DossierDonnees() const { return DossierDonnees_; }
    std::filesystem::path Donnees() const;

    // Closes the game as its close box does, asking nothing (a signal from the desktop or
    // `kill`): open dialogs are cancelled, the game in progress is not saved, the editor's open
    // level is saved when it can be, the options are written when they can be.
    void ArreteDeLExterieur();

    // ---- Views and keyboard
    enum class Vue { Jeu, Editeur, Test };
    Vue VueCourante() const { return Vue_; }
    enum class Clavier { Aucun, Jeu, Test };
    void InstalleVue(Vue vue);

    // ---- Shared state
    // The game in progress: its level, active piece, move log and saved-game record.
    TJeu& JeuEnCours() { return jeu_; }
    const TJeu& JeuEnCours() const { return jeu_; }
    // The copy of the game's level on which its solution is replayed.
    const TNiveauEnJeu& NiveauSoluce() const;
    Clavier GestionClavier() const { return gestionClavier_; } // who takes the keys
    const TTouches& Touches() const { return touches_; }
    const std::string& Frappe() const { return frappe_; } // the last keys typed in play
    bool GraphismeAuto() const { return graphismeAuto_; }
    TPeintrePlateau& Peintre() { return *peintre_; } // draws on the board
    const TAudio* Audio() const { return audio_.get(); }
    const TMusique* Musique() const { return musique_; }
    uint8_t RangSon() const { return rangSon_; } // the rank of the sound playing

    // ---- Play (shell)
    // Puts a level on the board. charge: the level was just read from its file, so the
    // per-level state is reset (ball active, restart off, label, keys; the countdown with
    // compte). test: the level is played in the editor's test view.
    void AfficheNiveau(const TNiveau& niveau, bool charge, bool test, bool compte) override;
    void NouveauMClick();
    void RecommencerSBClick();
    void NiveauResolu();
    void VideoFin();
    void ArretePartie();
    void AfficheDescription();
    // Moves: one key sequence for the game, the level test and the replay. Plays the move or
    // the switch on `niveau` and shows it: sounds, switch image, slide.
    // `ensuite` runs with what the move did once its slide is over; keys typed meanwhile wait
    // and are handled after it, in order.
    void JoueGeste(TNiveauEnJeu& niveau, const Geste& geste,
                   const std::function<void(const TResultatCoup&)>& ensuite) override;
    void DessineActif(bool boule) override; // the switch image shows the active piece
    void FormKeyDown(uint16_t code);
    void ImgSwapClick();
    // Takes back the last move or switch of the level in play.
    void AnnulerMClick();
    void MajAnnuler(); // the undo commands are enabled while there is something to undo
    void JoueSon(const char* fichier, uint8_t rang);
    void JoueSonBloquant(const char* fichier);
    bool EffetsSonores() const;

    // ---- Saved games
    void ChargerMClick();
    bool EnregistrerSBClick(); // false when the save failed (a cancel is not a failure)
    void EffacerMClick();
    void FichierExist();
    void ActiveEnregistrement(bool actif);
    // The game in progress has progress that is not saved yet.
    bool PartieNonEnregistree() const { return nonEnregistree_; }
    // The solution player is shown in place of the game.
    bool LectureAffichee() const;
    bool TestPassword(TPartie& partie, const QString& titre);

    // ---- Presentation
    void ChargeGraphiques();
    void Graphisme1Click();
    void GraphismeSuivant();
    // The level on the board and its active piece: the game's, or the replay's or the test's.
    const TNiveau& NiveauAffiche() const;
    bool ActifCourant() const;
    void RedefTouchesMClick();

    // ---- Solution countdown and player
    // Replays the game level's stored solution in place of the game.
    void SolutionSBClick();
    // Replays a solution held in memory (not in the set's files) from the level `depart`, with
    // the same controls; the eject calls `retour` instead of giving the game back.
    void RegardeSolution(const TNiveau& depart, const TSoluce& soluce,
                         std::function<void()> retour) override;

    // ---- Music (the menu's state)
    uint8_t OctetMusique() const; // 0 off, N the piece, 21 random: the byte of options.dat
    void ArreteMusique();
    void ConnecteMusique();

    // ---- The editor's host
    void EditeurSBClick(); // the editor's view in place of the game, the countdown paused
    void MontreVueEditeur() override;
    void MontreVueTest() override;
    void RetourAuJeu() override;
    void NiveauEfface(const std::string& ensemble, int32_t numero) override;
    void NiveauEnregistre(const std::string& ensemble, int32_t numero) override;
    void AfficheTest(const TNiveau& niveau) override;
    bool ClavierAuTest() const override;
    void CoupeClavier() override;

    // ---- Secondary windows
    void AproposMClick();
    void Aide2MClick();

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;

  private:
    void ConstruitControles();
    void ConstruitMenus();
    void Demarrage();
    bool Arret();
    bool VerifieEcran();
    bool RaccourciDuMenu(const QKeyEvent* e) const;
    void TraiteTouche(uint16_t code); // to the keyboard handler of the view
    void ToucheSuivante();            // the keys that waited for a slide
    // A command (click, menu shortcut, close) comes after the slides in progress and the keys
    // that wait for them, as if the slide had held the event loop.
    void AcheveGlissements();
    std::deque<uint16_t> touchesEnAttente_;
    // What the solution player asks of the window.
    void CedeAuLecteur() override;
    void RendLeJeu() override;
    void RetireClavier() override;
    void MontreActif(bool montre) override;
    void ActiveMenusDuJeu(bool actifs);
    // The countdown of the game's level, paused while the editor is open.
    bool CompteEnCours() const;
    void SuspendCompte();
    void ReprendCompte();

    // ---- State
    Clavier gestionClavier_ = Clavier::Aucun;
    TTouches touches_;
    std::string frappe_; // the last keys typed in play, newest first, at most 12
    QString NomGraphisme;
    bool graphismeAuto_ = false;
    RechercheGraph Recherche;
    uint8_t rangSon_ = 0;
    bool NiveauJeuModifie = false;
    std::unique_ptr<TAudio> audio_;
    TMusique* musique_ = nullptr;
    TEditeur* editeur_ = nullptr;
    // The top-level menu items of each view: play, editor, test.
    QList<QAction*> MenusDeVue[3];

    // ---- Controls (named as the objects they are)
    QWidget* SBPanel;
    QToolButton* NouveauSB;
    QToolButton* RecommencerSB;
    QToolButton* AnnulerSB;
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
    QWidget* SwapPanel;
    ImageWidget* ImgSwap;
    QLabel* LabelLevel;
    QWidget* EditNivPanel;

    // ---- Menus of the play view
    QMenu* JeuMenu;
    QMenu* OptionsMenu;
    QMenu* AideMenu;
    QMenu* MusiqueMenu;
    QAction* NouveauM;
    QAction* RecommencerM;
    QAction* AnnulerM;
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

    TDelais delais_;
    QString DossierDonnees_;
    QString DossierJeu_;
    TJeu jeu_;
    bool nonEnregistree_ = false;
    TCompteARebours* compte_ = nullptr;
    TLecteurSoluce* lecteur_ = nullptr;
    // While the editor is open: the countdown ran when it was entered; the levels erased in the
    // game's set, to keep the game on its own level.
    bool compteEnCours_ = false;
    std::vector<int32_t> effacesDuJeu_;
    TPeintrePlateau* peintre_ = nullptr;
    Vue Vue_ = Vue::Jeu;
    bool Active_ = false;
    bool ArretExterieur_ = false; // the game is being stopped from outside: nothing is asked
};

// The screen-size check: refuse below 800 x 600, keep an 800 x 600 screen maximised, and give
// larger screens a normal window.
enum class VerdictEcran { Refuse, Maximise, Normal };
VerdictEcran JugeEcran(int largeur, int hauteur);

} // namespace zorvane
