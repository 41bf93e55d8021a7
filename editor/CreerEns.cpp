#include "CreerEns.h"

#include "Champs.h"
#include "ChoixNiv.h"
#include "Ensemble.h"
#include "Texte.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace zorvane {

namespace {

QLabel* Etiquette(QWidget* parent, const char* nom, const QString& texte, QPoint ou) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nom);
    l->move(ou);
    return l;
}

// Upper-cases the letters a to z only, as the comparison with the existing files does.
QString MajusculesAZ(QString texte) {
    for (QChar& c : texte)
        if (c >= 'a' && c <= 'z')
            c = QChar(c.unicode() - 32);
    return texte;
}

} // namespace

TEntreDes::TEntreDes(Mode mode, const QString& dossierJeu, QWidget* parent)
    : QDialog(parent), mode_(mode) {
    setObjectName("EntreDes");
    setWindowTitle("Zorvane - Editeur de niveaux");
    setFixedSize(536, 297);
    auto* Label1 = Etiquette(
        this, "Label1",
        "Entrez une description pour l'ensemble de niveaux que vous allez créer :", {8, 8});
    (void)Label1;
    Edit1 = Champ1252(this, "Edit1", {8, 32, 513, 21}, 100);
    // Two lines, ending just above its field.
    auto* Label2 = Etiquette(this, "Label2",
                             "Entrez un mot de passe (pour que vos niveaux ne puissent pas être "
                             "modifiés par quelqu'un d'autre) :",
                             {8, 60});
    Label2->setGeometry(8, 60, 520, 34);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    Edit2 = ChampMajuscules(this, "Edit2", {8, 96, 129, 21}, 30, true);
    Etiquette(this, "Label3", "Confirmez le mot de passe :", {8, 136});
    Edit3 = ChampMajuscules(this, "Edit3", {8, 160, 129, 21}, 30, true);
    auto* Label4 = Etiquette(this, "Label4", "Entrer un nom pour le fichier :", {8, 200});
    Edit4 = new QLineEdit(this);
    Edit4->setObjectName("Edit4");
    Edit4->setGeometry(8, 224, 97, 21);
    Edit4->setMaxLength(8);
    Raison = new QLabel(this);
    Raison->setObjectName("Raison");
    Raison->setGeometry(112, 226, 220, 18);
    Raison->setStyleSheet("color: #b00000");
    auto* Label5 = Etiquette(this, "Label5", "Fichiers déjà existants :", {336, 120});
    FileList = new QListWidget(this);
    FileList->setObjectName("FileList");
    FileList->setGeometry(336, 144, 145, 97);
    FileList->setFocusPolicy(Qt::NoFocus);
    FileList->addItems(FichiersNiveaux(dossierJeu));
    OkBtn = new QPushButton("OK", this);
    OkBtn->setObjectName("OkBtn");
    OkBtn->setGeometry(160, 264, 75, 25);
    OkBtn->setEnabled(false);
    OkBtn->setDefault(true);
    auto* BitBtn2 = new QPushButton("Annuler", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(296, 264, 75, 25);
    BitBtn2->setAutoDefault(false);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, OkBtn);
    setTabOrder(OkBtn, BitBtn2);
    if (mode_ == Mode::Description)
        for (QWidget* w : std::initializer_list<QWidget*>{Label4, Label5, Edit4, FileList, Raison})
            w->hide();
    for (QLineEdit* e : {Edit2, Edit3, Edit4})
        connect(e, &QLineEdit::textChanged, this, &TEntreDes::TestOk);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    TestOk();
}

void TEntreDes::TestOk() {
    bool ok = !Edit2->text().isEmpty() && Edit2->text() == Edit3->text();
    if (mode_ == Mode::Creation) {
        const QString nom = Edit4->text();
        QString raison;
        if (nom.isEmpty()) {
            ok = false;
        } else if (const std::optional<std::string> octets = Vers1252Exact(nom);
                   !octets || !NomEnsembleValide(*octets) || nom.contains(':') ||
                   nom.trimmed() != nom) {
            raison = "Nom de fichier invalide";
        } else {
            const QString fichier = MajusculesAZ(nom + ".niv");
            for (int i = 0; i < FileList->count(); ++i)
                if (MajusculesAZ(FileList->item(i)->text()) == fichier)
                    raison = "Ce nom existe déjà";
        }
        Raison->setText(raison);
        ok = ok && !nom.isEmpty() && raison.isEmpty();
    }
    OkBtn->setEnabled(ok);
}

} // namespace zorvane
