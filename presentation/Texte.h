// The files hold single-byte Windows-1252 text; the windows show Unicode.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace zorvane {

QString Depuis1252(const std::string& octets);
// Characters outside the code page become '?'.
std::string Vers1252(const QString& texte);
// The text in Windows-1252, or nothing when one of its characters is outside the code page.
std::optional<std::string> Vers1252Exact(const QString& texte);
// The characters of the text that the code page lacks, each once, in order.
QString HorsCp1252(const QString& texte);

} // namespace zorvane
