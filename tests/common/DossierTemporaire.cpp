#include "DossierTemporaire.h"

#include "Ensemble.h"
#include "NiveauFichier.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zorvane::test {

DossierTemporaire::DossierTemporaire() {
    std::string modele = (fs::temp_directory_path() / "zorvane-XXXXXX").string();
    if (!::mkdtemp(modele.data()))
        throw std::runtime_error("mkdtemp");
    chemin_ = modele;
    fs::create_directory(chemin_ / "niveaux");
}

DossierTemporaire::~DossierTemporaire() {
    std::error_code ignoree;
    fs::permissions(chemin_, fs::perms::owner_all, fs::perm_options::add, ignoree);
    fs::remove_all(chemin_, ignoree);
}

void DossierTemporaire::ecrit(const fs::path& relatif, const std::vector<uint8_t>& octets) const {
    std::ofstream f(chemin_ / relatif, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(octets.data()), std::streamsize(octets.size()));
}

std::vector<uint8_t> DossierTemporaire::lit(const fs::path& relatif) const {
    std::ifstream f(chemin_ / relatif, std::ios::binary);
    if (!f)
        throw std::runtime_error("missing " + relatif.string());
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::map<std::string, std::vector<uint8_t>> DossierTemporaire::contenu() const {
    std::map<std::string, std::vector<uint8_t>> c;
    for (const auto& e : fs::recursive_directory_iterator(chemin_))
        if (e.is_regular_file()) {
            const fs::path relatif = fs::relative(e.path(), chemin_);
            c[relatif.generic_string()] = lit(relatif);
        }
    return c;
}

TNiveau Plateau(const std::vector<std::string>& lignes) {
    TNiveau n;
    uint8_t y = 0;
    for (const std::string& ligne : lignes) {
        for (uint8_t x = 0; x < ligne.size() && x < NbColonnes; ++x) {
            char c = CaseVide;
            switch (ligne[x]) {
            case '#':
                c = CaseMur;
                break;
            case '*':
                c = CaseZelmite;
                AjouteZelmites(n, 1);
                break;
            case 'o':
                c = CaseBoule;
                break;
            case 'x':
                c = CaseCarre;
                break;
            }
            EcritCase(n, x, y, c);
        }
        ++y;
    }
    return n;
}

void EcritEnsemble(const fs::path& jeu, const std::string& nom,
                   const std::vector<std::vector<std::string>>& niveaux,
                   const std::string& description, const std::string& motDePasse) {
    TNiveau n;
    EcrireDescription(jeu, n, nom, description, motDePasse, true);
    std::vector<uint8_t> octets;
    for (const auto& lignes : niveaux) {
        const TNiveauFichier r = EncodeNiveau(Plateau(lignes));
        octets.insert(octets.end(), r.begin(), r.end());
    }
    const auto ecrit = [&](const std::string& extension, const std::vector<uint8_t>& contenu) {
        std::ofstream f(jeu / "niveaux" / (nom + extension), std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(contenu.data()), std::streamsize(contenu.size()));
    };
    ecrit(".niv", octets);
    ecrit(".ind", std::vector<uint8_t>(8 * niveaux.size(), 0));
}

} // namespace zorvane::test
