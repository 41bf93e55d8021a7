// The test view: a stored level of the open set played by keys; solved, its moves are offered
// as the level's solution.
#include "Editeur.h"
#include "Messages.h"
#include "NiveauFichier.h"
#include "NumeroNiv.h"
#include "PeintrePlateau.h"

#include <QLabel>

namespace zorvane {

namespace {

// What became of the test's moves: stored as the level's solution (the first, or a shorter
// one), or not.
QString MessageResolu(int codes, int stockes) {
    QString texte = QString("Niveau résolu en %1 codes.").arg(codes);
    if (codes + 4 > CodesMaximum)
        return texte + "\nCette solution est trop longue pour être enregistrée.";
    if (stockes == 0)
        return texte + "\nLa solution est enregistrée.";
    if (codes < stockes)
        return texte +
               QString("\nCette solution plus courte remplace celle de %1 codes.").arg(stockes);
    return texte + QString("\nElle n'est pas enregistrée : la solution enregistrée a %1 codes.")
                       .arg(stockes);
}

} // namespace

void TEditeur::TesternivClick() {
    Commande(fenetre_, [this] {
        EnregistrerNiv(true);
        TEntrerNiv numero(hote_.Jeu(), EnsembleEditeur, fenetre_);
        numero.Label1->setText("Entrez le numéro du niveau à tester :");
        if (numero.exec() != QDialog::Accepted)
            return;
        CouperPeinture();
        FermeNiveau();
        NivEdit.Numero = numero.NumeroChoisi;
        hote_.MontreVueTest();
        EditNivPanel->hide();
        PanelEdit->hide();
        ensembleTeste_ = NivEdit.NomFichier;
        CommenceTest();
    });
}

// The level as stored, the ball active, an empty log.
void TEditeur::CommenceTest() {
    test_.Charge(hote_.Jeu(), NivEdit);
    hote_.AfficheTest(test_.Niveau());
    MajAnnulerTest();
}

void TEditeur::ChangeTest() {
    hote_.JoueGeste(test_, Geste{true}, [this](const TResultatCoup&) { MajAnnulerTest(); });
}

void TEditeur::KeyDownTest(uint16_t code) {
    hote_.JoueGeste(test_, InterpreteTouche(touches_, code), [this](const TResultatCoup& r) {
        if (!r.change && r.resolu) {
            hote_.CoupeClavier();
            Commande(fenetre_, [this] {
                TSoluce lecteur;
                lecteur.NomFichier = ensembleTeste_;
                LitIndex(hote_.Jeu(), lecteur, NumeroNiveau(test_.Niveau()));
                const uint16_t avant = lecteur.Index.NbCodes;
                test_.EnregistreSolution(hote_.Jeu(), ensembleTeste_);
                Information(fenetre_, MessageResolu(test_.Journal().NbCodes, avant));
            });
        }
        MajAnnulerTest();
    });
}

void TEditeur::AnnulerTestClick() {
    if (hote_.ClavierAuTest() && test_.Annule()) {
        peintre_.Dessine(test_.Niveau());
        hote_.DessineActif(test_.Boule());
    }
    MajAnnulerTest();
}

void TEditeur::MajAnnulerTest() {
    AnnulerTest->setEnabled(hote_.ClavierAuTest() && test_.PeutAnnuler());
}

void TEditeur::Recommencer1Click() {
    Commande(fenetre_, [this] { CommenceTest(); });
}

void TEditeur::Stopperletest1Click() {
    hote_.MontreVueEditeur();
    PanelEdit->show();
    LabelLevel->clear();
    Commande(fenetre_, [this] { CompteNiveaux(hote_.Jeu(), NivEdit, true); });
    peintre_.DessineFond();
    AfficheOuSuisJe();
}

} // namespace zorvane
