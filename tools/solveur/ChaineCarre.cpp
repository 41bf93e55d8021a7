#include "ChaineCarre.h"

#include "Octets.h"
#include "Relaxation.h"

#include <algorithm>
#include <array>
#include <bit>

namespace zorvane::solveur {

namespace {

inline uint8_t Somme(uint8_t a, uint8_t b) {
    if (a == Infini || b == Infini)
        return Infini;
    return uint8_t(std::min(Infini - 1, a + b));
}

// The tables hold finite bounds of at most Plafond: lowering a bound keeps it a bound.
constexpr unsigned Plafond = 127;

inline uint8_t Plafonne(uint8_t v) {
    return v == Infini ? Infini : uint8_t(std::min(v, uint8_t(Plafond)));
}

// For every square q: ligne[q] = min(ligne[q], fixe[q] + suite[q], libre[q] + suiteLibre), the
// sums at most Plafond; largeur is a multiple of 16.
void Combine(uint8_t* ligne, const uint8_t* fixe, const uint8_t* libre, const uint8_t* suite,
             uint8_t suiteLibre, int largeur) {
    const Octets ailleurs = Tous(suiteLibre);
    for (int q = 0; q < largeur; q += 16) {
        const Octets reste = SommeBornee(Charge(fixe + q), Charge(suite + q), Plafond);
        const Octets v = Min(reste, SommeBornee(Charge(libre + q), ailleurs, Plafond));
        Range(ligne + q, Min(Charge(ligne + q), v));
    }
}

uint8_t MinDeLigne(const uint8_t* ligne, int largeur) {
    Octets m = Tous(Infini);
    for (int q = 0; q < largeur; q += 16)
        m = Min(m, Charge(ligne + q));
    return MinDe(m);
}

// The ball's slide from b with the square at s: cells travelled (0: it cannot move).
int Glissade(const Plateau& p, int b, int s, int d) {
    const Rayon& r = p.rayon(b, d);
    const int rang = Plateau::RangSurRayon(b, d, s, r.longueur);
    return rang >= 0 ? rang : r.longueur;
}

} // namespace

ChaineCarre::ChaineCarre(const Plateau& p, const Relaxation& r, std::vector<int> zelmites,
                         const std::vector<bool>& atteignables, const Arret& arret,
                         std::vector<uint8_t>& brouillon)
    : zelmites_(std::move(zelmites)), numeroCarre_(NbCases, -1) {
    for (int z : zelmites_)
        places_.push_back(r.PlaceApresDeplacement(z));
    for (int s = 0; s < NbCases; ++s)
        for (int b = 0; b < NbCases; ++b)
            if (atteignables[b * NbCases + s]) {
                numeroCarre_[s] = int(carres_.size());
                carres_.push_back(s);
                break;
            }
    largeur_ = int((carres_.size() + 15) / 16 * 16);
    CalculeDistancesFixes(p);
    CalculeEcarts(p, r, atteignables);
    complete_ = CalculeParcours(arret, brouillon);
}

void ChaineCarre::CalculeDistancesFixes(const Plateau& p) {
    const int k = taille();
    fixes_.assign(carres_.size() * NbCases * k, Infini);
    std::vector<std::vector<uint8_t>> avant(NbCases); // ball cells one move before each cell
    std::vector<int> file;
    for (std::size_t q = 0; q < carres_.size(); ++q) {
        const int s = carres_[q];
        for (auto& v : avant)
            v.clear();
        for (int b = 0; b < NbCases; ++b)
            if (!p.mur(b) && b != s)
                for (int d = 0; d < 4; ++d)
                    if (const int n = Glissade(p, b, s, d))
                        avant[p.rayon(b, d).cases[n - 1]].push_back(uint8_t(b));
        for (int f = 0; f < k; ++f) {
            std::array<uint8_t, NbCases> dist;
            dist.fill(Infini);
            const int cz = p.caseZelmite(zelmites_[f]);
            file.clear();
            // Seeds: the cells from which a direction leads to the gem, the square not on the way.
            for (int d = 0; d < 4 && cz != s; ++d) {
                const Rayon& arriere = p.rayon(cz, Oppose(d));
                for (int j = 0; j < arriere.longueur && arriere.cases[j] != s; ++j)
                    if (const int b = arriere.cases[j]; dist[b] == Infini) {
                        dist[b] = 1;
                        file.push_back(b);
                    }
            }
            for (std::size_t t = 0; t < file.size(); ++t)
                for (const uint8_t b : avant[file[t]])
                    if (dist[b] == Infini) {
                        dist[b] = uint8_t(std::min(Infini - 1, dist[file[t]] + 1));
                        file.push_back(b);
                    }
            for (int b = 0; b < NbCases; ++b)
                fixes_[(q * NbCases + b) * k + f] = dist[b];
        }
    }
}

void ChaineCarre::CalculeEcarts(const Plateau& p, const Relaxation& r,
                                const std::vector<bool>& atteignables) {
    const int k = taille();
    std::vector<int8_t> rang(p.nbZelmites(), -1);
    for (int i = 0; i < k; ++i)
        rang[zelmites_[i]] = int8_t(i);
    ecartFixe_.assign(std::size_t(k) * k * largeur_, Infini);
    ecartLibre_.assign(std::size_t(k) * k * largeur_, Infini);
    for (std::size_t q = 0; q < carres_.size(); ++q) {
        const int s = carres_[q];
        for (int b = 0; b < NbCases; ++b) {
            if (!atteignables[b * NbCases + s])
                continue;
            for (int d = 0; d < 4; ++d) {
                const int n = Glissade(p, b, s, d);
                uint32_t croisees = 0;
                for (int j = 0; j < n; ++j) {
                    const int z = p.zelmite(p.rayon(b, d).cases[j]);
                    if (z >= 0 && rang[z] >= 0)
                        croisees |= 1u << rang[z];
                }
                if (!croisees)
                    continue;
                // After this move the next gem costs at least the fixed square's ball moves (0
                // when the move crosses it too), or the relaxed cost with the square moving.
                const int arrivee = p.rayon(b, d).cases[n - 1];
                for (uint32_t x = croisees; x; x &= x - 1) {
                    const int a = std::countr_zero(x);
                    for (int g = 0; g < k; ++g) {
                        const std::size_t i = (std::size_t(a) * k + g) * largeur_ + q;
                        const uint8_t fixe =
                            (croisees >> g & 1) ? 0 : Plafonne(DistanceFixe(g, int(q), arrivee));
                        ecartFixe_[i] = std::min(ecartFixe_[i], fixe);
                        ecartLibre_[i] = std::min(
                            ecartLibre_[i],
                            Plafonne(r.DistanceApresDeplacement(zelmites_[g], arrivee, s)));
                    }
                }
            }
        }
    }
}

bool ChaineCarre::CalculeParcours(const Arret& arret, std::vector<uint8_t>& calcul) {
    // Computed with the squares innermost, one pass over them per next gem, then turned so that
    // the entries a state reads (one square, one subset, every first gem) are together.
    const int k = taille();
    const std::size_t lignes = (std::size_t(1) << k) * k;
    calcul.assign(lignes * largeur_, Infini);
    parcoursLibre_.assign(lignes, Infini);
    for (uint32_t ens = 1; ens < (1u << k); ++ens) {
        if (ens % 256 == 0 && Arrete(arret))
            return false;
        for (uint32_t x = ens; x; x &= x - 1) {
            const int f = std::countr_zero(x);
            const uint32_t reste = ens & ~(1u << f);
            uint8_t* ligne = &calcul[Indice(ens, f) * largeur_];
            if (!reste)
                std::fill(ligne, ligne + carres_.size(), 0);
            for (uint32_t y = reste; y; y &= y - 1) {
                const int g = std::countr_zero(y);
                const std::size_t e = (std::size_t(f) * k + g) * largeur_;
                Combine(ligne, &ecartFixe_[e], &ecartLibre_[e],
                        &calcul[Indice(reste, g) * largeur_], parcoursLibre_[Indice(reste, g)],
                        largeur_);
            }
            parcoursLibre_[Indice(ens, f)] = MinDeLigne(ligne, largeur_);
        }
    }
    // The turn goes by blocks of 16 rows and 16 squares.
    const std::size_t nbCarres = carres_.size(), largeur = largeur_;
    parcours_.assign(nbCarres * lignes, Infini);
    uint8_t* vers = parcours_.data();
    const uint8_t* de = calcul.data();
    const std::size_t pleines = lignes / 16 * 16;
    for (std::size_t i0 = 0; i0 < pleines; i0 += 16)
        for (std::size_t q0 = 0; q0 < nbCarres; q0 += 16) {
            std::array<Octets, 16> bloc;
            for (std::size_t j = 0; j < 16; ++j)
                bloc[j] = Charge(de + (i0 + j) * largeur + q0);
            Tourne(bloc);
            for (std::size_t j = 0; j < 16 && q0 + j < nbCarres; ++j)
                Range(vers + (q0 + j) * lignes + i0, bloc[j]);
        }
    for (std::size_t i = pleines; i < lignes; ++i)
        for (std::size_t q = 0; q < nbCarres; ++q)
            vers[q * lignes + i] = de[i * largeur + q];
    return true;
}

void ChaineCarre::Precharge(int boule, int carre, uint32_t ens) const {
    const int q = numeroCarre_[carre];
    if (ens == 0 || q < 0)
        return;
    __builtin_prefetch(&parcours_[(std::size_t(q) << taille()) * taille() + Indice(ens, 0)]);
    __builtin_prefetch(&fixes_[(std::size_t(q) * NbCases + boule) * taille()]);
    __builtin_prefetch(&parcoursLibre_[Indice(ens, 0)]);
}

int ChaineCarre::Borne(int boule, int carre, uint32_t ens, const uint8_t* apresDeplacement) const {
    const int q = numeroCarre_[carre];
    if (ens == 0 || q < 0)
        return 0; // nothing left to follow (or a square the relaxed game never reaches)
    const uint8_t* reste = &parcours_[(std::size_t(q) << taille()) * taille()];
    int borne = Infini;
    for (uint32_t x = ens; x; x &= x - 1) {
        const int f = std::countr_zero(x);
        borne = std::min<int>(borne, Somme(DistanceFixe(f, q, boule), reste[Indice(ens, f)]));
        borne = std::min<int>(borne,
                              Somme(apresDeplacement[places_[f]], parcoursLibre_[Indice(ens, f)]));
    }
    return borne;
}

} // namespace zorvane::solveur
