#include "LectureSmf.h"

#include <algorithm>
#include <cstring>

namespace zorvane::musique {

namespace {

struct Curseur {
    std::span<const uint8_t> o;
    std::size_t pos = 0;
    bool octet(uint8_t& v) {
        if (pos >= o.size())
            return false;
        v = o[pos++];
        return true;
    }
    bool grand(uint32_t& v, int n) {
        v = 0;
        for (uint8_t b; n-- > 0; v = v << 8 | b)
            if (!octet(b))
                return false;
        return true;
    }
    bool variable(uint32_t& v) {
        v = 0;
        for (int i = 0; i < 4; ++i) {
            uint8_t b;
            if (!octet(b))
                return false;
            v = v << 7 | (b & 0x7f);
            if (!(b & 0x80))
                return true;
        }
        return false;
    }
    bool saute(uint32_t n) {
        if (n > o.size() - pos)
            return false;
        pos += n;
        return true;
    }
};

bool LitPiste(std::span<const uint8_t> piste, Releve& r) {
    Curseur c{piste};
    uint32_t tick = 0;
    uint8_t statut = 0;
    while (c.pos < piste.size()) {
        uint32_t delai, longueur;
        uint8_t b;
        if (!c.variable(delai) || !c.octet(b))
            return false;
        tick += delai;
        if (b == 0xff) {
            uint8_t type;
            if (!c.octet(type) || !c.variable(longueur) || longueur > piste.size() - c.pos)
                return false;
            if (type == 0x51 && longueur == 3) {
                const uint32_t micro = uint32_t(piste[c.pos]) << 16 |
                                       uint32_t(piste[c.pos + 1]) << 8 | piste[c.pos + 2];
                r.tempos.push_back({tick, 60000000.0 / micro});
            }
            c.saute(longueur);
            if (type == 0x2f)
                return true;
            continue;
        }
        if (b == 0xf0 || b == 0xf7) {
            if (!c.variable(longueur) || !c.saute(longueur))
                return false;
            continue;
        }
        uint8_t d1 = b, d2 = 0;
        if (b & 0x80) {
            statut = b;
            if (!c.octet(d1))
                return false;
        }
        const uint8_t genre = statut & 0xf0, canal = statut & 0x0f;
        if (genre != 0xc0 && genre != 0xd0 && !c.octet(d2))
            return false;
        if (genre == 0x90 && d2 > 0) {
            ++r.notes[canal];
            r.plusGrave[canal] = std::min<int>(r.plusGrave[canal], d1);
            r.plusAigu[canal] = std::max<int>(r.plusAigu[canal], d1);
        } else if (genre == 0x80 || genre == 0x90) {
            r.fin = std::max(r.fin, tick);
        } else if (genre == 0xc0) {
            r.programmes[canal] = d1;
        }
    }
    return false;
}

} // namespace

std::optional<Releve> LitSmf(std::span<const uint8_t> octets) {
    Curseur c{octets};
    uint32_t longueur, format, pistes, division;
    if (octets.size() < 14 || std::memcmp(octets.data(), "MThd", 4) != 0)
        return std::nullopt;
    c.pos = 4;
    if (!c.grand(longueur, 4) || longueur != 6 || !c.grand(format, 2) || !c.grand(pistes, 2) ||
        !c.grand(division, 2) || format > 1 || division != Noire)
        return std::nullopt;
    Releve r;
    r.programmes.fill(-1);
    r.plusGrave.fill(128);
    r.plusAigu.fill(-1);
    for (uint32_t i = 0; i < pistes; ++i) {
        if (octets.size() - c.pos < 8 || std::memcmp(&octets[c.pos], "MTrk", 4) != 0)
            return std::nullopt;
        c.pos += 4;
        if (!c.grand(longueur, 4) || longueur > octets.size() - c.pos)
            return std::nullopt;
        if (!LitPiste(octets.subspan(c.pos, longueur), r))
            return std::nullopt;
        c.pos += longueur;
    }
    std::stable_sort(r.tempos.begin(), r.tempos.end(),
                     [](const Tempo& a, const Tempo& b) { return a.tick < b.tick; });
    return r;
}

} // namespace zorvane::musique
