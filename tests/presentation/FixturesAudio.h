// Tiny sound files for the audio tests: a WAV tone of a given length and a short MIDI file.
#pragma once

#include <chrono>
#include <filesystem>

namespace zorvane::test {

// A 16-bit mono PCM WAV file holding a quiet tone of the given length.
void EcritWav(const std::filesystem::path& chemin, std::chrono::milliseconds duree);

// A Standard MIDI File of one track: a few short piano notes, 0.2 s in all.
void EcritMidi(const std::filesystem::path& chemin);

} // namespace zorvane::test
