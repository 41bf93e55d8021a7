#include "FixturesAudio.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace zorvane::test {

namespace {

void Ajoute16(std::vector<uint8_t>& o, uint32_t v) {
    o.push_back(uint8_t(v));
    o.push_back(uint8_t(v >> 8));
}

void Ajoute32(std::vector<uint8_t>& o, uint32_t v) {
    Ajoute16(o, v & 0xffff);
    Ajoute16(o, v >> 16);
}

void AjouteTexte(std::vector<uint8_t>& o, const char* t) {
    while (*t)
        o.push_back(uint8_t(*t++));
}

void Ecrit(const std::filesystem::path& chemin, const std::vector<uint8_t>& octets) {
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(octets.data()), std::streamsize(octets.size()));
    if (!f)
        throw std::runtime_error("cannot write " + chemin.string());
}

} // namespace

void EcritWav(const std::filesystem::path& chemin, std::chrono::milliseconds duree) {
    constexpr uint32_t frequence = 22050;
    const uint32_t trames = uint32_t(duree.count()) * frequence / 1000;
    std::vector<uint8_t> o;
    AjouteTexte(o, "RIFF");
    Ajoute32(o, 36 + trames * 2);
    AjouteTexte(o, "WAVEfmt ");
    Ajoute32(o, 16);
    Ajoute16(o, 1); // PCM
    Ajoute16(o, 1); // mono
    Ajoute32(o, frequence);
    Ajoute32(o, frequence * 2);
    Ajoute16(o, 2);
    Ajoute16(o, 16);
    AjouteTexte(o, "data");
    Ajoute32(o, trames * 2);
    for (uint32_t i = 0; i < trames; ++i)
        Ajoute16(o, uint16_t(int16_t(2000 * std::sin(i * 0.05))));
    Ecrit(chemin, o);
}

void EcritMidi(const std::filesystem::path& chemin) {
    std::vector<uint8_t> piste = {
        0x00, 0xff, 0x51, 0x03, 0x07, 0xa1, 0x20, // tempo 500000 us per quarter note
        0x00, 0xc0, 0x00,                         // piano
    };
    for (uint8_t note : {60, 64, 67, 72}) {
        const std::vector<uint8_t> e = {0x00, 0x90, note, 80, 0x30, 0x80, note, 0};
        piste.insert(piste.end(), e.begin(), e.end()); // 48 ticks of 480: 50 ms each
    }
    const std::vector<uint8_t> fin = {0x00, 0xff, 0x2f, 0x00};
    piste.insert(piste.end(), fin.begin(), fin.end());

    std::vector<uint8_t> o;
    AjouteTexte(o, "MThd");
    for (uint8_t b : {0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xe0})
        o.push_back(b);
    AjouteTexte(o, "MTrk");
    const auto n = uint32_t(piste.size());
    for (int decalage : {24, 16, 8, 0})
        o.push_back(uint8_t(n >> decalage));
    o.insert(o.end(), piste.begin(), piste.end());
    Ecrit(chemin, o);
}

} // namespace zorvane::test
