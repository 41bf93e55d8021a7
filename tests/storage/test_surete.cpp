// A write that fails halfway (a full disk) through an operation that moves the rest of a file:
// every file of the game's folder must stay as it was, with no temporary file left beside it.
// A command that changes several files of a set changes all of them or none.
#include "CommandesNiveau.h"
#include "DossierTemporaire.h"
#include "Ensemble.h"
#include "Erreur.h"
#include "FPlayer.h"
#include "LimiteTailleFichier.h"
#include "NiveauFichier.h"
#include "Octets.h"
#include "Soluce.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace zorvane;
using zorvane::test::DossierTemporaire;
using zorvane::test::LimiteTailleFichier;

namespace {

using Octets = std::vector<uint8_t>;
using Contenu = std::map<std::string, Octets>; // every file of the folder, by relative path

Contenu Photo(const DossierTemporaire& d) {
    Contenu contenu;
    for (const auto& e : fs::recursive_directory_iterator(d.chemin()))
        if (e.is_regular_file()) {
            const std::string relatif = fs::relative(e.path(), d.chemin()).generic_string();
            contenu[relatif] = d.lit(relatif);
        }
    return contenu;
}

// What changed between two photos, one line per file: readable when a case fails.
std::vector<std::string> Differences(const Contenu& avant, const Contenu& apres) {
    std::vector<std::string> lignes;
    for (const auto& [nom, octets] : avant) {
        const auto it = apres.find(nom);
        if (it == apres.end())
            lignes.push_back(nom + " removed");
        else if (it->second != octets)
            lignes.push_back(nom + " changed: " + std::to_string(octets.size()) + " -> " +
                             std::to_string(it->second.size()) + " bytes");
    }
    for (const auto& [nom, octets] : apres)
        if (!avant.count(nom))
            lignes.push_back(nom + " appeared: " + std::to_string(octets.size()) + " bytes");
    return lignes;
}

// nb levels, each with its ball somewhere else so that every record differs.
void Niveaux(const DossierTemporaire& d, int nb) {
    Octets niv;
    for (int i = 0; i < nb; ++i) {
        TNiveau n;
        EcritCase(n, uint8_t(i % NbColonnes), uint8_t(i / NbColonnes % NbLignes), CaseBoule);
        const TNiveauFichier r = EncodeNiveau(n);
        niv.insert(niv.end(), r.begin(), r.end());
    }
    d.ecrit("niveaux/SET.niv", niv);
}

// nb levels, the first `resolus` of them with a solution of 200 codes (50 bytes), stored in level
// order. The others' records have no solution, and an offset that a change still moves.
void Solutions(const DossierTemporaire& d, int nb, int resolus) {
    Octets ind, sol;
    for (int i = 0; i < nb; ++i) {
        uint8_t r[TailleIndexSoluce] = {};
        EcritLE32(r, uint32_t(50 * i));
        EcritLE16(r + 4, i < resolus ? 200 : 0);
        ind.insert(ind.end(), r, r + sizeof r);
        if (i < resolus)
            sol.insert(sol.end(), 50, uint8_t(i));
    }
    d.ecrit("niveaux/SET.ind", ind);
    d.ecrit("niveaux/SET.sol", sol);
}

// nb saved games, in name order.
void Parties(const DossierTemporaire& d, int nb) {
    Octets joueur;
    for (int i = 0; i < nb; ++i) {
        TPartie p;
        FixeJoueur(p, "J" + std::to_string(100 + i), "MDP");
        FixeNiveau(p, i + 1);
        FixeEnsemble(p, "SET");
        const TPartieFichier r = EncodePartie(p);
        joueur.insert(joueur.end(), r.begin(), r.end());
    }
    d.ecrit(FichierJoueur, joueur);
}

TNiveau Niveau(int32_t numero) {
    TNiveau n;
    n.NomFichier = "SET";
    n.Numero = numero;
    return n;
}

// A log of nbCodes codes: right and left in turn after the lead-in.
TJournal Journal(int nbCodes) {
    TJournal j;
    j.NomFichier = "SET";
    for (int i = 1; i < nbCodes; ++i)
        AjouteCoup(j, i % 2 ? 1 : -1, 0);
    return j;
}

TIndexSoluce Index(const DossierTemporaire& d, int32_t numero) {
    TSoluce s;
    s.NomFichier = "SET";
    LitIndex(d, s, numero);
    return s.Index;
}

TPartie Nouvelle(const std::string& nom) {
    TPartie p;
    FixeJoueur(p, nom, "MDP");
    FixeNiveau(p, 1);
    FixeEnsemble(p, "SET");
    return p;
}

struct Cas {
    const char* nom;
    std::function<void(const DossierTemporaire&)> prepare;
    std::function<void(const DossierTemporaire&)> operation;
    rlim_t limite; // bytes a file may reach before a write fails
};

const Cas TousLesCas[] = {
    // 200 levels: 10400 bytes, more than two buffers of 4096 after the erased one.
    {"EffaceNiveau", [](auto& d) { Niveaux(d, 200); }, [](auto& d) { EffaceNiveau(d, Niveau(2)); },
     6000},
    // The shorter block leaves a gap that the other 99 blocks (4950 bytes) close.
    {"EnregistreSoluce, .sol", [](auto& d) { Solutions(d, 100, 100); },
     [](auto& d) {
         TJournal j = Journal(100);
         EnregistreSoluce(d, j, 1, Index(d, 1));
     },
     3000},
    // A small .sol, but 600 index records (4800 bytes) whose offsets drop: the new .sol is
    // complete when the index fails, and must not be put in place alone.
    {"EnregistreSoluce, .ind", [](auto& d) { Solutions(d, 600, 2); },
     [](auto& d) {
         TJournal j = Journal(100);
         EnregistreSoluce(d, j, 1, Index(d, 1));
     },
     4500},
    {"SupprimeSoluce, .sol", [](auto& d) { Solutions(d, 100, 100); },
     [](auto& d) { SupprimeSoluce(d, "SET", 1, true); }, 3000},
    {"SupprimeSoluce, .ind", [](auto& d) { Solutions(d, 600, 2); },
     [](auto& d) { SupprimeSoluce(d, "SET", 1, true); }, 4500},
    {"RazSoluce", [](auto& d) { Solutions(d, 100, 100); },
     [](auto& d) { RazSoluce(d, "SET", true, 1); }, 3000},
    {"DecaleIndex", [](auto& d) { Solutions(d, 600, 2); },
     [](auto& d) { DecaleIndex(d, 0, 50, "SET"); }, 4500},
    // 60 games: 4920 bytes, more than two buffers of 2048 after the new first one.
    {"EcritPartie, insertion", [](auto& d) { Parties(d, 60); },
     [](auto& d) {
         TPartie p = Nouvelle("A");
         EcritPartie(d, p);
     },
     3000},
    {"EcritPartie, first game", [](auto&) {},
     [](auto& d) {
         TPartie p = Nouvelle("A");
         EcritPartie(d, p);
     },
     40},
    {"SupprimePartie", [](auto& d) { Parties(d, 60); }, [](auto& d) { SupprimePartie(d, 0); },
     3000},
};

TEST(PanneEnCoursDeRoute, AFailedWriteLeavesEveryFileAsItWas) {
    for (const Cas& cas : TousLesCas) {
        SCOPED_TRACE(cas.nom);
        DossierTemporaire d;
        cas.prepare(d);
        const Contenu avant = Photo(d);
        {
            LimiteTailleFichier limite(cas.limite);
            EXPECT_THROW(cas.operation(d), ErreurES);
        }
        EXPECT_EQ(Differences(avant, Photo(d)), std::vector<std::string>{});
        // The same operation without the failure does change the folder.
        cas.operation(d);
        EXPECT_NE(Differences(avant, Photo(d)), std::vector<std::string>{});
    }
}

// Commands that change several files of a set, on 100 levels of which the first 50 are solved.
struct CommandeEnsemble {
    const char* nom;
    std::function<void(const DossierTemporaire&)> operation;
};

void EnsembleComplet(const DossierTemporaire& d) {
    d.ecrit("niveaux/SET.des", Octets(TailleDescription, 7));
    Niveaux(d, 100);
    Solutions(d, 100, 50);
}

const CommandeEnsemble CommandesEnsemble[] = {
    {"SupprimeNiveau", [](auto& d) { SupprimeNiveau(d, Niveau(2)); }},
    {"EnregistreNiveau, new level", [](auto& d) { EnregistreNiveau(d, Niveau(101), false); }},
    {"EnregistreNiveau, changed level", [](auto& d) { EnregistreNiveau(d, Niveau(1), true); }},
    {"EnregistreSoluce",
     [](auto& d) {
         TJournal j = Journal(100);
         EnregistreSoluce(d, j, 1, Index(d, 1));
     }},
    {"SupprimeSoluce", [](auto& d) { SupprimeSoluce(d, "SET", 1, true); }},
    {"RazSoluce", [](auto& d) { RazSoluce(d, "SET", true, 1); }},
    {"EcrireDescription, new set",
     [](auto& d) {
         TNiveau n;
         EcrireDescription(d, n, "SET", "Un autre", "MDP", true);
     }},
    {"SupprimeEnsemble",
     [](auto& d) {
         TNiveau n = Niveau(1);
         SupprimeEnsemble(d, n, true);
     }},
};

// File size limits from nothing to past the largest file: fine steps where the marker and the
// small files fail, coarser ones through the large files.
std::vector<rlim_t> Limites(rlim_t plusGrand) {
    std::vector<rlim_t> limites;
    for (rlim_t l = 0; l < 400; l += 12)
        limites.push_back(l);
    for (rlim_t l = 400; l < plusGrand + 200; l += plusGrand / 12)
        limites.push_back(l);
    return limites;
}

TEST(PanneEnCoursDeRoute, ACommandOnASetChangesEveryFileOrNone) {
    for (const CommandeEnsemble& commande : CommandesEnsemble) {
        SCOPED_TRACE(commande.nom);
        DossierTemporaire temoin;
        EnsembleComplet(temoin);
        const Contenu avant = Photo(temoin);
        commande.operation(temoin);
        const Contenu apres = Photo(temoin);
        ASSERT_NE(avant, apres);
        std::size_t plusGrand = 0;
        for (const Contenu* c : {&avant, &apres})
            for (const auto& [nom, octets] : *c)
                plusGrand = std::max(plusGrand, octets.size());

        int echecs = 0;
        for (rlim_t limite : Limites(plusGrand)) {
            SCOPED_TRACE("limit " + std::to_string(limite));
            DossierTemporaire d;
            EnsembleComplet(d);
            bool echec = false;
            try {
                LimiteTailleFichier l(limite);
                commande.operation(d);
            } catch (const ErreurES&) {
                echec = true;
            }
            echecs += echec;
            EXPECT_EQ(Differences(echec ? avant : apres, Photo(d)), std::vector<std::string>{});
        }
        EXPECT_GT(echecs, 0); // the limits did make it fail, at several steps
    }
}

} // namespace
