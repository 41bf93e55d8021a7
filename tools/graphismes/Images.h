// The pictures of the windows and the toolbar glyphs, each with its file name.
#pragma once

#include <QImage>
#include <QString>

#include <utility>
#include <vector>

namespace zorvane::graphismes {

using Images = std::vector<std::pair<QString, QImage>>;

// titre, apropos, gorbul, bravo and icone.
Images imagesDesFenetres();
// The 32 x 32 toolbar glyphs and the 41 x 41 eraser of the editor's palette.
Images glyphes();

} // namespace zorvane::graphismes
