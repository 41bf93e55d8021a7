#include "Accompagnement.h"

#include <algorithm>
#include <cmath>

namespace zorvane::musique {

namespace {

constexpr uint32_t Croche = Noire / 2, Double = Noire / 4;

// Adds a chord's notes; a strum spreads them from low to high (or high to low upwards).
void Plaque(std::vector<Note>& n, const std::vector<int>& v, uint32_t debut, uint32_t duree,
            int velocite, int etalement = 0) {
    for (std::size_t k = 0; k < v.size(); ++k) {
        const std::size_t i = etalement >= 0 ? k : v.size() - 1 - k;
        const uint32_t decale = uint32_t(std::abs(etalement)) * uint32_t(k);
        if (decale < duree)
            n.push_back({debut + decale, duree - decale, uint8_t(v[i]), uint8_t(velocite)});
    }
}

int Vel(int v, De& de) {
    return std::clamp(v + de.entier(-4, 4), 1, 127);
}

} // namespace

int Grave(int classe) {
    return 36 + Classe(classe - 36);
}

std::vector<Note> Accords(const Morceau& m, const Grille& g, const Passage& p,
                          std::vector<int>& voicing, De& de) {
    std::vector<Note> n;
    // The chords stay under the tune.
    const int bas = m.jeu == Jeu::Ostinato ? 57 : std::min(53, m.centreMelodie - 17);
    for (std::size_t ia = 0; ia < p.accords.size(); ++ia) {
        const AccordPlace& a = p.accords[ia];
        voicing = Voicing(a.accord, p.tonique, bas, voicing);
        const std::vector<int>& v = voicing;
        const uint32_t t0 = p.debut + a.debut, fin = t0 + a.duree;
        const int vel = p.velocite;
        // Broken chords walk over the chord and the root an octave up.
        std::vector<int> arpege = v;
        if (arpege.size() < 4)
            arpege.push_back(v.front() + 12);
        auto accent = [&](uint32_t t) { return g.fort(t - p.debut) ? 6 : 0; };
        switch (m.jeu) {
        case Jeu::Rondes:
            Plaque(n, v, t0, a.duree - 10, Vel(vel, de));
            break;
        case Jeu::Blanches: {
            const uint32_t pas = m.metre == Metre::QuatreTemps
                                     ? 2 * g.temps
                                     : g.temps * (m.metre == Metre::SixHuit ? 1 : 3);
            for (uint32_t t = t0; t < fin; t += pas)
                Plaque(n, v, t, std::min(pas, fin - t) - 20, Vel(vel + accent(t), de));
            break;
        }
        case Jeu::Noires:
            for (uint32_t t = t0; t < fin; t += g.temps)
                Plaque(n, v, t, g.temps * 4 / 5, Vel(vel + accent(t) - 4, de));
            break;
        case Jeu::Arpege:
        case Jeu::ArpegeLent: {
            const uint32_t pas = m.jeu == Jeu::Arpege ? Croche : g.temps;
            static const int ordre[] = {0, 1, 2, 3, 2, 1};
            int i = 0;
            for (uint32_t t = t0; t < fin; t += pas, ++i) {
                const int note = arpege[std::size_t(ordre[i % 6]) % arpege.size()];
                const uint32_t sonne = std::min<uint32_t>(fin - t, 3 * pas);
                n.push_back({t, sonne, uint8_t(note), uint8_t(Vel(vel + 4 + accent(t), de))});
            }
            break;
        }
        case Jeu::Alberti: {
            const int ordre[] = {0, 2, 1, 2};
            int i = 0;
            for (uint32_t t = t0; t < fin; t += Croche, ++i) {
                const int note = v[std::size_t(ordre[i % 4]) % v.size()];
                n.push_back({t, Croche, uint8_t(note), uint8_t(Vel(vel + 2 + accent(t), de))});
            }
            break;
        }
        case Jeu::Valse:
            for (uint32_t t = t0; t < fin; t += g.temps)
                if ((t - p.debut) % g.mesure != 0)
                    Plaque(n, v, t, g.temps / 2, Vel(vel - 6, de));
            break;
        case Jeu::ContreTemps:
            for (uint32_t t = t0 + g.temps / 2; t < fin; t += g.temps)
                Plaque(n, v, t, g.temps / 3, Vel(vel - 4, de));
            break;
        case Jeu::Bossa: {
            for (uint32_t t = t0; t < fin; t += Croche) {
                const uint32_t place = ((t - p.debut) / Croche) % 16;
                if (place == 0 || place == 3 || place == 6 || place == 10 || place == 13)
                    Plaque(n, v, t, Croche * 3 / 2, Vel(vel - 4, de));
            }
            break;
        }
        case Jeu::Gratte: {
            // Down, down, up, up, down, up, on the eighths of a 4/4 bar.
            for (uint32_t t = t0; t < fin; t += Croche) {
                const uint32_t place = ((t - p.debut) / Croche) % 8;
                const bool bas = place == 0 || place == 2 || place == 6;
                const bool haut = place == 3 || place == 5 || place == 7;
                if (!bas && !haut)
                    continue;
                Plaque(n, arpege, t, Croche * 2, Vel(vel + (bas ? 0 : -12) + accent(t), de),
                       bas ? 14 : -10);
            }
            break;
        }
        case Jeu::Funk: {
            for (uint32_t t = t0; t < fin; t += Double) {
                const uint32_t place = ((t - p.debut) / Double) % 16;
                if (place == 0 || place == 3 || place == 6 || place == 8 || place == 10 ||
                    place == 11 || place == 14)
                    Plaque(n, v, t, Double * 2 / 3, Vel(vel + (place % 8 == 0 ? 6 : -6), de));
            }
            break;
        }
        case Jeu::Ostinato: {
            int i = 0;
            for (uint32_t t = t0; t < fin; t += Croche, ++i) {
                const int note = i % 2 == 0 ? v.back() : v[v.size() - 2];
                n.push_back({t, Croche - 20, uint8_t(note),
                             uint8_t(Vel(vel + accent(t) + (i % 2 == 0 ? 4 : 0), de))});
            }
            break;
        }
        case Jeu::Charleston: {
            for (uint32_t t = t0; t < fin; t += g.temps) {
                const uint32_t temps = ((t - p.debut) / g.temps) % 4;
                if (temps == 0)
                    Plaque(n, v, t, g.temps * 4 / 5, Vel(vel, de));
                else if (temps == 1)
                    Plaque(n, v, t + Croche, Croche * 3 / 2, Vel(vel - 6, de));
            }
            break;
        }
        }
    }
    return n;
}

std::vector<Note> Nappe(const Grille&, const Passage& p, std::vector<int>& voicing) {
    std::vector<Note> n;
    for (const AccordPlace& a : p.accords) {
        voicing = Voicing(a.accord, p.tonique, 60, voicing);
        Plaque(n, voicing, p.debut + a.debut, a.duree, p.velocite);
    }
    return n;
}

std::vector<Note> LigneDeBasse(const Morceau& m, const Grille& g, const Passage& p, De& de) {
    std::vector<Note> n;
    auto note = [&](uint32_t t, uint32_t duree, int hauteur, int vel) {
        n.push_back({t, duree, uint8_t(hauteur), uint8_t(Vel(vel, de))});
    };
    for (std::size_t ia = 0; ia < p.accords.size(); ++ia) {
        const AccordPlace& a = p.accords[ia];
        const uint32_t t0 = p.debut + a.debut, fin = t0 + a.duree;
        const int racine = Grave(p.tonique + a.accord.fondamentale);
        const int quinte =
            a.accord.intervalles.size() > 2 ? racine + a.accord.intervalles[2] : racine + 7;
        const int tierce = racine + a.accord.intervalles[1];
        // The next root, to lead into it.
        const Accord* apres = ia + 1 < p.accords.size() ? &p.accords[ia + 1].accord : p.suivant;
        const int cible = apres ? Grave(p.tonique + apres->fondamentale) : racine;
        const int approche = cible == racine ? quinte - 12 + 12 * (quinte - 12 < 33)
                                             : cible + (cible > racine ? -1 : 1);
        const int v = p.velocite;
        const bool mesureEntiere = a.duree == g.mesure;
        switch (m.basse) {
        case Basse::Rondes:
            note(t0, a.duree - 10, racine, v);
            break;
        case Basse::Blanches:
            if (mesureEntiere && m.metre != Metre::TroisTemps) {
                note(t0, a.duree / 2 - 10, racine, v + 4);
                note(t0 + a.duree / 2, a.duree / 2 - 10, quinte, v - 2);
            } else {
                note(t0, a.duree - 10, racine, v + 4);
            }
            break;
        case Basse::Pop:
            if (mesureEntiere) {
                note(t0, 3 * Croche - 20, racine, v + 6);
                note(t0 + 3 * Croche, Croche - 20, racine, v - 6);
                note(t0 + 4 * Croche, 2 * Croche - 20, quinte, v);
                note(t0 + 6 * Croche, 2 * Croche - 20, approche, v - 4);
            } else {
                note(t0, 3 * Croche - 20, racine, v + 6);
                note(t0 + 3 * Croche, Croche - 20, racine, v - 6);
            }
            break;
        case Basse::Croches:
            for (uint32_t t = t0; t < fin; t += Croche) {
                const bool derniere = t + Croche >= fin && apres;
                note(t, Croche - 30, derniere ? approche : racine,
                     v + (g.surLeTemps(t - p.debut) ? 4 : -4));
            }
            break;
        case Basse::Marche: {
            const int notes[] = {racine, de.chance(0.5) ? tierce : racine + 2, quinte, approche};
            int i = 0;
            for (uint32_t t = t0; t < fin; t += g.temps, ++i) {
                const int h = mesureEntiere ? notes[i % 4] : (i == 0 ? racine : approche);
                note(t, g.temps - 20, h, v + (i == 0 ? 4 : 0));
            }
            break;
        }
        case Basse::Bossa:
            note(t0, 3 * Croche - 20, racine, v + 4);
            note(t0 + 3 * Croche, Croche - 20, quinte, v - 4);
            if (mesureEntiere) {
                note(t0 + 4 * Croche, 3 * Croche - 20, quinte, v);
                note(t0 + 7 * Croche, Croche - 20, approche, v - 6);
            }
            break;
        case Basse::Valse:
            for (uint32_t t = t0; t < fin; t += g.mesure)
                note(t, g.temps - 20,
                     ((t - t0) / g.mesure) % 2 == 0 ? racine : quinte - 12 * (quinte > 47), v + 4);
            break;
        case Basse::Reggae:
            note(t0, 3 * Croche - 20, racine, v + 4);
            if (mesureEntiere) {
                note(t0 + 4 * Croche, 2 * Croche - 20, tierce, v - 4);
                note(t0 + 6 * Croche, Croche - 20, quinte, v - 6);
                note(t0 + 7 * Croche, Croche - 20, racine + 12, v - 8);
            }
            break;
        case Basse::FlonFlon:
            for (uint32_t t = t0; t < fin; t += 2 * g.temps)
                note(t, g.temps * 3 / 4,
                     ((t - t0) / (2 * g.temps)) % 2 == 0 ? racine : quinte - 12 * (quinte > 47),
                     v + 4);
            break;
        case Basse::Funk: {
            static const struct {
                int place, duree, ecart, accent;
            } motif[] = {{0, 2, 0, 8},    {3, 1, 12, 0},  {6, 1, 0, 4},  {8, 2, 0, 6},
                         {10, 1, 10, -2}, {11, 1, 12, 0}, {14, 1, 7, -4}};
            for (const auto& k : motif) {
                const uint32_t t = t0 + uint32_t(k.place) * Double;
                if (t < fin)
                    note(t, uint32_t(k.duree) * Double - 15, racine + k.ecart, v + k.accent);
            }
            break;
        }
        case Basse::SixHuit:
            for (uint32_t t = t0; t < fin; t += g.temps) {
                const bool premier = (t - p.debut) % g.mesure == 0;
                note(t, g.temps - 20, premier ? racine : quinte, v + (premier ? 4 : -2));
            }
            break;
        }
    }
    return n;
}

} // namespace zorvane::musique
