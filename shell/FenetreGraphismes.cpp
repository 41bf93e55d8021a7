// The main window's graphics set: loading its bitmaps, choosing it, changing it every level.
#include "ChoixGraph.h"
#include "ImageWidget.h"
#include "MainForm.h"
#include "Messages.h"
#include "PeintrePlateau.h"

#include <QAction>
#include <QLabel>

namespace zorvane {

void TMainForm::ChargeGraphiques() {
    Graphisme1->setText("&Graphisme (actuellement: " + NomGraphisme + ")");
    TTuiles& t = peintre_->Tuiles();
    t.Fond = ChargeBitmap(DossierDonnees_, NomGraphisme, 'f', false);
    peintre_->DessineFond();
    t.Boule = ChargeBitmap(DossierDonnees_, NomGraphisme, 'b', true);
    t.Carre = ChargeBitmap(DossierDonnees_, NomGraphisme, 'c', true);
    t.Zelmite = ChargeBitmap(DossierDonnees_, NomGraphisme, 'e', true);
    t.Mur = ChargeBitmap(DossierDonnees_, NomGraphisme, 'm', false);
}

void TMainForm::Graphisme1Click() {
    TChoisirGraph choix(DossierDonnees_, this);
    if (choix.exec() != QDialog::Accepted)
        return;
    graphismeAuto_ = choix.auto_();
    NomGraphisme = graphismeAuto_ ? Recherche.Commence(DossierDonnees_) : choix.choix();
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
    NomGraphisme = Recherche.Suivant(DossierDonnees_);
    ChargeGraphiques();
}

} // namespace zorvane
