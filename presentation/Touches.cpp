#include "Touches.h"

#include <QKeyEvent>

namespace zorvane {

namespace {

uint16_t CodeDuPaveNumerique(int cle) {
    if (cle >= Qt::Key_0 && cle <= Qt::Key_9)
        return uint16_t(96 + (cle - Qt::Key_0));
    switch (cle) {
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return 110;
    case Qt::Key_Slash:
        return 111;
    case Qt::Key_Enter:
        return 13;
    default:
        return 0;
    }
}

uint16_t CodeDeTouche(int cle) {
    if (cle >= Qt::Key_A && cle <= Qt::Key_Z)
        return uint16_t(cle); // Qt's letter keys carry their ASCII capital
    if (cle >= Qt::Key_0 && cle <= Qt::Key_9)
        return uint16_t(cle);
    if (cle >= Qt::Key_F1 && cle <= Qt::Key_F12)
        return uint16_t(112 + (cle - Qt::Key_F1));
    switch (cle) {
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
        return 91;
    case Qt::Key_Super_R:
        return 92;
    case Qt::Key_Menu:
        return 93;
    case Qt::Key_NumLock:
        return 144;
    case Qt::Key_ScrollLock:
        return 145;
    // Punctuation: the codes of a US keyboard's keys.
    case Qt::Key_Semicolon:
        return 186;
    case Qt::Key_Equal:
        return 187;
    case Qt::Key_Comma:
        return 188;
    case Qt::Key_Minus:
        return 189;
    case Qt::Key_Period:
        return 190;
    case Qt::Key_Slash:
        return 191;
    case Qt::Key_QuoteLeft:
        return 192;
    case Qt::Key_BracketLeft:
        return 219;
    case Qt::Key_Backslash:
        return 220;
    case Qt::Key_BracketRight:
        return 221;
    case Qt::Key_Apostrophe:
        return 222;
    default:
        return 0;
    }
}

// The keys of the main block by their place on the keyboard: the X key codes (the kernel's
// codes plus 8), row by row, and the code of the key at that place on a US keyboard.
struct Place {
    uint32_t cle;
    uint16_t code;
};
constexpr Place Places[] = {
    {10, '1'}, {11, '2'}, {12, '3'}, {13, '4'}, {14, '5'}, {15, '6'}, {16, '7'},
    {17, '8'}, {18, '9'}, {19, '0'}, {20, 189}, {21, 187}, // - =
    {24, 'Q'}, {25, 'W'}, {26, 'E'}, {27, 'R'}, {28, 'T'}, {29, 'Y'}, {30, 'U'},
    {31, 'I'}, {32, 'O'}, {33, 'P'}, {34, 219}, {35, 221}, // [ ]
    {38, 'A'}, {39, 'S'}, {40, 'D'}, {41, 'F'}, {42, 'G'}, {43, 'H'}, {44, 'J'},
    {45, 'K'}, {46, 'L'}, {47, 186}, {48, 222}, {49, 192}, {51, 220}, // ; ' ` and backslash
    {52, 'Z'}, {53, 'X'}, {54, 'C'}, {55, 'V'}, {56, 'B'}, {57, 'N'}, {58, 'M'},
    {59, 188}, {60, 190}, {61, 191}, // , . /
};

uint16_t CodeDeLaPlace(uint32_t cle) {
    for (const Place& p : Places)
        if (p.cle == cle)
            return p.code;
    return 0;
}

} // namespace

// The digits and letters are keys at a place, whatever the layout prints on them: the native
// key code tells the place, so that AZERTY, QWERTZ and QWERTY keyboards give the same codes.
// Events without one (synthesised, or from another platform) are read by the key they carry.
uint16_t CodeVirtuel(const QKeyEvent* evenement) {
    const int cle = evenement->key();
    if (evenement->modifiers() & Qt::KeypadModifier) {
        // The arrows of a keypad without Num Lock are plain arrows.
        if (const uint16_t code = CodeDuPaveNumerique(cle))
            return code;
    }
    if (const uint16_t code = CodeDeLaPlace(evenement->nativeScanCode()))
        return code;
    return CodeDeTouche(cle);
}

Geste InterpreteTouche(const TTouches& t, uint16_t code) {
    Geste c;
    if (code == 0) // no key has code 0: an unset table matches nothing
        return c;
    if (code == t.Change) {
        c.change = true;
        return c;
    }
    if (code == t.Haut)
        c.dy = -1;
    if (code == t.Bas)
        c.dy = 1;
    if (code == t.Droite)
        c.dx = 1;
    else if (code == t.Gauche)
        c.dx = -1;
    return c;
}

bool ToucheAcceptable(uint16_t code) {
    if (code == 32)
        return true;
    if (code < 37 || code == 91 || code == 93)
        return false;
    return code < 112 || code > 123;
}

} // namespace zorvane
