// The seven sound effects of the game, each synthesised from nothing.
#pragma once

#include "Synthe.h"

#include <string>
#include <vector>

namespace zorvane::sons {

Signal Demarrage(); // PILO.WAV: the start-up jingle
Signal Boule();     // move01.wav: the ball rolls away
Signal Carre();     // move02.wav: the square slides
Signal Zelmite();   // zelmite.wav: a gem is collected
Signal Declic();    // slotclck.wav: control passes to the other piece
Signal Ovation();   // applau.wav: fanfare and applause for a finished set
Signal AuRevoir();  // GORBUL.WAV: a small voice says goodbye

struct Effet {
    std::string fichier;
    Signal (*synthese)();
    double crete; // the loudest sample, relative to full scale
};

const std::vector<Effet>& Effets();

} // namespace zorvane::sons
