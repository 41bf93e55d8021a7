#include "ChoixGraph.h"

#include "Graphismes.h"
#include "ListeAChoix.h"

#include <QPushButton>

namespace zorvane {

TChoisirGraph::TChoisirGraph(const QString& dossierJeu, QWidget* parent) : QDialog(parent) {
    setObjectName("ChoisirGraph");
    setWindowTitle("Choisissez un type de graphisme");
    setFixedSize(226, 281);
    auto* liste = new ListeAChoix(this);
    FileListBox1 = liste;
    FileListBox1->setObjectName("FileListBox1");
    FileListBox1->setGeometry(8, 8, 209, 185);
    FileListBox1->setToolTip("Double-cliquez sur un fichier");
    FileListBox1->addItems(FichiersGraphismes(dossierJeu));
    if (FileListBox1->count() > 0)
        FileListBox1->setCurrentRow(0);
    liste->SurChoix([this](int) { Choisit(); });

    auto* Button1 = new QPushButton("Changer les graphismes à chaque niveau", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(8, 200, 209, 25);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, [this] {
        auto__ = true;
        accept();
    });
    auto* BitBtn1 = new QPushButton("Annuler", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(75, 251, 75, 25);
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TChoisirGraph::Choisit() {
    choix_ = NomDuGraphisme(FileListBox1->currentItem()->text());
    auto__ = false;
    accept();
}

} // namespace zorvane
