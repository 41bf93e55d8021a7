#include "NumeroNiv.h"

#include "NiveauFichier.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zorvane {

TEntrerNiv::TEntrerNiv(const std::filesystem::path& jeu, const std::string& ensemble,
                       QWidget* parent)
    : QDialog(parent) {
    setObjectName("EntrerNiv");
    setWindowTitle("Editeur de niveaux");
    setFixedSize(203, 104);
    TNiveau brouillon;
    brouillon.NomFichier = ensemble;
    CompteNiveaux(jeu, brouillon, false);
    nombre_ = NumeroChoisi = brouillon.NbNiveaux;
    Label1 = new QLabel("Entrez le numéro du niveau à modifier :", this);
    Label1->setObjectName("Label1");
    // Two lines: the question does not hold on one in the dialog's width.
    Label1->setGeometry(8, 0, 187, 31);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    Edit = new QLineEdit(this);
    Edit->setObjectName("Edit");
    Edit->setGeometry(8, 32, 185, 21);
    Edit->setMaxLength(int(QString::number(nombre_).size()));
    Plage = new QLabel(nombre_ > 0 ? QString("(de 1 à %1)").arg(nombre_)
                                   : QString("(l'ensemble n'a aucun niveau)"),
                       this);
    Plage->setObjectName("Plage");
    Plage->setGeometry(8, 54, 185, 16);
    Ok = new QPushButton("OK", this);
    Ok->setObjectName("Ok");
    Ok->setGeometry(16, 72, 75, 25);
    Ok->setEnabled(false);
    Ok->setDefault(true);
    auto* Cancel = new QPushButton("Annuler", this);
    Cancel->setObjectName("Cancel");
    Cancel->setGeometry(112, 72, 75, 25);
    Cancel->setAutoDefault(false);
    connect(Edit, &QLineEdit::textChanged, this, [this](const QString& texte) {
        bool chiffres = !texte.isEmpty();
        for (QChar c : texte)
            chiffres = chiffres && c >= '0' && c <= '9';
        const int valeur = chiffres ? texte.toInt() : 0;
        Ok->setEnabled(chiffres && valeur >= 1 && valeur <= nombre_);
    });
    connect(Ok, &QPushButton::clicked, this, [this] {
        NumeroChoisi = Edit->text().toInt();
        accept();
    });
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace zorvane
