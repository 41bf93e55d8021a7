// A* over the states in which the ball has just moved (or nothing has moved yet): the pieces and
// the remaining gems. From such a state the next step is either one ball move (1 code), or a
// change to the square, k square moves along a shortest path, a change back and one ball move
// (k + 3 codes). Stepping through the square's moves inside the expansion keeps the states where
// the square is active out of the table.
//
// A square detour is generated only when the ball move after it depends on it: when the ball
// would stop elsewhere with the square where it was, or when the detour could not be replayed
// the same way after the ball's move. Otherwise the ball move can go first at no higher cost
// (a change of piece is then saved or moved later), so some optimal solution survives.
#pragma once

#include "Limites.h"
#include "Plateau.h"
#include "Relaxation.h"
#include "Solveur.h"
#include "TableEtats.h"
#include "TempsFil.h"

#include <algorithm>
#include <bit>

namespace zorvane::solveur {

template <int W> class Recherche {
  public:
    // debut: the thread's processor time (TempsFil) when the solving began, for the time limit.
    Recherche(const Plateau& p, const Relaxation& r, const OptionsSolveur& o, double debut)
        : p_(p), r_(r), debut_(debut), options_(o), cumul_(NbCases * 4), glissades_(NbCases * 4) {
        for (int c = 0; c < NbCases; ++c)
            for (int d = 0; d < 4; ++d) {
                Cle<W> m{};
                Cases cases{};
                Marque(cases, c);
                const Rayon& ray = p.rayon(c, d);
                for (int j = 0; j < ray.longueur; ++j) {
                    const int z = p.zelmite(ray.cases[j]);
                    if (z >= 0)
                        Pose(m, z);
                    cumul_[c * 4 + d][j] = m;
                    Marque(cases, ray.cases[j]);
                    glissades_[c * 4 + d][j] = cases;
                }
            }
    }

    ResultatSolveur Lance() {
        ResultatSolveur res;
        Cle<W> depart{};
        for (int z = 0; z < p_.nbZelmites(); ++z)
            Pose(depart, z);
        depart = AvecPieces(depart, p_.boule(), p_.carre());
        if (Fini(depart)) { // nothing to collect: solved without a move
            res.verdict = VerdictSolveur::Resolu;
            return res;
        }
        const int h0 = Estime(depart);
        // Beyond this the tables grow as they need.
        table_.reserve(std::min<uint64_t>(options_.etatsMax + 1, uint64_t(1) << 25));
        table_.ajoute(depart, 1, uint8_t(h0), TableEtats<W>::Aucun);
        if (h0 != Infini)
            Pousse({0, 1}, 1 + h0, h0);
        else
            res.inaccessibles = Inaccessibles();
        res.verdict = VerdictSolveur::Insoluble;
        for (std::size_t f = 0; f < ouverts_.size(); ++f) {
            res.borne = int(f);
            if (!ouverts_[f].empty())
                Signale(f);
            for (std::size_t h = 0; h < ouverts_[f].size();) {
                auto& seau = ouverts_[f][h];
                if (seau.empty()) {
                    ++h;
                    continue;
                }
                const Entree e = seau.back();
                seau.pop_back();
                if (table_.cout(e.etat) != e.cout)
                    continue; // reached more cheaply since it was pushed
                res.etatsDeveloppes++;
                if (Fini(table_.cle(e.etat))) {
                    res.verdict = VerdictSolveur::Resolu;
                    res.nbCodes = e.cout;
                    res.coups = Chemin(e.etat);
                    break;
                }
                if (table_.taille() >= options_.etatsMax || TempsEcoule(res.etatsDeveloppes)) {
                    res.verdict = VerdictSolveur::Abandon;
                    break;
                }
                if (Annule()) {
                    res.verdict = VerdictSolveur::Annule;
                    break;
                }
                if (res.etatsDeveloppes % (1 << 18) == 0)
                    Signale(f);
                Developpe(e.etat, int(f), h);
            }
            if (res.verdict != VerdictSolveur::Insoluble)
                break;
            std::vector<std::vector<Entree>>().swap(ouverts_[f]);
        }
        res.etatsMemorises = table_.taille();
        return res;
    }

  private:
    bool Annule() const { return Annulee(options_); }

    void Signale(std::size_t f) const {
        if (options_.progression)
            options_.progression({int(f), table_.taille()});
    }

    // The gems that the relaxed game never crosses from the start: no real game can either.
    std::vector<int> Inaccessibles() const {
        std::vector<int> cases;
        for (int z = 0; z < p_.nbZelmites(); ++z)
            if (r_.Distance(z, p_.boule(), p_.carre()) == Infini)
                cases.push_back(p_.caseZelmite(z));
        return cases;
    }

    // Checked every 4096 expansions: reading the clock costs more than an expansion.
    bool TempsEcoule(uint64_t developpes) const {
        return developpes % 4096 == 0 && TempsDepasse(options_, debut_);
    }

    static void Pose(Cle<W>& c, int z) {
        const int bit = z + DecalageZelmites;
        c[bit / 64] |= uint64_t(1) << (bit % 64);
    }
    static int Boule(const Cle<W>& c) { return int(c[0] & 0xFF); }
    static int Carre(const Cle<W>& c) { return int(c[0] >> 8 & 0xFF); }
    static Cle<W> AvecPieces(Cle<W> c, int boule, int carre) {
        c[0] = (c[0] & ~uint64_t(0xFFFF)) | uint64_t(boule) | uint64_t(carre) << 8;
        return c;
    }
    static Cle<W> SansZelmites(Cle<W> c, const Cle<W>& prises) {
        for (int m = 0; m < W; ++m)
            c[m] &= ~prises[m];
        return c;
    }
    static bool Fini(const Cle<W>& c) {
        if (c[0] >> DecalageZelmites)
            return false;
        for (int m = 1; m < W; ++m)
            if (c[m])
                return false;
        return true;
    }

    struct Entree {
        uint32_t etat;
        uint16_t cout; // the state's codes when pushed: a cheaper route since makes it stale
    };

    int Estime(const Cle<W>& c) const { return r_.Estime(Boule(c), Carre(c), c.data(), W); }

    void Pousse(Entree e, int f, int h) {
        if (ouverts_.size() <= std::size_t(f))
            ouverts_.resize(f + 1);
        if (ouverts_[f].size() <= std::size_t(h))
            ouverts_[f].resize(h + 1);
        ouverts_[f][h].push_back(e);
    }

    // Stores the successors of state i, popped at level f, and pushes the new or cheaper ones.
    // A successor's bound is at least the parent's minus the step (the parent's bound still
    // holds), and one that falls below the current level is pushed at this level: the search
    // never goes back, and a goal is never popped below its cost. h moves back when a successor
    // lands at this level with a smaller bound.
    void Developpe(uint32_t i, int f, std::size_t& h) {
        const int g = table_.cout(i);
        const int hi = table_.estimation(i);
        const Cle<W> cle = table_.cle(i);
        suivants_.clear();
        Developpe(cle, [&](const Cle<W>& suivant, int cout, int, int) {
            const uint64_t hache = TableEtats<W>::Hache(suivant);
            table_.precharge(hache);
            suivants_.push_back({suivant, hache, cout});
        });
        // New states are stored first and estimated afterwards, their bounds' tables prefetched
        // meanwhile; a state met twice in one expansion is new from its index.
        const uint32_t premierNouveau = uint32_t(table_.taille());
        for (const Suivant& s : suivants_) {
            const int gs = g + s.cout;
            uint32_t j = table_.cherche(s.cle, s.hache);
            if (j == TableEtats<W>::Aucun) {
                j = table_.ajoute(s.cle, uint16_t(gs), 0, i);
                r_.Precharge(Boule(s.cle), Carre(s.cle), s.cle.data(), W);
                continue;
            }
            if (table_.cout(j) <= gs)
                continue;
            table_.ameliore(j, uint16_t(gs), i);
            const int hs = table_.estimation(j);
            if (j >= premierNouveau || hs == Infini)
                continue; // estimated and pushed below, or dead
            Pousse({j, uint16_t(gs)}, std::max(gs + hs, f), hs);
            if (gs + hs <= f && std::size_t(hs) < h)
                h = hs;
        }
        for (uint32_t j = premierNouveau; j < table_.taille(); ++j) {
            int hs = Estime(table_.cle(j));
            const int gs = table_.cout(j);
            if (hs != Infini)
                hs = std::max(hs, hi - (gs - g)); // the parent's bound still holds
            table_.estime(j, uint8_t(hs));
            if (hs == Infini)
                continue; // kept so that it is not estimated again
            Pousse({j, uint16_t(gs)}, std::max(gs + hs, f), hs);
            if (gs + hs <= f && std::size_t(hs) < h)
                h = hs;
        }
    }

    // The ball's slide: the number of cells it travels (0: it cannot move).
    int GlisseBoule(int b, int s, int d) const {
        const Rayon& r = p_.rayon(b, d);
        const int rang = Plateau::RangSurRayon(b, d, s, r.longueur);
        return rang >= 0 ? rang : r.longueur;
    }

    // What stops the square besides walls: the ball and the gems left, one bit per cell of each
    // row and of each column.
    struct Obstacles {
        std::array<uint16_t, NbLignes> lignes{};
        std::array<uint16_t, NbColonnes> colonnes{};
        void bascule(int c) {
            lignes[LigneDe(c)] ^= uint16_t(1u << ColonneDe(c));
            colonnes[ColonneDe(c)] ^= uint16_t(1u << LigneDe(c));
        }
    };

    Obstacles ObstaclesDe(int b, const Cle<W>& c) const {
        Obstacles o;
        o.bascule(b);
        for (int m = 0; m < W; ++m) {
            uint64_t mot = m == 0 ? c[0] >> DecalageZelmites : c[m];
            const int base = m == 0 ? 0 : 64 * m - DecalageZelmites;
            for (; mot; mot &= mot - 1)
                o.bascule(p_.caseZelmite(base + std::countr_zero(mot)));
        }
        return o;
    }

    // The cells the square travels: up to the nearest obstacle of its row or column in the
    // direction, or to the wall that ends the ray.
    int PasCarre(int s, const Obstacles& o, int d) const {
        const int x = ColonneDe(s), y = LigneDe(s);
        uint32_t devant;
        int libres;
        switch (d) {
        case 0:
            devant = o.colonnes[x] & ((1u << y) - 1);
            libres = devant ? y - 1 - (31 - std::countl_zero(devant)) : y;
            break;
        case 1:
            devant = uint32_t(o.colonnes[x]) >> (y + 1);
            libres = devant ? std::countr_zero(devant) : NbLignes;
            break;
        case 2:
            devant = o.lignes[y] & ((1u << x) - 1);
            libres = devant ? x - 1 - (31 - std::countl_zero(devant)) : x;
            break;
        default:
            devant = uint32_t(o.lignes[y]) >> (x + 1);
            libres = devant ? std::countr_zero(devant) : NbColonnes;
            break;
        }
        return std::min<int>(libres, p_.rayon(s, d).longueur);
    }

    // The square's arrival, or -1 when it cannot move.
    int GlisseCarre(int s, const Obstacles& o, int d) const {
        const int k = PasCarre(s, o, d);
        return k ? p_.rayon(s, d).cases[k - 1] : -1;
    }

    // Every square cell reachable with the ball and the gems where they are, by a shortest path.
    void ParcoursCarre(int s, const Obstacles& o) {
        distance_.fill(-1);
        distance_[s] = 0;
        passe_[s] = {};
        arret_[s] = {};
        nbFile_ = 0;
        file_[nbFile_++] = uint8_t(s);
        for (int t = 0; t < nbFile_; ++t) {
            const int x = file_[t];
            for (int d = 0; d < 4; ++d) {
                const int k = PasCarre(x, o, d);
                const Rayon& r = p_.rayon(x, d);
                const int y = k ? r.cases[k - 1] : -1;
                if (y < 0 || distance_[y] >= 0)
                    continue;
                distance_[y] = int16_t(distance_[x] + 1);
                direction_[y] = int8_t(d);
                // The cells of this slide, and what stopped it unless a wall did.
                const Cases& glissade = glissades_[x * 4 + d][k - 1];
                for (std::size_t m = 0; m < glissade.size(); ++m)
                    passe_[y][m] = passe_[x][m] | glissade[m];
                arret_[y] = arret_[x];
                if (k < r.longueur)
                    Marque(arret_[y], r.cases[k]);
                precedente_[y] = uint8_t(x);
                file_[nbFile_++] = uint8_t(y);
            }
        }
    }

    // The directions of the square's path to `arrivee`, found by the last ParcoursCarre.
    int CheminCarre(int depart, int arrivee, std::array<int8_t, NbCases>& dirs) const {
        const int k = distance_[arrivee];
        for (int x = arrivee, m = k; x != depart; x = precedente_[x])
            dirs[--m] = direction_[x];
        return k;
    }

    // f(next key, codes, square's arrival or -1 for a lone ball move, ball direction)
    template <class F> void Developpe(const Cle<W>& c, F&& f) {
        const int b = Boule(c);
        const int s = Carre(c);
        std::array<int, 4> arriveeSeule{};
        for (int d = 0; d < 4; ++d) {
            const int k = GlisseBoule(b, s, d);
            arriveeSeule[d] = k ? p_.rayon(b, d).cases[k - 1] : -1;
            if (k)
                f(AvecPieces(SansZelmites(c, cumul_[b * 4 + d][k - 1]), arriveeSeule[d], s), 1, -1,
                  d);
        }
        const Obstacles avant = ObstaclesDe(b, c);
        ParcoursCarre(s, avant);
        // The obstacles after each lone ball move, made when a detour must be replayed.
        std::array<Obstacles, 4> apres;
        std::array<bool, 4> apresFaits{};
        std::array<int8_t, NbCases> dirs;
        for (int t = 1; t < nbFile_; ++t) {
            const int sn = file_[t];
            int longueur = -1; // the detour's directions, read once when needed
            for (int d = 0; d < 4; ++d) {
                const int k = GlisseBoule(b, sn, d);
                if (!k)
                    continue;
                const int arrivee = p_.rayon(b, d).cases[k - 1];
                const Cle<W> cle = SansZelmites(c, cumul_[b * 4 + d][k - 1]);
                if (arrivee == arriveeSeule[d] && !Touche(sn, b, d, k, arrivee))
                    continue; // the ball can go first, the detour replays the same
                if (arrivee == arriveeSeule[d]) {
                    if (!apresFaits[d]) {
                        apres[d] = ObstaclesDe(arrivee, cle);
                        apresFaits[d] = true;
                    }
                    if (longueur < 0)
                        longueur = CheminCarre(s, sn, dirs);
                    if (Rejoue(s, sn, apres[d], dirs, longueur))
                        continue;
                }
                f(AvecPieces(cle, arrivee, sn), distance_[sn] + 3, sn, d);
            }
        }
    }

    // Whether the ball's slide of k cells from b in direction d can change the square's path to
    // sn, found by the last ParcoursCarre. The slide leaves its start and the gems it takes empty,
    // which matters where they stopped the square, and it fills its arrival, which matters where
    // the square went through. The cells it crosses stay as they were. If not, the path replays
    // the same after the slide.
    bool Touche(int sn, int b, int d, int k, int arrivee) const {
        if (Contient(passe_[sn], arrivee))
            return true;
        const Cases& glissade = glissades_[b * 4 + d][k - 1];
        bool touche = false;
        for (std::size_t m = 0; m < glissade.size(); ++m)
            touche |= (glissade[m] & arret_[sn][m]) != 0;
        return touche;
    }

    // Whether the square's path, played among the obstacles o, still leads from s to sn.
    bool Rejoue(int s, int sn, const Obstacles& o, const std::array<int8_t, NbCases>& dirs,
                int longueur) const {
        int x = s;
        for (int m = 0; m < longueur && x >= 0; ++m)
            x = GlisseCarre(x, o, dirs[m]);
        return x == sn;
    }

    std::vector<TCoup> Chemin(uint32_t fin) {
        std::vector<uint32_t> etats;
        for (uint32_t i = fin; i != TableEtats<W>::Aucun; i = table_.parent(i))
            etats.push_back(i);
        std::reverse(etats.begin(), etats.end());
        std::vector<TCoup> coups;
        for (std::size_t e = 1; e < etats.size(); ++e) {
            const Cle<W> de = table_.cle(etats[e - 1]);
            const Cle<W> vers = table_.cle(etats[e]);
            const int cout = table_.cout(etats[e]) - table_.cout(etats[e - 1]);
            bool trouve = false;
            Developpe(de, [&](const Cle<W>& suivant, int c, int sn, int d) {
                if (trouve || suivant != vers || c != cout)
                    return;
                trouve = true;
                if (sn >= 0) {
                    std::array<int8_t, NbCases> dirs;
                    const int k = CheminCarre(Carre(de), sn, dirs);
                    for (int m = 0; m < k; ++m)
                        coups.push_back({false, DX[dirs[m]], DY[dirs[m]]});
                }
                coups.push_back({true, DX[d], DY[d]});
            });
        }
        return coups;
    }

    const Plateau& p_;
    const Relaxation& r_;
    const double debut_;
    OptionsSolveur options_;
    // The cells each square path crossed or stopped against: [cell / 64] bit cell % 64.
    using Cases = std::array<uint64_t, (NbCases + 63) / 64>;
    static void Marque(Cases& m, int c) { m[c / 64] |= uint64_t(1) << (c % 64); }

    std::vector<std::array<Cle<W>, NbColonnes - 1>> cumul_;    // gems crossed up to each ray cell
    std::vector<std::array<Cases, NbColonnes - 1>> glissades_; // start and cells up to each one
    TableEtats<W> table_;
    struct Suivant {
        Cle<W> cle;
        uint64_t hache;
        int cout;
    };
    std::vector<Suivant> suivants_; // one expansion's successors, their slots prefetched
    std::vector<std::vector<std::vector<Entree>>> ouverts_; // [f][h]

    std::array<int16_t, NbCases> distance_{};
    std::array<int8_t, NbCases> direction_{};
    std::array<uint8_t, NbCases> precedente_{};
    std::array<uint8_t, NbCases> file_{};
    int nbFile_ = 0;
    // Per square path: the cells it went through, and those that stopped it (not walls).
    std::array<Cases, NbCases> passe_{};
    std::array<Cases, NbCases> arret_{};
    static bool Contient(const Cases& m, int c) { return m[c / 64] >> (c % 64) & 1; }
};

} // namespace zorvane::solveur
