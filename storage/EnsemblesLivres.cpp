#include "EnsemblesLivres.h"

#include "ChangementEnsemble.h"
#include "Cp1252.h"
#include "Ensemble.h"
#include "Erreur.h"
#include "Fichier.h"
#include "NiveauFichier.h"
#include "Octets.h"
#include "Soluce.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <sstream>

namespace zorvane {

namespace {

using Octets = std::vector<uint8_t>;

constexpr std::array<const char*, 4> Extensions{".des", ".niv", ".sol", ".ind"};
enum { Des, Niv, Sol, Ind };
// A set's file is a few kilobytes; a much larger one cannot come from the game.
constexpr uint64_t TailleMaximale = 4u << 20;

using TFichiers = std::array<Octets, 4>; // .des, .niv, .sol, .ind

struct TLigne {
    std::string copie;  // fingerprint of the .des and .niv copied
    std::string livree; // fingerprint of the shipped version's four files
    bool operator==(const TLigne&) const = default;
};
using TRegistre = std::map<std::string, TLigne>;

Octets LitTout(const fs::path& dossier, const fs::path& relatif) {
    Fichier f(dossier, relatif, Fichier::Mode::Lecture);
    const uint64_t taille = f.taille();
    if (taille > TailleMaximale)
        throw ErreurES(FichierEndommage, "fichier trop grand", relatif.generic_string());
    Octets o(taille);
    f.litExactement(0, o.data(), o.size());
    return o;
}

TFichiers LitEnsemble(const fs::path& dossier, const std::string& nom) {
    TFichiers f;
    for (std::size_t i = 0; i < Extensions.size(); ++i)
        f[i] = LitTout(dossier, CheminEnsemble(nom, Extensions[i]));
    return f;
}

bool UnFichierExiste(const fs::path& dossier, const std::string& nom) {
    std::error_code e;
    for (const char* ext : Extensions)
        if (fs::exists(dossier / CheminEnsemble(nom, ext), e))
            return true;
    return false;
}

// FNV-1a over each file's size and bytes, as 16 hexadecimal digits.
std::string Empreinte(std::initializer_list<const Octets*> fichiers) {
    uint64_t h = 14695981039346656037ull;
    const auto ajoute = [&h](uint8_t o) { h = (h ^ o) * 1099511628211ull; };
    for (const Octets* f : fichiers) {
        for (int i = 0; i < 8; ++i)
            ajoute(uint8_t(uint64_t(f->size()) >> (8 * i)));
        for (uint8_t o : *f)
            ajoute(o);
    }
    char texte[17];
    std::snprintf(texte, sizeof texte, "%016llx", static_cast<unsigned long long>(h));
    return texte;
}

bool EmpreinteValide(const std::string& e) {
    return e.size() == 16 && std::all_of(e.begin(), e.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

// Names are held in Windows-1252, as in the records; on disk and in the text files they are
// UTF-8. A name that does not convert, or is longer than 8 characters, is no set's name.
std::optional<std::string> NomDuDisque(const std::string& utf8) {
    try {
        std::string nom = Utf8VersCp1252(utf8);
        if (nom.size() <= 8 && NomEnsembleValide(nom))
            return nom;
    } catch (const ErreurCodage&) {
    }
    return std::nullopt;
}

std::string SurDisque(const std::string& nom) {
    return Cp1252VersUtf8(nom);
}

// One line "NAME COPY SHIPPED"; a damaged line is no line.
std::optional<std::pair<std::string, TLigne>> LitLigne(const std::string& texte) {
    std::istringstream flux(texte);
    std::string nom, reste;
    TLigne l;
    if (!(flux >> nom >> l.copie >> l.livree) || (flux >> reste) || !EmpreinteValide(l.copie) ||
        !EmpreinteValide(l.livree))
        return std::nullopt;
    if (const auto n = NomDuDisque(nom))
        return std::pair{*n, l};
    return std::nullopt;
}

std::string Ligne(const std::string& nom, const TLigne& l) {
    return SurDisque(nom) + " " + l.copie + " " + l.livree + "\n";
}

// A damaged or missing register only forgets copies: those sets are then left alone.
TRegistre LitRegistre(const fs::path& joueur) {
    TRegistre registre;
    std::error_code e;
    if (!fs::exists(joueur / FichierEnsemblesLivres, e))
        return registre;
    const Octets o = LitTout(joueur, FichierEnsemblesLivres);
    std::istringstream flux(std::string(o.begin(), o.end()));
    for (std::string ligne; std::getline(flux, ligne);)
        if (auto l = LitLigne(ligne))
            registre[l->first] = l->second;
    return registre;
}

void EcritRegistre(const fs::path& joueur, const TRegistre& registre) {
    std::string texte;
    for (const auto& [nom, l] : registre)
        texte += Ligne(nom, l);
    RemplaceFichier(joueur, FichierEnsemblesLivres, texte.data(), texte.size());
}

// ---- Solutions

struct TBloc {
    uint16_t nbCodes = 0;
    Octets octets;
};

// Level k's solution (from 0), when its index record and its block are sound.
std::optional<TBloc> Bloc(const TFichiers& f, std::size_t k) {
    const Octets& ind = f[Ind];
    const Octets& sol = f[Sol];
    if ((k + 1) * TailleIndexSoluce > ind.size())
        return std::nullopt;
    const uint8_t* r = ind.data() + k * TailleIndexSoluce;
    const int64_t position = int32_t(LitLE32(r));
    const uint16_t nbCodes = LitLE16(r + 4);
    const std::size_t taille = (nbCodes + 3u) / 4;
    if (nbCodes == 0 || nbCodes + 4u > CodesMaximum || position < 0 ||
        uint64_t(position) + taille > sol.size())
        return std::nullopt;
    return TBloc{nbCodes, Octets(sol.begin() + position, sol.begin() + position + taille)};
}

std::size_t NbNiveaux(const TFichiers& f) {
    return f[Niv].size() / TailleNiveauFichier;
}

bool MemeNiveau(const TFichiers& a, std::size_t i, const TFichiers& b, std::size_t j) {
    const auto debutA = a[Niv].begin() + i * TailleNiveauFichier;
    const auto debutB = b[Niv].begin() + j * TailleNiveauFichier;
    return std::equal(debutA, debutA + TailleNiveauFichier, debutB);
}

// Where level i of the new version stood in the player's copy, if it is still there unchanged.
std::optional<std::size_t> AnciennePlace(const TFichiers& copie, const TFichiers& livre,
                                         std::size_t i) {
    if (i < NbNiveaux(copie) && MemeNiveau(copie, i, livre, i))
        return i;
    for (std::size_t j = 0; j < NbNiveaux(copie); ++j)
        if (MemeNiveau(copie, j, livre, i))
            return j;
    return std::nullopt;
}

// The new version's .sol and .ind: the shorter solution of each level, the player's at equal
// length, blocks in level order.
void FusionneSolutions(const TFichiers& copie, TFichiers& livre) {
    Octets sol, ind;
    for (std::size_t i = 0; i < NbNiveaux(livre); ++i) {
        std::optional<TBloc> choisi = Bloc(livre, i);
        if (const auto j = AnciennePlace(copie, livre, i))
            if (auto joueur = Bloc(copie, *j);
                joueur && (!choisi || joueur->nbCodes <= choisi->nbCodes))
                choisi = std::move(joueur);
        uint8_t record[TailleIndexSoluce] = {};
        if (choisi) {
            EcritLE32(record, uint32_t(sol.size()));
            EcritLE16(record + 4, choisi->nbCodes);
            sol.insert(sol.end(), choisi->octets.begin(), choisi->octets.end());
        }
        ind.insert(ind.end(), record, record + TailleIndexSoluce);
    }
    livre[Sol] = std::move(sol);
    livre[Ind] = std::move(ind);
}

// ---- Writing a version into the player's folder

// The set's four files replaced together (or not at all), then recorded. A start stopped between
// the two finds the files already as the version: they count as unedited, and are recorded then.
void Installe(const fs::path& joueur, const std::string& nom, const TFichiers& f,
              const TLigne& ligne, TRegistre& registre) {
    ChangementEnsemble changement(joueur, nom);
    for (std::size_t i = 0; i < Extensions.size(); ++i)
        changement.nouveau(Extensions[i]).ecrit(f[i].data(), f[i].size());
    changement.valide();
    registre[nom] = ligne;
    EcritRegistre(joueur, registre);
}

// The player's files of the set are this version's as shipped: a copy whose recording was cut
// short.
bool CopieDe(const fs::path& joueur, const std::string& nom, const TLigne& version) {
    try {
        const TFichiers f = LitEnsemble(joueur, nom);
        return Empreinte({&f[Des], &f[Niv], &f[Sol], &f[Ind]}) == version.livree;
    } catch (const ErreurES&) {
        return false;
    }
}

std::vector<std::string> EnsemblesDe(const fs::path& donnees) {
    std::vector<std::string> noms;
    std::error_code e;
    for (const auto& entree : fs::directory_iterator(donnees / DossierNiveaux, e))
        if (entree.path().extension() == ".niv")
            if (const auto nom = NomDuDisque(entree.path().stem().string()))
                noms.push_back(*nom);
    std::sort(noms.begin(), noms.end());
    return noms;
}

} // namespace

TBilanLivraison AccueilleEnsemblesLivres(const fs::path& donnees, const fs::path& joueur) {
    TBilanLivraison bilan;
    TRegistre registre;
    try {
        registre = LitRegistre(joueur);
    } catch (const std::exception& x) {
        bilan.Erreurs.push_back(std::string("registre des ensembles livrés : ") + x.what());
        return bilan; // without it, no copy can be told from the player's own sets
    }
    for (const std::string& nom : EnsemblesDe(donnees)) {
        try {
            TFichiers livre = LitEnsemble(donnees, nom);
            const TLigne nouvelle{Empreinte({&livre[Des], &livre[Niv]}),
                                  Empreinte({&livre[Des], &livre[Niv], &livre[Sol], &livre[Ind]})};
            const auto connue = registre.find(nom);
            const bool present = UnFichierExiste(joueur, nom);
            if (connue == registre.end()) {
                if (present && !CopieDe(joueur, nom, nouvelle))
                    continue; // the player's own set under this name
                Installe(joueur, nom, livre, nouvelle, registre);
                bilan.Copies.push_back(SurDisque(nom));
                continue;
            }
            if (connue->second.livree == nouvelle.livree || !present)
                continue; // up to date, or deleted by the player
            // Unedited: as copied, or already as the new version (its levels are the same).
            const TFichiers copie = LitEnsemble(joueur, nom);
            const std::string empreinte = Empreinte({&copie[Des], &copie[Niv]});
            if (empreinte != connue->second.copie && empreinte != nouvelle.copie)
                continue; // edited by the player
            FusionneSolutions(copie, livre);
            Installe(joueur, nom, livre, nouvelle, registre);
            bilan.MisesAJour.push_back(SurDisque(nom));
        } catch (const std::exception& x) {
            bilan.Erreurs.push_back("ensemble livré " + SurDisque(nom) + " : " + x.what());
        }
    }
    return bilan;
}

} // namespace zorvane
