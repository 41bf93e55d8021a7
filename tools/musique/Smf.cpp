#include "Smf.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <stdexcept>
#include <tuple>

namespace zorvane::musique {

namespace {

struct Evenement {
    uint32_t tick;
    int ordre; // at the same tick: controls, then note-offs, then note-ons
    std::vector<uint8_t> octets;
};

void LongueurVariable(std::vector<uint8_t>& o, uint32_t v) {
    uint8_t tampon[5];
    int n = 0;
    tampon[n++] = v & 0x7f;
    while (v >>= 7)
        tampon[n++] = uint8_t(0x80 | (v & 0x7f));
    while (n > 0)
        o.push_back(tampon[--n]);
}

void Grand(std::vector<uint8_t>& o, uint32_t v, int octets) {
    for (int i = octets - 1; i >= 0; --i)
        o.push_back(uint8_t(v >> (8 * i)));
}

std::vector<uint8_t> Meta(uint8_t type, const std::vector<uint8_t>& donnees) {
    std::vector<uint8_t> o = {0xff, type};
    LongueurVariable(o, uint32_t(donnees.size()));
    o.insert(o.end(), donnees.begin(), donnees.end());
    return o;
}

std::vector<uint8_t> Texte(const std::string& t) {
    return {t.begin(), t.end()};
}

void AjoutePiste(std::vector<uint8_t>& fichier, std::vector<Evenement> evenements) {
    std::stable_sort(evenements.begin(), evenements.end(), [](const auto& a, const auto& b) {
        return std::tie(a.tick, a.ordre) < std::tie(b.tick, b.ordre);
    });
    std::vector<uint8_t> o;
    uint32_t avant = 0;
    for (const Evenement& e : evenements) {
        LongueurVariable(o, e.tick - avant);
        avant = e.tick;
        o.insert(o.end(), e.octets.begin(), e.octets.end());
    }
    o.insert(o.end(), {0x00, 0xff, 0x2f, 0x00});
    fichier.insert(fichier.end(), {'M', 'T', 'r', 'k'});
    Grand(fichier, uint32_t(o.size()), 4);
    fichier.insert(fichier.end(), o.begin(), o.end());
}

// Notes of one pitch never overlap: each ends at the latest where the next one starts.
std::vector<Note> SansChevauchement(std::vector<Note> notes) {
    std::stable_sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) {
        return std::tie(a.hauteur, a.debut) < std::tie(b.hauteur, b.debut);
    });
    for (std::size_t i = 0; i + 1 < notes.size(); ++i)
        if (notes[i + 1].hauteur == notes[i].hauteur &&
            notes[i].debut + notes[i].duree > notes[i + 1].debut)
            notes[i].duree = notes[i + 1].debut - notes[i].debut;
    std::erase_if(notes, [](const Note& n) { return n.duree == 0; });
    return notes;
}

} // namespace

std::vector<uint8_t> EncodeSmf(const Partition& p) {
    std::vector<uint8_t> fichier = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    Grand(fichier, uint32_t(p.pistes.size() + 1), 2);
    Grand(fichier, Noire, 2);

    std::vector<Evenement> chef;
    chef.push_back({0, 0, Meta(0x03, Texte(p.titre))});
    uint8_t puissance = 0;
    while ((1u << puissance) < p.denominateur)
        ++puissance;
    chef.push_back({0, 0, Meta(0x58, {p.numerateur, puissance, 24, 8})});
    chef.push_back({0, 0, Meta(0x59, {uint8_t(p.armure), uint8_t(p.mineur ? 1 : 0)})});
    for (const Tempo& t : p.tempos) {
        const auto micro = uint32_t(60000000.0 / t.noiresParMinute + 0.5);
        chef.push_back(
            {t.tick, 0, Meta(0x51, {uint8_t(micro >> 16), uint8_t(micro >> 8), uint8_t(micro)})});
    }
    AjoutePiste(fichier, chef);

    for (const Piste& piste : p.pistes) {
        const uint8_t c = piste.canal & 0x0f;
        std::vector<Evenement> ev;
        ev.push_back({0, 0, Meta(0x03, Texte(piste.nom))});
        for (const Controle& k : piste.controles) {
            if (k.numero == 0xff)
                ev.push_back({k.tick, 0, {uint8_t(0xc0 | c), uint8_t(k.valeur & 0x7f)}});
            else
                ev.push_back({k.tick, 0, {uint8_t(0xb0 | c), k.numero, uint8_t(k.valeur & 0x7f)}});
        }
        for (const Note& n : SansChevauchement(piste.notes)) {
            const uint8_t h = n.hauteur & 0x7f;
            const uint8_t v = uint8_t(std::clamp<int>(n.velocite, 1, 127));
            ev.push_back({n.debut, 2, {uint8_t(0x90 | c), h, v}});
            ev.push_back({n.debut + n.duree, 1, {uint8_t(0x80 | c), h, 0}});
        }
        AjoutePiste(fichier, ev);
    }
    return fichier;
}

void EcritSmf(const std::filesystem::path& chemin, const Partition& p) {
    const auto octets = EncodeSmf(p);
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(octets.data()), std::streamsize(octets.size()));
    if (!f)
        throw std::runtime_error("cannot write " + chemin.string());
}

double Secondes(const std::vector<Tempo>& tempos, uint32_t ticks) {
    double secondes = 0, cadence = 120;
    uint32_t tick = 0;
    for (const Tempo& t : tempos) {
        if (t.tick >= ticks)
            break;
        secondes += double(t.tick - tick) / Noire * 60.0 / cadence;
        tick = t.tick;
        cadence = t.noiresParMinute;
    }
    return secondes + double(ticks - tick) / Noire * 60.0 / cadence;
}

} // namespace zorvane::musique
