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
    Fond = ChargeBitmap(DossierDonnees_, NomGraphisme, 'f', false);
    DessineFond();
    ImgBoule = ChargeBitmap(DossierDonnees_, NomGraphisme, 'b', true);
    ImgCarre = ChargeBitmap(DossierDonnees_, NomGraphisme, 'c', true);
    ImgZelmite = ChargeBitmap(DossierDonnees_, NomGraphisme, 'e', true);
    ImgMur = ChargeBitmap(DossierDonnees_, NomGraphisme, 'm', false);
}

void TMainForm::Graphisme1Click() {
    TChoisirGraph choix(DossierDonnees_, this);
    if (choix.exec() != QDialog::Accepted)
        return;
    GraphismeAuto = choix.auto_();
    NomGraphisme = GraphismeAuto ? Recherche.Commence(DossierDonnees_) : choix.choix();
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
    NomGraphisme = Recherche.Suivant(DossierDonnees_);
    ChargeGraphiques();
}

} // namespace zorvane
