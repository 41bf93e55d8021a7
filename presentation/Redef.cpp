#include "Redef.h"

#include "Messages.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace zorvane {

namespace {

QLabel* Etiquette(QWidget* parent, const QString& texte, QRect place, int pixels,
                  const QString& famille = {}) {
    auto* l = new QLabel(texte, parent);
    l->setGeometry(place);
    l->setAlignment(Qt::AlignCenter);
    QFont police = l->font();
    if (!famille.isEmpty())
        police.setFamily(famille);
    police.setPixelSize(pixels);
    l->setFont(police);
    return l;
}

} // namespace

TRedefTouches::TRedefTouches(QWidget* parent) : QDialog(parent) {
    setObjectName("RedefTouches");
    setWindowTitle("Redéfinition des touches");
    setFixedSize(290, 236);
    Label1 = Etiquette(this, "Veuillez  appuyer sur une touche", {0, 16, 289, 16}, 13);
    Label1->setObjectName("Label1");
    Label2 = Etiquette(this, "pour définir la direction", {0, 40, 289, 16}, 13);
    Label2->setObjectName("Label2");
    // Two lines of the large type: "Le carré ou la boule" does not hold on one.
    Direction = Etiquette(this, "Haut", {0, 70, 289, 110}, 35, "Times New Roman");
    Direction->setObjectName("Direction");
    Direction->setWordWrap(true);
    BitBtn1 = new QPushButton("Annuler", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(108, 200, 75, 25);
    // No control takes the focus: every key press reaches the dialog itself.
    BitBtn1->setFocusPolicy(Qt::NoFocus);
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

TTouches TRedefTouches::touches() const {
    return {NouvellesTouches[0], NouvellesTouches[1], NouvellesTouches[2], NouvellesTouches[3],
            NouvellesTouches[4]};
}

void TRedefTouches::keyPressEvent(QKeyEvent* evenement) {
    switch (evenement->key()) {
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return;
    }
    Accepte(CodeVirtuel(evenement));
}

void TRedefTouches::Accepte(uint16_t code) {
    for (int i = 0; i < NbTouches; ++i)
        if (NouvellesTouches[i] == code) {
            Information(this, "Touche déjà prise");
            return;
        }
    if (!ToucheAcceptable(code))
        return;
    NouvellesTouches[NbTouches++] = code;
    static const char* const suivantes[] = {"Bas", "Gauche", "Droite"};
    if (NbTouches <= 3) {
        Direction->setText(suivantes[NbTouches - 1]);
    } else if (NbTouches == 4) {
        Label2->setText("pour définir le choix entre");
        Direction->setText("Le carré ou la boule");
    } else {
        accept();
    }
}

} // namespace zorvane
