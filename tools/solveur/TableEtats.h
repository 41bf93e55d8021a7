// The states met by the search, each stored once: its key (pieces and remaining gems), the
// codes spent to reach it, its estimate and the state it was reached from. Open addressing over
// a power-of-two array of slots; a slot keeps the key's first word beside the state's index, so
// that most probes cost one memory access, and the caller can prefetch the slot of a key before
// probing.
#pragma once

#include "MemoireGrande.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zorvane::solveur {

template <int W> using Cle = std::array<uint64_t, W>;

template <int W> class TableEtats {
  public:
    static constexpr uint32_t Aucun = 0xFFFFFFFF;

    TableEtats() : cases_(std::size_t(1) << 16) {}

    // Room for up to n states, taken from the address space only: a page costs memory once a
    // state is written on it, and the tables never move while they grow.
    void reserve(std::size_t n) {
        cles_.reserve(n);
        cout_.reserve(n);
        estimation_.reserve(n);
        parent_.reserve(n);
    }

    std::size_t taille() const { return cout_.size(); }
    const Cle<W>& cle(uint32_t i) const { return cles_[i]; }
    uint16_t cout(uint32_t i) const { return cout_[i]; }
    uint8_t estimation(uint32_t i) const { return estimation_[i]; }
    uint32_t parent(uint32_t i) const { return parent_[i]; }

    static uint64_t Hache(const Cle<W>& c) {
        uint64_t h = 0x9E3779B97F4A7C15ull;
        for (uint64_t mot : c) {
            h ^= mot;
            h *= 0xBF58476D1CE4E5B9ull;
            h ^= h >> 31;
        }
        return h;
    }

    void precharge(uint64_t hache) const { __builtin_prefetch(&cases_[hache & masque()]); }

    // The index of the state, or Aucun.
    uint32_t cherche(const Cle<W>& c, uint64_t hache) const {
        for (std::size_t k = hache & masque();; k = (k + 1) & masque()) {
            const Case& e = cases_[k];
            if (e.index == Aucun || (e.premier == c[0] && (W == 1 || cles_[e.index] == c)))
                return e.index;
        }
    }

    uint32_t ajoute(const Cle<W>& c, uint16_t cout, uint8_t estimation, uint32_t parent) {
        if ((cout_.size() + 1) * 10 > cases_.size() * 7)
            agrandit();
        const uint32_t i = uint32_t(cout_.size());
        cles_.push_back(c);
        cout_.push_back(cout);
        estimation_.push_back(estimation);
        parent_.push_back(parent);
        place(i);
        return i;
    }

    void estime(uint32_t i, uint8_t estimation) { estimation_[i] = estimation; }

    void ameliore(uint32_t i, uint16_t cout, uint32_t parent) {
        cout_[i] = cout;
        parent_[i] = parent;
    }

  private:
    struct Case {
        uint64_t premier = 0; // the key's first word
        uint32_t index = Aucun;
    };

    std::size_t masque() const { return cases_.size() - 1; }

    void place(uint32_t i) {
        std::size_t k = Hache(cles_[i]) & masque();
        while (cases_[k].index != Aucun)
            k = (k + 1) & masque();
        cases_[k] = {cles_[i][0], i};
    }

    void agrandit() {
        cases_.assign(cases_.size() * 2, Case{});
        for (uint32_t i = 0; i < cout_.size(); ++i)
            place(i);
    }

    Grand<Case> cases_;
    Grand<Cle<W>> cles_;
    Grand<uint16_t> cout_;
    Grand<uint8_t> estimation_;
    Grand<uint32_t> parent_;
};

} // namespace zorvane::solveur
