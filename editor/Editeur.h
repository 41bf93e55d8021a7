// The level editor: its view of the main window (tool bar, palette, menus), painting, the level
// and set commands, and the test view. It works on the window's NivEdit and never on the game's
// records, apart from telling the game which of its levels changed.
#pragma once

#include "NiveauEnJeu.h"

#include <QObject>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;
class QMouseEvent;

namespace zorvane {

class TMainForm;

class TEditeur : public QObject {
    Q_OBJECT
  public:
    explicit TEditeur(TMainForm& f);

    // ---- The editor view
    void EditeurSBClick();
    void RetourMainMenuClick();
    void GoEdit();
    void BouleMSClick(int tag);
    int Outil() const;
    void PeintCase(int x, int y); // ImgFondMouseMove: pixel of the board
    void CouperPeinture();        // painting off: no popup, no mouse handlers

    // ---- Levels
    void CreernivClick();
    void ModifNiveauClick();
    void EffaceNivClick();
    void SaveLevSBClick();
    void Onenregistre();
    void EnregistrerNiv(bool garderEnsemble);
    void QuitteSansQuestion();

    // ---- Sets
    void CreerEnsSBClick();
    void ChargeNivSBClick();
    void ModifDesSBClick();
    void SupprnivClick();

    // ---- Test view
    void TesternivClick();
    void KeyDownTest(uint16_t code);
    void Recommencer1Click();
    void Stopperletest1Click();
    void AnnulerTestClick(); // takes back the last move or switch of the test
    void ChangeTest();       // the switch key, or a click on the switch image, in a test
    const TNiveauEnJeu& NiveauTeste() const { return test_; }

    // ---- Controls
    QToolButton* ChargeNivSB;
    QToolButton* CreerEnsSB;
    QToolButton* ModifDesSB;
    QToolButton* SaveLevSB;
    QPushButton* BitBtn1; // back to the main menu
    QMenu* NiveauxMenu;
    QMenu* EnsemblesMenu;
    QAction* Creerniv;
    QAction* ModifNiveau;
    QAction* EffaceNiv;
    QAction* Testerniv;
    QAction* Supprniv;
    QAction* Recommencer1;
    QAction* Stopperletest1;
    QAction* AnnulerTest;
    QMenu* EditMenuS;
    QAction* OutilMS[5];
    QRadioButton* OutilRB[5];
    QLabel* OutilImg[5];

    int NiveauExistant = 0; // the open level was read from the level file
    std::string EnsembleEditeur;

  private:
    void Construit();
    void ConstruitPalette();
    void ActivePeinture();
    void AfficheEdit(const TNiveau& n);
    void MajSaveLevSB();
    void ActiveOutilsPieces(bool boule, bool carre);
    void ActiveEffaceNiv(int nombre);
    void EnsembleOuvert(bool ouvert);
    void RafraichitPalette();
    void NoteEffacement(const std::string& ensemble, int32_t numero);
    void CommenceTest();
    void MajAnnulerTest();

    TMainForm& f;
    bool peintureActive_ = false; // mouse-down handler installed
    bool glisse_ = false;         // mouse-move handler installed
    bool compteEnCours_ = false;  // the countdown ran when the editor was entered
    // Levels erased in the game's set during this visit, to keep the game on its own level.
    std::vector<int32_t> effacesDuJeu_;
    TNiveauEnJeu test_;         // the level under test, read from the level file
    std::string ensembleTeste_; // the set whose solution files receive the test's moves
};

} // namespace zorvane
