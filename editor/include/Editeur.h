// The level editor: its view of the main window (tool bar, palette, menus), painting, the level
// and set commands, and the test view. It works on its own NivEdit and knows the window only as
// its host (HoteEditeur); it never touches the game's records, it tells the game which levels of
// a set changed.
#pragma once

#include "HoteEditeur.h"
#include "Solveur.h"

#include <QObject>
#include <optional>
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
class QUndoStack;

namespace zorvane {

class TVerification;

class TEditeur : public QObject {
    Q_OBJECT
  public:
    TEditeur(HoteEditeur& hote, const PlaceEditeur& place);

    // ---- The editor view
    void EditeurSBClick();
    void RetourMainMenuClick();
    void GoEdit();
    void BouleMSClick(int tag);
    int Outil() const;
    void PeintCase(int x, int y);   // ImgFondMouseMove: pixel of the board
    void PeintJusqua(int x, int y); // the cells from the last one of the drag to this pixel
    void RestaurePeinture(const TNiveau& n); // a step of the history
    void CouperPeinture();                   // painting off: no popup, no mouse handlers

    // ---- Levels
    void CreernivClick();
    void ModifNiveauClick();
    void EffaceNivClick();
    void SaveLevSBClick();
    void Onenregistre();
    void EnregistrerNiv(bool garderEnsemble);
    void QuitteSansQuestion();
    void NiveauVoisin(int pas); // PageUp (-1), PageDown (+1)
    void AfficheOuSuisJe();     // the set's name and the level's number among the set's count

    // ---- Checking the level as painted
    void VerifierClick();
    void AnnuleVerification();
    TVerification* Verification;

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
    QToolButton* VerifierSB;
    QLabel* OuSuisJe;   // "Ensemble ESSAI : niveau 5 / 45"
    QLabel* VerifLabel; // the progress of a check
    QPushButton* AnnulerVerif;
    QPushButton* BitBtn1; // back to the main menu
    QMenu* NiveauxMenu;
    QMenu* EnsemblesMenu;
    QAction* Creerniv;
    QAction* ModifNiveau;
    QAction* EffaceNiv;
    QAction* Testerniv;
    QAction* Supprniv;
    QAction* Verifier;
    QAction* Defaire;
    QAction* Refaire;
    QAction* NiveauPrecedent;
    QAction* NiveauSuivant;
    QUndoStack* Historique; // the painting of the open level, one step per drag
    QAction* Recommencer1;
    QAction* Stopperletest1;
    QAction* AnnulerTest;
    QMenu* EditMenuS;
    QAction* OutilMS[5];
    QRadioButton* OutilRB[5];
    QLabel* OutilImg[5];

    TNiveau NivEdit;        // the level open in the editor
    int NiveauExistant = 0; // the open level was read from the level file
    std::string EnsembleEditeur;

  private:
    void Construit();
    void ConstruitVerification();
    void OuvreNiveau(int32_t numero); // reads a stored level into NivEdit and opens it
    void FermeNiveau();               // leaving the open level
    void HistoriqueBouge();
    void DebutTrait();                // a drag begins
    void FinTrait();                  // a drag ends: one step of the history
    QString CeQuiManque() const;      // "la boule, le carré et une zelmite", or empty
    bool PeintureEnregistree() const; // the painting is the level as stored
    void ReponseVerification(const TNiveau& n, const ResultatSolveur& r);
    void RegardeOptimum();
    void OffreOptimum();
    bool AccepteSansSolution(); // asks before saving a painting that has no solution
    const ResultatSolveur* ReponsePourPeinture() const;
    void ConstruitPalette();
    void ActivePeinture();
    void AfficheEdit(const TNiveau& n);
    void MajSaveLevSB();
    void ActiveOutilsPieces(bool boule, bool carre);
    void ActiveEffaceNiv(int nombre);
    void EnsembleOuvert(bool ouvert);
    void RafraichitPalette();
    void CommenceTest();
    void MajAnnulerTest();

    HoteEditeur& hote_;
    // The window's parts, from PlaceEditeur.
    QWidget* fenetre_;
    QWidget* PanelEdit;
    QWidget* EditNivPanel;
    ImageWidget* ImgFond;
    QLabel* LabelLevel;
    TPeintrePlateau& peintre_;
    const TTouches& touches_;
    bool peintureActive_ = false; // mouse-down handler installed
    bool glisse_ = false;         // mouse-move handler installed
    // The last check's level and answer, offered to the index when that painting is saved.
    std::optional<std::pair<TNiveau, ResultatSolveur>> reponse_;
    bool dansLeFichier_ = false;        // the history's clean point is the level as stored
    std::optional<TNiveau> avantTrait_; // the level when the drag began
    int dernierX_ = -1, dernierY_ = -1; // the cell painted last in the drag
    TNiveauEnJeu test_;                 // the level under test, read from the level file
    std::string ensembleTeste_;         // the set whose solution files receive the test's moves
};

} // namespace zorvane
