#include "Bac.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <system_error>
#include <unistd.h>

namespace zorvane::fuzz {

namespace {

struct Dossier {
    fs::path chemin;
    Dossier() {
        std::string modele = (fs::temp_directory_path() / "zorvane-fuzz-XXXXXX").string();
        if (!::mkdtemp(modele.data()))
            throw std::runtime_error("mkdtemp");
        chemin = modele;
        fs::create_directory(chemin / "niveaux");
    }
    ~Dossier() {
        std::error_code ignoree;
        fs::remove_all(chemin, ignoree);
    }
};

} // namespace

const fs::path& Bac() {
    static const Dossier dossier;
    return dossier.chemin;
}

void Ecrit(const fs::path& relatif, std::span<const uint8_t> octets) {
    const fs::path chemin = Bac() / relatif;
    const int fd = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw std::runtime_error("open " + chemin.string());
    std::size_t total = 0;
    while (total < octets.size()) {
        const ssize_t r = ::write(fd, octets.data() + total, octets.size() - total);
        if (r <= 0) {
            ::close(fd);
            throw std::runtime_error("write " + chemin.string());
        }
        total += std::size_t(r);
    }
    ::close(fd);
}

void Efface(const fs::path& relatif) {
    std::error_code ignoree;
    fs::remove(Bac() / relatif, ignoree);
}

std::vector<uint8_t> Lit(const fs::path& relatif) {
    std::vector<uint8_t> contenu;
    std::FILE* f = std::fopen((Bac() / relatif).c_str(), "rb");
    if (!f)
        return contenu;
    char tampon[4096];
    std::size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, f)) > 0)
        contenu.insert(contenu.end(), tampon, tampon + n);
    std::fclose(f);
    return contenu;
}

uint8_t Entree::octet() {
    const auto b = bloc(1);
    return b.empty() ? 0 : b[0];
}

uint16_t Entree::mot() {
    const uint8_t bas = octet();
    return uint16_t(bas | (octet() << 8));
}

std::span<const uint8_t> Entree::bloc(std::size_t n) {
    const std::size_t pris = n < reste_.size() ? n : reste_.size();
    const auto b = reste_.first(pris);
    reste_ = reste_.subspan(pris);
    return b;
}

void Echec(const char* condition, const char* fichier, int ligne) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", fichier, ligne, condition);
    std::abort();
}

} // namespace zorvane::fuzz
