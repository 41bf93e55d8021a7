// Texts of binary digits, most significant bit first: how row words and packed moves are built.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zorvane {

// Exactly 32 characters '0' and '1'.
std::string EntierVersBinaire(uint32_t valeur);

// The first 32 characters at most; '1' is a one bit, any other character a zero bit.
uint32_t BinaireVersEntier(std::string_view texte);

} // namespace zorvane
