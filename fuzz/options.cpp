// Fuzz target: the options file (options.dat). The input is the file's content.
#include "Options.h"
#include "Bac.h"
#include "Erreur.h"

#include <algorithm>

using namespace zorvane;

namespace {

// A graphics set's name that could lead out of the Graphics folder, or holds a control character.
bool NomDangereux(const std::string& nom) {
    return std::any_of(nom.begin(), nom.end(),
                       [](unsigned char c) { return c < 32 || c == '/' || c == '\\' || c == 127; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t taille) {
    fuzz::Ecrit(FichierOptions, {data, taille});
    const std::string nom = taille >= TailleOptions
                                ? std::string(reinterpret_cast<const char*>(data) + 11, data[10])
                                : std::string();
    try {
        const TOptions o = LitOptions(fuzz::Bac());
        EXIGE(taille >= TailleOptions && !NomDangereux(o.NomGraphisme));
        // Written back, the record keeps every byte that means something: all but the filler
        // after the graphics set's name.
        std::array<uint8_t, TailleOptions> lu{};
        std::copy_n(data, TailleOptions, lu.begin());
        const auto r = EncodeOptions(o);
        const std::size_t fin = 11 + lu[10];
        EXIGE(std::equal(r.begin(), r.begin() + fin, lu.begin()));
        EXIGE(std::equal(r.begin() + 266, r.end(), lu.begin() + 266));
        EXIGE(DecodeOptions(r) == o);
    } catch (const ErreurES&) {
        EXIGE(taille < TailleOptions || NomDangereux(nom));
    }
    return 0;
}
