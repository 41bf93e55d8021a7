#include "ChoixGraph.h"

#include "Graphismes.h"
#include "ListeAChoix.h"

#include <QPushButton>
#include <algorithm>

namespace zorvane {

TChoisirGraph::TChoisirGraph(const QString& dossierJeu, QWidget* parent) : QDialog(parent) {
    setObjectName("ChoisirGraph");
    setWindowTitle("Choisissez un type de graphisme");
    auto* Button1 = new QPushButton("Changer les graphismes à chaque niveau", this);
    // As wide as the button's text needs, and no narrower than designed.
    const int largeur = std::max(209, Button1->sizeHint().width() + 8);
    setFixedSize(largeur + 17, 281);
    auto* liste = new ListeAChoix(this);
    FileListBox1 = liste;
    FileListBox1->setObjectName("FileListBox1");
    FileListBox1->setGeometry(8, 8, largeur, 185);
    FileListBox1->setToolTip("Double-cliquez sur un fichier");
    FileListBox1->addItems(FichiersGraphismes(dossierJeu));
    if (FileListBox1->count() > 0)
        FileListBox1->setCurrentRow(0);
    liste->SurChoix([this](int) { Choisit(); });

    Button1->setObjectName("Button1");
    Button1->setGeometry(8, 200, largeur, 25);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, [this] {
        auto__ = true;
        accept();
    });
    auto* BitBtn1 = new QPushButton("Annuler", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry((width() - 75) / 2, 251, 75, 25);
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TChoisirGraph::Choisit() {
    choix_ = NomDuGraphisme(FileListBox1->currentItem()->text());
    auto__ = false;
    accept();
}

} // namespace zorvane
