// The controls and menus of the main window, placed as designed on its 792 x 554 client area.
#include "Boutons.h"
#include "CompteARebours.h"
#include "Editeur.h"
#include "ImageWidget.h"
#include "LecteurSoluce.h"
#include "MainForm.h"
#include "Messages.h"
#include "PeintrePlateau.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace zorvane {

namespace {

QAction* Action(QObject* parent, const char* nom, const QString& texte,
                const QKeySequence& raccourci = {}) {
    auto* a = new QAction(texte, parent);
    a->setObjectName(nom);
    a->setShortcut(raccourci);
    return a;
}

} // namespace

void TMainForm::ConstruitControles() {
    auto* client = new QWidget(this);
    client->setObjectName("Client");
    client->setFixedSize(792, 554);
    setCentralWidget(client);

    // The editor's tool bar lies under the play tool bar, at the same place.
    PanelEdit = new Panneau(client, Panneau::Releve, Panneau::Aucun);
    PanelEdit->setObjectName("PanelEdit");
    PanelEdit->setGeometry(0, 0, 794, 49);
    SBPanel = new Panneau(client, Panneau::Releve, Panneau::Aucun);
    SBPanel->setObjectName("SBPanel");
    SBPanel->setGeometry(0, 0, 794, 49);
    SBPanel->setAutoFillBackground(true);
    NouveauSB = BoutonPlat(SBPanel, "NouveauSB", "nouveau.png", "Nouveau jeu", {11, 4, 42, 42});
    RecommencerSB = BoutonPlat(SBPanel, "RecommencerSB", "recommencer.png", "Recommencer le niveau",
                               {51, 4, 42, 42});
    AnnulerSB = BoutonPlat(SBPanel, "AnnulerSB", "annuler.png", "Annuler le dernier coup",
                           {399, 4, 42, 42});
    ChargerSB = BoutonPlat(SBPanel, "ChargerSB", "charger.png", "Charger", {107, 4, 42, 42});
    EnregistrerSB =
        BoutonPlat(SBPanel, "EnregistrerSB", "enregistrer.png", "Enregistrer", {147, 4, 42, 42});
    EffacerSB = BoutonPlat(SBPanel, "EffacerSB", "effacer.png", "Effacer un enregistrement",
                           {187, 4, 42, 42});
    EditeurSB =
        BoutonPlat(SBPanel, "EditeurSB", "editeur.png", "Editeur de Niveaux", {243, 4, 42, 42});
    SolutionSB = BoutonPlat(SBPanel, "SolutionSB", "solution.png", "", {299, 4, 41, 41});
    AboutSB =
        BoutonPlat(SBPanel, "AboutSB", "apropos_sb.png", "A propos d' Zorvane", {355, 4, 42, 42});
    RecommencerSB->setEnabled(false);
    AnnulerSB->setEnabled(false);
    EnregistrerSB->setEnabled(false);
    SolutionSB->setEnabled(false);

    Nomdujoueur = new QLabel(SBPanel);
    Nomdujoueur->setObjectName("Nomdujoueur");
    Nomdujoueur->setGeometry(443, 15, 350, 18);
    Nomdujoueur->setAlignment(Qt::AlignCenter);
    QFont nom("Times New Roman");
    nom.setPixelSize(15);
    nom.setBold(true);
    nom.setItalic(true);
    Nomdujoueur->setFont(nom);
    Nomdujoueur->setStyleSheet("color: grey");

    MainPanel = new Panneau(client, Panneau::Releve, Panneau::Enfonce);
    MainPanel->setObjectName("MainPanel");
    MainPanel->setGeometry(17, 49, 673, 509);
    ImgFond = new ImageWidget(QSize(656, 492), MainPanel);
    ImgFond->setObjectName("ImgFond");
    ImgFond->move(8, 8);
    peintre_ = new TPeintrePlateau(*ImgFond, this);
    connect(peintre_, &TPeintrePlateau::zelmitePrise, this, [this] {
        if (EffetsSonores())
            JoueSon("zelmite.wav", 1);
    });

    SwapPanel = new Panneau(client, Panneau::Enfonce, Panneau::Releve, 0);
    SwapPanel->setObjectName("SwapPanel");
    SwapPanel->setGeometry(717, 56, 56, 57);
    ImgSwap = new ImageWidget(QSize(41, 41), SwapPanel);
    ImgSwap->setObjectName("ImgSwap");
    ImgSwap->move(8, 8);
    ImgSwap->SurAppui = [this](QMouseEvent*) { ImgSwapClick(); };

    LabelLevel = new QLabel(client);
    LabelLevel->setObjectName("LabelLevel");
    LabelLevel->setGeometry(696, 528, 97, 13);
    LabelLevel->setAlignment(Qt::AlignCenter);
    QFont niveau = LabelLevel->font();
    niveau.setPixelSize(13);
    LabelLevel->setFont(niveau);

    EditNivPanel = new Panneau(client, Panneau::Releve, Panneau::Aucun);
    EditNivPanel->setObjectName("EditNivPanel");
    EditNivPanel->setGeometry(706, 304, 77, 217);
    EditNivPanel->hide();

    lecteur_ = new TLecteurSoluce(*this, client);
    compte_ = new TCompteARebours(frappe_, this);
    connect(compte_, &TCompteARebours::BulleChangee, SolutionSB, &QToolButton::setToolTip);
    connect(compte_, &TCompteARebours::SolutionDisponible, SolutionSB, &QToolButton::setEnabled);

    connect(NouveauSB, &QToolButton::clicked, this, EnCommande(this, [this] { NouveauMClick(); }));
    connect(RecommencerSB, &QToolButton::clicked, this,
            EnCommande(this, [this] { RecommencerSBClick(); }));
    connect(AnnulerSB, &QToolButton::clicked, this, [this] { AnnulerMClick(); });
    connect(ChargerSB, &QToolButton::clicked, this, EnCommande(this, [this] { ChargerMClick(); }));
    connect(EnregistrerSB, &QToolButton::clicked, this,
            EnCommande(this, [this] { EnregistrerSBClick(); }));
    connect(EffacerSB, &QToolButton::clicked, this, EnCommande(this, [this] { EffacerMClick(); }));
    connect(EditeurSB, &QToolButton::clicked, this, EnCommande(this, [this] { EditeurSBClick(); }));
    connect(SolutionSB, &QToolButton::clicked, this,
            EnCommande(this, [this] { SolutionSBClick(); }));
    connect(AboutSB, &QToolButton::clicked, this, EnCommande(this, [this] { AproposMClick(); }));
}

void TMainForm::ConstruitMenus() {
    JeuMenu = new QMenu("&Jeu", this);
    JeuMenu->setObjectName("JeuMenu");
    NouveauM = Action(this, "NouveauM", "&Nouveau", Qt::Key_F9);
    RecommencerM = Action(this, "RecommencerM", "&Recommencer le niveau", Qt::Key_F2);
    AnnulerM = Action(this, "AnnulerM", "&Annuler le dernier coup", Qt::CTRL | Qt::Key_Z);
    ChargerM = Action(this, "ChargerM", "&Charger une ancienne partie", Qt::CTRL | Qt::Key_C);
    EnregistrerM =
        Action(this, "EnregistrerM", "&Enregistrer la partie en cours", Qt::CTRL | Qt::Key_E);
    EffacerM = Action(this, "EffacerM", "E&ffacer un enregistrement", Qt::CTRL | Qt::Key_F);
    QuitterM = Action(this, "QuitterM", "&Quitter", Qt::CTRL | Qt::Key_Q);
    RecommencerM->setEnabled(false);
    AnnulerM->setEnabled(false);
    ChargerM->setEnabled(false);
    EnregistrerM->setEnabled(false);
    EffacerM->setEnabled(false);
    JeuMenu->addActions({NouveauM, RecommencerM, AnnulerM});
    JeuMenu->addSeparator();
    JeuMenu->addActions({ChargerM, EnregistrerM, EffacerM});
    JeuMenu->addSeparator();
    JeuMenu->addAction(QuitterM);

    OptionsMenu = new QMenu("&Options", this);
    OptionsMenu->setObjectName("OptionsMenu");
    RedefTouchesM =
        Action(this, "RedefTouchesM", "&Redéfinition des touches", Qt::CTRL | Qt::Key_R);
    Graphisme1 = Action(this, "Graphisme1", "&Graphisme");
    OptionsMenu->addAction(RedefTouchesM);
    OptionsMenu->addSeparator();
    OptionsMenu->addAction(Graphisme1);
    OptionsMenu->addSeparator();
    MusiqueMenu = new QMenu("&Musique", this);
    MusiqueMenu->setObjectName("MusiqueMenu");
    auto* groupe = new QActionGroup(this);
    for (int i = 1; i <= 20; ++i) {
        Mus[i] = Action(this, qPrintable(QString("Mus%1").arg(i)), QString::number(i));
        Mus[i]->setCheckable(true);
        groupe->addAction(Mus[i]);
    }
    MusRandom = Action(this, "MusRandom", "&Aléatoire");
    MusOff = Action(this, "MusOff", "&Off");
    for (QAction* a : {MusRandom, MusOff}) {
        a->setCheckable(true);
        groupe->addAction(a);
    }
    MusOff->setChecked(true);
    for (int i = 1; i <= 20; ++i)
        MusiqueMenu->addAction(Mus[i]);
    MusiqueMenu->addActions({MusRandom, MusOff});
    OptionsMenu->addMenu(MusiqueMenu);
    // F5 is shown beside the submenu and belongs to the menu, yet runs no command.
    MusiqueMenu->menuAction()->setShortcut(Qt::Key_F5);
    SonM = Action(this, "SonM", "&Effets sonores", Qt::Key_F6);
    SonM->setCheckable(true);
    SonM->setChecked(true);
    OptionsMenu->addAction(SonM);

    EditeurM = Action(this, "EditeurM", "&Editeur de Niveaux");

    AideMenu = new QMenu("&Aide", this);
    AideMenu->setObjectName("AideMenu");
    Aide2M = Action(this, "Aide2M", "&Aide", Qt::Key_F1);
    AproposM = Action(this, "AproposM", "A &propos...", Qt::CTRL | Qt::Key_A);
    AideMenu->addAction(Aide2M);
    AideMenu->addSeparator();
    AideMenu->addAction(AproposM);

    MenusDeVue[int(Vue::Jeu)] = {JeuMenu->menuAction(), OptionsMenu->menuAction(), EditeurM,
                                 AideMenu->menuAction()};

    connect(NouveauM, &QAction::triggered, this, EnCommande(this, [this] { NouveauMClick(); }));
    connect(RecommencerM, &QAction::triggered, this,
            EnCommande(this, [this] { RecommencerSBClick(); }));
    connect(AnnulerM, &QAction::triggered, this, [this] { AnnulerMClick(); });
    connect(ChargerM, &QAction::triggered, this, EnCommande(this, [this] { ChargerMClick(); }));
    connect(EnregistrerM, &QAction::triggered, this,
            EnCommande(this, [this] { EnregistrerSBClick(); }));
    connect(EffacerM, &QAction::triggered, this, EnCommande(this, [this] { EffacerMClick(); }));
    connect(QuitterM, &QAction::triggered, this, &QWidget::close);
    connect(RedefTouchesM, &QAction::triggered, this,
            EnCommande(this, [this] { RedefTouchesMClick(); }));
    connect(Graphisme1, &QAction::triggered, this, EnCommande(this, [this] { Graphisme1Click(); }));
    connect(EditeurM, &QAction::triggered, this, EnCommande(this, [this] { EditeurSBClick(); }));
    connect(Aide2M, &QAction::triggered, this, EnCommande(this, [this] { Aide2MClick(); }));
    connect(AproposM, &QAction::triggered, this, EnCommande(this, [this] { AproposMClick(); }));
    ConnecteMusique();
}

} // namespace zorvane
