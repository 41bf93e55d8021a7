#include "Options.h"

#include "Erreur.h"
#include "Fichier.h"
#include "Octets.h"

namespace zorvane {

std::array<uint8_t, TailleOptions> EncodeOptions(const TOptions& o) {
    std::array<uint8_t, TailleOptions> r{};
    const uint16_t touches[] = {o.Haut, o.Bas, o.Gauche, o.Droite, o.Change};
    for (int i = 0; i < 5; ++i)
        EcritLE16(r.data() + 2 * i, touches[i]);
    EcritTexteBorne(r.data() + 10, 255, o.NomGraphisme);
    r[266] = o.ChoixMusique;
    r[267] = o.EffetsSonores;
    return r;
}

TOptions DecodeOptions(const std::array<uint8_t, TailleOptions>& r) {
    TOptions o;
    o.Haut = LitLE16(r.data());
    o.Bas = LitLE16(r.data() + 2);
    o.Gauche = LitLE16(r.data() + 4);
    o.Droite = LitLE16(r.data() + 6);
    o.Change = LitLE16(r.data() + 8);
    LitTexteBorne(r.data() + 10, 255, o.NomGraphisme); // a length byte cannot exceed 255
    o.ChoixMusique = r[266];
    o.EffetsSonores = r[267];
    return o;
}

namespace {

// The name is the prefix of file names of the Graphics folder: a separator would lead elsewhere.
bool NomGraphismeValide(const std::string& nom) {
    for (unsigned char c : nom)
        if (c < 32 || c == '/' || c == '\\' || c == 127)
            return false;
    return true;
}

} // namespace

TOptions LitOptions(const fs::path& jeu) {
    Fichier f(jeu, FichierOptions, Fichier::Mode::Lecture);
    std::array<uint8_t, TailleOptions> r{};
    f.litExactement(0, r.data(), r.size());
    TOptions o = DecodeOptions(r);
    if (!NomGraphismeValide(o.NomGraphisme))
        throw ErreurES(FichierEndommage, "fichier endommagé (nom de graphisme invalide)", f.nom());
    return o;
}

void EcritOptions(const fs::path& jeu, const TOptions& o) {
    const auto r = EncodeOptions(o);
    RemplaceFichier(jeu, FichierOptions, r.data(), r.size());
}

} // namespace zorvane
