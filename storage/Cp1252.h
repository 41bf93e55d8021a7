// Text outside the set files is UTF-8 (the level sources, the set's file names on disk); the
// set files and the records in memory hold Windows-1252 bytes. Both directions
// cover the whole code page: ASCII, the Latin-1 letters, and the 27 characters of 0x80-0x9F
// (the euro sign, the curly quotes, the French œ and Œ, Ÿ, the dashes, ...).
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace zorvane {

class ErreurCodage : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws ErreurCodage for invalid UTF-8 and for a character the code page lacks.
std::string Utf8VersCp1252(std::string_view utf8);
// Throws ErreurCodage for the five bytes the code page leaves undefined (81, 8D, 8F, 90, 9D).
std::string Cp1252VersUtf8(std::string_view octets);

} // namespace zorvane
