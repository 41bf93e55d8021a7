#include "Melodie.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zorvane::musique {

namespace {

using Cellule = std::vector<int>; // lengths in steps of the grid; negative: a rest

struct Cellules {
    std::vector<Cellule> actives, calmes, suspensives, conclusives;
};

const Cellules& CellulesDe(Metre m) {
    static const Cellules quatre = {
        {{2, 2, 2, 2},
         {3, 1, 2, 2},
         {1, 1, 2, 2, 2},
         {2, 1, 1, 2, 2},
         {2, 2, 1, 1, 2},
         {1, 1, 1, 1, 2, 2},
         {3, 1, 3, 1},
         {2, 1, 1, 1, 1, 2}},
        {{4, 2, 2}, {2, 2, 4}, {3, 1, 4}, {6, 2}, {-2, 2, 2, 2}, {2, 4, 2}},
        {{2, 2, 4}, {4, 4}, {3, 1, 4}, {6, -2}},
        {{2, 2, 4}, {4, 4}, {8}, {3, 1, 4}},
    };
    static const Cellules trois = {
        {{2, 2, 2}, {3, 1, 2}, {2, 1, 1, 2}, {1, 1, 2, 2}, {2, 2, 1, 1}},
        {{4, 2}, {2, 4}, {3, 1, 2}, {-2, 2, 2}},
        {{4, 2}, {2, 4}, {6}},
        {{2, 4}, {6}},
    };
    static const Cellules sixHuit = {
        {{2, 1, 2, 1}, {1, 1, 1, 3}, {3, 2, 1}, {2, 1, 3}, {3, 1, 1, 1}},
        {{3, 3}, {2, 1, 3}, {-3, 2, 1}, {5, 1}},
        {{2, 1, 3}, {3, 3}, {6}},
        {{2, 1, 3}, {6}},
    };
    switch (m) {
    case Metre::QuatreTemps:
        return quatre;
    case Metre::TroisTemps:
        return trois;
    case Metre::SixHuit:
        return sixHuit;
    }
    return quatre;
}

enum class Fin { Aucune, Suspensive, Conclusive };

struct Contexte {
    const Morceau& m;
    const Grille& g;
    const std::vector<AccordPlace>& accords;
    int bas, haut;
    int precedente = -1; // the last pitch, -1 before the first note
    int saut = 0;        // the last interval
};

// The pitch that best follows the previous one: steps over leaps, chord tones on strong beats
// and long notes, the bar's direction, a leap answered by a step back, the middle of the range.
int ChoisitHauteur(Contexte& c, uint32_t tick, uint32_t duree, int direction, Fin fin, De& de) {
    const AccordPlace& ap = AccordA(c.accords, tick);
    const std::vector<int> gamme = GammeLocale(c.m.mode, ap.accord);
    const bool fort = c.g.fort(tick % c.g.mesure) || duree >= 2 * c.g.temps;
    const int centre = (c.bas + c.haut) / 2;
    const int depart = c.precedente < 0 ? centre : c.precedente;
    int meilleure = depart;
    double meilleurCout = std::numeric_limits<double>::max();
    for (int q = std::max(c.bas - 2, depart - 12); q <= std::min(c.haut + 2, depart + 12); ++q) {
        const int classe = Classe(q - c.m.tonique);
        if (std::find(gamme.begin(), gamme.end(), classe) == gamme.end())
            continue;
        const bool accord = ap.accord.contient(classe);
        if (fin == Fin::Conclusive && classe != ap.accord.fondamentale)
            continue;
        if (fin == Fin::Suspensive && !accord)
            continue;
        const int ecart = q - depart, taille = std::abs(ecart);
        double cout = 0;
        if (c.precedente < 0) {
            cout = accord ? std::abs(q - centre) * 0.2 : 10;
        } else {
            static const double parTaille[] = {1.6, 0, 0.1, 1.0, 1.2, 2.2, 4.0, 2.6, 3.5, 4.0};
            cout += taille < 10 ? parTaille[taille] : 3 + 0.4 * taille;
            if (fort && !accord)
                cout += 4.5;
            if (!fort && !accord && taille > 2)
                cout += 3; // a passing note moves by step
            if (ecart != 0 && (ecart > 0) == (direction > 0))
                cout -= 0.8;
            else if (ecart != 0)
                cout += 0.6;
            if (std::abs(c.saut) > 4 && ecart != 0 && (ecart > 0) == (c.saut > 0))
                cout += 2.5; // after a leap, turn back
            if (ecart == 0 && c.saut == 0)
                cout += 2; // no third repeated note
        }
        cout += 0.12 * std::max(0, std::abs(q - centre) - 5);
        if (q < c.bas || q > c.haut)
            cout += 3; // only to reach a closing note
        cout += de.reel(0, 1.3);
        if (cout < meilleurCout) {
            meilleurCout = cout;
            meilleure = q;
        }
    }
    c.saut = c.precedente < 0 ? 0 : meilleure - c.precedente;
    c.precedente = meilleure;
    return meilleure;
}

Cellule Tire(const std::vector<Cellule>& v, De& de) {
    return de.choisit(v);
}

bool MemesAccords(const std::vector<AccordPlace>& accords, const Grille& g, int a, int b) {
    for (uint32_t t = 0; t < g.mesure; t += g.unite)
        if (!(AccordA(accords, a * g.mesure + t).accord ==
              AccordA(accords, b * g.mesure + t).accord))
            return false;
    return true;
}

} // namespace

std::vector<NoteMelodie> CreeMelodie(const Morceau& m, const Grille& g,
                                     const std::vector<AccordPlace>& accords, int nbMesures,
                                     int centre, De& de) {
    const Cellules& cellules = CellulesDe(m.metre);
    // Fast pieces sing in longer notes.
    const double activite = m.tempo >= 140 ? 0.3 : m.tempo >= 100 ? 0.55 : 0.7;
    auto motif = [&] {
        return de.chance(activite) ? Tire(cellules.actives, de) : Tire(cellules.calmes, de);
    };
    // Bars 1 and 2 of every phrase share their rhythm; bar 3 changes with every other phrase.
    const Cellule m1 = motif(), m2 = motif(), m3 = motif(), m4 = motif();
    const Cellule suspensive = Tire(cellules.suspensives, de);
    const Cellule conclusive = Tire(cellules.conclusives, de);

    Contexte c{m, g, accords, centre - 8, centre + 9};
    std::vector<NoteMelodie> notes;
    std::vector<std::vector<NoteMelodie>> parMesure(static_cast<std::size_t>(nbMesures));
    for (int mesure = 0; mesure < nbMesures; ++mesure) {
        const int phrase = mesure / 4, place = mesure % 4;
        const bool derniere = mesure == nbMesures - 1;
        Fin fin = Fin::Aucune;
        Cellule rythme;
        if (derniere) {
            rythme = conclusive;
            fin = Fin::Conclusive;
        } else if (place == 3) {
            rythme = suspensive;
            fin = Fin::Suspensive;
        } else {
            rythme = place == 0 ? m1 : place == 1 ? m2 : phrase % 2 == 0 ? m3 : m4;
        }
        // A bar that repeats an earlier one over the same chords repeats its notes.
        if (place < 2 && phrase > 0 && !derniere && MemesAccords(accords, g, mesure, place)) {
            for (NoteMelodie n : parMesure[std::size_t(place)]) {
                n.debut += uint32_t(mesure - place) * g.mesure;
                parMesure[std::size_t(mesure)].push_back(n);
                c.saut = n.hauteur - c.precedente;
                c.precedente = n.hauteur;
            }
            continue;
        }
        // The phrase rises in bars 1 and 3 and falls towards its close; the third bar of the
        // second phrase reaches higher.
        const int direction = place % 2 == 0 ? 1 : -1;
        const int eleve = (place == 2 && phrase % 2 == 1) ? 3 : 0;
        c.haut += eleve;
        uint32_t position = uint32_t(mesure) * g.mesure;
        for (std::size_t i = 0; i < rythme.size(); ++i) {
            const int pas = rythme[i];
            const uint32_t duree = uint32_t(std::abs(pas)) * g.unite;
            if (pas > 0) {
                const bool fermeture = fin != Fin::Aucune && i + 1 == rythme.size();
                const int d = de.chance(0.2) ? -direction : direction;
                const int h =
                    ChoisitHauteur(c, position, duree, d, fermeture ? fin : Fin::Aucune, de);
                parMesure[std::size_t(mesure)].push_back({position, duree, h});
            }
            position += duree;
        }
        c.haut -= eleve;
    }
    for (const auto& mesure : parMesure)
        notes.insert(notes.end(), mesure.begin(), mesure.end());
    return notes;
}

} // namespace zorvane::musique
