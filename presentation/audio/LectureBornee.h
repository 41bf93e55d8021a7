// Reads a whole data file into memory, refusing files larger than a bound: the sound files of the
// game's folder may be damaged or hostile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace zorvane {

// The file's bytes, or nothing when it is missing, unreadable or larger than maxOctets.
std::optional<std::vector<uint8_t>> LitFichierBorne(const std::filesystem::path& chemin,
                                                    std::size_t maxOctets);

} // namespace zorvane
