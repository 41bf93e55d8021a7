#include "VerifieMidi.h"

#include <cstddef>
#include <cstring>

namespace zorvane {

namespace {

class Lecteur {
  public:
    explicit Lecteur(std::span<const uint8_t> o) : o_(o) {}

    bool fini() const { return pos_ >= o_.size(); }
    std::size_t reste() const { return o_.size() - pos_; }
    bool octet(uint8_t& v) {
        if (fini())
            return false;
        v = o_[pos_++];
        return true;
    }
    bool saute(uint32_t n) {
        if (n > reste())
            return false;
        pos_ += n;
        return true;
    }
    bool grand(uint32_t& v, int n) { // big-endian, n bytes
        v = 0;
        for (uint8_t b; n-- > 0; v = v << 8 | b)
            if (!octet(b))
                return false;
        return true;
    }
    bool etiquette(const char* nom) {
        if (reste() < 4 || std::memcmp(&o_[pos_], nom, 4) != 0)
            return false;
        pos_ += 4;
        return true;
    }
    bool longueurVariable(uint32_t& v) { // at most four bytes
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
    Lecteur sousPartie(uint32_t n) {
        Lecteur l(o_.subspan(pos_, n));
        pos_ += n;
        return l;
    }

  private:
    std::span<const uint8_t> o_;
    std::size_t pos_ = 0;
};

bool Evenements(Lecteur piste) {
    uint8_t statut = 0;
    while (!piste.fini()) {
        uint32_t delai, longueur;
        uint8_t b;
        if (!piste.longueurVariable(delai) || !piste.octet(b))
            return false;
        if (b == 0xff) { // meta event: type, length, data
            uint8_t type;
            if (!piste.octet(type) || !piste.longueurVariable(longueur) || !piste.saute(longueur))
                return false;
            if (type == 0x2f)
                return true; // end of track
            continue;
        }
        if (b == 0xf0 || b == 0xf7) { // system exclusive: length, data
            if (!piste.longueurVariable(longueur) || !piste.saute(longueur))
                return false;
            continue;
        }
        uint8_t donnee = b;
        if (b & 0x80) {
            if (b > 0xef)
                return false; // no other system message belongs in a file
            statut = b;
            if (!piste.octet(donnee))
                return false;
        } else if (statut == 0) {
            return false; // running status with nothing to run
        }
        if (donnee & 0x80)
            return false;
        const uint8_t genre = statut & 0xf0;
        if (genre != 0xc0 && genre != 0xd0) {
            if (!piste.octet(donnee) || (donnee & 0x80))
                return false;
        }
    }
    return false; // no end-of-track event
}

} // namespace

bool EstFichierMidi(std::span<const uint8_t> octets) {
    Lecteur f(octets);
    uint32_t longueur, format, pistes, division;
    if (!f.etiquette("MThd") || !f.grand(longueur, 4) || longueur < 6 || longueur > f.reste())
        return false;
    if (!f.grand(format, 2) || !f.grand(pistes, 2) || !f.grand(division, 2) ||
        !f.saute(longueur - 6))
        return false;
    if (format > 2 || pistes == 0 || division == 0)
        return false;
    uint32_t trouvees = 0;
    while (!f.fini() && trouvees < pistes) {
        const bool piste = f.etiquette("MTrk");
        if (!piste && !f.saute(4)) // another kind of chunk is skipped
            return false;
        if (!f.grand(longueur, 4) || longueur > f.reste())
            return false;
        Lecteur contenu = f.sousPartie(longueur);
        if (piste) {
            if (!Evenements(contenu))
                return false;
            ++trouvees;
        }
    }
    return trouvees == pistes;
}

} // namespace zorvane
