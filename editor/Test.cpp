// The test view: a stored level of the open set played by keys; solved, its moves are offered
// as the level's solution.
#include "Editeur.h"
#include "Messages.h"
#include "NiveauFichier.h"
#include "NumeroNiv.h"
#include "Principal.h"
#include "Soluce.h"

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
        f.NivEdit.Numero = numero.NumeroChoisi;
        f.InstalleVue(TMainForm::Vue::Test);
        f.EditNivPanel->hide();
        f.PanelEdit->hide();
        f.SwapPanel->show();
        f.JournalTest.NomFichier = f.NivEdit.NomFichier;
        ViderJournal(f.JournalTest);
        f.AfficheNiveau(f.NivEdit, true, true, f.ActifTest, false);
    });
}

void TEditeur::ChangeTest() {
    if (f.EffetsSonores())
        f.JoueSon("slotclck.wav", 2);
    f.ChangeControl(f.ActifTest);
    AjouteCoup(f.JournalTest, 0, 0);
}

void TEditeur::KeyDownTest(uint16_t code) {
    const Geste g = InterpreteTouche(f.Touches, code);
    if (g.change) {
        ChangeTest();
        return;
    }
    const TPosition depart = f.ActifTest ? f.NivEdit.PosBoule : f.NivEdit.PosCarre;
    if (Deplace(f.NivEdit, f.ActifTest, g.dx, g.dy)) {
        AjouteCoup(f.JournalTest, g.dx, g.dy);
        f.Bouge(depart.x * TailleCase, depart.y * TailleCase, g.dx, g.dy, f.NivEdit, f.ActifTest);
    }
    if (NiveauFini(f.NivEdit)) {
        f.GestionClavier = TMainForm::Clavier::Aucun;
        Commande(&f, [this] {
            TSoluce lecteur;
            lecteur.NomFichier = f.JournalTest.NomFichier;
            LitIndex(f.Jeu(), lecteur, NumeroNiveau(f.NivEdit));
            const TIndexSoluce avant = CopieIndex(lecteur);
            EnregistreSoluce(f.Jeu(), f.JournalTest, NumeroNiveau(f.NivEdit), avant);
            Information(&f, MessageResolu(f.JournalTest.NbCodes, avant.NbCodes));
        });
    }
}

void TEditeur::Recommencer1Click() {
    Commande(&f, [this] {
        ViderJournal(f.JournalTest);
        f.AfficheNiveau(f.NivEdit, true, true, f.ActifTest, false);
    });
}

void TEditeur::Stopperletest1Click() {
    f.GestionClavier = TMainForm::Clavier::Aucun;
    f.InstalleVue(TMainForm::Vue::Editeur);
    f.PanelEdit->show();
    f.SwapPanel->hide();
    f.LabelLevel->clear();
    Commande(&f, [this] { CompteNiveaux(f.Jeu(), f.NivEdit, true); });
    f.DessineFond();
    AfficheOuSuisJe();
}

} // namespace zorvane
