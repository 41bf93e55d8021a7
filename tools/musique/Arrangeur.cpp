#include "Arrangeur.h"

#include "Accompagnement.h"
#include "Aleatoire.h"
#include "Grille.h"
#include "Melodie.h"
#include "Rythmes.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace zorvane::musique {

namespace {

struct Jeton {
    std::string nom;
    int transposition;
    bool fort;
};

// "R", "A!" (louder this time), "R+2" (two semitones higher).
Jeton LitJeton(std::string t) {
    const bool fort = !t.empty() && t.back() == '!';
    if (fort)
        t.pop_back();
    const std::size_t signe = t.find_first_of("+-", 1);
    if (signe == std::string::npos)
        return {t, 0, fort};
    return {t.substr(0, signe), std::stoi(t.substr(signe)), fort};
}

// Sharps (positive) or flats of the key signature.
int Armure(int tonique, Mode mode) {
    int majeure = tonique;
    if (mode == Mode::Mineur || mode == Mode::PentaMineure)
        majeure += 3;
    else if (mode == Mode::Dorien)
        majeure += 10;
    else if (mode == Mode::Mixolydien)
        majeure += 5;
    static const int dieses[12] = {0, -5, 2, -3, 4, -1, 6, 1, -4, 3, -2, 5};
    return dieses[Classe(majeure)];
}

// Swing: the second eighth of each beat comes late, at two thirds of the beat.
uint32_t Balance(uint32_t t) {
    const uint32_t temps = t / Noire * Noire, p = t % Noire;
    return temps + (p < Noire / 2 ? p * 320 / 240 : 320 + (p - 240) * 160 / 240);
}

void Balance(std::vector<Note>& notes) {
    for (Note& n : notes) {
        const uint32_t debut = Balance(n.debut), fin = Balance(n.debut + n.duree);
        n.debut = debut;
        n.duree = std::max<uint32_t>(fin - debut, 30);
    }
}

// Louder and louder over [debut, fin): the way into a fuller section.
void Crescendo(std::vector<Note>& notes, uint32_t debut, uint32_t fin, int plus) {
    for (Note& n : notes)
        if (n.debut >= debut && n.debut < fin)
            n.velocite = uint8_t(std::clamp(
                int(n.velocite) + int(plus * double(n.debut - debut) / double(fin - debut)), 1,
                127));
}

void Ajoute(Piste& p, const std::vector<Note>& notes) {
    p.notes.insert(p.notes.end(), notes.begin(), notes.end());
}

uint64_t Empreinte(const std::string& nom) {
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : nom)
        h = (h ^ c) * 1099511628211ull;
    return h;
}

} // namespace

Partition Arrange(const Morceau& m, Resume& resume) {
    const Grille g = GrilleDe(m.metre);
    Partition part;
    part.titre = m.titre;
    part.numerateur = m.metre == Metre::QuatreTemps ? 4 : m.metre == Metre::TroisTemps ? 3 : 6;
    part.denominateur = m.metre == Metre::SixHuit ? 8 : 4;
    part.armure = int8_t(Armure(m.tonique, m.mode));
    part.mineur = m.mode == Mode::Mineur || m.mode == Mode::Dorien || m.mode == Mode::PentaMineure;

    Piste melodie{"Melodie", Canaux[0], {}, {}}, harmonie{"Harmonie", Canaux[1], {}, {}},
        basse{"Basse", Canaux[2], {}, {}}, nappe{"Nappe", Canaux[3], {}, {}},
        batterie{"Batterie", Canaux[4], {}, {}};
    auto regle = [&](Piste& p, int programme, int volume, int panoramique) {
        p.controles = {{0, 0xff, uint8_t(programme)},
                       {0, 7, uint8_t(volume)},
                       {0, 10, uint8_t(panoramique)},
                       {0, 91, uint8_t(m.reverberation)},
                       {0, 93, 15}};
    };
    regle(melodie, m.programmeMelodie, m.volumeMelodie, 64);
    regle(harmonie, m.programmeHarmonie, m.volumeHarmonie, 46);
    regle(basse, m.programmeBasse, m.volumeBasse, 64);
    regle(nappe, m.programmeNappe, m.volumeNappe, 84);
    regle(batterie, 0, m.volumeBatterie, 64);

    std::vector<Jeton> jetons;
    for (const std::string& t : m.forme)
        jetons.push_back(LitJeton(t));
    auto fort = [&](const std::string& nom) {
        return std::find(m.forts.begin(), m.forts.end(), nom) != m.forts.end();
    };
    const double noires = m.tempo * (m.metre == Metre::SixHuit ? 1.5 : 1.0);
    const bool lent = noires < 90;

    De de(m.graine);
    std::map<std::string, std::vector<NoteMelodie>> melodies;
    std::vector<int> voicingHarmonie, voicingNappe;
    int derniereNote = m.centreMelodie;
    uint32_t tick = 0;
    for (std::size_t i = 0; i < jetons.size(); ++i) {
        const Jeton& j = jetons[i];
        const Section& s = m.sections.at(j.nom);
        const auto accords = PlaceAccords(s, g);
        const int nb = int(s.accords.size());
        const int tonique = m.tonique + j.transposition;
        const bool plein = j.fort || fort(j.nom);
        const bool dernier = i + 1 == jetons.size();
        const int vel = !s.melodie ? 70 : plein ? 92 : 80;

        Accord apres;
        if (!dernier) {
            const Jeton& k = jetons[i + 1];
            apres = PlaceAccords(m.sections.at(k.nom), g).front().accord;
            apres.fondamentale = Classe(apres.fondamentale + k.transposition - j.transposition);
        }
        Passage p{accords, tick, tonique, dernier ? nullptr : &apres, vel - 8};

        if (s.melodie) {
            auto trouvee = melodies.find(j.nom);
            if (trouvee == melodies.end()) {
                De des(m.graine * 7919 + Empreinte(j.nom));
                const int centre = m.centreMelodie + (fort(j.nom) ? 3 : 0);
                trouvee =
                    melodies.emplace(j.nom, CreeMelodie(m, g, accords, nb, centre, des)).first;
            }
            for (const NoteMelodie& n : trouvee->second) {
                const double phrase = double(n.debut % (4 * g.mesure)) / double(4 * g.mesure);
                const int v = vel + (g.fort(n.debut % g.mesure) ? 6 : 0) +
                              int(8 * std::sin(3.14159 * phrase)) + de.entier(-3, 3);
                const auto duree = std::max<uint32_t>(60, uint32_t(n.duree * m.legato));
                melodie.notes.push_back({tick + n.debut, duree,
                                         uint8_t(n.hauteur + j.transposition),
                                         uint8_t(std::clamp(v, 1, 127))});
                derniereNote = n.hauteur + j.transposition;
            }
        }
        std::vector<Note> accordsJoues = Accords(m, g, p, voicingHarmonie, de);
        std::vector<Note> grave = LigneDeBasse(m, g, {accords, tick, tonique, p.suivant, vel}, de);
        std::vector<Note> nappeJouee;
        if (plein || lent)
            nappeJouee = Nappe(g, {accords, tick, tonique, nullptr, vel - 22}, voicingNappe);
        const Intensite intensite = !s.melodie && i == 0 ? Intensite::Legere
                                    : plein              ? Intensite::Forte
                                                         : Intensite::Normale;
        std::vector<Note> frappes = Percussions(m, g, tick, nb, intensite, !dernier, i > 0, de);

        const uint32_t fin = tick + uint32_t(nb) * g.mesure;
        if (!dernier && !plein && (jetons[i + 1].fort || fort(jetons[i + 1].nom))) {
            const uint32_t debut = fin - std::min<uint32_t>(fin - tick, 2 * g.mesure);
            for (auto* notes : {&accordsJoues, &grave, &frappes})
                Crescendo(*notes, debut, fin, 14);
        }
        Ajoute(harmonie, accordsJoues);
        Ajoute(basse, grave);
        Ajoute(nappe, nappeJouee);
        Ajoute(batterie, frappes);
        tick = fin;
    }

    // The last chord, held two bars while the tempo slows.
    const Jeton& dernier = jetons.back();
    const Accord final = PlaceAccords(m.sections.at(dernier.nom), g).back().accord;
    const int tonique = m.tonique + dernier.transposition;
    const uint32_t tenue = 2 * g.mesure;
    for (int h : Voicing(final, tonique, 53, voicingHarmonie))
        harmonie.notes.push_back({tick, tenue - 60, uint8_t(h), 76});
    for (int h : Voicing(final, tonique, 60, voicingNappe))
        nappe.notes.push_back({tick, tenue - 60, uint8_t(h), 64});
    const int racine = Grave(tonique + final.fondamentale);
    basse.notes.push_back({tick, tenue - 60, uint8_t(racine), 92});
    int cloture = derniereNote;
    while (Classe(cloture - tonique) != final.fondamentale)
        --cloture;
    melodie.notes.push_back({tick, tenue - 60, uint8_t(cloture), 82});
    Ajoute(batterie, CoupFinal(m, tick));

    part.tempos.push_back({0, noires});
    const uint32_t debutRalenti = tick - std::min(tick, 2 * g.mesure);
    for (uint32_t k = 1; k <= 8; ++k)
        part.tempos.push_back(
            {debutRalenti + k * (tick - debutRalenti) / 8, noires * (1.0 - 0.028 * k)});
    part.tempos.push_back({tick, noires * 0.72});

    if (m.swing)
        for (Piste* p : {&melodie, &harmonie, &basse, &nappe, &batterie})
            Balance(p->notes);
    part.pistes = {melodie, harmonie, basse, nappe, batterie};
    for (std::size_t k = 0; k < part.pistes.size(); ++k)
        resume.notesParPiste[k] = int(part.pistes[k].notes.size());
    resume.secondes = Secondes(part, tick + tenue);
    return part;
}

} // namespace zorvane::musique
