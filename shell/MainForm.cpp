#include "MainForm.h"

#include "AboutBox.h"
#include "Aide.h"
#include "Audio.h"
#include "BarreMenus.h"
#include "Editeur.h"
#include "Erreur.h"
#include "ImageWidget.h"
#include "Messages.h"
#include "Musique.h"
#include "Options.h"
#include "PeintrePlateau.h"
#include "RotDeGorbul.h"
#include "Texte.h"
#include "Titre.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <iostream>

namespace zorvane {

VerdictEcran JugeEcran(int largeur, int hauteur) {
    if (largeur < 800 || hauteur < 600)
        return VerdictEcran::Refuse;
    if (largeur > 800 || hauteur > 600)
        return VerdictEcran::Normal;
    return VerdictEcran::Maximise;
}

TMainForm::TMainForm(const QString& dossierJeu, const TDelais& delais, QWidget* parent)
    : TMainForm(dossierJeu, dossierJeu, delais, parent) {}

TMainForm::TMainForm(const QString& donnees, const QString& joueur, const TDelais& delais,
                     QWidget* parent)
    : QMainWindow(parent), delais_(delais), DossierDonnees_(donnees), DossierJeu_(joueur),
      jeu_(joueur.toStdString()) {
    setObjectName("MainForm");
    setWindowTitle("Zorvane");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QFont police = font();
    police.setPixelSize(11);
    setFont(police);
    setMenuBar(new BarreMenus(this));
    ConstruitControles();
    ConstruitMenus();
    editeur_ = new TEditeur(*this, PlaceEditeur{this, PanelEdit, EditNivPanel, ImgFond, *peintre_,
                                                LabelLevel, touches_});
    MenusDeVue[int(Vue::Editeur)] = {editeur_->NiveauxMenu->menuAction(),
                                     editeur_->EnsemblesMenu->menuAction(), AideMenu->menuAction()};
    MenusDeVue[int(Vue::Test)] = {editeur_->Recommencer1, editeur_->AnnulerTest,
                                  editeur_->Stopperletest1};
    InstalleVue(Vue::Jeu);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    qApp->installEventFilter(this);
    Demarrage();
}

TMainForm::~TMainForm() {
    // The music player goes before the audio device it plays on.
    delete musique_;
    musique_ = nullptr;
}

std::filesystem::path TMainForm::Jeu() const {
    return std::filesystem::path(DossierJeu_.toStdString());
}

std::filesystem::path TMainForm::Donnees() const {
    return std::filesystem::path(DossierDonnees_.toStdString());
}

// The start-up steps; an error ends them with the error box, and the window still opens.
void TMainForm::Demarrage() {
    Commande(this, [this] {
        // The shipped options serve until the player's own are written at the first exit.
        const bool propres = std::filesystem::exists(Jeu() / FichierOptions);
        const TOptions o = LitOptions(propres ? Jeu() : Donnees());
        touches_ = {o.Haut, o.Bas, o.Gauche, o.Droite, o.Change};
        NomGraphisme = Depuis1252(o.NomGraphisme);
        graphismeAuto_ = o.NomGraphisme.empty();
        if (graphismeAuto_)
            NomGraphisme = Recherche.Commence(DossierDonnees_);
        SonM->setChecked(o.EffetsSonores != 0);
        if (o.ChoixMusique == MusiqueOff)
            MusOff->trigger();
        ChargeGraphiques();
        FichierExist();
        jeu_.Arrete();
        if (o.ChoixMusique >= 1 && o.ChoixMusique <= MusiqueAleatoire)
            (o.ChoixMusique == MusiqueAleatoire ? MusRandom : Mus[o.ChoixMusique])->trigger();
        else if (o.ChoixMusique != MusiqueOff)
            throw ErreurES(FichierEndommage, "choix de musique invalide", FichierOptions);
        if (EffetsSonores())
            JoueSon("PILO.WAV", 1);
    });
}

void TMainForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    static bool premiere = true;
    if (!Active_) {
        Active_ = true;
        activateWindow(); // without a window manager, nobody else does
        // The screen check first; the title window follows on a screen that is accepted only.
        QTimer::singleShot(0, this, EnCommande(this, [this] {
                               if (VerifieEcran() && delais_.titreMs > 0 && premiere) {
                                   premiere = false;
                                   (new TTitre(this, delais_.titreMs))->show();
                               }
                           }));
    }
}

// False when the screen is refused: the window is then closed.
bool TMainForm::VerifieEcran() {
    const QSize ecran = screen()->geometry().size();
    switch (JugeEcran(ecran.width(), ecran.height())) {
    case VerdictEcran::Refuse:
        Erreur(this, "Pour lancer ce jeu, la résolution de votre écran doit être au moins du "
                     "800x600.");
        close();
        return false;
    case VerdictEcran::Maximise:
        showMaximized();
        break;
    case VerdictEcran::Normal:
        move(screen()->geometry().center() - rect().center());
        break;
    }
    return true;
}

bool TMainForm::event(QEvent* e) {
    // Without a window manager nobody gives the window back its activation when a dialog
    // closes: keys would still reach it, but none of its menu shortcuts.
    if (e->type() == QEvent::WindowUnblocked && isVisible())
        activateWindow();
    return QMainWindow::event(e);
}

void TMainForm::closeEvent(QCloseEvent* e) {
    AcheveGlissements();
    bool ferme = true;
    Commande(this, [&] { ferme = Arret(); });
    e->setAccepted(ferme);
}

// The shut-down steps. Returns false when the save the player asked for failed, or when
// options.dat could not be written and the player chose to stay: the window stays open, and
// closing it again asks again. Stopped from outside, the game asks nothing and always closes.
bool TMainForm::Arret() {
    if (ArretExterieur_) {
        if (Vue_ == Vue::Editeur)
            editeur_->QuitteSansQuestion();
    } else {
        if (Vue_ == Vue::Jeu && PartieNonEnregistree() &&
            Confirmation(this,
                         "Vous n'avez pas sauvegarder votre partie. Voulez-vous l'enregistrer ?") &&
            !EnregistrerSBClick())
            return false;
        if (Vue_ == Vue::Editeur && !Commande(this, [this] { editeur_->Quitte(); }))
            return false;
    }
    TOptions o;
    o.Haut = touches_.Haut;
    o.Bas = touches_.Bas;
    o.Gauche = touches_.Gauche;
    o.Droite = touches_.Droite;
    o.Change = touches_.Change;
    o.NomGraphisme = graphismeAuto_ ? std::string() : Vers1252(NomGraphisme);
    o.ChoixMusique = OctetMusique();
    o.EffetsSonores = EffetsSonores() ? 1 : 0;
    try {
        EcritOptions(Jeu(), o);
    } catch (const std::exception& e) {
        // A folder that cannot be written never keeps the player in the game.
        std::cerr << "zorvane : " << e.what() << "\n";
        if (!ArretExterieur_ &&
            !Confirmation(this, "Impossible d'enregistrer les options. Quitter quand même ?"))
            return false;
    }
    Recherche.Ferme();
    ArreteMusique();
    if (!ArretExterieur_) {
        TRotDeGorbul adieu(this, delais_.adieuMs, [this] { JoueSonBloquant("GORBUL.WAV"); });
        adieu.exec();
    }
    return true;
}

void TMainForm::keyPressEvent(QKeyEvent* e) {
    // A shortcut of the menu bar belongs to the menu, even while its item is disabled.
    if (RaccourciDuMenu(e))
        return;
    if (gestionClavier_ == Clavier::Aucun) {
        QMainWindow::keyPressEvent(e);
        return;
    }
    const uint16_t code = CodeVirtuel(e);
    if (peintre_->EnCours())
        touchesEnAttente_.push_back(code);
    else
        TraiteTouche(code);
}

bool TMainForm::eventFilter(QObject* objet, QEvent* e) {
    if (!peintre_ || !peintre_->EnCours())
        return false;
    const auto* widget = qobject_cast<QWidget*>(objet);
    if (!widget || widget->window() != this)
        return false;
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        AcheveGlissements();
        break;
    case QEvent::ShortcutOverride:
        if (RaccourciDuMenu(static_cast<QKeyEvent*>(e)))
            AcheveGlissements();
        break;
    default:
        break;
    }
    return false;
}

bool TMainForm::RaccourciDuMenu(const QKeyEvent* e) const {
    const QKeySequence touche(e->keyCombination());
    std::function<bool(const QList<QAction*>&)> cherche = [&](const QList<QAction*>& actions) {
        for (const QAction* a : actions) {
            if (a->shortcut() == touche)
                return true;
            if (a->menu() && cherche(a->menu()->actions()))
                return true;
        }
        return false;
    };
    return cherche(menuBar()->actions());
}

void TMainForm::InstalleVue(Vue vue) {
    Vue_ = vue;
    menuBar()->clear();
    for (QAction* a : MenusDeVue[int(vue)])
        menuBar()->addAction(a);
}

// The editor's views, entered from the game (its countdown paused) and from the test.
void TMainForm::EditeurSBClick() {
    // The countdown pauses: it resumes on the return only if it was running now.
    compteEnCours_ = CompteEnCours();
    SuspendCompte();
    NiveauJeuModifie = false;
    effacesDuJeu_.clear();
    MontreVueEditeur();
    editeur_->EditeurSBClick();
}

void TMainForm::MontreVueEditeur() {
    gestionClavier_ = Clavier::Aucun;
    InstalleVue(Vue::Editeur);
    SBPanel->hide();
    SwapPanel->hide();
}

void TMainForm::MontreVueTest() {
    InstalleVue(Vue::Test);
    SwapPanel->show();
}

void TMainForm::AproposMClick() {
    TAboutBox boite(this);
    boite.exec();
}

void TMainForm::Aide2MClick() {
    TAide aide(DossierDonnees_, this);
    aide.exec();
}

} // namespace zorvane
