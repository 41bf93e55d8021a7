// The twenty pieces of the game's music. Each has its own key, mode, metre, tempo, instruments
// (General MIDI programs), accompaniment, drums and form.
#include "Morceau.h"

namespace zorvane::musique {

namespace {

// General MIDI programs used here.
enum Programme : int {
    Piano = 0,
    PianoElectrique = 4,
    Clavinet = 7,
    Celesta = 8,
    BoiteAMusique = 10,
    Vibraphone = 11,
    Xylophone = 13,
    Orgue = 16,
    OrgueEglise = 19,
    Accordeon = 21,
    Harmonica = 22,
    GuitareNylon = 24,
    GuitareElectrique = 27,
    BasseAcoustique = 32,
    BasseDoigts = 33,
    BasseMediator = 34,
    BasseFretless = 35,
    BasseSlap = 36,
    Violon = 40,
    Violoncelle = 42,
    Contrebasse = 43,
    Pizzicato = 45,
    Harpe = 46,
    Cordes = 48,
    CordesLentes = 49,
    CordesSynthe = 50,
    Choeur = 52,
    Voix = 53,
    Trompette = 56,
    Tuba = 58,
    Cor = 60,
    Cuivres = 61,
    SaxAlto = 65,
    SaxTenor = 66,
    Hautbois = 68,
    Clarinette = 71,
    Piccolo = 72,
    Flute = 73,
    FluteABec = 74,
    Shakuhachi = 77,
    Calliope = 82,
    NappeChaude = 89,
    Koto = 107,
    SteelDrum = 114,
};

using Accords = std::vector<std::string>;

Section S(Accords a, bool melodie = true) {
    return {std::move(a), melodie};
}

Morceau Nouveau(std::string titre, uint64_t graine, double tempo, Metre metre, int tonique,
                Mode mode) {
    Morceau m;
    m.titre = std::move(titre);
    m.graine = graine;
    m.tempo = tempo;
    m.metre = metre;
    m.tonique = tonique;
    m.mode = mode;
    return m;
}

std::vector<Morceau> Cree() {
    std::vector<Morceau> c;
    {
        Morceau m = Nouveau("Matin clair", 101, 112, Metre::QuatreTemps, 0, Mode::Majeur);
        m.programmeMelodie = Flute, m.programmeHarmonie = Piano;
        m.programmeBasse = BasseDoigts, m.programmeNappe = Cordes;
        m.centreMelodie = 76, m.jeu = Jeu::Arpege, m.basse = Basse::Pop;
        m.batterie = Batterie::Pop;
        m.sections = {{"I", S({"I", "vi", "IV", "V"}, false)},
                      {"A", S({"I", "vi", "IV", "V", "I", "vi", "IV-V", "I"})},
                      {"B", S({"IV", "V", "iii", "vi", "IV", "I", "ii", "V"})},
                      {"O", S({"IV", "V", "I", "I"}, false)}};
        m.forme = {"I", "A", "A", "B", "A!", "O"};
        m.forts = {"B"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Valse des billes", 202, 160, Metre::TroisTemps, 5, Mode::Majeur);
        m.programmeMelodie = Clarinette, m.programmeHarmonie = Piano;
        m.programmeBasse = BasseAcoustique, m.programmeNappe = Accordeon;
        m.centreMelodie = 72, m.jeu = Jeu::Valse, m.basse = Basse::Valse;
        m.batterie = Batterie::Valse, m.legato = 0.85;
        m.sections = {{"I", S({"I", "IV", "V7", "I"}, false)},
                      {"A", S({"I", "vi", "IV", "V7", "I", "vi", "V7", "I"})},
                      {"B", S({"IV", "IV", "I", "I", "V7/V", "V7/V", "V", "V7"})},
                      {"O", S({"IV", "V7", "I", "I"}, false)}};
        m.forme = {"I", "A", "A", "B", "B", "A", "A!", "O"};
        m.forts = {"B"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Nocturne", 303, 70, Metre::QuatreTemps, 9, Mode::Mineur);
        m.programmeMelodie = Hautbois, m.programmeHarmonie = Harpe;
        m.programmeBasse = BasseAcoustique, m.programmeNappe = CordesLentes;
        m.centreMelodie = 74, m.jeu = Jeu::Arpege, m.basse = Basse::Rondes;
        m.batterie = Batterie::Ballade, m.legato = 0.98, m.reverberation = 80;
        m.volumeHarmonie = 80, m.volumeBasse = 127;
        m.sections = {{"I", S({"i", "V7"}, false)},
                      {"A", S({"i", "iv", "bVII", "bIII", "bVI", "iv", "V7", "i"})},
                      {"B", S({"bVI", "bVII", "bIII", "bVI", "iv", "i", "iio", "V7"})},
                      {"O", S({"iv", "i"}, false)}};
        m.forme = {"I", "A", "B", "A!", "O"};
        m.forts = {"B"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Samba des zelmites", 404, 128, Metre::QuatreTemps, 2, Mode::Majeur);
        m.programmeMelodie = SaxAlto, m.programmeHarmonie = GuitareNylon;
        m.programmeBasse = BasseAcoustique, m.programmeNappe = NappeChaude;
        m.centreMelodie = 70, m.jeu = Jeu::Bossa, m.basse = Basse::Bossa;
        m.batterie = Batterie::Bossa, m.legato = 0.85;
        m.sections = {{"I", S({"Imaj7", "vi7", "ii7", "V7"}, false)},
                      {"A", S({"Imaj7", "vi7", "ii7", "V7", "Imaj7", "vi7", "ii7-V7", "Imaj7"})},
                      {"B", S({"IVmaj7", "iv7", "iii7", "V7/ii", "ii7", "V7", "Imaj7", "V7"})},
                      {"O", S({"ii7", "V7", "Imaj7", "Imaj7"}, false)}};
        m.forme = {"I", "A", "B", "A", "B", "A!", "O"};
        m.forts = {"B"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Marche du carré", 505, 112, Metre::QuatreTemps, 10, Mode::Majeur);
        m.programmeMelodie = Trompette, m.programmeHarmonie = Cuivres;
        m.programmeBasse = Tuba, m.programmeNappe = Cor;
        m.centreMelodie = 70, m.jeu = Jeu::ContreTemps, m.basse = Basse::FlonFlon;
        m.batterie = Batterie::Marche, m.legato = 0.7, m.reverberation = 40;
        m.sections = {{"I", S({"I", "IV", "V7", "I"}, false)},
                      {"A", S({"I", "I", "IV", "V", "I", "vi", "ii-V", "I"})},
                      {"B", S({"vi", "vi", "V", "V", "IV", "I", "ii", "V7"})},
                      {"O", S({"IV", "V7", "I", "I"}, false)}};
        m.forme = {"I", "A", "A", "B", "A!", "O"};
        m.forts = {"B"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Reggae du soleil", 606, 84, Metre::QuatreTemps, 7, Mode::Majeur);
        m.programmeMelodie = Harmonica, m.programmeHarmonie = Orgue;
        m.programmeBasse = BasseDoigts, m.programmeNappe = Choeur;
        m.centreMelodie = 67, m.jeu = Jeu::ContreTemps, m.basse = Basse::Reggae;
        m.batterie = Batterie::Reggae, m.legato = 0.8;
        m.sections = {{"I", S({"I", "IV"}, false)},
                      {"V", S({"I", "IV", "I", "V", "I", "IV", "V", "I"})},
                      {"R", S({"IV", "V", "iii", "vi", "IV", "V", "I", "I"})},
                      {"O", S({"IV", "I"}, false)}};
        m.forme = {"I", "V", "R", "V", "R", "O"};
        m.forts = {"R"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Rondo des cristaux", 707, 96, Metre::SixHuit, 4, Mode::Mineur);
        m.programmeMelodie = FluteABec, m.programmeHarmonie = GuitareNylon;
        m.programmeBasse = BasseAcoustique, m.programmeNappe = Cordes;
        m.centreMelodie = 76, m.jeu = Jeu::Arpege, m.basse = Basse::SixHuit;
        m.batterie = Batterie::SixHuit, m.legato = 0.85;
        m.sections = {{"I", S({"i", "bVII", "bVI", "V"}, false)},
                      {"A", S({"i", "bVII", "bVI", "V", "i", "bVII", "iv-V", "i"})},
                      {"B", S({"bIII", "bVII", "iv", "V", "bIII", "bVII", "iv", "V"})},
                      {"C", S({"bVI", "bVII", "bIII", "bIII", "bVI", "bVII", "V", "V"})},
                      {"O", S({"iv", "V", "i", "i"}, false)}};
        m.forme = {"I", "A", "B", "A", "C", "A!", "O"};
        m.forts = {"C"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Swing de minuit", 808, 150, Metre::QuatreTemps, 5, Mode::Majeur);
        m.programmeMelodie = SaxTenor, m.programmeHarmonie = Piano;
        m.programmeBasse = BasseAcoustique, m.programmeNappe = Cuivres;
        m.centreMelodie = 67, m.jeu = Jeu::Charleston, m.basse = Basse::Marche;
        m.batterie = Batterie::Swing, m.swing = true, m.legato = 0.85;
        m.volumeBatterie = 115;
        m.sections = {{"I", S({"ii7", "V7", "ii7", "V7"}, false)},
                      {"A", S({"Imaj7", "vi7", "ii7", "V7", "iii7", "V7/ii", "ii7-V7", "I6"})},
                      {"B", S({"V7/vi", "V7/vi", "V7/ii", "V7/ii", "V7/V", "V7/V", "V7", "V7"})},
                      {"O", S({"ii7", "V7", "Imaj7", "I6"}, false)}};
        m.forme = {"I", "A", "A", "B", "A", "A!", "O"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Boîte à musique", 909, 100, Metre::TroisTemps, 3, Mode::Majeur);
        m.programmeMelodie = BoiteAMusique, m.programmeHarmonie = Celesta;
        m.programmeBasse = Pizzicato, m.programmeNappe = CordesLentes;
        m.centreMelodie = 79, m.jeu = Jeu::Alberti, m.basse = Basse::Valse;
        m.batterie = Batterie::BoiteAMusique, m.legato = 0.9, m.reverberation = 70;
        m.sections = {{"I", S({"I", "V7", "I", "V7"}, false)},
                      {"A", S({"I", "IV", "I", "V7", "I", "IV", "V7", "I"})},
                      {"B", S({"vi", "iii", "IV", "I", "ii", "V", "V7/V", "V7"})},
                      {"O", S({"IV", "V7", "I", "I"}, false)}};
        m.forme = {"I", "A", "B", "A!", "O"};
        m.forts = {"B"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Chevauchée", 1010, 144, Metre::QuatreTemps, 2, Mode::Mineur);
        m.programmeMelodie = Cor, m.programmeHarmonie = Cordes;
        m.programmeBasse = BasseMediator, m.programmeNappe = Cuivres;
        m.centreMelodie = 67, m.jeu = Jeu::Ostinato, m.basse = Basse::Croches;
        m.batterie = Batterie::Chevauchee, m.legato = 0.9;
        m.volumeHarmonie = 70, m.volumeBasse = 127;
        m.sections = {{"I", S({"i", "i", "bVI", "V"}, false)},
                      {"A", S({"i", "bVI", "bIII", "bVII", "i", "bVI", "iv-V", "i"})},
                      {"B", S({"bVI", "bVII", "i", "i", "bVI", "bVII", "V", "V"})},
                      {"C", S({"iv", "iv", "i", "i", "bVI", "bVII", "V", "V7"})},
                      {"O", S({"bVI", "bVII", "i", "i"}, false)}};
        m.forme = {"I", "A", "B", "A", "B!", "C", "B!", "O"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Jardin japonais", 1111, 80, Metre::QuatreTemps, 9, Mode::PentaMineure);
        m.programmeMelodie = Shakuhachi, m.programmeHarmonie = Koto;
        m.programmeBasse = BasseFretless, m.programmeNappe = NappeChaude;
        m.centreMelodie = 72, m.jeu = Jeu::Arpege, m.basse = Basse::Rondes;
        m.batterie = Batterie::Japonais, m.legato = 0.95, m.reverberation = 85;
        m.sections = {{"I", S({"i", "bVII"}, false)},
                      {"A", S({"i", "bVII", "bIII", "i", "iv", "bIII", "bVII", "i"})},
                      {"B", S({"bIII", "bVII", "iv", "i", "bVI", "bVII", "isus4", "i"})},
                      {"O", S({"bVII", "i"}, false)}};
        m.forme = {"I", "A", "B", "A!", "O"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Fête foraine", 1212, 152, Metre::QuatreTemps, 0, Mode::Majeur);
        m.programmeMelodie = Calliope, m.programmeHarmonie = Accordeon;
        m.programmeBasse = Tuba, m.programmeNappe = Cuivres;
        m.centreMelodie = 74, m.jeu = Jeu::ContreTemps, m.basse = Basse::FlonFlon;
        m.batterie = Batterie::Polka, m.legato = 0.6;
        m.volumeBasse = 127;
        m.sections = {{"I", S({"I", "V7", "I", "V7"}, false)},
                      {"A", S({"I", "IV", "V7", "I", "I", "IV", "V7", "I"})},
                      {"B", S({"V7/V", "V", "V7", "I", "V7/V", "V", "V7", "V7"})},
                      {"O", S({"IV", "V7", "I", "I"}, false)}};
        m.forme = {"I", "A", "A", "B", "B", "A!", "O"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Pluie d'automne", 1313, 82, Metre::QuatreTemps, 4, Mode::Dorien);
        m.programmeMelodie = PianoElectrique, m.programmeHarmonie = GuitareElectrique;
        m.programmeBasse = BasseDoigts, m.programmeNappe = Choeur;
        m.centreMelodie = 69, m.jeu = Jeu::Arpege, m.basse = Basse::Blanches;
        m.batterie = Batterie::Doux, m.swing = true, m.legato = 0.9, m.reverberation = 70;
        m.sections = {
            {"I", S({"i7", "IV7"}, false)},
            {"A", S({"i7", "IV7", "i7", "IV7", "bIIImaj7", "IV7", "v7-IV7", "i7"})},
            {"B", S({"bVIImaj7", "bIIImaj7", "IV7", "i7", "bVIImaj7", "bIIImaj7", "ii7", "IV7"})},
            {"O", S({"IV7", "i7"}, false)}};
        m.forme = {"I", "A", "B", "A!", "O"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Galop final", 1414, 168, Metre::QuatreTemps, 9, Mode::Majeur);
        m.programmeMelodie = Piccolo, m.programmeHarmonie = Pizzicato;
        m.programmeBasse = Tuba, m.programmeNappe = Cuivres;
        m.centreMelodie = 76, m.jeu = Jeu::ContreTemps, m.basse = Basse::FlonFlon;
        m.batterie = Batterie::Galop, m.legato = 0.6;
        m.volumeMelodie = 110, m.volumeHarmonie = 70, m.volumeBatterie = 75;
        m.sections = {{"I", S({"I", "I", "V7", "V7"}, false)},
                      {"A", S({"I", "IV", "I", "V", "I", "IV", "V7", "I"})},
                      {"B", S({"vi", "ii", "V7", "I", "vi", "ii", "V7/V", "V7"})},
                      {"O", S({"I", "IV", "V7", "I"}, false)}};
        m.forme = {"I", "A", "A", "B", "A!", "O"};
        m.forts = {"B"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Cathédrale", 1515, 68, Metre::QuatreTemps, 2, Mode::Majeur);
        m.programmeMelodie = OrgueEglise, m.programmeHarmonie = Choeur;
        m.programmeBasse = Contrebasse, m.programmeNappe = CordesLentes;
        m.centreMelodie = 72, m.jeu = Jeu::Blanches, m.basse = Basse::Blanches;
        m.batterie = Batterie::Choral, m.legato = 0.98, m.reverberation = 100;
        m.volumeMelodie = 127, m.volumeHarmonie = 75, m.volumeBasse = 80;
        m.sections = {{"I", S({"I", "V"}, false)},
                      {"A", S({"I", "V", "vi", "iii", "IV", "I", "ii-V", "I"})},
                      {"B", S({"IV", "I", "vi", "V", "IV", "I", "V7/V", "V"})},
                      {"O", S({"IV", "I"}, false)}};
        m.forme = {"I", "A", "B", "A!", "O"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Calypso", 1616, 112, Metre::QuatreTemps, 5, Mode::Majeur);
        m.programmeMelodie = SteelDrum, m.programmeHarmonie = GuitareNylon;
        m.programmeBasse = BasseDoigts, m.programmeNappe = Voix;
        m.centreMelodie = 74, m.jeu = Jeu::Gratte, m.basse = Basse::Pop;
        m.batterie = Batterie::Calypso, m.legato = 0.75;
        m.volumeMelodie = 127, m.volumeHarmonie = 60, m.volumeBasse = 85;
        m.volumeBatterie = 70;
        m.sections = {{"I", S({"I", "IV", "V7", "I"}, false)},
                      {"V", S({"I", "V7", "I", "IV", "I", "V7", "IV-V7", "I"})},
                      {"R", S({"IV", "I", "V7", "I", "IV", "I", "ii-V7", "I"})},
                      {"O", S({"IV", "V7", "I", "I"}, false)}};
        m.forme = {"I", "V", "R", "V", "R!", "O"};
        m.forts = {"R"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Valse de la lune", 1717, 144, Metre::TroisTemps, 7, Mode::Mineur);
        m.programmeMelodie = Violon, m.programmeHarmonie = Accordeon;
        m.programmeBasse = BasseAcoustique, m.programmeNappe = Cordes;
        m.centreMelodie = 74, m.jeu = Jeu::Valse, m.basse = Basse::Valse;
        m.batterie = Batterie::Valse, m.legato = 0.95;
        m.sections = {{"I", S({"i", "V7", "i", "V7"}, false)},
                      {"A", S({"i", "iv", "V7", "i", "bVI", "iv", "V7", "i"})},
                      {"B", S({"bIII", "bVII", "iv", "i", "bVI", "iio", "V7", "V7"})},
                      {"O", S({"iv", "V7", "i", "i"}, false)}};
        m.forme = {"I", "A", "A", "B", "B", "A!", "O"};
        m.forts = {"B"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Funky boule", 1818, 104, Metre::QuatreTemps, 9, Mode::Dorien);
        m.programmeMelodie = Cuivres, m.programmeHarmonie = Clavinet;
        m.programmeBasse = BasseSlap, m.programmeNappe = CordesSynthe;
        m.centreMelodie = 69, m.jeu = Jeu::Funk, m.basse = Basse::Funk;
        m.batterie = Batterie::Funk, m.legato = 0.7;
        m.volumeMelodie = 127, m.volumeHarmonie = 90, m.volumeBasse = 90;
        m.volumeBatterie = 70;
        m.sections = {{"I", S({"i7", "IV7", "i7", "IV7"}, false)},
                      {"A", S({"i7", "i7", "IV7", "IV7", "i7", "i7", "bVII-IV7", "i7"})},
                      {"B", S({"bIIImaj7", "IV7", "v7", "i7", "bVIImaj7", "IV7", "v7", "IV7"})},
                      {"O", S({"i7", "IV7", "i7", "i7"}, false)}};
        m.forme = {"I", "A", "A", "B", "A!", "O"};
        m.forts = {"B"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Berceuse", 1919, 56, Metre::SixHuit, 7, Mode::Majeur);
        m.programmeMelodie = Celesta, m.programmeHarmonie = Harpe;
        m.programmeBasse = Violoncelle, m.programmeNappe = CordesLentes;
        m.centreMelodie = 76, m.jeu = Jeu::Arpege, m.basse = Basse::SixHuit;
        m.batterie = Batterie::Berceuse, m.legato = 0.95, m.reverberation = 80;
        m.volumeMelodie = 127, m.volumeHarmonie = 60, m.volumeBasse = 75;
        m.sections = {{"I", S({"I", "V"}, false)},
                      {"A", S({"I", "IV", "I", "V", "I", "IV", "V7", "I"})},
                      {"B", S({"vi", "IV", "I", "V", "vi", "ii", "V7", "V7"})},
                      {"O", S({"IV", "I"}, false)}};
        m.forme = {"I", "A", "B", "A", "O"};
        c.push_back(m);
    }
    {
        Morceau m = Nouveau("Grand final", 2020, 120, Metre::QuatreTemps, 0, Mode::Majeur);
        m.programmeMelodie = Trompette, m.programmeHarmonie = Piano;
        m.programmeBasse = BasseMediator, m.programmeNappe = Cordes;
        m.centreMelodie = 72, m.jeu = Jeu::Noires, m.basse = Basse::Pop;
        m.batterie = Batterie::Rock, m.legato = 0.9;
        m.sections = {{"I", S({"I", "V", "vi", "IV"}, false)},
                      {"V", S({"I", "V", "vi", "IV", "I", "V", "IV", "V"})},
                      {"R", S({"IV", "V", "iii", "vi", "IV", "V", "I", "I"})},
                      {"P", S({"vi", "IV", "I", "V", "vi", "IV", "ii", "V7"})},
                      {"O", S({"IV", "V", "I", "I"}, false)}};
        m.forme = {"I", "V", "R", "P", "R", "R+2!", "O+2"};
        m.forts = {"R"};
        c.push_back(m);
    }
    return c;
}

} // namespace

const std::vector<Morceau>& Catalogue() {
    static const std::vector<Morceau> c = Cree();
    return c;
}

} // namespace zorvane::musique
