#include "Fenetres.h"

#include "Messages.h"

#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QTimer>

#include "ImageWidget.h"

namespace zorvane {

namespace {

QLabel* Image(QWidget* parent, const char* fichier, QRect place) {
    auto* l = new QLabel(parent);
    l->setGeometry(place);
    l->setPixmap(QPixmap(QString(":/images/") + fichier));
    l->setScaledContents(true);
    return l;
}

QLabel* Texte(QWidget* parent, const QString& texte, QPoint ou, int pixels) {
    auto* l = new QLabel(texte, parent);
    QFont police("Times New Roman");
    police.setPixelSize(pixels);
    l->setFont(police);
    l->move(ou);
    l->adjustSize();
    return l;
}

} // namespace

TTitre::TTitre(QWidget* parent, int dureeMs)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog | Qt::WindowDoesNotAcceptFocus) {
    setObjectName("Titre");
    setAttribute(Qt::WA_DeleteOnClose);
    // The main window keeps the keyboard and its shortcuts while the title shows.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(516, 216);
    Image(this, "titre.png", {8, 8, 500, 200});
    QTimer::singleShot(dureeMs, this, &QWidget::close);
}

TAide::TAide(const QString& dossierJeu, QWidget* parent) : QDialog(parent) {
    setObjectName("Aide");
    setWindowTitle("Aide");
    setFixedSize(652, 469);
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName("Memo");
    Memo->setGeometry(rect());
    Memo->setReadOnly(true);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette p = Memo->palette();
    p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
    Memo->setPalette(p);
    QFont police("Courier New");
    police.setStyleHint(QFont::Monospace);
    police.setPixelSize(16);
    Memo->setFont(police);
    QFile texte(dossierJeu + "/ZORVANE.TXT");
    if (!texte.open(QIODevice::ReadOnly)) {
        Erreur(parent, "Erreur d'E/S 2 : fichier introuvable (ZORVANE.TXT)");
        return;
    }
    QStringDecoder decodeur("windows-1252");
    Memo->setPlainText(decodeur(texte.readAll()));
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("A propos d'Zorvane");
    setFixedSize(440, 364);
    auto* panneau = new Panneau(this, Panneau::Enfonce, Panneau::Releve, 0);
    panneau->setGeometry(8, 8, 417, 313);
    Image(panneau, "apropos.png", {8, 8, 200, 250})->setObjectName("ProgramIcon");
    Texte(panneau, "ZORVANE", {216, 24}, 40)->setObjectName("ProductName");
    Texte(panneau, "Version 3.0", {248, 120}, 27)->setObjectName("Version");
    Image(panneau, "icone.png", {288, 184, 41, 41});
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setGeometry(183, 332, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

TRotDeGorbul::TRotDeGorbul(QWidget* parent, int delaiMs, std::function<void()> son)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("RotDeGorbul");
    setWindowTitle("Gorbul vous dit à bientôt  !!!");
    setFixedSize(241, 169);
    Image(this, "gorbul.png", {64, 16, 117, 139});
    QTimer::singleShot(delaiMs, this, [this, son] {
        repaint();
        son();
        fini_ = true;
        accept();
    });
}

void TRotDeGorbul::closeEvent(QCloseEvent* e) {
    e->setAccepted(fini_);
}

TVideo::TVideo(QWidget* parent, std::function<void()> son) : QDialog(parent), son_(std::move(son)) {
    setObjectName("Video");
    setWindowTitle("Bravo, vous avez gagné !!!");
    setFixedSize(639, 448 + 33);
    Image(this, "bravo.png", {0, 0, 639, 448});
    auto* bouton = new QPushButton("Cliquez sur ce bouton pour revenir au jeu", this);
    bouton->setObjectName("Bouton");
    bouton->setGeometry(170, 452, 300, 25);
    bouton->setDefault(true);
    connect(bouton, &QPushButton::clicked, this, &QDialog::accept);
}

bool TVideo::event(QEvent* e) {
    const bool traite = QDialog::event(e);
    if (e->type() == QEvent::WindowActivate) {
        repaint();
        son_();
    }
    return traite;
}

} // namespace zorvane
