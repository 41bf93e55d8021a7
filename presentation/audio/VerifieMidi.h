// The structure of a Standard MIDI File, checked before the synthesiser sees it: a damaged file
// would otherwise load and end at once.
#pragma once

#include <cstdint>
#include <span>

namespace zorvane {

// Whether the bytes hold a header chunk and track chunks whose events all parse within bounds.
bool EstFichierMidi(std::span<const uint8_t> octets);

} // namespace zorvane
