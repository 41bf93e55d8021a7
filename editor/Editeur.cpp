// The editor's controls: its tool bar in PanelEdit, the palette in EditNivPanel, its menus.
#include "Editeur.h"
#include "Boutons.h"
#include "ImageWidget.h"
#include "Messages.h"
#include "PeintrePlateau.h"
#include "Verification.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QUndoStack>
#include <algorithm>

namespace zorvane {

namespace {

struct DefinitionOutil {
    const char* image;
    const char* radio;
    const char* popup;
    const char* texte;
    const char* bulle;
};

const DefinitionOutil Outils[5] = {
    {"ImgBoule", "BouleRB", "BouleMS", "&Boule", "T'as les boules ?"},
    {"ImgCarre", "CarreRB", "CarreMS", "&Carré", "Carré du cul..."},
    {"ImgZelmite", "ZelmiteRB", "ZelmiteMS", "&Zelmite", "Belle zelmite, n'est-il pas ?"},
    {"ImgMur", "MurRB", "MurMS", "&Mur", "C'est moche un mur, non ? "},
    {"ImgGomme", "GommeRB", "GommeMS", "&Gomme", "Pour effacer tes conneries"},
};

QAction* Action(QObject* parent, const char* nom, const QString& texte) {
    auto* a = new QAction(texte, parent);
    a->setObjectName(nom);
    return a;
}

// A palette image: a click chooses its tool.
class ImageOutil : public QLabel {
  public:
    ImageOutil(QWidget* parent, std::function<void()> clic) : QLabel(parent), clic_(clic) {}

  protected:
    void mousePressEvent(QMouseEvent*) override { clic_(); }

  private:
    std::function<void()> clic_;
};

} // namespace

TEditeur::TEditeur(HoteEditeur& hote, const PlaceEditeur& place)
    : QObject(place.fenetre), hote_(hote), fenetre_(place.fenetre), PanelEdit(place.PanelEdit),
      EditNivPanel(place.EditNivPanel), ImgFond(place.ImgFond), LabelLevel(place.LabelLevel),
      peintre_(place.peintre), touches_(place.touches) {
    setObjectName("Editeur");
    Construit();
    ConstruitPalette();
    ImgFond->SurAppui = [this](QMouseEvent* e) {
        if (!peintureActive_)
            return;
        if (e->button() == Qt::LeftButton) {
            glisse_ = true;
            DebutTrait();
            PeintJusqua(int(e->position().x()), int(e->position().y()));
        } else if (e->button() == Qt::RightButton) {
            EditMenuS->popup(e->globalPosition().toPoint());
        }
    };
    ImgFond->SurDeplacement = [this](QMouseEvent* e) {
        if (glisse_)
            PeintJusqua(int(e->position().x()), int(e->position().y()));
    };
    ImgFond->SurRelache = [this](QMouseEvent* e) {
        if (e->button() == Qt::LeftButton) {
            glisse_ = false;
            FinTrait();
        }
    };
}

void TEditeur::Construit() {
    ChargeNivSB = BoutonPlat(PanelEdit, "ChargeNivSB", "chargeniv.png",
                             "Charger un ensemble de niveaux", {8, 4, 42, 42});
    CreerEnsSB = BoutonPlat(PanelEdit, "CreerEnsSB", "creerens.png",
                            "Créer un nouvel ensemble de niveaux", {56, 4, 42, 42});
    ModifDesSB = BoutonPlat(PanelEdit, "ModifDesSB", "modifdes.png",
                            "Modifier la description d'un ensemble de niveaux", {104, 4, 42, 42});
    SaveLevSB =
        BoutonPlat(PanelEdit, "SaveLevSB", "enregistrer.png", "Enregistrer", {152, 4, 42, 42});
    ModifDesSB->setEnabled(false);
    SaveLevSB->setEnabled(false);
    BitBtn1 = new QPushButton(QIcon(":/images/retour.png"), "&Retour au menu principal", PanelEdit);
    BitBtn1->setObjectName("BitBtn1");
    // Right-aligned where designed, and wide enough for its text.
    const int largeur = std::max(150, BitBtn1->sizeHint().width() + 8);
    BitBtn1->setGeometry(782 - largeur, 10, largeur, 30);
    BitBtn1->setFocusPolicy(Qt::NoFocus);

    NiveauxMenu = new QMenu("&Niveaux", fenetre_);
    NiveauxMenu->setObjectName("NiveauxMenu");
    Creerniv = Action(this, "Creerniv", "&Créer un nouveau niveau");
    ModifNiveau = Action(this, "ModifNiveau", "&Modifier un niveau");
    EffaceNiv = Action(this, "EffaceNiv", "&Effacer un niveau");
    Testerniv = Action(this, "Testerniv", "&Tester un niveau");
    NiveauPrecedent = Action(this, "NiveauPrecedent", "Niveau &précédent");
    NiveauPrecedent->setShortcut(Qt::Key_PageUp);
    NiveauSuivant = Action(this, "NiveauSuivant", "Niveau &suivant");
    NiveauSuivant->setShortcut(Qt::Key_PageDown);
    Historique = new QUndoStack(this);
    Defaire = Action(this, "Defaire", "&Défaire");
    Defaire->setShortcut(QKeySequence::Undo);
    Refaire = Action(this, "Refaire", "&Refaire");
    Refaire->setShortcut(Qt::CTRL | Qt::Key_Y);
    Verifier = Action(this, "Verifier", "&Vérifier le niveau");
    Verifier->setShortcut(Qt::Key_F7);
    NiveauxMenu->addActions({Creerniv, ModifNiveau, EffaceNiv});
    NiveauxMenu->addSeparator();
    NiveauxMenu->addActions({NiveauPrecedent, NiveauSuivant});
    NiveauxMenu->addSeparator();
    NiveauxMenu->addActions({Defaire, Refaire});
    NiveauxMenu->addSeparator();
    NiveauxMenu->addActions({Testerniv, Verifier});
    for (QAction* a : {NiveauPrecedent, NiveauSuivant, Defaire, Refaire, Verifier})
        a->setEnabled(false);
    EnsemblesMenu = new QMenu("&Ensembles", fenetre_);
    EnsemblesMenu->setObjectName("EnsemblesMenu");
    Supprniv = Action(this, "Supprniv", "&Supprimer un ensemble de niveaux");
    EnsemblesMenu->addAction(Supprniv);
    Recommencer1 = Action(this, "Recommencer1", "&Recommencer");
    Stopperletest1 = Action(this, "Stopperletest1", "&Stopper le test");
    AnnulerTest = Action(this, "AnnulerTest", "&Annuler le dernier coup");
    AnnulerTest->setShortcut(Qt::CTRL | Qt::Key_Z);
    AnnulerTest->setEnabled(false);

    connect(ChargeNivSB, &QToolButton::clicked, this,
            EnCommande(fenetre_, [this] { ChargeNivSBClick(); }));
    connect(CreerEnsSB, &QToolButton::clicked, this,
            EnCommande(fenetre_, [this] { CreerEnsSBClick(); }));
    connect(ModifDesSB, &QToolButton::clicked, this,
            EnCommande(fenetre_, [this] { ModifDesSBClick(); }));
    connect(SaveLevSB, &QToolButton::clicked, this,
            EnCommande(fenetre_, [this] { SaveLevSBClick(); }));
    connect(BitBtn1, &QPushButton::clicked, this,
            EnCommande(fenetre_, [this] { RetourMainMenuClick(); }));
    connect(Creerniv, &QAction::triggered, this, EnCommande(fenetre_, [this] { CreernivClick(); }));
    connect(ModifNiveau, &QAction::triggered, this,
            EnCommande(fenetre_, [this] { ModifNiveauClick(); }));
    connect(EffaceNiv, &QAction::triggered, this,
            EnCommande(fenetre_, [this] { EffaceNivClick(); }));
    connect(Testerniv, &QAction::triggered, this,
            EnCommande(fenetre_, [this] { TesternivClick(); }));
    connect(Supprniv, &QAction::triggered, this, EnCommande(fenetre_, [this] { SupprnivClick(); }));
    connect(Recommencer1, &QAction::triggered, this,
            EnCommande(fenetre_, [this] { Recommencer1Click(); }));
    connect(AnnulerTest, &QAction::triggered, this, [this] { AnnulerTestClick(); });
    connect(Stopperletest1, &QAction::triggered, this,
            EnCommande(fenetre_, [this] { Stopperletest1Click(); }));
    connect(NiveauPrecedent, &QAction::triggered, this,
            EnCommande(fenetre_, [this] { NiveauVoisin(-1); }));
    connect(NiveauSuivant, &QAction::triggered, this,
            EnCommande(fenetre_, [this] { NiveauVoisin(1); }));
    connect(Defaire, &QAction::triggered, Historique, &QUndoStack::undo);
    connect(Refaire, &QAction::triggered, Historique, &QUndoStack::redo);
    connect(Historique, &QUndoStack::canUndoChanged, Defaire, &QAction::setEnabled);
    connect(Historique, &QUndoStack::canRedoChanged, Refaire, &QAction::setEnabled);
    connect(Historique, &QUndoStack::indexChanged, this, [this] { HistoriqueBouge(); });
    ConstruitVerification();
}

void TEditeur::ConstruitVerification() {
    VerifierSB =
        BoutonPlat(PanelEdit, "VerifierSB", "verifier.png", "Vérifier le niveau", {200, 4, 42, 42});
    VerifierSB->setEnabled(false);
    OuSuisJe = new QLabel(PanelEdit);
    OuSuisJe->setObjectName("OuSuisJe");
    OuSuisJe->setGeometry(252, 4, 372, 20);
    VerifLabel = new QLabel(PanelEdit);
    VerifLabel->setObjectName("VerifLabel");
    VerifLabel->setGeometry(252, 26, 290, 20);
    AnnulerVerif = new QPushButton("Annuler", PanelEdit);
    AnnulerVerif->setObjectName("AnnulerVerif");
    AnnulerVerif->setGeometry(548, 24, 76, 22);
    AnnulerVerif->setFocusPolicy(Qt::NoFocus);
    AnnulerVerif->hide();
    Verification = new TVerification(this);
    connect(VerifierSB, &QToolButton::clicked, this, [this] { VerifierClick(); });
    connect(Verifier, &QAction::triggered, this, [this] { VerifierClick(); });
    connect(AnnulerVerif, &QPushButton::clicked, this, [this] { AnnuleVerification(); });
    connect(Verification, &TVerification::Progression, this, [this](const ProgressionSolveur& p) {
        VerifLabel->setText(
            QString("Vérification : pas de solution de moins de %1 codes "
                    "(%2 positions)")
                .arg(p.borne)
                .arg(QLocale(QLocale::French).toString(qulonglong(p.etatsMemorises))));
    });
    connect(Verification, &TVerification::Terminee, this,
            [this](const TNiveau& n, const ResultatSolveur& r) { ReponseVerification(n, r); });
}

void TEditeur::ConstruitPalette() {
    EditMenuS = new QMenu(fenetre_);
    EditMenuS->setObjectName("EditMenuS");
    auto* groupeMenu = new QActionGroup(this);
    auto* groupeRadio = new QButtonGroup(this);
    for (int tag = 0; tag < 5; ++tag) {
        const DefinitionOutil& d = Outils[tag];
        auto* image = new ImageOutil(EditNivPanel, [this, tag] { BouleMSClick(tag); });
        image->setObjectName(d.image);
        image->setGeometry(8, 8 + 41 * tag, 41, 41);
        image->setToolTip(d.bulle);
        OutilImg[tag] = image;
        OutilRB[tag] = new QRadioButton(EditNivPanel);
        OutilRB[tag]->setObjectName(d.radio);
        OutilRB[tag]->setGeometry(56, 20 + 41 * tag, 16, 16);
        OutilRB[tag]->setFocusPolicy(Qt::NoFocus);
        groupeRadio->addButton(OutilRB[tag], tag);
        OutilMS[tag] = Action(this, d.popup, d.texte);
        OutilMS[tag]->setCheckable(true);
        groupeMenu->addAction(OutilMS[tag]);
        EditMenuS->addAction(OutilMS[tag]);
        connect(OutilRB[tag], &QRadioButton::clicked, this, [this, tag] { BouleMSClick(tag); });
        connect(OutilMS[tag], &QAction::triggered, this, [this, tag] { BouleMSClick(tag); });
    }
    OutilImg[4]->setPixmap(QPixmap(":/images/gomme.png"));
    BouleMSClick(3); // the wall is the first tool
}

void TEditeur::RafraichitPalette() {
    const TTuiles& t = peintre_.Tuiles();
    const QPixmap* tuiles[4] = {&t.Boule, &t.Carre, &t.Zelmite, &t.Mur};
    for (int tag = 0; tag < 4; ++tag)
        OutilImg[tag]->setPixmap(*tuiles[tag]);
}

} // namespace zorvane
