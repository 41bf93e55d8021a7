#include "Fichier.h"

#include "Erreur.h"

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
    struct stat st{};
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
    struct stat st{};
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

void Fichier::tronque(uint64_t taille) {
    if (::ftruncate(fd_, off_t(taille)) != 0)
        ErreurSysteme(errno, nom_);
}

void FermeEcart(Fichier& f, uint64_t pos, uint64_t ecart, std::size_t tampon) {
    if (pos + ecart > f.taille())
        throw ErreurES(FichierEndommage, "fichier endommagé (enregistrement hors du fichier)",
                       f.nom());
    std::vector<char> bloc(tampon);
    uint64_t p = pos;
    for (;;) {
        const std::size_t lus = f.lit(p + ecart, bloc.data(), bloc.size());
        if (lus == 0)
            break;
        f.ecrit(p, bloc.data(), lus);
        p += lus;
    }
    f.tronque(p);
}

void RemplaceFichier(const fs::path& jeu, const fs::path& relatif, const void* octets,
                     std::size_t n) {
    const std::string nom = relatif.generic_string();
    const fs::path cible = jeu / relatif;
    std::string modele = (cible.parent_path() / ("." + cible.filename().string() + ".XXXXXX"));
    const int fd = ::mkstemp(modele.data());
    if (fd < 0)
        ErreurSysteme(errno, nom);
    auto echec = [&](int err) {
        ::close(fd);
        ::unlink(modele.c_str());
        ErreurSysteme(err, nom);
    };
    const auto* p = static_cast<const char*>(octets);
    std::size_t total = 0;
    while (total < n) {
        const ssize_t r = ::write(fd, p + total, n - total);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            echec(errno);
        }
        total += std::size_t(r);
    }
    if (::fchmod(fd, 0644) != 0 || ::fsync(fd) != 0)
        echec(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(modele.c_str());
        ErreurSysteme(err, nom);
    }
    if (::rename(modele.c_str(), cible.c_str()) != 0) {
        const int err = errno;
        ::unlink(modele.c_str());
        ErreurSysteme(err, nom);
    }
}

} // namespace zorvane
