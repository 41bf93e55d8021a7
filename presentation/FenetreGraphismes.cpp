// The main window's graphics set: loading its bitmaps, choosing it, changing it every level.
#include "ChoixGraph.h"
#include "ImageWidget.h"
#include "Messages.h"
#include "Principal.h"

#include <QAction>
#include <QLabel>

namespace zorvane {

void TMainForm::ChargeGraphiques() {
    Graphisme1->setText("&Graphisme (actuellement: " + NomGraphisme + ")");
    Fond = ChargeBitmap(DossierJeu_, NomGraphisme, 'f', false);
    DessineFond();
    ImgBoule = ChargeBitmap(DossierJeu_, NomGraphisme, 'b', true);
    ImgCarre = ChargeBitmap(DossierJeu_, NomGraphisme, 'c', true);
    ImgZelmite = ChargeBitmap(DossierJeu_, NomGraphisme, 'e', true);
    ImgMur = ChargeBitmap(DossierJeu_, NomGraphisme, 'm', false);
}

void TMainForm::Graphisme1Click() {
    TChoisirGraph choix(DossierJeu_, this);
    if (choix.exec() != QDialog::Accepted)
        return;
    GraphismeAuto = choix.auto_();
    NomGraphisme = GraphismeAuto ? Recherche.Commence(DossierJeu_) : choix.choix();
    Commande(this, [this] {
        ChargeGraphiques();
        // The indicator is redrawn with the new tiles; the active piece stays.
        bool actif = !ActifCourant();
        ChangeControl(actif);
        if (!LabelLevel->text().isEmpty())
            DessinePlateau(NiveauAffiche());
        else
            DessineFond();
    });
}

void TMainForm::GraphismeSuivant() {
    NomGraphisme = Recherche.Suivant(DossierJeu_);
    ChargeGraphiques();
}

} // namespace zorvane
