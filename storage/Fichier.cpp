#include "Fichier.h"

#include "Erreur.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zorvane {

void ErreurSysteme(int err, const std::string& nom) {
    switch (err) {
    case ENOENT:
        throw ErreurES(FichierIntrouvable, "fichier introuvable", nom);
    case ENOTDIR:
        throw ErreurES(CheminIntrouvable, "chemin introuvable", nom);
    case EACCES:
    case EPERM:
    case EROFS:
        throw ErreurES(AccesRefuse, "accès refusé", nom);
    case ENOSPC:
    case EDQUOT:
        throw ErreurES(ErreurEcriture, "disque plein", nom);
    default:
        throw ErreurES(ErreurEcriture, std::string("erreur système : ") + std::strerror(err), nom);
    }
}

Fichier::Fichier(const fs::path& jeu, const fs::path& relatif, Mode mode)
    : nom_(relatif.generic_string()) {
    int drapeaux = O_CLOEXEC;
    switch (mode) {
    case Mode::Lecture:
        drapeaux |= O_RDONLY;
        break;
    case Mode::LectureEcriture:
        drapeaux |= O_RDWR;
        break;
    case Mode::Creation:
        drapeaux |= O_RDWR | O_CREAT | O_TRUNC;
        break;
    }
    fd_ = ::open((jeu / relatif).c_str(), drapeaux, 0644);
    if (fd_ < 0)
        ErreurSysteme(errno, nom_);
    struct stat st {};
    if (::fstat(fd_, &st) == 0 && !S_ISREG(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        throw ErreurES(AccesRefuse, "ce n'est pas un fichier", nom_);
    }
}

Fichier::~Fichier() {
    if (fd_ >= 0)
        ::close(fd_);
}

uint64_t Fichier::taille() const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        ErreurSysteme(errno, nom_);
    return uint64_t(st.st_size);
}

std::size_t Fichier::lit(uint64_t pos, void* tampon, std::size_t n) {
    std::size_t total = 0;
    auto* p = static_cast<char*>(tampon);
    while (total < n) {
        const ssize_t r = ::pread(fd_, p + total, n - total, off_t(pos + total));
        if (r < 0) {
            if (errno == EINTR)
                continue;
            ErreurSysteme(errno, nom_);
        }
        if (r == 0)
            break;
        total += std::size_t(r);
    }
    return total;
}

void Fichier::litExactement(uint64_t pos, void* tampon, std::size_t n) {
    if (lit(pos, tampon, n) != n)
        throw ErreurES(LectureAuDelaDeLaFin, "lecture au-delà de la fin du fichier", nom_);
}

void Fichier::ecrit(uint64_t pos, const void* tampon, std::size_t n) {
    std::size_t total = 0;
    const auto* p = static_cast<const char*>(tampon);
    while (total < n) {
        const ssize_t r = ::pwrite(fd_, p + total, n - total, off_t(pos + total));
        if (r < 0) {
            if (errno == EINTR)
                continue;
            ErreurSysteme(errno, nom_);
        }
        total += std::size_t(r);
    }
}

namespace {

// The mode a new version keeps: the old file's, or the usual one for a new file.
mode_t ModeDe(const fs::path& cible) {
    struct stat st {};
    if (::stat(cible.c_str(), &st) == 0)
        return st.st_mode & 0777;
    return 0644;
}

} // namespace

FichierTemporaire::FichierTemporaire(const fs::path& jeu, const fs::path& relatif)
    : cible_(jeu / relatif), nom_(relatif.generic_string()) {
    temporaire_ = cible_.parent_path() / ("." + cible_.filename().string() + ".XXXXXX");
    fd_ = ::mkstemp(temporaire_.data());
    if (fd_ < 0)
        ErreurSysteme(errno, nom_);
    if (::fchmod(fd_, ModeDe(cible_)) != 0)
        abandonne();
}

FichierTemporaire::~FichierTemporaire() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temporaire_.c_str());
    }
}

// Removes the temporary file and throws the error in errno.
void FichierTemporaire::abandonne() {
    const int err = errno;
    ::close(fd_);
    fd_ = -1;
    ::unlink(temporaire_.c_str());
    ErreurSysteme(err, nom_);
}

void FichierTemporaire::ecrit(const void* octets, std::size_t n) {
    const auto* p = static_cast<const char*>(octets);
    std::size_t total = 0;
    while (total < n) {
        const ssize_t r = ::write(fd_, p + total, n - total);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            abandonne();
        }
        total += std::size_t(r);
    }
}

void FichierTemporaire::recopie(Fichier& source, uint64_t debut, uint64_t fin, std::size_t tampon,
                                const Retouche& retouche) {
    std::vector<uint8_t> bloc(tampon);
    for (uint64_t pos = debut; pos < fin;) {
        const std::size_t voulus = std::size_t(std::min<uint64_t>(bloc.size(), fin - pos));
        source.litExactement(pos, bloc.data(), voulus);
        if (retouche)
            retouche(pos, bloc.data(), voulus);
        ecrit(bloc.data(), voulus);
        pos += voulus;
    }
}

std::string FichierTemporaire::cede() {
    if (::fsync(fd_) != 0)
        abandonne();
    const int ferme = ::close(fd_);
    fd_ = -1;
    if (ferme != 0) {
        const int err = errno;
        ::unlink(temporaire_.c_str());
        ErreurSysteme(err, nom_);
    }
    return temporaire_;
}

void FichierTemporaire::remplace() {
    const std::string temporaire = cede();
    if (::rename(temporaire.c_str(), cible_.c_str()) != 0) {
        const int err = errno;
        ::unlink(temporaire.c_str());
        ErreurSysteme(err, nom_);
    }
}

void RetireOctets(const fs::path& jeu, const fs::path& relatif, uint64_t pos, uint64_t ecart,
                  std::size_t tampon) {
    Fichier f(jeu, relatif, Fichier::Mode::LectureEcriture);
    const uint64_t taille = f.taille();
    if (pos > taille || ecart > taille - pos)
        throw ErreurES(FichierEndommage, "fichier endommagé (enregistrement hors du fichier)",
                       f.nom());
    FichierTemporaire nouveau(jeu, relatif);
    nouveau.recopie(f, 0, pos, tampon);
    nouveau.recopie(f, pos + ecart, taille, tampon);
    nouveau.remplace();
}

void InsereOctets(const fs::path& jeu, const fs::path& relatif, uint64_t pos, const void* bloc,
                  std::size_t n, std::size_t tampon) {
    Fichier f(jeu, relatif, Fichier::Mode::LectureEcriture);
    const uint64_t taille = f.taille();
    if (pos > taille)
        throw ErreurES(FichierEndommage, "fichier endommagé (enregistrement hors du fichier)",
                       f.nom());
    FichierTemporaire nouveau(jeu, relatif);
    nouveau.recopie(f, 0, pos, tampon);
    nouveau.ecrit(bloc, n);
    nouveau.recopie(f, pos, taille, tampon);
    nouveau.remplace();
}

void RemplaceFichier(const fs::path& jeu, const fs::path& relatif, const void* octets,
                     std::size_t n) {
    FichierTemporaire nouveau(jeu, relatif);
    nouveau.ecrit(octets, n);
    nouveau.remplace();
}

} // namespace zorvane
