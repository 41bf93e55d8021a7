#include "Dossiers.h"

#include "Ensemble.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace zorvane {

namespace {

bool EstDossier(const fs::path& p) {
    std::error_code e;
    return fs::is_directory(p, e);
}

std::string Cite(const fs::path& p) {
    return "« " + p.string() + " »";
}

} // namespace

std::optional<std::string> VariableDEnvironnement(const char* nom) {
    if (const char* v = std::getenv(nom))
        return std::string(v);
    return std::nullopt;
}

bool DossierInscriptible(const fs::path& dossier) {
    return ::access(dossier.c_str(), W_OK | X_OK) == 0;
}

fs::path DossierDeLExecutable() {
    std::error_code e;
    const fs::path executable = fs::read_symlink("/proc/self/exe", e);
    return e ? fs::current_path() : executable.parent_path();
}

fs::path DossierDuJoueur(const TContexteDossiers& c) {
    // Relative paths are to be ignored, by the base directory rules of the desktop.
    if (const auto xdg = c.Variable("XDG_DATA_HOME"); xdg && fs::path(*xdg).is_absolute())
        return fs::path(*xdg) / "zorvane";
    const auto home = c.Variable("HOME");
    if (!home || !fs::path(*home).is_absolute())
        throw ErreurDossier("ni XDG_DATA_HOME ni HOME ne donnent le dossier du joueur");
    return fs::path(*home) / ".local/share/zorvane";
}

TDossiers ChoisitDossiers(const TContexteDossiers& c) {
    if (c.DossierForce) {
        const fs::path d = fs::absolute(*c.DossierForce).lexically_normal();
        if (!EstDossier(d))
            throw ErreurDossier("le dossier " + Cite(*c.DossierForce) + " n'existe pas");
        return {d, d};
    }
    const fs::path executable = c.DossierExecutable;
    if (EstDossier(executable / DossierNiveaux)) {
        if (c.Inscriptible(executable) && c.Inscriptible(executable / DossierNiveaux))
            return {executable, executable};
        return {executable, DossierDuJoueur(c)};
    }
    const fs::path donnees = (executable / c.DonneesInstallees).lexically_normal();
    if (!EstDossier(donnees))
        throw ErreurDossier("dossier des données introuvable : " + Cite(donnees));
    return {donnees, DossierDuJoueur(c)};
}

void CreeDossierDuJoueur(const TDossiers& d) {
    std::error_code e;
    fs::create_directories(d.Joueur / DossierNiveaux, e);
    if (!EstDossier(d.Joueur / DossierNiveaux))
        throw ErreurDossier("impossible de créer le dossier " + Cite(d.Joueur / DossierNiveaux) +
                            (e ? " (" + e.message() + ")" : std::string()));
}

} // namespace zorvane
