// The main window's graphics set: loading its bitmaps, choosing it, changing it every level.
#include "ChoixGraph.h"
#include "ImageWidget.h"
#include "Messages.h"
#include "PeintrePlateau.h"
#include "Principal.h"

#include <QAction>
#include <QLabel>

namespace zorvane {

void TMainForm::ChargeGraphiques() {
    Graphisme1->setText("&Graphisme (actuellement: " + NomGraphisme + ")");
    TTuiles& t = peintre_->Tuiles();
    t.Fond = ChargeBitmap(DossierJeu_, NomGraphisme, 'f', false);
    peintre_->DessineFond();
    t.Boule = ChargeBitmap(DossierJeu_, NomGraphisme, 'b', true);
    t.Carre = ChargeBitmap(DossierJeu_, NomGraphisme, 'c', true);
    t.Zelmite = ChargeBitmap(DossierJeu_, NomGraphisme, 'e', true);
    t.Mur = ChargeBitmap(DossierJeu_, NomGraphisme, 'm', false);
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
        DessineActif(ActifCourant());
        if (!LabelLevel->text().isEmpty())
            peintre_->Dessine(NiveauAffiche());
        else
            peintre_->DessineFond();
    });
}

void TMainForm::GraphismeSuivant() {
    NomGraphisme = Recherche.Suivant(DossierJeu_);
    ChargeGraphiques();
}

} // namespace zorvane
