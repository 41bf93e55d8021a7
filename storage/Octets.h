// Little-endian numbers and length-prefixed texts inside fixed records.
#pragma once

#include <cstdint>
#include <string>

namespace zorvane {

inline uint16_t LitLE16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t LitLE32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
inline void EcritLE16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void EcritLE32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

// A bounded text: a length byte then `capacite` character bytes. Returns false when the length
// byte is above the field, which only a damaged file can hold.
inline bool LitTexteBorne(const uint8_t* p, std::size_t capacite, std::string& texte) {
    if (p[0] > capacite)
        return false;
    texte.assign(reinterpret_cast<const char*>(p + 1), p[0]);
    return true;
}

// Writes the text cut to the field; the filler after it is zero.
inline void EcritTexteBorne(uint8_t* p, std::size_t capacite, const std::string& texte) {
    const std::size_t n = texte.size() < capacite ? texte.size() : capacite;
    p[0] = uint8_t(n);
    for (std::size_t i = 0; i < capacite; ++i)
        p[1 + i] = i < n ? uint8_t(texte[i]) : 0;
}

} // namespace zorvane
