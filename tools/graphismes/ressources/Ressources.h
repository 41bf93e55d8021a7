// The pictures of the windows and the glyphs of the toolbars, embedded in the program as Qt
// resources (zv_ressources): titre, apropos, gorbul, bravo, icone, gomme and the glyphs.
#pragma once

#include <QString>

namespace zorvane::ressources {

// The resource path of a picture: image("titre") is ":/images/titre.png".
QString image(const char* nom);

} // namespace zorvane::ressources
