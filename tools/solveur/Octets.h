// Sixteen bytes handled at once, for the passes of the bound tables over squares or gems: the
// compiler does not vectorise those loops by itself at the build's optimisation level. Portable
// vector types of the compiler, no processor-specific code.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace zorvane::solveur {

typedef uint8_t Octets __attribute__((vector_size(16)));

inline Octets Charge(const uint8_t* p) {
    Octets v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline void Range(uint8_t* p, Octets v) {
    std::memcpy(p, &v, sizeof v);
}

inline Octets Tous(uint8_t v) {
    return Octets{} + v;
}

inline Octets Min(Octets a, Octets b) {
    return a < b ? a : b;
}

// 255 (Infini) where a or b is, elsewhere a + b, at most plafond.
inline Octets SommeBornee(Octets a, Octets b, uint8_t plafond) {
    const Octets infini = Octets(a == 255) | Octets(b == 255);
    const Octets s = a + b;
    const Octets sature = s < a ? Tous(255) : s; // the sum wrapped past 255
    return Min(sature, Tous(plafond)) | infini;
}

// The least of the sixteen bytes: each step folds the upper half of every 64-bit lane onto the
// lower one, the bytes shifted in set to 255 so that they never win.
inline uint8_t MinDe(Octets v) {
    typedef uint64_t Mots __attribute__((vector_size(16)));
    for (int bits = 32; bits >= 8; bits /= 2) {
        const Mots plein = Mots{} + (~uint64_t(0) << (64 - bits));
        v = Min(v, Octets((Mots(v) >> bits) | plein));
    }
    constexpr int bas = std::endian::native == std::endian::little ? 0 : 7; // the low byte
    return v[bas] < v[8 + bas] ? v[bas] : v[8 + bas];
}

// Turns a block of 16 x 16 bytes: m[i][j] becomes m[j][i]. Each round interleaves each row i < 8
// with row i + 8, which rotates the eight bits of (row, column) by one: four rounds swap them.
inline void Tourne(std::array<Octets, 16>& m) {
    for (int tour = 0; tour < 4; ++tour) {
        std::array<Octets, 16> t;
        for (int i = 0; i < 8; ++i) {
            t[2 * i] = __builtin_shufflevector(m[i], m[i + 8], 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5,
                                               21, 6, 22, 7, 23);
            t[2 * i + 1] = __builtin_shufflevector(m[i], m[i + 8], 8, 24, 9, 25, 10, 26, 11, 27, 12,
                                                   28, 13, 29, 14, 30, 15, 31);
        }
        m = t;
    }
}

} // namespace zorvane::solveur
