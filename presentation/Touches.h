// The five control keys, as Windows virtual-key codes (the codes stored in options.dat), and how
// a key press becomes a move or a switch of piece.
#pragma once

#include <cstdint>

class QKeyEvent;

namespace zorvane {

struct TTouches {
    uint16_t Haut = 0;
    uint16_t Bas = 0;
    uint16_t Gauche = 0;
    uint16_t Droite = 0;
    uint16_t Change = 0;
    bool operator==(const TTouches&) const = default;
};

// The virtual-key code of a key event: letters 65-90, digits 48-57, space 32, arrows 37-40,
// keypad 96-111, F1-F12 112-123, and the usual codes of the other keys; 0 for a key without one.
uint16_t CodeVirtuel(const QKeyEvent* evenement);

// What a key does in play: a switch of piece, or a step (dx, dy), (0, 0) for any other key.
struct Geste {
    bool change = false;
    int8_t dx = 0;
    int8_t dy = 0;
};
Geste InterpreteTouche(const TTouches& t, uint16_t code);

// Whether the key redefinition accepts a code: space, and 37 upward except the Windows and menu
// keys (91, 93) and F1 to F12.
bool ToucheAcceptable(uint16_t code);

} // namespace zorvane
