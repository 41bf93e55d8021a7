#include "Relaxation.h"

#include "Octets.h"

#include <algorithm>
#include <array>
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

// The relaxed game's moves, reversed: for each node, the nodes one move before it, the ball's moves
// apart from the square's. A move's cost follows from its source: 1 for the active piece, 2 with a
// change of piece.
struct GrapheInverse {
    struct Arcs {
        std::vector<uint32_t> debut; // the sources of node n: sources[debut[n] .. debut[n + 1])
        std::vector<uint32_t> sources;
    };
    Arcs boule, carre;
    static int CoutBoule(uint32_t source) { return 2 - int(source & 1); }
    static int CoutCarre(uint32_t source) { return 1 + int(source & 1); }
};

// Calls f(target, cost, whether the square moves) for every relaxed move from the node.
template <class F> void Successeurs(const Plateau& p, int b, int s, int bouleActive, F&& f) {
    for (int d = 0; d < 4; ++d) {
        const Rayon& r = p.rayon(b, d);
        const int rang = Plateau::RangSurRayon(b, d, s, r.longueur);
        const int k = rang >= 0 ? rang : r.longueur;
        if (k > 0)
            f(Noeud(r.cases[k - 1], s, 1), bouleActive ? 1 : 2, false);
    }
    for (int d = 0; d < 4; ++d) {
        const Rayon& r = p.rayon(s, d);
        for (int j = 0; j < r.longueur && r.cases[j] != b; ++j) {
            const bool fin = j + 1 == r.longueur || r.cases[j + 1] == b;
            if (fin || p.zelmite(r.cases[j + 1]) >= 0)
                f(Noeud(b, r.cases[j], 0), bouleActive ? 2 : 1, true);
        }
    }
}

bool PairePossible(const Plateau& p, int b, int s) {
    return b != s && !p.mur(b) && !p.mur(s);
}

GrapheInverse Inverse(const Plateau& p) {
    const int nbNoeuds = NbCases * NbCases * 2;
    GrapheInverse g;
    g.boule.debut.assign(nbNoeuds + 1, 0);
    g.carre.debut.assign(nbNoeuds + 1, 0);
    auto pourChaqueArc = [&](auto&& f) {
        for (int b = 0; b < NbCases; ++b)
            for (int s = 0; s < NbCases; ++s)
                if (PairePossible(p, b, s))
                    for (int a = 0; a < 2; ++a)
                        Successeurs(p, b, s, a, [&](int cible, int, bool carre) {
                            f(carre ? g.carre : g.boule, Noeud(b, s, a), cible);
                        });
    };
    pourChaqueArc([&](GrapheInverse::Arcs& arcs, int, int cible) { ++arcs.debut[cible + 1]; });
    std::vector<uint32_t> placeBoule, placeCarre;
    for (auto [arcs, place] : {std::pair{&g.boule, &placeBoule}, {&g.carre, &placeCarre}}) {
        for (int n = 0; n < nbNoeuds; ++n)
            arcs->debut[n + 1] += arcs->debut[n];
        arcs->sources.resize(arcs->debut[nbNoeuds]);
        place->assign(arcs->debut.begin(), arcs->debut.end() - 1);
    }
    pourChaqueArc([&](GrapheInverse::Arcs& arcs, int n, int cible) {
        std::vector<uint32_t>& place = &arcs == &g.boule ? placeBoule : placeCarre;
        arcs.sources[place[cible]++] = uint32_t(n);
    });
    return g;
}

// Backward Dijkstra over the move costs 1 and 2, from the distances already in dist; with
// bouleSeule, only through ball moves.
void Rebours(const GrapheInverse& g, std::vector<uint8_t>& dist, bool bouleSeule,
             std::vector<std::vector<uint32_t>>& seaux) {
    for (uint32_t n = 0; n < dist.size(); ++n)
        if (dist[n] != Infini)
            seaux[dist[n]].push_back(n);
    auto relache = [&](const GrapheInverse::Arcs& arcs, uint32_t m, int c, auto cout) {
        for (uint32_t e = arcs.debut[m]; e < arcs.debut[m + 1]; ++e) {
            const uint32_t n = arcs.sources[e];
            const int nc = std::min(c + cout(n), Infini - 1);
            if (nc < dist[n]) {
                dist[n] = uint8_t(nc);
                seaux[nc].push_back(n);
            }
        }
    };
    for (int c = 0; c < Infini; ++c) {
        for (std::size_t i = 0; i < seaux[c].size(); ++i) {
            const uint32_t m = seaux[c][i];
            if (dist[m] != c)
                continue;
            relache(g.boule, m, c, GrapheInverse::CoutBoule);
            if (!bouleSeule)
                relache(g.carre, m, c, GrapheInverse::CoutCarre);
        }
        seaux[c].clear();
    }
}

// The (ball, square) pairs the relaxed game reaches from the start: only from those can a real
// game cross a gem.
std::vector<bool> PairesAtteignables(const Plateau& p) {
    std::vector<bool> vu(NbCases * NbCases * 2);
    std::vector<int> file{Noeud(p.boule(), p.carre(), 1)};
    vu[file[0]] = true;
    for (std::size_t t = 0; t < file.size(); ++t) {
        const int n = file[t];
        Successeurs(p, n / 2 / NbCases, n / 2 % NbCases, n % 2, [&](int cible, int, bool) {
            if (!vu[cible]) {
                vu[cible] = true;
                file.push_back(cible);
            }
        });
    }
    std::vector<bool> paires(NbCases * NbCases);
    for (int n = 0; n < NbCases * NbCases * 2; ++n)
        if (vu[n])
            paires[n / 2] = true;
    return paires;
}

} // namespace

Relaxation::Relaxation(const Plateau& p, const Arret& arret)
    : nbZelmites_(p.nbZelmites()), atteignables_(PairesAtteignables(p)) {
    // The chains that follow the square: the gems spread over the board and, when there are
    // more, two chains over those left out, each completed with every other gem of the first.
    std::vector<std::vector<int>> suivies{Eparpillees(p, MaxChaineCarre)};
    if (nbZelmites_ > MaxChaineCarre) {
        std::vector<bool> dedans(nbZelmites_);
        for (int z : suivies[0])
            dedans[z] = true;
        for (std::size_t parite = 0; parite < 2; ++parite) {
            std::vector<int> autres;
            for (int z = 0; z < nbZelmites_ && int(autres.size()) < MaxChaineCarre; ++z)
                if (!dedans[z])
                    autres.push_back(z);
            for (std::size_t i = parite;
                 i < suivies[0].size() && int(autres.size()) < MaxChaineCarre; i += 2)
                autres.push_back(suivies[0][i]);
            suivies.push_back(autres);
        }
    }
    placeApres_.assign(nbZelmites_, -1);
    for (const auto& chaine : suivies) {
        rangsCarre_.emplace_back(nbZelmites_, -1);
        for (std::size_t i = 0; i < chaine.size(); ++i) {
            rangsCarre_.back()[chaine[i]] = int8_t(i);
            if (placeApres_[chaine[i]] < 0)
                placeApres_[chaine[i]] = nbSuivies_++;
        }
    }
    if (!CalculeDistances(p, arret))
        return;
    CalculeEcarts(p);
    if (!CalculeChaine(arret))
        return;
    CalculeOctets();
    std::vector<uint8_t> brouillon;
    for (auto& chaine : suivies) {
        chainesCarre_.push_back(
            std::make_unique<ChaineCarre>(p, *this, chaine, atteignables_, arret, brouillon));
        if (!chainesCarre_.back()->complete())
            return;
    }
    complete_ = true;
}

Relaxation::~Relaxation() = default;

std::vector<int> Relaxation::Eparpillees(const Plateau& p, int nombre) const {
    std::vector<int> choisies;
    if (nbZelmites_ <= nombre) {
        for (int z = 0; z < nbZelmites_; ++z)
            choisies.push_back(z);
        return choisies;
    }
    std::vector<int> proche(nbZelmites_, 1000);
    for (int derniere = p.boule(); int(choisies.size()) < nombre;
         derniere = p.caseZelmite(choisies.back())) {
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
    return choisies;
}

bool Relaxation::CalculeDistances(const Plateau& p, const Arret& arret) {
    distances_.assign(std::size_t(NbCases) * NbCases * nbZelmites_, Infini);
    apresDeplacement_.assign(std::size_t(NbCases) * NbCases * nbSuivies_, Infini);
    if (nbZelmites_ == 0)
        return true;
    const GrapheInverse g = Inverse(p);
    std::vector<uint8_t> dist(NbCases * NbCases * 2), deplace(dist.size());
    std::vector<std::vector<uint32_t>> seaux(Infini);
    for (int z = 0; z < nbZelmites_; ++z) {
        if (Arrete(arret))
            return false;
        // Seeds: the nodes from which one ball move crosses the gem, the ball on a cell from which
        // a direction leads to the gem and the square anywhere but on the way.
        std::fill(dist.begin(), dist.end(), Infini);
        const int cz = p.caseZelmite(z);
        for (int d = 0; d < 4; ++d) {
            const Rayon& arriere = p.rayon(cz, Oppose(d));
            std::array<bool, NbCases> surLeChemin{};
            surLeChemin[cz] = true;
            for (int j = 0; j < arriere.longueur; ++j) {
                const int b = arriere.cases[j];
                for (int s = 0; s < NbCases; ++s)
                    if (s != b && !p.mur(s) && !surLeChemin[s]) {
                        dist[Noeud(b, s, 1)] = 1;
                        dist[Noeud(b, s, 0)] = 2;
                    }
                surLeChemin[b] = true;
            }
        }
        Rebours(g, dist, false, seaux);
        for (int b = 0; b < NbCases; ++b)
            for (int s = 0; s < NbCases; ++s)
                distances_[(std::size_t(b) * NbCases + s) * nbZelmites_ + z] = dist[Noeud(b, s, 1)];
        const int place = placeApres_[z];
        if (place < 0)
            continue;
        // The same once the square has moved at least once: a square move, then the distance;
        // before it only ball moves, whose crossings do not count yet.
        std::fill(deplace.begin(), deplace.end(), Infini);
        for (uint32_t m = 0; m < dist.size(); ++m)
            for (uint32_t e = g.carre.debut[m]; e < g.carre.debut[m + 1]; ++e) {
                const uint32_t n = g.carre.sources[e];
                deplace[n] =
                    std::min(deplace[n], Somme(uint8_t(GrapheInverse::CoutCarre(n)), dist[m]));
            }
        Rebours(g, deplace, true, seaux);
        for (int b = 0; b < NbCases; ++b)
            for (int s = 0; s < NbCases; ++s)
                apresDeplacement_[(std::size_t(b) * NbCases + s) * nbSuivies_ + place] =
                    deplace[Noeud(b, s, 1)];
    }
    return true;
}

void Relaxation::CalculeEcarts(const Plateau& p) {
    // The chain: every gem, or up to MaxChaine spread over the board.
    rangChaine_.assign(nbZelmites_, -1);
    const std::vector<int> choisies = Eparpillees(p, MaxChaine);
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
            if (!atteignables_[b * NbCases + s])
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

bool Relaxation::CalculeChaine(const Arret& arret) {
    // Held-Karp from the smaller subsets up: once the orders over a subset are known, they give
    // the orders over that subset and one more gem before it, for every such gem at once.
    const int c = int(chaine_.size());
    static_assert(MaxChaine <= 32);
    parcours_.assign((std::size_t(1) << c) * c, Infini);
    std::vector<std::array<uint8_t, 32>> vers(c); // [b][a]: Ecart(a, b), Infini past the chain
    for (int b = 0; b < c; ++b)
        for (int a = 0; a < 32; ++a)
            vers[b][a] = a < c ? ecarts_[a * c + b] : Infini;
    for (int f = 0; f < c; ++f)
        parcours_[(std::size_t(1) << f) * c + f] = 0;
    const uint32_t tous = (1u << c) - 1;
    for (uint32_t ens = 1; ens < tous; ++ens) {
        if (ens % 4096 == 0 && Arrete(arret))
            return false;
        const uint8_t* ligne = &parcours_[std::size_t(ens) * c];
        Octets bas = Tous(Infini), haut = Tous(Infini);
        for (uint32_t x = ens; x; x &= x - 1) {
            const int g = std::countr_zero(x);
            const Octets suite = Tous(ligne[g]);
            bas = Min(bas, SommeBornee(Charge(&vers[g][0]), suite, Infini - 1));
            haut = Min(haut, SommeBornee(Charge(&vers[g][16]), suite, Infini - 1));
        }
        std::array<uint8_t, 32> avant;
        Range(&avant[0], bas);
        Range(&avant[16], haut);
        for (uint32_t y = tous & ~ens; y; y &= y - 1) {
            const int f = std::countr_zero(y);
            parcours_[std::size_t(ens | 1u << f) * c + f] = avant[f];
        }
    }
    return true;
}

void Relaxation::CalculeOctets() {
    static_assert(DecalageZelmites % 8 == 0);
    octets_.resize((nbZelmites_ + 7) / 8);
    for (std::size_t g = 0; g < octets_.size(); ++g)
        for (int v = 0; v < 256; ++v) {
            Ensembles& e = octets_[g][v];
            for (int i = 0; i < 8; ++i) {
                const int z = int(g) * 8 + i;
                if (!(v >> i & 1) || z >= nbZelmites_)
                    continue;
                if (rangChaine_[z] >= 0)
                    e.chaine |= 1u << rangChaine_[z];
                for (std::size_t c = 0; c < rangsCarre_.size(); ++c)
                    if (rangsCarre_[c][z] >= 0)
                        e.carre[c] |= 1u << rangsCarre_[c][z];
            }
        }
}

Relaxation::Ensembles Relaxation::EnsemblesRestants(const uint64_t* cle, int nbMots) const {
    Ensembles e;
    const std::size_t nbOctets = std::min(octets_.size(), std::size_t(nbMots) * 8 - 2);
    for (std::size_t g = 0; g < nbOctets; ++g) {
        const int bit = int(g) * 8 + DecalageZelmites;
        const unsigned v = unsigned(cle[bit / 64] >> (bit % 64)) & 0xFF;
        if (v == 0)
            continue;
        const Ensembles& o = octets_[g][v];
        e.chaine |= o.chaine;
        for (std::size_t c = 0; c < e.carre.size(); ++c)
            e.carre[c] |= o.carre[c];
    }
    return e;
}

void Relaxation::Precharge(int boule, int carre, const uint64_t* cle, int nbMots) const {
    const std::size_t paire = std::size_t(boule) * NbCases + carre;
    __builtin_prefetch(&distances_[paire * nbZelmites_]);
    __builtin_prefetch(LigneApresDeplacement(boule, carre));
    const Ensembles e = EnsemblesRestants(cle, nbMots);
    if (e.chaine)
        __builtin_prefetch(&parcours_[std::size_t(e.chaine) * chaine_.size()]);
    for (std::size_t c = 0; c < chainesCarre_.size(); ++c)
        chainesCarre_[c]->Precharge(boule, carre, e.carre[c]);
}

int Relaxation::Estime(int boule, int carre, const uint64_t* cle, int nbMots) const {
    const uint8_t* ligne = &distances_[(std::size_t(boule) * NbCases + carre) * nbZelmites_];
    int plusLoin = 0;
    for (int m = 0; m < nbMots; ++m) {
        uint64_t mot = m == 0 ? cle[0] >> DecalageZelmites : cle[m];
        const int base = m == 0 ? 0 : 64 * m - DecalageZelmites;
        for (; mot; mot &= mot - 1) {
            const int z = base + std::countr_zero(mot);
            if (ligne[z] == Infini)
                return Infini;
            plusLoin = std::max<int>(plusLoin, ligne[z]);
        }
    }
    const Ensembles e = EnsemblesRestants(cle, nbMots);
    if (e.chaine == 0)
        return plusLoin;
    const int c = int(chaine_.size());
    int chaine = Infini;
    for (uint32_t x = e.chaine; x; x &= x - 1) {
        const int f = std::countr_zero(x);
        chaine = std::min<int>(chaine,
                               Somme(ligne[chaine_[f]], parcours_[std::size_t(e.chaine) * c + f]));
    }
    int suivie = 0;
    for (std::size_t k = 0; k < chainesCarre_.size(); ++k)
        suivie = std::max(suivie, chainesCarre_[k]->Borne(boule, carre, e.carre[k],
                                                          LigneApresDeplacement(boule, carre)));
    return std::max({plusLoin, chaine, suivie});
}

} // namespace zorvane::solveur
