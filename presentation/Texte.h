// The files hold single-byte Windows-1252 text; the windows show Unicode.
#pragma once

#include <QString>
#include <string>

namespace zorvane {

QString Depuis1252(const std::string& octets);
// Characters outside the code page become '?'.
std::string Vers1252(const QString& texte);

} // namespace zorvane
