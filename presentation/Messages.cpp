#include "Messages.h"

#include <QMessageBox>
#include <QPushButton>

namespace zorvane {

namespace {

QMessageBox* Boite(QWidget* parent, QMessageBox::Icon icone, const QString& texte) {
    auto* b = new QMessageBox(icone, "Zorvane", texte, QMessageBox::NoButton, parent);
    b->setAttribute(Qt::WA_DeleteOnClose, false);
    return b;
}

void AvecOk(QWidget* parent, QMessageBox::Icon icone, const QString& texte) {
    QMessageBox* b = Boite(parent, icone, texte);
    b->addButton("OK", QMessageBox::AcceptRole);
    b->exec();
    delete b;
}

} // namespace

bool Confirmation(QWidget* parent, const QString& texte) {
    QMessageBox* b = Boite(parent, QMessageBox::Question, texte);
    QPushButton* oui = b->addButton("&Oui", QMessageBox::YesRole);
    QPushButton* non = b->addButton("&Non", QMessageBox::NoRole);
    b->setDefaultButton(oui);
    b->setEscapeButton(non);
    b->exec();
    const bool reponse = b->clickedButton() == oui;
    delete b;
    return reponse;
}

void Erreur(QWidget* parent, const QString& texte) {
    AvecOk(parent, QMessageBox::Critical, texte);
}

void Information(QWidget* parent, const QString& texte) {
    AvecOk(parent, QMessageBox::Information, texte);
}

void Message(QWidget* parent, const QString& texte) {
    AvecOk(parent, QMessageBox::NoIcon, texte);
}

void AfficheErreur(QWidget* parent, const std::exception& e) {
    Erreur(parent, QString::fromUtf8(e.what()));
}

} // namespace zorvane
