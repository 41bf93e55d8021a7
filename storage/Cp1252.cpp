#include "Cp1252.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace zorvane {

namespace {

// The characters of bytes 0x80 to 0x9F; 0 where the code page defines none.
constexpr std::array<char32_t, 32> Plage80{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AjouteUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | (c >> 6));
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xE0 | (c >> 12));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
}

std::string Hexa(unsigned v, int chiffres) {
    char tampon[16];
    std::snprintf(tampon, sizeof tampon, "%0*X", chiffres, v);
    return tampon;
}

// Decodes one UTF-8 character at s[i], advancing i; throws on a malformed sequence.
char32_t LitUtf8(std::string_view s, std::size_t& i) {
    const uint8_t premier = uint8_t(s[i]);
    int suite;
    char32_t c;
    if (premier < 0x80) {
        ++i;
        return premier;
    } else if (premier >= 0xC2 && premier < 0xE0) {
        suite = 1;
        c = premier & 0x1F;
    } else if (premier >= 0xE0 && premier < 0xF0) {
        suite = 2;
        c = premier & 0x0F;
    } else if (premier >= 0xF0 && premier < 0xF5) {
        suite = 3;
        c = premier & 0x07;
    } else {
        throw ErreurCodage("UTF-8 invalide (octet " + Hexa(premier, 2) + ")");
    }
    if (i + suite >= s.size())
        throw ErreurCodage("UTF-8 invalide (caractère tronqué)");
    for (int k = 1; k <= suite; ++k) {
        const uint8_t o = uint8_t(s[i + k]);
        if ((o & 0xC0) != 0x80)
            throw ErreurCodage("UTF-8 invalide (octet " + Hexa(o, 2) + ")");
        c = (c << 6) | (o & 0x3F);
    }
    const char32_t minimum = suite == 1 ? 0x80 : suite == 2 ? 0x800 : 0x10000;
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
        throw ErreurCodage("UTF-8 invalide");
    i += suite + 1;
    return c;
}

} // namespace

std::string Utf8VersCp1252(std::string_view utf8) {
    std::string octets;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t debut = i;
        const char32_t c = LitUtf8(utf8, i);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            octets += char(c);
            continue;
        }
        std::size_t k = 0;
        while (k < Plage80.size() && (Plage80[k] == 0 || Plage80[k] != c))
            ++k;
        if (k == Plage80.size())
            throw ErreurCodage("caractère « " + std::string(utf8.substr(debut, i - debut)) +
                               " » (U+" + Hexa(unsigned(c), 4) + ") absent de Windows-1252");
        octets += char(0x80 + k);
    }
    return octets;
}

std::string Cp1252VersUtf8(std::string_view octets) {
    std::string utf8;
    for (const char o : octets) {
        const uint8_t b = uint8_t(o);
        char32_t c = b;
        if (b >= 0x80 && b < 0xA0) {
            c = Plage80[b - 0x80];
            if (c == 0)
                throw ErreurCodage("octet " + Hexa(b, 2) + " non défini dans Windows-1252");
        }
        AjouteUtf8(utf8, c);
    }
    return utf8;
}

} // namespace zorvane
