#include "MotdePasse.h"

#include "Champs.h"
#include "Messages.h"
#include "Texte.h"

#include <QLabel>
#include <QPushButton>

namespace zorvane {

TPasswordDlg::TPasswordDlg(Mode mode, QWidget* parent)
    // A title bar without icons: the dialog closes through its own buttons.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("PasswordDlg");
    setWindowTitle("Mot de passe");
    setFixedSize(233, 153);
    auto* Label1 = new QLabel("Veuillez saisir le mot de passe :", this);
    Label1->setObjectName("Label1");
    Label1->move(8, 9);
    Passw = ChampMajuscules(this, "Passw", {8, 27, 217, 21}, 30, true);
    Label2 = new QLabel("Confirmer le mot de passe :", this);
    Label2->setObjectName("Label2");
    Label2->move(8, 64);
    Passw2 = ChampMajuscules(this, "Passw2", {8, 83, 217, 21}, 30, true);
    Ok = new QPushButton("OK", this);
    Ok->setObjectName("Ok");
    Ok->setGeometry(30, 115, 75, 25);
    Ok->setEnabled(false);
    Ok->setDefault(true);
    auto* Cancel = new QPushButton("Annuler", this);
    Cancel->setObjectName("Cancel");
    Cancel->setGeometry(128, 115, 75, 25);
    Cancel->setAutoDefault(false);
    if (mode == Mode::Verification) {
        Label2->hide();
        Passw2->hide();
    }
    connect(Passw, &QLineEdit::textChanged, this, [this] { PasswChange(); });
    connect(Passw2, &QLineEdit::textChanged, this, [this] { PasswChange(); });
    connect(Ok, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TPasswordDlg::PasswChange() {
    if (Passw2->isHidden() && Passw2->text() != Passw->text())
        Passw2->setText(Passw->text());
    Ok->setEnabled(!Passw->text().isEmpty() && !Passw2->text().isEmpty());
}

void TPasswordDlg::OkClick() {
    if (Passw->text() != Passw2->text()) {
        Erreur(this, "Le mot de passe n'est pas le même dans les deux boîtes de saisie.");
        return;
    }
    MotDePasseSaisi = Vers1252(Passw->text());
    accept();
}

} // namespace zorvane
