// Binary files of the game's folder: open, read and write at offsets, truncate, and the
// two ways a file changes shape (closing a gap through one buffer, atomic replacement).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace zorvane {

namespace fs = std::filesystem;

class Fichier {
  public:
    enum class Mode {
        Lecture,         // existing file, read only
        LectureEcriture, // existing file, never created nor emptied
        Creation,        // created, or emptied when it exists
    };

    // The file jeu/relatif; relatif is also how errors name it.
    Fichier(const fs::path& jeu, const fs::path& relatif, Mode mode);
    ~Fichier();
    Fichier(const Fichier&) = delete;
    Fichier& operator=(const Fichier&) = delete;

    uint64_t taille() const;
    // Reads up to n bytes at pos; returns how many were read (0 at the end).
    std::size_t lit(uint64_t pos, void* tampon, std::size_t n);
    // Reads exactly n bytes at pos, or throws: a short file is an error.
    void litExactement(uint64_t pos, void* tampon, std::size_t n);
    void ecrit(uint64_t pos, const void* tampon, std::size_t n);
    void tronque(uint64_t taille);
    const std::string& nom() const { return nom_; }

  private:
    int fd_ = -1;
    std::string nom_;
};

// Removes the ecart bytes at pos: everything after them moves down through one buffer of
// tampon bytes, then the file is truncated. A gap that runs past the end is a damaged file.
void FermeEcart(Fichier& f, uint64_t pos, uint64_t ecart, std::size_t tampon);

// Replaces jeu/relatif whole: the bytes go to a temporary file of the same folder, which is then
// renamed over the old one. A failed write leaves the old content intact.
void RemplaceFichier(const fs::path& jeu, const fs::path& relatif, const void* octets,
                     std::size_t n);

// Throws the error that errno describes for this file.
[[noreturn]] void ErreurSysteme(int err, const std::string& nom);

} // namespace zorvane
