#include "LectureBornee.h"

#include <fstream>

namespace zorvane {

std::optional<std::vector<uint8_t>> LitFichierBorne(const std::filesystem::path& chemin,
                                                    std::size_t maxOctets) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f)
        return std::nullopt;
    std::vector<uint8_t> octets;
    char tampon[16384];
    // Read by blocks rather than trusting the size reported beforehand: the file may grow.
    while (f.read(tampon, sizeof tampon) || f.gcount() > 0) {
        const auto lus = std::size_t(f.gcount());
        if (octets.size() + lus > maxOctets)
            return std::nullopt;
        octets.insert(octets.end(), tampon, tampon + lus);
    }
    if (f.bad())
        return std::nullopt;
    return octets;
}

} // namespace zorvane
