// The check of the level as painted: the solver's answer in a box, the optimal solution
// replayed on the board, and offered to the level's index once the painting is stored.
#include "Editeur.h"
#include "ImageWidget.h"
#include "Messages.h"
#include "NiveauFichier.h"
#include "Soluce.h"
#include "Verification.h"

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QUndoStack>

namespace zorvane {

namespace {

bool MemePeinture(const TNiveau& a, const TNiveau& b) {
    return a.Grille == b.Grille;
}

QString Nombre(uint64_t n) {
    return QLocale(QLocale::French).toString(qulonglong(n));
}

QString Inaccessibles(const std::vector<int>& cases) {
    QStringList noms;
    for (int c : cases)
        noms << QString("colonne %1, ligne %2").arg(c % NbColonnes + 1).arg(c / NbColonnes + 1);
    return noms.join(" ; ");
}

} // namespace

QString TEditeur::CeQuiManque() const {
    QStringList manque;
    if (OutilRB[0]->isEnabled())
        manque << "la boule";
    if (OutilRB[1]->isEnabled())
        manque << "le carré";
    if (NivEdit.NbZelmites == 0)
        manque << "une zelmite";
    if (manque.size() > 1)
        return manque.mid(0, manque.size() - 1).join(", ") + " et " + manque.last();
    return manque.value(0);
}

bool TEditeur::PeintureEnregistree() const {
    return dansLeFichier_ && Historique->isClean();
}

const ResultatSolveur* TEditeur::ReponsePourPeinture() const {
    if (reponse_ && MemePeinture(reponse_->first, NivEdit))
        return &reponse_->second;
    return nullptr;
}

void TEditeur::VerifierClick() {
    if (NumeroNiveau(NivEdit) == 0)
        return;
    const QString manque = CeQuiManque();
    if (!manque.isEmpty()) {
        Information(fenetre_, "Ce niveau ne peut pas être vérifié : il manque " + manque + ".");
        return;
    }
    VerifLabel->setText("Vérification en cours...");
    AnnulerVerif->show();
    Verification->Lance(NivEdit);
}

void TEditeur::AnnuleVerification() {
    Verification->Annule();
    VerifLabel->clear();
    AnnulerVerif->hide();
}

void TEditeur::ReponseVerification(const TNiveau& n, const ResultatSolveur& r) {
    VerifLabel->clear();
    AnnulerVerif->hide();
    reponse_.emplace(n, r);
    const bool peintureCourante = ReponsePourPeinture() != nullptr;
    switch (r.verdict) {
    case VerdictSolveur::Resolu: {
        QString texte =
            QString("Ce niveau a une solution : %1 codes au plus court, soit %2 coup%3.")
                .arg(r.nbCodes)
                .arg(r.coups.size())
                .arg(r.coups.size() > 1 ? "s" : "");
        if (peintureCourante && PeintureEnregistree()) {
            Commande(fenetre_, [this] { OffreOptimum(); });
            texte += "\nElle est proposée comme solution du niveau.";
        } else if (peintureCourante) {
            texte += "\nElle sera proposée comme solution du niveau quand vous l'enregistrerez.";
        }
        QMessageBox boite(QMessageBox::Information, "Zorvane", texte, QMessageBox::NoButton,
                          fenetre_);
        QPushButton* voir = boite.addButton("Voir la solution", QMessageBox::AcceptRole);
        boite.addButton("OK", QMessageBox::RejectRole);
        boite.exec();
        if (boite.clickedButton() == voir)
            RegardeOptimum();
        break;
    }
    case VerdictSolveur::Insoluble: {
        QString texte = "Ce niveau n'a pas de solution.";
        if (!r.inaccessibles.empty())
            texte += "\nAucune suite de coups n'atteint les zelmites suivantes : " +
                     Inaccessibles(r.inaccessibles) + ".";
        Information(fenetre_, texte);
        break;
    }
    default:
        Information(fenetre_,
                    QString("Vérification abandonnée après %1 position%2 : ce niveau n'a "
                            "pas de solution de moins de %3 codes, mais il peut en avoir une "
                            "plus longue.")
                        .arg(Nombre(r.etatsMemorises))
                        .arg(r.etatsMemorises > 1 ? "s" : "")
                        .arg(r.borne));
    }
}

// The stored-solution path of a solved test: the index record read again, then stored only
// when the level has no solution or a longer one.
void TEditeur::OffreOptimum() {
    const ResultatSolveur* r = ReponsePourPeinture();
    if (!r || r->verdict != VerdictSolveur::Resolu || r->coups.empty())
        return;
    TJournal j = JournalDesCoups(r->coups, NivEdit.NomFichier);
    TSoluce lecteur;
    lecteur.NomFichier = NivEdit.NomFichier;
    LitIndex(hote_.Jeu(), lecteur, NumeroNiveau(NivEdit));
    EnregistreSoluce(hote_.Jeu(), j, NumeroNiveau(NivEdit), CopieIndex(lecteur));
}

// The optimal solution replayed with the solution player's controls; the eject gives the
// painting back as it was.
void TEditeur::RegardeOptimum() {
    if (!reponse_ || reponse_->second.verdict != VerdictSolveur::Resolu)
        return;
    const auto& [depart, r] = *reponse_;
    TJournal j = JournalDesCoups(r.coups, NivEdit.NomFichier);
    if (!j.Attente.empty())
        RangeOctet(j); // the replay reads packed bytes only
    TSoluce soluce;
    soluce.NomFichier = j.NomFichier;
    soluce.Octets = j.Octets;
    soluce.Index.NbCodes = j.NbCodes;
    CouperPeinture();
    PanelEdit->hide();
    EditNivPanel->hide();
    // The editor's commands wait for the eject; the help stays.
    for (QAction* a : {NiveauxMenu->menuAction(), EnsemblesMenu->menuAction()})
        a->setEnabled(false);
    hote_.RegardeSolution(depart, soluce, [this] {
        for (QAction* a : {NiveauxMenu->menuAction(), EnsemblesMenu->menuAction()})
            a->setEnabled(true);
        PanelEdit->show();
        EditNivPanel->show();
        AfficheEdit(NivEdit);
        ActivePeinture();
        fenetre_->setFocus();
    });
}

bool TEditeur::AccepteSansSolution() {
    const ResultatSolveur* r = ReponsePourPeinture();
    bool insoluble = r && r->verdict == VerdictSolveur::Insoluble;
    if (!r) {
        // No check of this painting yet: a short one, for this question only (only an explicit
        // check offers its optimum to the index).
        OptionsSolveur o = Verification->Options;
        o.dureeMax = std::chrono::seconds(1);
        try {
            insoluble = Resous(NivEdit, o).verdict == VerdictSolveur::Insoluble;
        } catch (const std::exception&) { // incomplete or out of memory: nothing known
        }
    }
    return !insoluble ||
           Confirmation(fenetre_,
                        "Ce niveau n'a pas de solution. Voulez-vous l'enregistrer quand même ?");
}

} // namespace zorvane
