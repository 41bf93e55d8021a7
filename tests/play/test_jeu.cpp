// The play flow without a window: sets written as text boards, played by scripts of moves,
// and the solutions they leave on disk replayed on their levels.
#include "DossierTemporaire.h"
#include "Erreur.h"
#include "Jeu.h"
#include "NiveauFichier.h"

#include <gtest/gtest.h>

#include <optional>

using namespace zorvane;
using zorvane::test::DossierTemporaire;
using zorvane::test::EcritEnsemble;
using zorvane::test::Plateau;

namespace {

using Niveaux = std::vector<std::vector<std::string>>;

// Two levels solved by the ball moving right; the first also by down, up, right (longer).
const std::vector<std::string> Court = {"o..*", "", "x"};
const std::vector<std::string> Suivant = {"o...*", "", "x"};

// Plays a script as the play view does: h b g d move up, down, left, right; c switches; a
// undoes; r restarts; n starts a new game on the set. A solved level moves on at once.
void JoueScript(TJeu& jeu, const std::string& ensemble, const std::string& script) {
    for (char c : script) {
        std::optional<TResultatCoup> r;
        switch (c) {
        case 'h':
            r = jeu.Joue(0, -1);
            break;
        case 'b':
            r = jeu.Joue(0, 1);
            break;
        case 'g':
            r = jeu.Joue(-1, 0);
            break;
        case 'd':
            r = jeu.Joue(1, 0);
            break;
        case 'c':
            r = jeu.Change();
            break;
        case 'a':
            jeu.Annule();
            break;
        case 'r':
            jeu.Recommence();
            break;
        case 'n':
            jeu.Nouvelle(ensemble);
            break;
        }
        if (r && r->resolu && !jeu.FinitNiveau())
            jeu.ChargeNiveau();
    }
}

// The stored solution of a level, replayed on it as the solution player does: how many codes
// it holds, or nullopt when it does not solve the level.
std::optional<int> RejoueSolution(const fs::path& dossier, const std::string& ensemble,
                                  int32_t numero) {
    TSoluce s;
    s.NomFichier = ensemble;
    if (!LitIndex(dossier, s, numero))
        return 0;
    OuvreSoluce(dossier, s);
    TNiveau niveau;
    niveau.NomFichier = ensemble;
    niveau.Numero = numero;
    LitNiveau(dossier, niveau);
    TNiveauEnJeu enJeu;
    enJeu.Commence(niveau);
    while (!NiveauFini(enJeu.Niveau())) {
        const int code = CoupSuivant(s);
        if (code == CoupFin)
            return std::nullopt;
        if (code == CoupChangement)
            enJeu.Change();
        else if (!enJeu.Joue(DirectionsDesCoups[code].dx, DirectionsDesCoups[code].dy).bouge)
            return std::nullopt;
    }
    return int(s.Index.NbCodes);
}

struct Cas {
    const char* nom;
    Niveaux niveaux;
    std::string script;
    int32_t niveauFinal;           // the level number in play at the end
    std::vector<int> codesStockes; // per level: the stored solution's codes, 0 for none
};

const Cas Parcours[] = {
    {"resoutPuisNiveauSuivant", {Court, Suivant}, "nd", 2, {2, 0}},
    {"finDeLEnsemble", {Court, Suivant}, "ndd", 3, {2, 2}},
    {"solutionLongue", {Court}, "nbhd", 2, {4}},
    {"plusCourteRemplaceLaLongue", {Court}, "nbhdnd", 2, {2}},
    {"plusLongueNeRemplacePas", {Court}, "ndnbhd", 2, {2}},
    {"recommencerVideLeJournal", {Court}, "nbhrd", 2, {2}},
    {"annulerPuisResoudre", {Court}, "nbhaad", 2, {2}},
    {"annulerRetireLeCodeDuJournal", {Court}, "nbdahd", 2, {4}},
    {"annulerAuDelaDuDebut", {Court}, "nbaaaad", 2, {2}},
    // Undoing the switch gives the move to the ball: the square would slide away instead.
    {"annulerUnChangement", {Court}, "ncad", 2, {2}},
    {"deuxChangementsSAnnulent", {Court}, "nccd", 2, {2}},
    // After the square moved, the switch back is logged before the ball's move.
    {"changementDansLaSolution", {{"o..*", "x"}}, "ncdcbhd", 2, {7}},
    {"annulerNeRevientPasSurUnNiveauResolu", {Court, Suivant}, "nda", 2, {2, 0}},
};

class ParcoursDeJeu : public testing::TestWithParam<Cas> {};

TEST_P(ParcoursDeJeu, NiveauxEtSolutionsStockees) {
    const Cas& cas = GetParam();
    DossierTemporaire d;
    EcritEnsemble(d, "SET", cas.niveaux);
    TJeu jeu(d.chemin());
    JoueScript(jeu, "SET", cas.script);
    EXPECT_EQ(NumeroNiveau(jeu.Niveau()), cas.niveauFinal);
    EXPECT_EQ(jeu.FinDEnsemble(), cas.niveauFinal > int32_t(cas.niveaux.size()));
    EXPECT_EQ(NiveauPartie(jeu.Partie()), cas.niveauFinal);
    for (std::size_t i = 0; i < cas.codesStockes.size(); ++i) {
        SCOPED_TRACE("niveau " + std::to_string(i + 1));
        EXPECT_EQ(RejoueSolution(d, "SET", int32_t(i + 1)), cas.codesStockes[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(Jeu, ParcoursDeJeu, testing::ValuesIn(Parcours),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST(Jeu, NouvellePartieAuNiveauUn) {
    DossierTemporaire d;
    EcritEnsemble(d, "SET", {Court, Suivant});
    TJeu jeu(d.chemin());
    EXPECT_FALSE(jeu.EnCours());
    jeu.Nouvelle("SET");
    EXPECT_TRUE(jeu.EnCours());
    EXPECT_EQ(NumeroNiveau(jeu.Niveau()), 1);
    EXPECT_EQ(NombreNiveaux(jeu.Niveau()), 2);
    EXPECT_EQ(jeu.Niveau().Grille, Plateau(Court).Grille);
    EXPECT_TRUE(jeu.Boule());
    EXPECT_FALSE(jeu.PeutAnnuler());
    EXPECT_EQ(RangPartie(jeu.Partie()), -1);
    EXPECT_EQ(EnsemblePartie(jeu.Partie()), "SET");
}

TEST(Jeu, RecommencerRemetLeNiveauDuFichier) {
    const std::vector<std::string> plateau = {"o.*.#*", "", "x"};
    DossierTemporaire d;
    EcritEnsemble(d, "SET", {plateau});
    TJeu jeu(d.chemin());
    jeu.Nouvelle("SET");
    jeu.Change();
    jeu.Joue(1, 0);
    jeu.Change();
    jeu.Joue(1, 0);
    ASSERT_EQ(jeu.Niveau().NbZelmites, 1);
    jeu.Recommence();
    EXPECT_EQ(jeu.Niveau().Grille, Plateau(plateau).Grille);
    EXPECT_EQ(jeu.Niveau().NbZelmites, 2);
    EXPECT_TRUE(jeu.Boule());
    EXPECT_FALSE(jeu.PeutAnnuler());
    EXPECT_EQ(jeu.Journal().NbCodes + jeu.Journal().Attente.size(), 0u);
    EXPECT_FALSE(jeu.Journal().ChangementEnAttente);
}

TEST(Jeu, AnnulerRendLEtatDAvantLeCoup) {
    DossierTemporaire d;
    EcritEnsemble(d, "SET", {{"o.*.*.#", "", "x", "", "*"}});
    TJeu jeu(d.chemin());
    jeu.Nouvelle("SET");
    const TNiveau depart = jeu.Niveau();
    jeu.Joue(1, 0); // two gems taken
    const TNiveau apresUn = jeu.Niveau();
    jeu.Change();
    jeu.Joue(0, 1); // the square moves down
    ASSERT_TRUE(jeu.Annule());
    EXPECT_EQ(jeu.Niveau(), apresUn);
    EXPECT_FALSE(jeu.Boule());
    ASSERT_TRUE(jeu.Annule());
    EXPECT_TRUE(jeu.Boule());
    ASSERT_TRUE(jeu.Annule());
    EXPECT_EQ(jeu.Niveau(), depart);
    EXPECT_FALSE(jeu.PeutAnnuler());
    EXPECT_FALSE(jeu.Annule());
}

TEST(Jeu, EnsembleEndommage) {
    DossierTemporaire d;
    EcritEnsemble(d, "BAD", {Court});
    std::vector<uint8_t> niv = d.lit("niveaux/BAD.niv");
    niv[48] = 40; // the ball outside the board
    d.ecrit("niveaux/BAD.niv", niv);
    TJeu jeu(d.chemin());
    EXPECT_THROW(jeu.Nouvelle("BAD"), ErreurES);
    EXPECT_FALSE(jeu.EnCours());
    EXPECT_THROW(jeu.Nouvelle("ABSENT"), ErreurES);
    EXPECT_FALSE(jeu.EnCours());
}

TEST(Jeu, NiveauSuivantEndommageGardeLeNumero) {
    DossierTemporaire d;
    EcritEnsemble(d, "SET", {Court, Suivant});
    std::vector<uint8_t> niv = d.lit("niveaux/SET.niv");
    niv[52 + 48] = 40; // level 2 damaged
    d.ecrit("niveaux/SET.niv", niv);
    TJeu jeu(d.chemin());
    jeu.Nouvelle("SET");
    jeu.Joue(1, 0);
    EXPECT_FALSE(jeu.FinitNiveau());
    EXPECT_THROW(jeu.ChargeNiveau(), ErreurES);
    EXPECT_EQ(NumeroNiveau(jeu.Niveau()), 2);
    EXPECT_EQ(NiveauPartie(jeu.Partie()), 2);
}

TEST(Jeu, ReprendUnePartie) {
    DossierTemporaire d;
    EcritEnsemble(d, "SET", {Court, Suivant});
    TJeu jeu(d.chemin());
    TPartie partie;
    FixeEnsemble(partie, "SET");
    FixeNiveau(partie, 2);
    jeu.Reprend(partie);
    EXPECT_FALSE(jeu.FinDEnsemble());
    jeu.ChargeNiveau();
    EXPECT_EQ(jeu.Niveau().Grille, Plateau(Suivant).Grille);

    FixeNiveau(partie, 3); // a finished set
    jeu.Reprend(partie);
    EXPECT_TRUE(jeu.FinDEnsemble());

    FixeNiveau(partie, 1);
    FixeEnsemble(partie, "ABSENT");
    EXPECT_THROW(jeu.Reprend(partie), ErreurES);
    EXPECT_EQ(EnsemblePartie(jeu.Partie()), "SET"); // the game in progress is kept
    partie.NiveauAJouer = "0";
    FixeEnsemble(partie, "SET");
    EXPECT_THROW(jeu.Reprend(partie), ErreurES);
}

// What one move returns: where the piece went and the gems it took, with the grid complete.
struct CasCoup {
    const char* nom;
    std::vector<std::string> plateau;
    bool boule;
    int8_t dx, dy;
    bool bouge;
    TPosition arrivee;
    std::vector<TPosition> zelmites;
};

const CasCoup Coups[] = {
    {"bouleTraverseTroisZelmites",
     {"o*.**#", "x", "*"},
     true,
     1,
     0,
     true,
     {4, 0},
     {{1, 0}, {3, 0}, {4, 0}}},
    {"bouleContreUnMur", {"o#", "x", "*"}, true, 1, 0, false, {0, 0}, {}},
    {"carreSArreteDevantUneZelmite", {"x..*", "o"}, false, 1, 0, true, {2, 0}, {}},
    {"carreContreUneZelmite", {"x*", "o"}, false, 1, 0, false, {0, 0}, {}},
    {"pasDePoussee", {"ox*"}, true, 1, 0, false, {0, 0}, {}},
    {"bordDuPlateau", {"", "o", "x*"}, true, -1, 0, false, {0, 1}, {}},
};

class UnCoup : public testing::TestWithParam<CasCoup> {};

TEST_P(UnCoup, ResultatEtGrille) {
    const CasCoup& c = GetParam();
    TNiveauEnJeu enJeu;
    enJeu.Commence(Plateau(c.plateau));
    if (!c.boule)
        enJeu.Change();
    const TResultatCoup r = enJeu.Joue(c.dx, c.dy);
    EXPECT_EQ(r.bouge, c.bouge);
    EXPECT_EQ(r.boule, c.boule);
    EXPECT_EQ(r.arrivee, c.arrivee);
    EXPECT_EQ(r.zelmites, c.zelmites);
    EXPECT_FALSE(r.resolu);
    const TNiveau& n = enJeu.Niveau();
    EXPECT_EQ(LitCase(n, c.arrivee.x, c.arrivee.y), c.boule ? CaseBoule : CaseCarre);
    for (TPosition z : c.zelmites)
        EXPECT_EQ(LitCase(n, z.x, z.y), z == c.arrivee ? CaseBoule : CaseVide);
    int pieces = 0;
    for (char k : n.Grille)
        pieces += k == CaseBoule || k == CaseCarre;
    EXPECT_EQ(pieces, 2);
    EXPECT_EQ(enJeu.PeutAnnuler(), c.bouge || !c.boule);
}

INSTANTIATE_TEST_SUITE_P(Jeu, UnCoup, testing::ValuesIn(Coups),
                         [](const auto& info) { return std::string(info.param.nom); });

} // namespace
