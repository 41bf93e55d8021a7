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

#include "Plateau.h"
#include "Relaxation.h"
#include "Solveur.h"
#include "TableEtats.h"

#include <algorithm>

namespace zorvane::solveur {

template <int W> class Recherche {
  public:
    Recherche(const Plateau& p, const Relaxation& r, const OptionsSolveur& o)
        : p_(p), r_(r), options_(o), cumul_(NbCases * 4) {
        for (int c = 0; c < NbCases; ++c)
            for (int d = 0; d < 4; ++d) {
                Cle<W> m{};
                const Rayon& ray = p.rayon(c, d);
                for (int j = 0; j < ray.longueur; ++j) {
                    const int z = p.zelmite(ray.cases[j]);
                    if (z >= 0)
                        Pose(m, z);
                    cumul_[c * 4 + d][j] = m;
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
        table_.ajoute(depart, 1, uint8_t(h0), TableEtats<W>::Aucun);
        if (h0 != Infini)
            Pousse({0, 1}, 1 + h0, h0);
        res.verdict = VerdictSolveur::Insoluble;
        for (std::size_t f = 0; f < ouverts_.size(); ++f) {
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
                if (table_.taille() >= options_.etatsMax) {
                    res.verdict = VerdictSolveur::Abandon;
                    break;
                }
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
    static void Pose(Cle<W>& c, int z) {
        const int bit = z + DecalageZelmites;
        c[bit / 64] |= uint64_t(1) << (bit % 64);
    }
    static bool Presente(const Cle<W>& c, int z) {
        const int bit = z + DecalageZelmites;
        return c[bit / 64] >> (bit % 64) & 1;
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
        Developpe(cle, [&](const Cle<W>& suivant, int cout, int, int) {
            const int gs = g + cout;
            uint32_t j = table_.cherche(suivant);
            int hs;
            if (j == TableEtats<W>::Aucun) {
                hs = Estime(suivant);
                if (hs != Infini)
                    hs = std::max(hs, hi - cout);
                j = table_.ajoute(suivant, uint16_t(gs), uint8_t(hs), i);
                if (hs == Infini)
                    return; // kept so that it is not estimated again
            } else {
                hs = table_.estimation(j);
                if (hs == Infini || table_.cout(j) <= gs)
                    return;
                table_.ameliore(j, uint16_t(gs), i);
            }
            Pousse({j, uint16_t(gs)}, std::max(gs + hs, f), hs);
            if (gs + hs <= f && std::size_t(hs) < h)
                h = hs;
        });
    }

    // The ball's slide: the number of cells it travels (0: it cannot move).
    int GlisseBoule(int b, int s, int d) const {
        const Rayon& r = p_.rayon(b, d);
        const int rang = Plateau::RangSurRayon(b, d, s, r.longueur);
        return rang >= 0 ? rang : r.longueur;
    }

    // The square's arrival, or -1 when it cannot move.
    int GlisseCarre(int s, int b, const Cle<W>& c, int d) const {
        const Rayon& r = p_.rayon(s, d);
        int j = 0;
        for (; j < r.longueur; ++j) {
            const int cell = r.cases[j];
            const int z = p_.zelmite(cell);
            if (cell == b || (z >= 0 && Presente(c, z)))
                break;
        }
        return j ? r.cases[j - 1] : -1;
    }

    // Every square cell reachable with the ball and the gems where they are, by a shortest path.
    void ParcoursCarre(int s, int b, const Cle<W>& c) {
        distance_.fill(-1);
        distance_[s] = 0;
        trace_[s] = {};
        nbFile_ = 0;
        file_[nbFile_++] = uint8_t(s);
        for (int t = 0; t < nbFile_; ++t) {
            const int x = file_[t];
            for (int d = 0; d < 4; ++d) {
                const int y = GlisseCarre(x, b, c, d);
                if (y < 0 || distance_[y] >= 0)
                    continue;
                distance_[y] = int16_t(distance_[x] + 1);
                direction_[y] = int8_t(d);
                trace_[y] = trace_[x];
                for (int cell = x; cell != y;) {
                    cell = Case(ColonneDe(cell) + DX[d], LigneDe(cell) + DY[d]);
                    Marque(trace_[y], cell);
                }
                const int bx = ColonneDe(y) + DX[d], by = LigneDe(y) + DY[d];
                if (DansLaGrille(bx, by))
                    Marque(trace_[y], Case(bx, by)); // what stopped it
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
        ParcoursCarre(s, b, c);
        for (int t = 1; t < nbFile_; ++t) {
            const int sn = file_[t];
            for (int d = 0; d < 4; ++d) {
                const int k = GlisseBoule(b, sn, d);
                if (!k)
                    continue;
                const int arrivee = p_.rayon(b, d).cases[k - 1];
                const Cle<W> apres = SansZelmites(c, cumul_[b * 4 + d][k - 1]);
                if (arrivee == arriveeSeule[d] && Rejouable(s, sn, b, d, k, apres))
                    continue;
                f(AvecPieces(apres, arrivee, sn), distance_[sn] + 3, sn, d);
            }
        }
    }

    // Whether the square's path to sn, found by the last ParcoursCarre, leads there again after
    // the ball's slide of k cells from b in direction d (leaving the gems of c). It does when
    // the slide touches none of the cells the path crossed or stopped against.
    bool Rejouable(int s, int sn, int b, int d, int k, const Cle<W>& c) const {
        const Rayon& r = p_.rayon(b, d);
        bool touche = Contient(trace_[sn], b);
        for (int j = 0; j < k && !touche; ++j)
            touche = Contient(trace_[sn], r.cases[j]);
        if (!touche)
            return true;
        std::array<int8_t, NbCases> dirs;
        const int n = CheminCarre(s, sn, dirs);
        const int arrivee = r.cases[k - 1];
        int x = s;
        for (int m = 0; m < n && x >= 0; ++m)
            x = GlisseCarre(x, arrivee, c, dirs[m]);
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
    OptionsSolveur options_;
    std::vector<std::array<Cle<W>, NbColonnes - 1>> cumul_; // gems crossed up to each ray cell
    TableEtats<W> table_;
    std::vector<std::vector<std::vector<Entree>>> ouverts_; // [f][h]

    std::array<int16_t, NbCases> distance_{};
    std::array<int8_t, NbCases> direction_{};
    std::array<uint8_t, NbCases> precedente_{};
    std::array<uint8_t, NbCases> file_{};
    int nbFile_ = 0;
    // The cells each square path crossed or stopped against: [cell / 64] bit cell % 64.
    using Cases = std::array<uint64_t, (NbCases + 63) / 64>;
    std::array<Cases, NbCases> trace_{};
    static void Marque(Cases& m, int c) { m[c / 64] |= uint64_t(1) << (c % 64); }
    static bool Contient(const Cases& m, int c) { return m[c / 64] >> (c % 64) & 1; }
};

} // namespace zorvane::solveur
