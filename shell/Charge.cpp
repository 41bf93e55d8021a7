#include "Charge.h"

#include "Champs.h"
#include "FPlayer.h"
#include "ListeAChoix.h"
#include "Texte.h"

#include <QLabel>
#include <QPushButton>

namespace zorvane {

TChargement::TChargement(const std::filesystem::path& jeu, QWidget* parent) : QDialog(parent) {
    setObjectName("Chargement");
    setWindowTitle("Double-cliquez sur l'enregistrement à charger");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    const int largeur = LargeurPourLeTitre(windowTitle(), 225);
    setFixedSize(largeur, 262);
    ListBox1 = new ListeAChoix(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setGeometry(8, 8, largeur - 16, 209);
    const int32_t nombre = NbParties(jeu);
    for (int32_t r = 0; r < nombre; ++r) {
        TPartie p;
        LitPartie(jeu, p, r);
        ListBox1->addItem(Depuis1252(NomJoueur(p)));
    }
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
    ListBox1->SurChoix([this](int ligne) {
        PartieChoisie = ligne;
        accept();
    });
    auto* BitBtn1 = new QPushButton("Annuler", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry((largeur - 75) / 2, 228, 75, 25);
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

TOKBottomDlg::TOKBottomDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("OKBottomDlg");
    setWindowTitle("Enregistrement");
    setFixedSize(250, 110);
    auto* Label1 = new QLabel("Veuillez entrer votre nom", this);
    Label1->setObjectName("Label1");
    Label1->move(8, 9);
    Name = ChampMajuscules(this, "Name", {8, 30, 234, 21}, 30);
    Ok = new QPushButton("Ok", this);
    Ok->setObjectName("Ok");
    Ok->setGeometry(40, 75, 75, 25);
    Ok->setEnabled(false);
    Ok->setDefault(true);
    auto* Cancel = new QPushButton("Annuler", this);
    Cancel->setObjectName("Cancel");
    Cancel->setGeometry(135, 75, 75, 25);
    Cancel->setAutoDefault(false);
    connect(Name, &QLineEdit::textChanged, this,
            [this](const QString& texte) { Ok->setEnabled(!texte.isEmpty()); });
    connect(Ok, &QPushButton::clicked, this, [this] {
        NomSaisi = Vers1252(Name->text()).substr(0, 30);
        accept();
    });
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace zorvane
