#include "Relaxation.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace zorvane::solveur {

namespace {

// A node of the relaxed game: both pieces and which one moved last.
inline int Noeud(int boule, int carre, int bouleActive) {
    return (boule * NbCases + carre) * 2 + bouleActive;
}

inline uint8_t Somme(uint8_t a, uint8_t b) {
    if (a == Infini || b == Infini)
        return Infini;
    return uint8_t(std::min(Infini - 1, a + b));
}

// The relaxed game's moves, reversed: for each node, the nodes one move before it.
struct GrapheInverse {
    std::vector<uint32_t> debut; // sources of node n: source[debut[n] .. debut[n + 1])
    std::vector<uint32_t> source;
    std::vector<uint8_t> cout;
};

// Calls f(target, cost) for every relaxed move from the node.
template <class F> void Successeurs(const Plateau& p, int b, int s, int bouleActive, F&& f) {
    for (int d = 0; d < 4; ++d) {
        const Rayon& r = p.rayon(b, d);
        const int rang = Plateau::RangSurRayon(b, d, s, r.longueur);
        const int k = rang >= 0 ? rang : r.longueur;
        if (k > 0)
            f(Noeud(r.cases[k - 1], s, 1), bouleActive ? 1 : 2);
    }
    for (int d = 0; d < 4; ++d) {
        const Rayon& r = p.rayon(s, d);
        for (int j = 0; j < r.longueur && r.cases[j] != b; ++j) {
            const bool fin = j + 1 == r.longueur || r.cases[j + 1] == b;
            if (fin || p.zelmite(r.cases[j + 1]) >= 0)
                f(Noeud(b, r.cases[j], 0), bouleActive ? 2 : 1);
        }
    }
}

bool PairePossible(const Plateau& p, int b, int s) {
    return b != s && !p.mur(b) && !p.mur(s);
}

GrapheInverse Inverse(const Plateau& p) {
    const int nbNoeuds = NbCases * NbCases * 2;
    GrapheInverse g;
    g.debut.assign(nbNoeuds + 1, 0);
    auto pourChaqueArc = [&](auto&& f) {
        for (int b = 0; b < NbCases; ++b)
            for (int s = 0; s < NbCases; ++s)
                if (PairePossible(p, b, s))
                    for (int a = 0; a < 2; ++a)
                        Successeurs(p, b, s, a,
                                    [&](int cible, int c) { f(Noeud(b, s, a), cible, c); });
    };
    pourChaqueArc([&](int, int cible, int) { ++g.debut[cible + 1]; });
    for (int n = 0; n < nbNoeuds; ++n)
        g.debut[n + 1] += g.debut[n];
    g.source.resize(g.debut[nbNoeuds]);
    g.cout.resize(g.debut[nbNoeuds]);
    std::vector<uint32_t> place(g.debut.begin(), g.debut.end() - 1);
    pourChaqueArc([&](int n, int cible, int c) {
        g.source[place[cible]] = uint32_t(n);
        g.cout[place[cible]++] = uint8_t(c);
    });
    return g;
}

} // namespace

Relaxation::Relaxation(const Plateau& p) : nbZelmites_(p.nbZelmites()) {
    CalculeDistances(p);
    CalculeEcarts(p);
    CalculeChaine();
}

void Relaxation::CalculeDistances(const Plateau& p) {
    distances_.assign(std::size_t(NbCases) * NbCases * nbZelmites_, Infini);
    if (nbZelmites_ == 0)
        return;
    const GrapheInverse g = Inverse(p);
    std::vector<uint8_t> dist(NbCases * NbCases * 2);
    std::vector<std::vector<uint32_t>> seaux(Infini);
    for (int z = 0; z < nbZelmites_; ++z) {
        // Seeds: the nodes from which one ball move crosses the gem.
        std::fill(dist.begin(), dist.end(), Infini);
        const int cz = p.caseZelmite(z);
        for (int b = 0; b < NbCases; ++b)
            for (int s = 0; s < NbCases; ++s) {
                if (!PairePossible(p, b, s))
                    continue;
                for (int d = 0; d < 4; ++d) {
                    const Rayon& r = p.rayon(b, d);
                    const int rang = Plateau::RangSurRayon(b, d, s, r.longueur);
                    const int k = rang >= 0 ? rang : r.longueur;
                    if (Plateau::RangSurRayon(b, d, cz, k) >= 0) {
                        dist[Noeud(b, s, 1)] = 1;
                        dist[Noeud(b, s, 0)] = 2;
                    }
                }
            }
        for (uint32_t n = 0; n < dist.size(); ++n)
            if (dist[n] != Infini)
                seaux[dist[n]].push_back(n);
        // Backward Dijkstra over the move costs 1 and 2.
        for (int c = 1; c < Infini; ++c) {
            for (std::size_t i = 0; i < seaux[c].size(); ++i) {
                const uint32_t m = seaux[c][i];
                if (dist[m] != c)
                    continue;
                for (uint32_t e = g.debut[m]; e < g.debut[m + 1]; ++e) {
                    const int nc = std::min(c + g.cout[e], Infini - 1);
                    if (nc < dist[g.source[e]]) {
                        dist[g.source[e]] = uint8_t(nc);
                        seaux[nc].push_back(g.source[e]);
                    }
                }
            }
            seaux[c].clear();
        }
        for (int b = 0; b < NbCases; ++b)
            for (int s = 0; s < NbCases; ++s)
                distances_[(std::size_t(b) * NbCases + s) * nbZelmites_ + z] = dist[Noeud(b, s, 1)];
    }
}

void Relaxation::CalculeEcarts(const Plateau& p) {
    // The chain: every gem, or up to MaxChaine spread over the board, starting with the one
    // farthest from the start.
    rangChaine_.assign(nbZelmites_, -1);
    std::vector<int> choisies;
    if (nbZelmites_ <= MaxChaine) {
        for (int z = 0; z < nbZelmites_; ++z)
            choisies.push_back(z);
    } else {
        int premiere = 0;
        for (int z = 0; z < nbZelmites_; ++z)
            if (Distance(z, p.boule(), p.carre()) > Distance(premiere, p.boule(), p.carre()))
                premiere = z;
        choisies.push_back(premiere);
        std::vector<int> proche(nbZelmites_, 1000);
        while (int(choisies.size()) < MaxChaine) {
            const int derniere = p.caseZelmite(choisies.back());
            int loin = -1;
            for (int z = 0; z < nbZelmites_; ++z) {
                const int cz = p.caseZelmite(z);
                const int d = std::abs(ColonneDe(cz) - ColonneDe(derniere)) +
                              std::abs(LigneDe(cz) - LigneDe(derniere));
                proche[z] = std::min(proche[z], d);
                if (proche[z] > 0 && (loin < 0 || proche[z] > proche[loin]))
                    loin = z;
            }
            choisies.push_back(loin);
        }
    }
    for (int z : choisies) {
        rangChaine_[z] = int8_t(chaine_.size());
        chaine_.push_back(uint8_t(z));
    }
    const int c = int(chaine_.size());
    ecarts_.assign(std::size_t(c) * c, Infini);
    // Every ball move that crosses a chain gem a gives Ecart(a, z) <= the distance to z after it
    // (0 when the same move crosses z).
    for (int b = 0; b < NbCases; ++b)
        for (int s = 0; s < NbCases; ++s) {
            if (!PairePossible(p, b, s))
                continue;
            for (int d = 0; d < 4; ++d) {
                const Rayon& r = p.rayon(b, d);
                const int rang = Plateau::RangSurRayon(b, d, s, r.longueur);
                const int k = rang >= 0 ? rang : r.longueur;
                uint32_t croisees = 0;
                for (int j = 0; j < k; ++j) {
                    const int z = p.zelmite(r.cases[j]);
                    if (z >= 0 && rangChaine_[z] >= 0)
                        croisees |= 1u << rangChaine_[z];
                }
                if (croisees == 0)
                    continue;
                const int arrivee = r.cases[k - 1];
                for (uint32_t x = croisees; x; x &= x - 1) {
                    const int a = std::countr_zero(x);
                    for (int z = 0; z < c; ++z) {
                        const uint8_t v =
                            (croisees >> z & 1) ? 0 : Distance(chaine_[z], arrivee, s);
                        ecarts_[a * c + z] = std::min(ecarts_[a * c + z], v);
                    }
                }
            }
        }
}

void Relaxation::CalculeChaine() {
    const int c = int(chaine_.size());
    parcours_.assign((std::size_t(1) << c) * c, Infini);
    for (uint32_t ens = 1; ens < (1u << c); ++ens)
        for (uint32_t x = ens; x; x &= x - 1) {
            const int f = std::countr_zero(x);
            const uint32_t reste = ens & ~(1u << f);
            uint8_t meilleur = reste ? Infini : 0;
            for (uint32_t y = reste; y; y &= y - 1) {
                const int g = std::countr_zero(y);
                meilleur = std::min(
                    meilleur, Somme(ecarts_[f * c + g], parcours_[std::size_t(reste) * c + g]));
            }
            parcours_[std::size_t(ens) * c + f] = meilleur;
        }
}

int Relaxation::Estime(int boule, int carre, const uint64_t* cle, int nbMots) const {
    const uint8_t* ligne = &distances_[(std::size_t(boule) * NbCases + carre) * nbZelmites_];
    int plusLoin = 0;
    uint32_t ens = 0;
    for (int m = 0; m < nbMots; ++m) {
        uint64_t mot = m == 0 ? cle[0] >> DecalageZelmites : cle[m];
        const int base = m == 0 ? 0 : 64 * m - DecalageZelmites;
        for (; mot; mot &= mot - 1) {
            const int z = base + std::countr_zero(mot);
            if (ligne[z] == Infini)
                return Infini;
            plusLoin = std::max<int>(plusLoin, ligne[z]);
            if (rangChaine_[z] >= 0)
                ens |= 1u << rangChaine_[z];
        }
    }
    if (ens == 0)
        return plusLoin;
    const int c = int(chaine_.size());
    int chaine = Infini;
    for (uint32_t x = ens; x; x &= x - 1) {
        const int f = std::countr_zero(x);
        chaine =
            std::min<int>(chaine, Somme(ligne[chaine_[f]], parcours_[std::size_t(ens) * c + f]));
    }
    return std::max(plusLoin, chaine);
}

} // namespace zorvane::solveur
