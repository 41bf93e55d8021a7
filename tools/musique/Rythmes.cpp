#include "Rythmes.h"

#include <algorithm>
#include <cstring>

namespace zorvane::musique {

namespace {

// General MIDI drum notes.
enum : uint8_t {
    GrosseCaisse = 36,
    Baguette = 37,
    CaisseClaire = 38,
    TomGraveBas = 41,
    CharlestonFerme = 42,
    TomGrave = 43,
    CharlestonPied = 44,
    TomBas = 45,
    CharlestonOuvert = 46,
    TomMedium = 47,
    TomHautMedium = 48,
    Crash = 49,
    TomAigu = 50,
    Ride = 51,
    Cloche = 56,
    CongaOuverte = 63,
    Maracas = 70,
    BlocAigu = 76,
    BlocGrave = 77,
    Triangle = 81,
};

// One instrument's strokes over a bar in sixteenths: '.' silence, '1' to '9' louder and louder.
struct Voix {
    uint8_t note;
    const char* motif;
};

struct Style {
    std::vector<Voix> normal, leger;
    int remplissage; // 0 none, 1 a light one, 2 toms, 3 a snare roll
    bool crash;
};

const Style& StyleDe(Batterie b) {
    static const Style pop{
        {{GrosseCaisse, "9.....6.9......."},
         {CaisseClaire, "....9.......9..."},
         {CharlestonFerme, "7.5.7.5.7.5.7.5."}},
        {{GrosseCaisse, "6.......6......."}, {CharlestonFerme, "5.3.5.3.5.3.5.3."}},
        2,
        true};
    static const Style rock{{{GrosseCaisse, "9.......9.7....."},
                             {CaisseClaire, "....9.......9..."},
                             {CharlestonFerme, "8.6.8.6.8.6.8.6."}},
                            {{GrosseCaisse, "7.......7......."},
                             {Baguette, "....6.......6..."},
                             {CharlestonFerme, "5.4.5.4.5.4.5.4."}},
                            2,
                            true};
    static const Style ballade{
        {{GrosseCaisse, "7.........5....."},
         {Baguette, "....6.......6..."},
         {CharlestonFerme, "5...4...5...4..."}},
        {{GrosseCaisse, "5..............."}, {CharlestonFerme, "4...3...4...3..."}},
        1,
        false};
    static const Style valse{{{GrosseCaisse, "7..........."},
                              {CaisseClaire, "....3...3..."},
                              {CharlestonFerme, "....5...5..."}},
                             {{GrosseCaisse, "5..........."}, {CharlestonFerme, "....4...4..."}},
                             1,
                             false};
    static const Style swing{{{Ride, "8...7.6.8...7.6."},
                              {CharlestonPied, "....7.......7..."},
                              {GrosseCaisse, "4...3...4...3..."},
                              {CaisseClaire, "..........3....."}},
                             {{Ride, "6...5.4.6...5.4."}, {CharlestonPied, "....6.......6..."}},
                             1,
                             false};
    static const Style bossa{{{GrosseCaisse, "8.....5.8.....5."},
                              {Baguette, "5..5..5...5..5.."},
                              {Maracas, "4343434343434343"}},
                             {{Baguette, "4..4..4...4..4.."}, {Maracas, "3232323232323232"}},
                             1,
                             false};
    static const Style marche{
        {{CaisseClaire, "9.4.7.4.9.4.7.55"}, {GrosseCaisse, "9.......8......."}},
        {{CaisseClaire, "6.3.5.3.6.3.5.3."}, {GrosseCaisse, "6.......5......."}},
        3,
        true};
    static const Style reggae{
        {{GrosseCaisse, "........9......."},
         {Baguette, "........8......."},
         {CharlestonFerme, "5.7.5.7.5.7.5.7."}},
        {{Baguette, "........6......."}, {CharlestonFerme, "4.5.4.5.4.5.4.5."}},
        1,
        false};
    static const Style sixHuit{{{GrosseCaisse, "8.....5....."},
                                {CaisseClaire, "......8....."},
                                {CharlestonFerme, "6.4.4.6.4.4."}},
                               {{GrosseCaisse, "6..........."}, {CharlestonFerme, "5.3.3.5.3.3."}},
                               1,
                               false};
    static const Style polka{
        {{GrosseCaisse, "9.......9......."},
         {CaisseClaire, "....7.......7..."},
         {CharlestonFerme, "..5...5...5...5."}},
        {{GrosseCaisse, "7.......7......."}, {CharlestonFerme, "..4...4...4...4."}},
        2,
        true};
    static const Style funk{{{GrosseCaisse, "9..6..5...8..6.."},
                             {CaisseClaire, "....9..4.4..9..5"},
                             {CharlestonFerme, "7575757575757.75"},
                             {CharlestonOuvert, ".............7.."}},
                            {{CharlestonFerme, "5454545454545454"}, {Baguette, "....6.......6..."}},
                            2,
                            true};
    static const Style calypso{{{GrosseCaisse, "8..6....8..6...."},
                                {CaisseClaire, "....7..5....7..."},
                                {Cloche, "6.4.6.4.6.4.6.4."},
                                {CongaOuverte, "..6.5..6..6.5..6"}},
                               {{Cloche, "5.3.5.3.5.3.5.3."}, {CongaOuverte, "..5.4..5..5.4..5"}},
                               2,
                               true};
    static const Style galop{
        {{GrosseCaisse, "9.......9......."},
         {CaisseClaire, "..7...7...7...7."},
         {CharlestonFerme, "7.6.7.6.7.6.7.6."}},
        {{GrosseCaisse, "7.......7......."}, {CaisseClaire, "..5...5...5...5."}},
        3,
        true};
    static const Style choral{{{TomGraveBas, "6.......4......."}, {Ride, "3...3...3...3..."}},
                              {{TomGraveBas, "5..............."}},
                              0,
                              false};
    static const Style berceuse{
        {{Triangle, "5..........."}, {Maracas, "3.2.2.3.2.2."}, {GrosseCaisse, "5.....4....."}},
        {{Triangle, "4..........."}, {Maracas, "2.2.2.2.2.2."}},
        0,
        false};
    static const Style japonais{{{TomGraveBas, "8.......6......."},
                                 {TomMedium, "......5.......5."},
                                 {BlocAigu, "....5.......5..."},
                                 {BlocGrave, "..4.....4.....4."}},
                                {{TomGraveBas, "6..............."}, {BlocAigu, "....4.......4..."}},
                                1,
                                false};
    static const Style doux{
        {{GrosseCaisse, "8.....6...8....."},
         {CaisseClaire, "....7.......7..."},
         {CharlestonFerme, "5.4.5.4.5.4.5.4."}},
        {{GrosseCaisse, "6.........6....."}, {CharlestonFerme, "4.3.4.3.4.3.4.3."}},
        1,
        false};
    static const Style boite{{{Triangle, "5..........."},
                              {GrosseCaisse, "4..........."},
                              {CharlestonFerme, "....3...3..."}},
                             {{Triangle, "4..........."}},
                             0,
                             false};
    static const Style chevauchee{
        {{GrosseCaisse, "9.....9.9......."},
         {CaisseClaire, "....9.......9..."},
         {CharlestonFerme, "8.6.8.6.8.6.8.6."}},
        {{GrosseCaisse, "9.......9......."}, {CharlestonFerme, "6.5.6.5.6.5.6.5."}},
        2,
        true};
    switch (b) {
    case Batterie::Pop:
        return pop;
    case Batterie::Rock:
        return rock;
    case Batterie::Ballade:
        return ballade;
    case Batterie::Valse:
        return valse;
    case Batterie::Swing:
        return swing;
    case Batterie::Bossa:
        return bossa;
    case Batterie::Marche:
        return marche;
    case Batterie::Reggae:
        return reggae;
    case Batterie::SixHuit:
        return sixHuit;
    case Batterie::Polka:
        return polka;
    case Batterie::Funk:
        return funk;
    case Batterie::Calypso:
        return calypso;
    case Batterie::Galop:
        return galop;
    case Batterie::Choral:
        return choral;
    case Batterie::Berceuse:
        return berceuse;
    case Batterie::Japonais:
        return japonais;
    case Batterie::Doux:
        return doux;
    case Batterie::BoiteAMusique:
        return boite;
    case Batterie::Chevauchee:
        return chevauchee;
    }
    return pop;
}

int Velocite(char c) {
    return 25 + 11 * (c - '0');
}

// The second half of the last bar, replaced by a fill.
void Remplissage(std::vector<Note>& n, int genre, uint32_t debutMesure, const Grille& g, int nbPas,
                 De& de) {
    const int premier = genre == 1 ? nbPas - nbPas / 4 : nbPas / 2;
    static const uint8_t toms[] = {TomAigu,   TomAigu, TomHautMedium, TomHautMedium,
                                   TomMedium, TomBas,  TomGrave,      TomGraveBas};
    for (int pas = premier; pas < nbPas; ++pas) {
        const uint32_t t = debutMesure + uint32_t(pas) * Noire / 4;
        const double avance = double(pas - premier) / double(nbPas - premier);
        const int vel = 60 + int(50 * avance) + de.entier(-4, 4);
        switch (genre) {
        case 1: // a few soft snare strokes on the eighths
            if (pas % 2 == 0)
                n.push_back({t, 60, CaisseClaire, uint8_t(vel - 20)});
            break;
        case 2: { // toms coming down, in eighths then sixteenths
            if (avance < 0.5 && pas % 2 == 1)
                break;
            const auto i = std::size_t(avance * 8);
            n.push_back({t, 60, toms[std::min<std::size_t>(i, 7)], uint8_t(vel)});
            break;
        }
        case 3: // a snare roll that swells
            n.push_back({t, 60, CaisseClaire, uint8_t(vel)});
            break;
        }
    }
    (void)g;
}

} // namespace

std::vector<Note> Percussions(const Morceau& m, const Grille& g, uint32_t debut, int nbMesures,
                              Intensite intensite, bool remplir, bool crash, De& de) {
    const Style& style = StyleDe(m.batterie);
    const std::vector<Voix>& voix = intensite == Intensite::Legere ? style.leger : style.normal;
    const int nbPas = int(g.mesure / (Noire / 4));
    const int plus = intensite == Intensite::Forte ? 8 : 0;
    std::vector<Note> n;
    for (int mesure = 0; mesure < nbMesures; ++mesure) {
        const uint32_t debutMesure = debut + uint32_t(mesure) * g.mesure;
        const bool derniere = mesure == nbMesures - 1;
        const int limite = derniere && remplir && style.remplissage > 0
                               ? (style.remplissage == 1 ? nbPas - nbPas / 4 : nbPas / 2)
                               : nbPas;
        for (const Voix& v : voix) {
            const int longueur = int(std::strlen(v.motif));
            for (int pas = 0; pas < std::min(limite, longueur); ++pas) {
                if (v.motif[pas] == '.')
                    continue;
                const int vel =
                    std::clamp(Velocite(v.motif[pas]) + plus + de.entier(-5, 5), 1, 127);
                n.push_back({debutMesure + uint32_t(pas) * Noire / 4, 60, v.note, uint8_t(vel)});
            }
        }
        if (derniere && remplir && style.remplissage > 0)
            Remplissage(n, style.remplissage, debutMesure, g, nbPas, de);
    }
    if (crash && style.crash && intensite != Intensite::Legere)
        n.push_back({debut, 240, Crash, 105});
    return n;
}

std::vector<Note> CoupFinal(const Morceau& m, uint32_t tick) {
    const Style& style = StyleDe(m.batterie);
    if (!style.crash)
        return {{tick, 240, Ride, 70}, {tick, 120, GrosseCaisse, 70}};
    return {{tick, 240, Crash, 110}, {tick, 120, GrosseCaisse, 110}};
}

} // namespace zorvane::musique
