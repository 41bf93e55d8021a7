#include "ChaineCarre.h"

#include "Relaxation.h"

#include <algorithm>
#include <bit>

namespace zorvane::solveur {

namespace {

inline uint8_t Somme(uint8_t a, uint8_t b) {
    if (a == Infini || b == Infini)
        return Infini;
    return uint8_t(std::min(Infini - 1, a + b));
}

// The ball's slide from b with the square at s: cells travelled (0: it cannot move).
int Glissade(const Plateau& p, int b, int s, int d) {
    const Rayon& r = p.rayon(b, d);
    const int rang = Plateau::RangSurRayon(b, d, s, r.longueur);
    return rang >= 0 ? rang : r.longueur;
}

} // namespace

ChaineCarre::ChaineCarre(const Plateau& p, const Relaxation& r, std::vector<int> zelmites,
                         const std::vector<bool>& atteignables)
    : zelmites_(std::move(zelmites)) {
    for (int c = 0; c < NbCases; ++c)
        if (!p.mur(c))
            carres_.push_back(c);
    CalculeDistancesFixes(p);
    CalculeEcarts(p, r, atteignables);
    CalculeParcours();
}

void ChaineCarre::CalculeDistancesFixes(const Plateau& p) {
    const int k = taille();
    fixes_.assign(std::size_t(k) * NbCases * NbCases, Infini);
    std::vector<std::vector<uint8_t>> avant(NbCases); // ball cells one move before each cell
    std::vector<int> file;
    for (int s : carres_) {
        for (auto& v : avant)
            v.clear();
        for (int b = 0; b < NbCases; ++b)
            if (!p.mur(b) && b != s)
                for (int d = 0; d < 4; ++d)
                    if (const int n = Glissade(p, b, s, d))
                        avant[p.rayon(b, d).cases[n - 1]].push_back(uint8_t(b));
        for (int f = 0; f < k; ++f) {
            uint8_t* dist = &fixes_[(std::size_t(f) * NbCases + s) * NbCases];
            const int cz = p.caseZelmite(zelmites_[f]);
            file.clear();
            for (int b = 0; b < NbCases; ++b)
                if (!p.mur(b) && b != s)
                    for (int d = 0; d < 4; ++d)
                        if (Plateau::RangSurRayon(b, d, cz, Glissade(p, b, s, d)) >= 0 &&
                            dist[b] == Infini) {
                            dist[b] = 1;
                            file.push_back(b);
                        }
            for (std::size_t t = 0; t < file.size(); ++t)
                for (const uint8_t b : avant[file[t]])
                    if (dist[b] == Infini) {
                        dist[b] = uint8_t(std::min(Infini - 1, dist[file[t]] + 1));
                        file.push_back(b);
                    }
        }
    }
}

void ChaineCarre::CalculeEcarts(const Plateau& p, const Relaxation& r,
                                const std::vector<bool>& atteignables) {
    const int k = taille();
    std::vector<int8_t> rang(p.nbZelmites(), -1);
    for (int i = 0; i < k; ++i)
        rang[zelmites_[i]] = int8_t(i);
    ecartFixe_.assign(std::size_t(k) * k * NbCases, Infini);
    ecartLibre_.assign(std::size_t(k) * k * NbCases, Infini);
    for (int s : carres_)
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
                const int arrivee = p.rayon(b, d).cases[n - 1];
                for (uint32_t x = croisees; x; x &= x - 1) {
                    const int a = std::countr_zero(x);
                    for (int g = 0; g < k; ++g) {
                        const std::size_t i = (std::size_t(a) * k + g) * NbCases + s;
                        const bool aussi = croisees >> g & 1;
                        ecartFixe_[i] = std::min(ecartFixe_[i],
                                                 aussi ? uint8_t(0) : DistanceFixe(g, s, arrivee));
                        ecartLibre_[i] =
                            std::min(ecartLibre_[i], r.DistanceApresDeplacement(g, arrivee, s));
                    }
                }
            }
        }
}

void ChaineCarre::CalculeParcours() {
    const int k = taille();
    parcours_.assign((std::size_t(1) << k) * k * NbCases, Infini);
    parcoursLibre_.assign((std::size_t(1) << k) * k, Infini);
    for (uint32_t ens = 1; ens < (1u << k); ++ens)
        for (uint32_t x = ens; x; x &= x - 1) {
            const int f = std::countr_zero(x);
            const uint32_t reste = ens & ~(1u << f);
            uint8_t* ligne = &parcours_[Indice(ens, f) * NbCases];
            uint8_t meilleur = Infini;
            for (int s : carres_) {
                uint8_t v = reste ? Infini : 0;
                for (uint32_t y = reste; y; y &= y - 1) {
                    const int g = std::countr_zero(y);
                    const std::size_t e = (std::size_t(f) * k + g) * NbCases + s;
                    v = std::min(v,
                                 Somme(ecartFixe_[e], parcours_[Indice(reste, g) * NbCases + s]));
                    v = std::min(v, Somme(ecartLibre_[e], parcoursLibre_[Indice(reste, g)]));
                }
                ligne[s] = v;
                meilleur = std::min(meilleur, v);
            }
            parcoursLibre_[Indice(ens, f)] = meilleur;
        }
}

int ChaineCarre::Borne(int boule, int carre, uint32_t ens, const uint8_t* apresDeplacement) const {
    if (ens == 0)
        return 0;
    int borne = Infini;
    for (uint32_t x = ens; x; x &= x - 1) {
        const int f = std::countr_zero(x);
        const uint8_t reste = parcours_[Indice(ens, f) * NbCases + carre];
        borne = std::min<int>(borne, Somme(DistanceFixe(f, carre, boule), reste));
        borne = std::min<int>(borne, Somme(apresDeplacement[f], parcoursLibre_[Indice(ens, f)]));
    }
    return borne;
}

} // namespace zorvane::solveur
