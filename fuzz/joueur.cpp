// Fuzz target: the player save file (Joueur.ini). Every record is read, every stored name looked
// up; then, on fresh copies of the file, a new game is inserted and one record is removed.
//
// Input: the number of the record to remove (1 byte, signed), then the file's content; an empty
// input stands for a missing file.
#include "Bac.h"
#include "Erreur.h"
#include "FPlayer.h"

#include <algorithm>
#include <optional>
#include <vector>

using namespace zorvane;

namespace {

constexpr int32_t RecordsLus = 64;

struct Sauvegarde {
    std::span<const uint8_t> octets;
    bool existe;
    void ecrit() const {
        if (existe)
            fuzz::Ecrit(FichierJoueur, octets);
        else
            fuzz::Efface(FichierJoueur);
    }
    int32_t nombre() const { return int32_t(octets.size() / TaillePartie); }
};

// The games of a file whose records all read back, in ascending name order; nothing otherwise.
std::optional<std::vector<TPartie>> PartiesTriees(const Sauvegarde& f) {
    if (!f.existe || f.octets.size() % TaillePartie != 0 || f.nombre() > RecordsLus)
        return std::nullopt;
    std::vector<TPartie> parties;
    for (int32_t r = 0; r < f.nombre(); ++r) {
        TPartie p;
        try {
            LitPartie(fuzz::Bac(), p, r);
        } catch (const ErreurES&) {
            return std::nullopt;
        }
        if (!parties.empty() && !(parties.back().Nom < p.Nom)) // std::string compares unsigned
            return std::nullopt;
        parties.push_back(p);
    }
    return parties;
}

void Lit(const Sauvegarde& f) {
    int32_t nombre = -1;
    try {
        nombre = NbParties(fuzz::Bac());
        EXIGE(f.existe && f.octets.size() == std::size_t(nombre) * TaillePartie);
    } catch (const ErreurES&) {
        EXIGE(!f.existe || f.octets.size() % TaillePartie != 0);
    }
    if (!f.existe) { // not an error: the name is simply not there
        int32_t position = -5;
        EXIGE(!ChercheNom(fuzz::Bac(), "FUZZ", position) && position == -5);
    }
    for (int32_t r = -1; r <= std::min(f.nombre(), RecordsLus); ++r) {
        TPartie p;
        try {
            LitPartie(fuzz::Bac(), p, r);
        } catch (const ErreurES&) {
            continue;
        }
        EXIGE(r >= 0 && r < nombre && p.Rang == r);
        EXIGE(p.Nom.size() <= LongueurNomJoueur && p.MotDePasse.size() <= LongueurMotDePasseJoueur);
        EXIGE(NiveauPartie(p) >= 0);
        EXIGE(DecodePartie(EncodePartie(p), r) == p);
    }
}

void Cherche(const std::optional<std::vector<TPartie>>& parties) {
    if (!parties)
        return;
    // An empty name sorts before any other.
    const bool vide = !parties->empty() && parties->front().Nom.empty();
    int32_t position = -1;
    EXIGE(ChercheNom(fuzz::Bac(), "", position) == vide);
    EXIGE(position == (vide ? 1 : 0));
    for (std::size_t i = 0; i < parties->size(); ++i) {
        EXIGE(ChercheNom(fuzz::Bac(), (*parties)[i].Nom, position));
        EXIGE(position == int32_t(i) + 1);
    }
}

void Insere(const Sauvegarde& f, const std::optional<std::vector<TPartie>>& parties) {
    f.ecrit();
    TPartie p;
    InitPartie(p);
    FixeJoueur(p, "FUZZ", "MDP");
    FixeNiveau(p, 3);
    FixeEnsemble(p, "SET");
    try {
        EcritPartie(fuzz::Bac(), p);
    } catch (const ErreurES&) {
        EXIGE(f.existe);
        return;
    }
    EXIGE(NbParties(fuzz::Bac()) == (f.existe ? f.nombre() : 0) + 1);
    TPartie relue;
    LitPartie(fuzz::Bac(), relue, p.Rang);
    EXIGE(relue == p);
    if (!parties)
        return;
    // The others keep their records, those after the new one a place further.
    for (int32_t r = 0; r < int32_t(parties->size()); ++r) {
        LitPartie(fuzz::Bac(), relue, r < p.Rang ? r : r + 1);
        TPartie attendue = (*parties)[r];
        attendue.Rang = relue.Rang;
        EXIGE(relue == attendue);
    }
}

void Supprime(const Sauvegarde& f, int32_t rang) {
    f.ecrit();
    try {
        SupprimePartie(fuzz::Bac(), rang);
    } catch (const ErreurES&) {
        return;
    }
    EXIGE(f.existe && rang >= 0 && rang < f.nombre());
    const auto reste = fuzz::Lit(FichierJoueur);
    EXIGE(JoueurExiste(fuzz::Bac()) == (f.nombre() > 1));
    EXIGE(reste.size() == f.octets.size() - TaillePartie);
    const std::size_t debut = std::size_t(rang) * TaillePartie;
    EXIGE(std::equal(reste.begin(), reste.begin() + debut, f.octets.begin()));
    EXIGE(std::equal(reste.begin() + debut, reste.end(), f.octets.begin() + debut + TaillePartie));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t taille) {
    fuzz::Entree entree(data, taille);
    const int32_t rang = int8_t(entree.octet());
    const Sauvegarde f{entree.reste(), taille >= 1};

    f.ecrit();
    Lit(f);
    const auto parties = PartiesTriees(f);
    Cherche(parties);
    Insere(f, parties);
    Supprime(f, rang);
    return 0;
}
