#include "Cp1252.h"

#include <gtest/gtest.h>

using namespace zorvane;

namespace {

struct Paire {
    const char* utf8;
    std::string octets;
};

TEST(Cp1252, CaracteresDuFrancais) {
    const Paire paires[] = {
        {"Zorvane 3", "Zorvane 3"},
        {"é è ê ë à â ç ù û ü ô î ï",
         "\xE9 \xE8 \xEA \xEB \xE0 \xE2 \xE7 \xF9 \xFB \xFC \xF4 \xEE \xEF"},
        {"É À Ç Ÿ", "\xC9 \xC0 \xC7 \x9F"},
        {"œuvre Œ", "\x9Cuvre \x8C"},
        {"« l’été » … — – €", "\xAB l\x92\xE9t\xE9 \xBB \x85 \x97 \x96 \x80"},
        {"", ""},
    };
    for (const Paire& p : paires) {
        EXPECT_EQ(Utf8VersCp1252(p.utf8), p.octets) << p.utf8;
        EXPECT_EQ(Cp1252VersUtf8(p.octets), p.utf8) << p.utf8;
    }
}

TEST(Cp1252, ToutOctetDefiniFaitLAllerRetour) {
    for (int b = 0; b < 256; ++b) {
        const std::string octet(1, char(b));
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) {
            EXPECT_THROW(Cp1252VersUtf8(octet), ErreurCodage) << b;
            continue;
        }
        EXPECT_EQ(Utf8VersCp1252(Cp1252VersUtf8(octet)), octet) << b;
    }
}

TEST(Cp1252, RefuseCeQuiNeSeConvertitPas) {
    const char* fautifs[] = {
        "\xE3\x81\x82",     // a character outside the code page
        "\xC2\x81",         // U+0081: the code page leaves byte 81 undefined
        "\x80",             // a continuation byte alone
        "\xC3",             // a sequence cut short
        "\xC0\xAF",         // an overlong '/'
        "\xED\xA0\x80",     // a surrogate
        "\xF4\x90\x80\x80", // beyond U+10FFFF
    };
    for (const char* f : fautifs)
        EXPECT_THROW(Utf8VersCp1252(f), ErreurCodage) << f;
    try {
        Utf8VersCp1252("x\xE2\x86\x92y");
        FAIL();
    } catch (const ErreurCodage& e) {
        EXPECT_STREQ(e.what(), "caractère « → » (U+2192) absent de Windows-1252");
    }
}

} // namespace
