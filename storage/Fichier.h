// Binary files of the game's folder: open, read and write at offsets, truncate; and the way a file
// changes shape: a new version built beside it through one buffer, then renamed over it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
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
    const std::string& nom() const { return nom_; }

  private:
    int fd_ = -1;
    std::string nom_;
};

// A new version of a file, written beside it under a temporary name and put in its place by
// remplace(). Destroyed before that, it is removed and the old file stays as it was: a failed
// write (a full disk) never leaves a file half rewritten.
class FichierTemporaire {
  public:
    // Replaces jeu/relatif, which may not exist yet.
    FichierTemporaire(const fs::path& jeu, const fs::path& relatif);
    ~FichierTemporaire();
    FichierTemporaire(const FichierTemporaire&) = delete;
    FichierTemporaire& operator=(const FichierTemporaire&) = delete;

    // Changes a buffer on its way: pos is the offset of its first byte in the source.
    using Retouche = std::function<void(uint64_t pos, uint8_t* octets, std::size_t n)>;

    void ecrit(const void* octets, std::size_t n); // appends
    // Appends bytes [debut, fin) of source through one buffer of `tampon` bytes, each buffer
    // passed through `retouche` when there is one.
    void recopie(Fichier& source, uint64_t debut, uint64_t fin, std::size_t tampon,
                 const Retouche& retouche = {});
    // Puts the new version on disk, then in the old one's place.
    void remplace();
    // Puts the new version on disk and hands over its path: the caller renames or removes it.
    std::string cede();

  private:
    void abandonne();
    fs::path cible_;
    std::string temporaire_;
    std::string nom_;
    int fd_ = -1;
};

// Rewrites jeu/relatif without its bytes [pos, pos + ecart), or with `bloc` inserted at pos,
// through a temporary file and one buffer of `tampon` bytes; the file must exist and be writable.
// A gap or a position past the end is a damaged file, refused before anything is written.
void RetireOctets(const fs::path& jeu, const fs::path& relatif, uint64_t pos, uint64_t ecart,
                  std::size_t tampon);
void InsereOctets(const fs::path& jeu, const fs::path& relatif, uint64_t pos, const void* bloc,
                  std::size_t n, std::size_t tampon);

// Replaces jeu/relatif whole through a temporary file. A failed write leaves the old content.
void RemplaceFichier(const fs::path& jeu, const fs::path& relatif, const void* octets,
                     std::size_t n);

// Throws the error that errno describes for this file.
[[noreturn]] void ErreurSysteme(int err, const std::string& nom);

} // namespace zorvane
