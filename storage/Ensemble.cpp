#include "Ensemble.h"

#include "Brouillage.h"
#include "ChangementEnsemble.h"
#include "Cp1252.h"
#include "Erreur.h"
#include "Fichier.h"
#include "Octets.h"

#include <array>

namespace zorvane {

bool NomEnsembleValide(std::string_view nom) {
    if (nom.empty() || nom == "." || nom == "..")
        return false;
    for (unsigned char c : nom)
        if (c < 32 || c == '/' || c == '\\' || c == 127 || c == 0x81 || c == 0x8D || c == 0x8F ||
            c == 0x90 || c == 0x9D)
            return false;
    return true;
}

// The name is held in Windows-1252, as in the files; the file system's names are UTF-8.
fs::path CheminEnsemble(std::string_view nom, std::string_view extension) {
    if (!NomEnsembleValide(nom))
        throw ErreurES(NomInvalide, "nom d'ensemble de niveaux invalide",
                       std::string(DossierNiveaux) + "/" + std::string(nom) +
                           std::string(extension));
    return fs::path(DossierNiveaux) / (Cp1252VersUtf8(nom) + std::string(extension));
}

void Brouille(const TNiveau& n, std::string& texte) {
    BrouilleAvecCle(n.NomFichier, texte);
}

namespace {

using RecordDescription = std::array<uint8_t, TailleDescription>;

RecordDescription LitRecordDescription(const fs::path& jeu, const TNiveau& n) {
    Fichier f(jeu, CheminEnsemble(n.NomFichier, ".des"), Fichier::Mode::Lecture);
    RecordDescription r{};
    f.litExactement(0, r.data(), r.size());
    return r;
}

// One field of the record, unscrambled: offset of its length byte and its capacity.
std::string LitChamp(const fs::path& jeu, const TNiveau& n, std::size_t offset,
                     std::size_t capacite) {
    const RecordDescription r = LitRecordDescription(jeu, n);
    std::string texte;
    if (!LitTexteBorne(r.data() + offset, capacite, texte))
        throw ErreurES(FichierEndommage, "fichier endommagé (longueur de texte invalide)",
                       CheminEnsemble(n.NomFichier, ".des").generic_string());
    Brouille(n, texte);
    return texte;
}

} // namespace

void EcrireDescription(const fs::path& jeu, TNiveau& n, const std::string& nomFichier,
                       const std::string& description, const std::string& motDePasse,
                       bool creeFichiers) {
    const std::string nom = nomFichier.substr(0, LongueurNomEnsemble);
    const fs::path des = CheminEnsemble(nom, ".des"); // refuses the name before any change
    n.NomFichier = nom;
    std::string d = description.substr(0, LongueurDescription);
    std::string m = motDePasse.substr(0, LongueurMotDePasse);
    Brouille(n, d);
    Brouille(n, m);
    RecordDescription r{};
    EcritTexteBorne(r.data(), LongueurDescription, d);
    EcritTexteBorne(r.data() + 101, LongueurMotDePasse, m);
    if (!creeFichiers) {
        RemplaceFichier(jeu, des, r.data(), r.size());
        return;
    }
    // A new set appears with its four files, or not at all.
    ChangementEnsemble changement(jeu, nom);
    changement.nouveau(".des").ecrit(r.data(), r.size());
    for (const char* ext : {".niv", ".sol", ".ind"})
        changement.nouveau(ext);
    changement.valide();
}

std::string LireDescription(const fs::path& jeu, const TNiveau& n) {
    return LitChamp(jeu, n, 0, LongueurDescription);
}

std::string LireMotDePasse(const fs::path& jeu, const TNiveau& n) {
    return LitChamp(jeu, n, 101, LongueurMotDePasse);
}

bool VerifieMotDePasse(const fs::path& jeu, const TNiveau& n, const std::string& candidat) {
    return candidat.substr(0, LongueurMotDePasse) == LireMotDePasse(jeu, n);
}

void SupprimeEnsemble(const fs::path& jeu, TNiveau& n, bool force) {
    if (n.NomFichier.empty())
        return;
    ChangementEnsemble changement(jeu, n.NomFichier);
    if (!force &&
        Fichier(jeu, CheminEnsemble(n.NomFichier, ".niv"), Fichier::Mode::Lecture).taille() != 0)
        return;
    // The level file goes first, so the set leaves the chooser at once; a file that cannot be
    // deleted is skipped.
    for (const char* ext : {".niv", ".sol", ".ind", ".des"})
        changement.supprime(ext);
    changement.valide();
    n.NomFichier.clear();
}

} // namespace zorvane
