#include "AboutBox.h"

#include "ImageFixe.h"
#include "ImageWidget.h"

#include <QLabel>
#include <QPushButton>

namespace zorvane {

namespace {

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

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("A propos d'Zorvane");
    setFixedSize(440, 364);
    auto* panneau = new Panneau(this, Panneau::Enfonce, Panneau::Releve, 0);
    panneau->setGeometry(8, 8, 417, 313);
    ImageFixe(panneau, "apropos.png", {8, 8, 200, 250})->setObjectName("ProgramIcon");
    Texte(panneau, "ZORVANE", {216, 24}, 40)->setObjectName("ProductName");
    Texte(panneau, "Version 3.0", {248, 120}, 27)->setObjectName("Version");
    ImageFixe(panneau, "icone.png", {288, 184, 41, 41});
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setGeometry(183, 332, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace zorvane
