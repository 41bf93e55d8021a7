#include "ChoixNiv.h"

#include "ListeAChoix.h"
#include "Messages.h"
#include "Texte.h"

#include <QDir>
#include <QPushButton>

namespace zorvane {

TChoisiNiv::TChoisiNiv(const QString& dossierJeu, QWidget* parent)
    // A title bar without icons: the dialog closes through its own buttons.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("ChoisiNiv");
    setWindowTitle("Double-cliquez sur le fichier à charger");
    const int largeur = LargeurPourLeTitre(windowTitle(), 241);
    setFixedSize(largeur, 262);
    auto* liste = new ListeAChoix(this);
    FileListBox1 = liste;
    FileListBox1->setObjectName("FileListBox1");
    FileListBox1->setGeometry(8, 8, largeur - 16, 209);
    QFont police = FileListBox1->font();
    police.setPixelSize(13);
    FileListBox1->setFont(police);
    FileListBox1->addItems(FichiersNiveaux(dossierJeu));
    if (FileListBox1->count() > 0)
        FileListBox1->setCurrentRow(0);
    liste->SurChoix([this](int ligne) { Choisit(ligne); });
    auto* BitBtn1 = new QPushButton("Annuler", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry((largeur - 75) / 2, 228, 75, 25);
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

int TChoisiNiv::NombreEnsembles() const {
    return FileListBox1->count();
}

void TChoisiNiv::Choisit(int ligne) {
    const QString texte = FileListBox1->item(ligne)->text().left(12);
    FichierChoisi = Vers1252(texte.left(texte.size() - 4));
    accept();
}

QStringList FichiersNiveaux(const QString& dossierJeu) {
    QStringList fichiers;
    for (const QString& f :
         QDir(dossierJeu + "/niveaux").entryList({"*.niv"}, QDir::Files, QDir::Name))
        if (Vers1252Exact(f))
            fichiers << f;
    return fichiers;
}

bool ChoisitEnsemble(QWidget* parent, const QString& dossierJeu, bool unSeul, std::string& fichier,
                     const QString& titre) {
    TChoisiNiv choix(dossierJeu, parent);
    if (!titre.isEmpty())
        choix.setWindowTitle(titre);
    if (choix.NombreEnsembles() == 0) {
        Information(parent, "Aucun ensemble de niveaux n'est disponible !!!");
        return false;
    }
    if (unSeul && choix.NombreEnsembles() == 1)
        choix.Choisit(0);
    else if (choix.exec() != QDialog::Accepted)
        return false;
    fichier = choix.FichierChoisi;
    return true;
}

} // namespace zorvane
