#include "Effets.h"

#include <cmath>

namespace zorvane::sons {

namespace {

// A wooden mallet: a strong fundamental, a fourth partial near 4, a faint tenth.
Signal Maillet(double f, double duree) {
    return Cloche(f, duree, {{1.0, 1.0, 0.35}, {3.99, 0.25, 0.07}, {9.9, 0.06, 0.025}}, 0.003);
}

// A small glockenspiel bar: inharmonic partials of a struck metal bar.
Signal Glockenspiel(double f, double duree) {
    return Cloche(f, duree, {{1.0, 1.0, 0.45}, {2.76, 0.35, 0.15}, {5.40, 0.15, 0.06}}, 0.002);
}

// A soft sustained tone that swells and fades: the chord under the jingle.
Signal Nappe(double f, double duree, double attaque, double constante) {
    Signal s = Vide(duree);
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = Temps(i);
        phase += 2 * Pi * f * (1 + 0.003 * std::sin(2 * Pi * 4.5 * t)) / Fe;
        s[i] = Montee(t, attaque) * Decroit(t - attaque, constante) * Harmoniques(phase, f, 0.3);
    }
    return s;
}

// A brass note: brighter as it gets louder, vibrato after a moment when it is held.
Signal Cuivre(double f, double duree, double brillance) {
    Signal s = Vide(duree + 0.08);
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = Temps(i);
        const double vibrato = 0.006 * Montee(t - 0.25, 0.2) * std::sin(2 * Pi * 5.5 * t);
        phase += 2 * Pi * f * (1 + vibrato) / Fe;
        const double attaque = Montee(t, 0.025) * (1 + 0.25 * Decroit(t - 0.025, 0.05));
        const double a = attaque * Descente(t, duree, 0.07);
        s[i] = a * Harmoniques(phase, f, brillance * (0.55 + 0.45 * std::min(a, 1.0)));
    }
    return s;
}

} // namespace

Signal Demarrage() {
    Signal s = Vide(1.5);
    const int arpege[] = {72, 76, 79, 84}; // C E G C, rising
    for (int i = 0; i < 4; ++i)
        Ajoute(s, Maillet(Note(arpege[i]), 1.0), 0.1 * i, 0.55);
    for (int note : {60, 64, 67, 72}) // the C major chord under the top note
        Ajoute(s, Nappe(Note(note), 1.2, 0.06, 0.45), 0.3, 0.18);
    Ajoute(s, Glockenspiel(Note(91), 0.9), 0.42, 0.22); // a sparkle above
    Ajoute(s, Glockenspiel(Note(96), 0.8), 0.50, 0.15);
    s.resize(std::size_t(1.5 * Fe));
    Reverbere(s, 0.35);
    FonduFinal(s, 0.35);
    return s;
}

Signal Boule() {
    Signal s = Vide(0.4);
    Bruit bruit(101);
    Biquad roulement, souffle;
    roulement.passeBas(320, 0.8);
    const Courbe balayage{{0.0, 500}, {0.17, 1700}, {0.4, 800}};
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = Temps(i);
        // The ball's rumble wobbles as it turns; the air it moves sweeps up and down.
        const double tour = 0.7 + 0.3 * std::sin(2 * Pi * 26 * t + 0.6 * std::sin(2 * Pi * 6 * t));
        souffle.passeBande(balayage(t), 1.3);
        const double grave = roulement(bruit()) * tour;
        const double air = souffle(bruit());
        const double ton = 0.08 * std::sin(2 * Pi * 95 * t) * tour;
        s[i] = Montee(t, 0.04) * Descente(t, 0.24, 0.16) * (2.2 * grave + 0.8 * air + ton);
    }
    return s;
}

Signal Carre() {
    Signal s = Vide(0.42);
    Bruit bruit(202);
    // Stick and slip: irregular grains of friction excite the block's wooden body.
    Signal grains = Vide(0.42);
    for (double t = 0.0; t < 0.33; t += bruit.uniforme(0.009, 0.017)) {
        const double force = bruit.uniforme(0.5, 1.0);
        const auto debut = std::size_t(t * Fe);
        for (std::size_t k = 0; k < std::size_t(0.006 * Fe) && debut + k < grains.size(); ++k)
            grains[debut + k] += force * Decroit(Temps(k), 0.0015) * bruit();
    }
    Biquad corps, frottement, grave;
    corps.passeBande(430, 5.0);
    frottement.passeBande(1150, 1.8);
    grave.passeBande(190, 3.0);
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = Temps(i);
        phase += 2 * Pi * (165 - 60 * t) / Fe; // the hum sinks as the block slows
        const double bourdon = 0.12 * (2 / Pi) * std::asin(std::sin(phase));
        const double glisse = Montee(t, 0.03) * Descente(t, 0.27, 0.07);
        s[i] = glisse * (1.6 * corps(grains[i]) + 0.7 * frottement(grains[i]) +
                         1.2 * grave(bruit()) * 0.5 + bourdon);
    }
    // It comes to rest against something: a soft, low knock.
    Signal choc = Vide(0.09);
    for (std::size_t i = 0; i < choc.size(); ++i) {
        const double t = Temps(i);
        choc[i] = Montee(t, 0.002) * Decroit(t, 0.025) *
                  (std::sin(2 * Pi * 105 * t) + 0.4 * std::sin(2 * Pi * 260 * t));
    }
    Ajoute(s, choc, 0.32, 0.45);
    s.resize(std::size_t(0.42 * Fe));
    FonduFinal(s, 0.03);
    return s;
}

Signal Zelmite() {
    Signal s = Vide(0.32);
    const auto cristal = [](double f) {
        return Cloche(f, 0.3,
                      {{1.0, 1.0, 0.11}, {2.0, 0.35, 0.06}, {3.01, 0.18, 0.035}, {4.23, 0.1, 0.02}},
                      0.0015);
    };
    Ajoute(s, cristal(Note(88)), 0.0, 1.0);   // E
    Ajoute(s, cristal(Note(95)), 0.045, 0.8); // B, a fifth above
    Bruit bruit(303);
    Biquad eclat;
    eclat.passeBande(7000, 2.0);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] += 0.5 * Decroit(Temps(i), 0.025) * eclat(bruit());
    s.resize(std::size_t(0.32 * Fe));
    Reverbere(s, 0.15, 0.6);
    FonduFinal(s, 0.08);
    return s;
}

Signal Declic() {
    Signal s = Vide(0.1);
    Bruit bruit(404);
    const auto clic = [&](double resonance) {
        Signal c = Vide(0.05);
        Biquad attaque;
        attaque.passeBande(3200, 1.5);
        for (std::size_t i = 0; i < c.size(); ++i) {
            const double t = Temps(i);
            c[i] = attaque(bruit()) * Decroit(t, 0.0015) +
                   0.35 * Montee(t, 0.0005) * Decroit(t, 0.007) * std::sin(2 * Pi * resonance * t);
        }
        return c;
    };
    Ajoute(s, clic(1750), 0.003, 1.0); // the latch lifts
    Ajoute(s, clic(2450), 0.036, 0.7); // and drops into place
    s.resize(std::size_t(0.1 * Fe));
    FonduFinal(s, 0.02);
    return s;
}

Signal Ovation() {
    Signal s = Vide(3.0);
    // The fanfare: a triplet call, a rising C major arpeggio, the top G held over the chord.
    struct NoteCuivre {
        int note;
        double debut, duree, gain;
    };
    const NoteCuivre fanfare[] = {
        {67, 0.00, 0.08, 0.8}, {67, 0.10, 0.08, 0.8}, {67, 0.20, 0.08, 0.85}, {72, 0.30, 0.22, 1.0},
        {76, 0.54, 0.18, 1.0}, {79, 0.74, 0.32, 1.0}, {76, 1.08, 0.14, 0.9},  {79, 1.24, 1.25, 1.1},
    };
    for (const NoteCuivre& n : fanfare)
        Ajoute(s, Cuivre(Note(n.note), n.duree, 0.8), n.debut, 0.45 * n.gain);
    for (int note : {48, 60, 64, 67}) // the chord under the last note
        Ajoute(s, Cuivre(Note(note), 1.25, 0.6), 1.24, note == 48 ? 0.25 : 0.15);
    Bruit bruit(505);
    Biquad cymbale;
    cymbale.passeHaut(5000, 0.7);
    for (std::size_t i = std::size_t(1.24 * Fe); i < s.size(); ++i)
        s[i] += 0.12 * Decroit(Temps(i) - 1.24, 0.45) * cymbale(bruit());

    // The applause: claps at random moments, denser after the fanfare, each a short band of noise.
    const Courbe densite{{0.8, 0}, {1.3, 60}, {2.4, 80}, {3.0, 30}};
    Signal foule = Vide(3.1);
    for (double t = 0.8; t < 2.95;) {
        t += -std::log(bruit.uniforme(0.001, 1.0)) / std::max(densite(t), 5.0);
        Biquad main;
        main.passeBande(bruit.uniforme(900, 2300), bruit.uniforme(1.0, 2.2));
        const double force = bruit.uniforme(0.3, 1.0), tenue = bruit.uniforme(0.003, 0.008);
        Signal c = Vide(0.04);
        for (std::size_t i = 0; i < c.size(); ++i)
            c[i] = force * Montee(Temps(i), 0.0008) * Decroit(Temps(i), tenue) * main(bruit());
        Ajoute(foule, c, t);
    }
    foule.resize(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = Temps(i);
        s[i] += 3.5 * Montee(t - 0.8, 0.4) * Descente(t, 2.6, 0.4) * foule[i];
    }
    Reverbere(s, 0.25);
    FonduFinal(s, 0.25);
    return s;
}

Signal AuRevoir() {
    // "à bientôt": a source of voice through moving formants, from vowel to vowel.
    const double duree = 1.4;
    const Courbe hauteur{{0.0, 205},  {0.25, 218}, {0.36, 235}, {0.55, 262},
                         {0.76, 250}, {0.9, 290},  {1.05, 245}, {1.36, 178}};
    const Courbe voisement{{0.0, 0.0},    {0.04, 1.0},  {0.25, 1.0},  {0.31, 0.06},
                           {0.355, 0.06}, {0.375, 1.0}, {0.73, 1.0},  {0.78, 0.0},
                           {0.875, 0.0},  {0.9, 1.0},   {1.12, 0.85}, {1.36, 0.0}};
    // a, closing for b, i, the nasal "en", closing for t, o.
    const Courbe f1{{0.0, 740},  {0.25, 740}, {0.31, 320}, {0.36, 290}, {0.44, 290},
                    {0.52, 580}, {0.73, 590}, {0.8, 420},  {0.9, 420},  {1.36, 400}};
    const Courbe f2{{0.0, 1300},  {0.25, 1300}, {0.31, 950}, {0.37, 2150}, {0.44, 2250},
                    {0.52, 1750}, {0.73, 1700}, {0.8, 1600}, {0.9, 880},   {1.36, 800}};
    const Courbe f3{{0.0, 2550},  {0.31, 2300}, {0.37, 2900}, {0.44, 3000},
                    {0.52, 2650}, {0.73, 2600}, {0.9, 2500},  {1.36, 2450}};
    const Courbe largeur1{{0.0, 90}, {0.5, 90}, {0.54, 210}, {0.73, 210}, {0.8, 90}};
    Bruit bruit(606);
    Biquad souffle, eclat;
    souffle.passeBande(1800, 0.8);
    eclat.passeHaut(3200, 0.8);
    Resonateur r1, r2, r3, r4;
    Signal voix = Vide(duree);
    double phase = 0;
    for (std::size_t i = 0; i < voix.size(); ++i) {
        const double t = Temps(i);
        const double f0 =
            hauteur(t) * (1 + 0.012 * Montee(t - 0.95, 0.15) * std::sin(2 * Pi * 5.5 * t));
        phase += 2 * Pi * f0 / Fe;
        double source = 0;
        for (int k = 1; k * f0 < 5000; ++k)
            source += std::sin(k * phase) / std::pow(k, 1.4);
        const double v = voisement(t);
        double x = v * (source + 0.06 * souffle(bruit()));
        x = r4(r3(r2(r1(x, f1(t), largeur1(t)), f2(t), 110), f3(t), 170), 3600, 260);
        // The t: a short hiss of released air, outside the vowels' resonances.
        const double t0 = t - 0.83;
        x += 0.5 * Montee(t0, 0.002) * Decroit(t0, 0.012) * eclat(bruit());
        voix[i] = x;
    }
    Signal s = Vide(2.05);
    Ajoute(s, voix, 0.0, 1.0);
    Finit(s, 1.0);
    // A friendly little "bye" on two mallet notes, falling.
    Ajoute(s, Maillet(Note(76), 0.6), 1.44, 0.3);
    Ajoute(s, Maillet(Note(72), 0.6), 1.62, 0.3);
    s.resize(std::size_t(2.05 * Fe));
    Reverbere(s, 0.2);
    FonduFinal(s, 0.15);
    return s;
}

const std::vector<Effet>& Effets() {
    static const std::vector<Effet> effets = {
        {"PILO.WAV", Demarrage, 0.7},  {"move01.wav", Boule, 0.55},   {"move02.wav", Carre, 0.55},
        {"zelmite.wav", Zelmite, 0.6}, {"slotclck.wav", Declic, 0.5}, {"applau.wav", Ovation, 0.7},
        {"GORBUL.WAV", AuRevoir, 0.7},
    };
    return effets;
}

} // namespace zorvane::sons
