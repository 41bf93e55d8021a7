#include "ChangementEnsemble.h"

#include "Cp1252.h"
#include "Ensemble.h"
#include "Erreur.h"
#include "FPlayer.h"
#include "Options.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvane {

namespace {

constexpr std::array<const char*, 4> ExtensionsEnsemble = {".des", ".niv", ".sol", ".ind"};
constexpr const char* EnTete = "ZORVANE CHANGEMENT 1";
constexpr std::size_t TailleMaximumMarque = 4096; // four lines of short names

// One line of the marker: rename the new version over the set's file, or delete the file.
struct Action {
    std::string temporaire; // empty for a deletion
    std::string fichier;    // name of the set's file in the niveaux folder
};

// Functions below name a set by its files' name on disk, `base` (UTF-8, without extension).
fs::path Marque(const std::string& base) {
    return fs::path(DossierNiveaux) / ("." + base + ".valide");
}

bool Existe(const fs::path& chemin) {
    struct stat st {};
    return ::lstat(chemin.c_str(), &st) == 0;
}

// The name FichierTemporaire gives a new version of `fichier`: "." fichier "." and six letters or
// digits.
bool EstTemporaireDe(const std::string& nom, const std::string& fichier) {
    const std::size_t longueur = fichier.size() + 8;
    if (nom.size() != longueur || nom[0] != '.' || nom.compare(1, fichier.size(), fichier) != 0 ||
        nom[fichier.size() + 1] != '.')
        return false;
    return std::all_of(nom.end() - 6, nom.end(), [](unsigned char c) { return std::isalnum(c); });
}

// Writes the directory's entries (the renames) to disk.
void SynchroniseDossier(const fs::path& dossier) {
    const int fd = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        ErreurSysteme(errno, dossier.generic_string());
    const int resultat = ::fsync(fd);
    const int err = errno;
    ::close(fd);
    if (resultat != 0 && err != EINVAL)
        ErreurSysteme(err, dossier.generic_string());
}

std::string TexteMarque(const std::vector<Action>& actions) {
    std::string texte = std::string(EnTete) + "\n";
    for (const Action& a : actions)
        texte += a.temporaire.empty() ? "S\t" + a.fichier + "\n"
                                      : "R\t" + a.temporaire + "\t" + a.fichier + "\n";
    return texte;
}

// The actions of the set's marker; nothing for a marker the game cannot have written (it could
// otherwise name files outside the set).
std::optional<std::vector<Action>> LitMarque(const fs::path& jeu, const std::string& base) {
    std::string texte;
    try {
        Fichier f(jeu, Marque(base), Fichier::Mode::Lecture);
        if (f.taille() > TailleMaximumMarque)
            return std::nullopt;
        texte.resize(std::size_t(f.taille()));
        f.litExactement(0, texte.data(), texte.size());
    } catch (const ErreurES&) {
        return std::nullopt;
    }
    const auto duSet = [&base](const std::string& fichier) {
        return std::any_of(ExtensionsEnsemble.begin(), ExtensionsEnsemble.end(),
                           [&](const char* ext) { return fichier == base + ext; });
    };
    std::vector<Action> actions;
    std::size_t debut = 0;
    bool enTete = true;
    while (debut < texte.size()) {
        const std::size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos)
            return std::nullopt; // every line of a complete marker ends
        const std::string ligne = texte.substr(debut, fin - debut);
        debut = fin + 1;
        if (enTete) {
            if (ligne != EnTete)
                return std::nullopt;
            enTete = false;
            continue;
        }
        Action a;
        const std::size_t tab1 = ligne.find('\t');
        const std::size_t tab2 = ligne.find('\t', tab1 + 1);
        if (ligne.rfind("S\t", 0) == 0 && tab2 == std::string::npos) {
            a.fichier = ligne.substr(2);
        } else if (ligne.rfind("R\t", 0) == 0 && tab2 != std::string::npos) {
            a.temporaire = ligne.substr(2, tab2 - 2);
            a.fichier = ligne.substr(tab2 + 1);
            if (!EstTemporaireDe(a.temporaire, a.fichier))
                return std::nullopt;
        } else {
            return std::nullopt;
        }
        if (!duSet(a.fichier))
            return std::nullopt;
        actions.push_back(a);
    }
    if (enTete)
        return std::nullopt;
    return actions;
}

// Does what the marker lists. Every step can be done again: a rename whose new version is gone
// was done, a file to delete may be gone already. A file that cannot be deleted is skipped.
void Execute(const fs::path& jeu, const std::vector<Action>& actions) {
    const fs::path niveaux = jeu / DossierNiveaux;
    for (const Action& a : actions) {
        const fs::path cible = niveaux / a.fichier;
        if (a.temporaire.empty()) {
            ::unlink(cible.c_str());
            continue;
        }
        const fs::path temporaire = niveaux / a.temporaire;
        if (Existe(temporaire) && ::rename(temporaire.c_str(), cible.c_str()) != 0)
            ErreurSysteme(errno, (fs::path(DossierNiveaux) / a.fichier).generic_string());
    }
    SynchroniseDossier(niveaux);
}

// Finishes the set's change that took effect, if there is one; a damaged marker is dropped.
void AcheveChangement(const fs::path& jeu, const std::string& base) {
    const fs::path marque = jeu / Marque(base);
    if (!Existe(marque))
        return;
    if (const auto actions = LitMarque(jeu, base))
        Execute(jeu, *actions);
    ::unlink(marque.c_str());
}

// A temporary file that an interrupted write leaves in the niveaux folder: a new version of a
// set's file or of a marker.
bool EstTemporaireNiveaux(const std::string& nom) {
    if (nom.size() < 9 || nom[0] != '.')
        return false;
    const std::string fichier = nom.substr(1, nom.size() - 8);
    for (const char* ext : {".des", ".niv", ".sol", ".ind", ".valide"}) {
        const std::string e(ext);
        if (fichier.size() > e.size() &&
            fichier.compare(fichier.size() - e.size(), e.size(), e) == 0)
            return EstTemporaireDe(nom, fichier);
    }
    return false;
}

// The base of the set whose marker this is, or nothing.
std::optional<std::string> EnsembleDeMarque(const std::string& nom) {
    const std::string suffixe = ".valide";
    if (nom.size() <= suffixe.size() + 1 || nom[0] != '.' ||
        nom.compare(nom.size() - suffixe.size(), suffixe.size(), suffixe) != 0)
        return std::nullopt;
    std::string base = nom.substr(1, nom.size() - 1 - suffixe.size());
    try {
        if (!NomEnsembleValide(Utf8VersCp1252(base)))
            return std::nullopt;
    } catch (const ErreurCodage&) {
        return std::nullopt;
    }
    return base;
}

void RetireFichiers(const fs::path& dossier, bool (*aRetirer)(const std::string&)) {
    std::error_code err;
    for (const auto& e : fs::directory_iterator(dossier, err)) {
        const std::string nom = e.path().filename().string();
        if (aRetirer(nom) && e.is_regular_file(err))
            ::unlink(e.path().c_str());
    }
}

} // namespace

ChangementEnsemble::ChangementEnsemble(const fs::path& jeu, const std::string& nom)
    : jeu_(jeu), nom_(nom),
      // refuses a name that leads out of the niveaux folder
      base_(CheminEnsemble(nom, "").filename().string()) {
    AcheveChangement(jeu_, base_);
}

ChangementEnsemble::~ChangementEnsemble() {
    for (const std::string& temporaire : prets_)
        ::unlink(temporaire.c_str());
}

void ChangementEnsemble::prevoit(const std::string& extension) {
    for (const Etape& e : etapes_)
        if (e.extension == extension)
            throw std::logic_error("un fichier change deux fois dans un même changement");
}

FichierTemporaire& ChangementEnsemble::nouveau(const std::string& extension) {
    prevoit(extension);
    etapes_.push_back(
        {extension, std::make_unique<FichierTemporaire>(jeu_, CheminEnsemble(nom_, extension))});
    return *etapes_.back().nouveau;
}

void ChangementEnsemble::supprime(const std::string& extension) {
    prevoit(extension);
    etapes_.push_back({extension, nullptr});
}

void ChangementEnsemble::valide() {
    std::vector<Action> actions;
    for (Etape& e : etapes_) {
        Action a;
        a.fichier = base_ + e.extension;
        if (e.nouveau) {
            prets_.push_back(e.nouveau->cede());
            a.temporaire = fs::path(prets_.back()).filename().string();
        }
        actions.push_back(a);
    }
    const fs::path niveaux = jeu_ / DossierNiveaux;
    SynchroniseDossier(niveaux); // the new versions' names are on disk before the marker
    const std::string texte = TexteMarque(actions);
    FichierTemporaire marque(jeu_, Marque(base_));
    marque.ecrit(texte.data(), texte.size());
    marque.remplace(); // the change takes effect
    prets_.clear();
    SynchroniseDossier(niveaux);
    Execute(jeu_, actions);
    ::unlink((jeu_ / Marque(base_)).c_str());
}

void AcheveChangements(const fs::path& jeu) {
    const fs::path niveaux = jeu / DossierNiveaux;
    std::error_code err;
    for (const auto& e : fs::directory_iterator(niveaux, err))
        if (const auto ensemble = EnsembleDeMarque(e.path().filename().string()))
            AcheveChangement(jeu, *ensemble);
    RetireFichiers(niveaux, EstTemporaireNiveaux);
    RetireFichiers(jeu, [](const std::string& nom) {
        return EstTemporaireDe(nom, FichierJoueur) || EstTemporaireDe(nom, FichierOptions);
    });
}

} // namespace zorvane
