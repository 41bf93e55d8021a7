// What the fuzz targets share: a game folder of their own, made once per process, into which each
// input is written as files; a reader that cuts an input into fields; and the check that stops
// the run when an invariant breaks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace zorvane::fuzz {

namespace fs = std::filesystem;

// The game folder (with its niveaux subfolder), removed when the process ends normally.
const fs::path& Bac();

// Replaces Bac()/relatif with these bytes; Efface removes it if it exists.
void Ecrit(const fs::path& relatif, std::span<const uint8_t> octets);
void Efface(const fs::path& relatif);
std::vector<uint8_t> Lit(const fs::path& relatif); // the whole file; empty when missing

// Cuts an input into fields from its front; past the end, every field reads as zero or empty.
class Entree {
  public:
    Entree(const uint8_t* data, std::size_t taille) : reste_(data, taille) {}
    uint8_t octet();
    uint16_t mot();                               // little-endian
    std::span<const uint8_t> bloc(std::size_t n); // at most n bytes
    std::span<const uint8_t> reste() const { return reste_; }

  private:
    std::span<const uint8_t> reste_;
};

[[noreturn]] void Echec(const char* condition, const char* fichier, int ligne);

} // namespace zorvane::fuzz

// A property every input must keep; a broken one aborts, which the fuzzer reports as a crash.
#define EXIGE(condition)                                                                           \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::zorvane::fuzz::Echec(#condition, __FILE__, __LINE__);                                \
    } while (false)
