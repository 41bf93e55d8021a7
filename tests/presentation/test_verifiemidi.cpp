#include "VerifieMidi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace zorvane;

namespace {

using Octets = std::vector<uint8_t>;

Octets EnTete(uint16_t pistes) {
    return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, uint8_t(pistes), 1, 0xe0};
}

Octets Bloc(const char* nom, const Octets& contenu) {
    Octets o(nom, nom + 4);
    const auto n = uint32_t(contenu.size());
    for (int d : {24, 16, 8, 0})
        o.push_back(uint8_t(n >> d));
    o.insert(o.end(), contenu.begin(), contenu.end());
    return o;
}

Octets Fichier(uint16_t pistes, std::initializer_list<Octets> blocs) {
    Octets o = EnTete(pistes);
    for (const Octets& b : blocs)
        o.insert(o.end(), b.begin(), b.end());
    return o;
}

const Octets Fin = {0x00, 0xff, 0x2f, 0x00};

Octets Piste(Octets evenements) {
    evenements.insert(evenements.end(), Fin.begin(), Fin.end());
    return Bloc("MTrk", evenements);
}

struct Cas {
    const char* quoi;
    Octets octets;
    bool valide;
};

TEST(VerifieMidi, AcceptsWellFormedFilesAndRefusesDamagedOnes) {
    const Cas cas[] = {
        {"one note", Fichier(1, {Piste({0, 0x90, 60, 100, 0x60, 0x80, 60, 0})}), true},
        {"running status and a two-byte delay",
         Fichier(1, {Piste({0, 0x90, 60, 100, 0x83, 0x60, 60, 0})}), true},
        {"program change, pitch bend, meta and sysex",
         Fichier(1, {Piste({0, 0xc0, 5, 0, 0xe0, 0, 64, 0, 0xff, 0x03, 2, 'a', 'b', 0, 0xf0, 2,
                            0x7e, 0xf7})}),
         true},
        {"two tracks and an unknown chunk",
         Fichier(2, {Piste({}), Bloc("XYZW", {1, 2, 3}), Piste({0, 0x99, 36, 90})}), true},
        {"empty file", {}, false},
        {"header only", EnTete(1), false},
        {"header shorter than six bytes", {'M', 'T', 'h', 'd', 0, 0, 0, 4, 0, 0, 0, 1}, false},
        {"no track announced", Fichier(0, {}), false},
        {"fewer tracks than announced", Fichier(2, {Piste({})}), false},
        {"no end of track", Fichier(1, {Bloc("MTrk", {0, 0x90, 60, 100})}), false},
        {"track longer than the file", Fichier(1, {Octets{'M', 'T', 'r', 'k', 0, 0, 1, 0, 0}}),
         false},
        {"delay of five bytes", Fichier(1, {Piste({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 100})}),
         false},
        {"data byte with its top bit", Fichier(1, {Piste({0, 0x90, 0xbc, 100})}), false},
        {"running status before any status", Fichier(1, {Piste({0, 60, 100})}), false},
        {"meta event longer than the track", Fichier(1, {Bloc("MTrk", {0, 0xff, 1, 50, 'a'})}),
         false},
        {"real-time message", Fichier(1, {Piste({0, 0xf8})}), false},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(EstFichierMidi(c.octets), c.valide) << c.quoi;
}

} // namespace
