// The test view: a stored level of the open set played by keys; solved, its moves are offered
// as the level's solution.
#include "Editeur.h"
#include "Messages.h"
#include "NiveauFichier.h"
#include "NumeroNiv.h"
#include "PeintrePlateau.h"
#include "Principal.h"

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
    Commande(&f, [this] {
        EnregistrerNiv(true);
        TEntrerNiv numero(f.Jeu(), EnsembleEditeur, &f);
        numero.Label1->setText("Entrez le numéro du niveau à tester :");
        if (numero.exec() != QDialog::Accepted)
            return;
        CouperPeinture();
        FermeNiveau();
        NivEdit.Numero = numero.NumeroChoisi;
        f.InstalleVue(TMainForm::Vue::Test);
        f.EditNivPanel->hide();
        f.PanelEdit->hide();
        f.SwapPanel->show();
        ensembleTeste_ = NivEdit.NomFichier;
        CommenceTest();
    });
}

// The level as stored, the ball active, an empty log.
void TEditeur::CommenceTest() {
    test_.Charge(f.Jeu(), NivEdit);
    f.AfficheNiveau(test_.Niveau(), true, true, false);
    MajAnnulerTest();
}

void TEditeur::ChangeTest() {
    f.JoueGeste(test_, Geste{true}, [this](const TResultatCoup&) { MajAnnulerTest(); });
}

void TEditeur::KeyDownTest(uint16_t code) {
    f.JoueGeste(test_, InterpreteTouche(f.Touches, code), [this](const TResultatCoup& r) {
        if (!r.change && r.resolu) {
            f.GestionClavier = TMainForm::Clavier::Aucun;
            Commande(&f, [this] {
                TSoluce lecteur;
                lecteur.NomFichier = ensembleTeste_;
                LitIndex(f.Jeu(), lecteur, NumeroNiveau(test_.Niveau()));
                const uint16_t avant = lecteur.Index.NbCodes;
                test_.EnregistreSolution(f.Jeu(), ensembleTeste_);
                Information(&f, MessageResolu(test_.Journal().NbCodes, avant));
            });
        }
        MajAnnulerTest();
    });
}

void TEditeur::AnnulerTestClick() {
    if (f.GestionClavier == TMainForm::Clavier::Test && test_.Annule()) {
        f.Peintre().Dessine(test_.Niveau());
        f.DessineActif(test_.Boule());
    }
    MajAnnulerTest();
}

void TEditeur::MajAnnulerTest() {
    AnnulerTest->setEnabled(f.GestionClavier == TMainForm::Clavier::Test && test_.PeutAnnuler());
}

void TEditeur::Recommencer1Click() {
    Commande(&f, [this] { CommenceTest(); });
}

void TEditeur::Stopperletest1Click() {
    f.GestionClavier = TMainForm::Clavier::Aucun;
    f.InstalleVue(TMainForm::Vue::Editeur);
    f.PanelEdit->show();
    f.SwapPanel->hide();
    f.LabelLevel->clear();
    Commande(&f, [this] { CompteNiveaux(f.Jeu(), NivEdit, true); });
    f.Peintre().DessineFond();
    AfficheOuSuisJe();
}

} // namespace zorvane
