// The window's waits. The game runs with the defaults; tests shorten them.
#pragma once

namespace zorvane {

struct TDelais {
    int pauseAnimationMs = 20; // between two cells of a slide
    int titreMs = 3000;        // how long the title window shows; 0: no title window
    int adieuMs = 500;         // from the farewell window's opening to its sound
};

} // namespace zorvane
