// A small synthesiser for the game's sound effects: mono signals at 44100 Hz, oscillators,
// noise, filters, envelopes, a room reverb, and the 16-bit WAV file they end up in.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <tuple>
#include <utility>
#include <vector>

namespace zorvane::sons {

constexpr double Fe = 44100.0; // samples per second
constexpr double Pi = 3.14159265358979323846;

using Signal = std::vector<double>;

Signal Vide(double secondes);
inline double Temps(std::size_t i) {
    return double(i) / Fe;
}
// Adds gain * source into dest from the time debut (seconds); dest grows when needed.
void Ajoute(Signal& dest, const Signal& source, double debut, double gain = 1.0);

// A value that moves linearly between points (time, value); constant before and after them.
class Courbe {
  public:
    Courbe(std::initializer_list<std::pair<double, double>> points);
    double operator()(double t) const;

  private:
    std::vector<std::pair<double, double>> points_;
};

// Envelope pieces: a raised-cosine rise from 0 to 1 over duree, its mirror, an exponential decay.
double Montee(double t, double duree);
double Descente(double t, double debut, double duree);
double Decroit(double t, double constante);

// White noise from a fixed seed (xorshift64*): the same sounds at every build, on any toolchain.
class Bruit {
  public:
    explicit Bruit(uint32_t graine) : etat_(0x9e3779b97f4a7c15ull ^ graine) {}
    double operator()() { return uniforme(-1.0, 1.0); }
    double uniforme(double a, double b) { return a + (b - a) * double(suivant() >> 11) * 0x1p-53; }

  private:
    uint64_t suivant() {
        etat_ ^= etat_ >> 12;
        etat_ ^= etat_ << 25;
        etat_ ^= etat_ >> 27;
        return etat_ * 0x2545f4914f6cdd1dull;
    }
    uint64_t etat_;
};

// A second-order filter (the usual audio cookbook forms); its tuning may change per sample.
class Biquad {
  public:
    void passeBas(double f, double q);
    void passeHaut(double f, double q);
    void passeBande(double f, double q); // peak gain 1 at f
    double operator()(double x);

  private:
    void Regle(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A resonance at f of bandwidth b, with a gain of 1 at 0 Hz: formants are cascades of these.
class Resonateur {
  public:
    double operator()(double x, double f, double b);

  private:
    double y1_ = 0, y2_ = 0;
};

// A tone whose partials are the given (ratio to the fundamental, amplitude, decay constant);
// partials above the band are left out. The sound of bells, mallets and chimes.
Signal Cloche(double frequence, double duree,
              std::initializer_list<std::tuple<double, double, double>> partiels,
              double attaque = 0.002);

// A sawtooth-like tone built from harmonics up to the band limit, with a brightness in (0, 1]:
// the amplitude of harmonic k is brillance^(k-1) / k.
double Harmoniques(double phase, double frequence, double brillance);

// A small room: parallel comb filters then all-pass filters, mixed under the dry signal.
void Reverbere(Signal& s, double humide, double queue = 0.8);

// The frequency of a MIDI note number (69 is A at 440 Hz).
double Note(int numero);

// Brings the last duree seconds down to silence along a raised cosine.
void FonduFinal(Signal& s, double duree);

// Removes any offset, shapes the first and last milliseconds so the sound starts and ends at
// zero, and scales it to the given peak.
void Finit(Signal& s, double crete);

struct Mesure {
    double duree, crete, efficace;
};
Mesure Analyse(const Signal& s);

// A 16-bit mono PCM WAV file at Fe samples per second.
void EcritWav(const std::filesystem::path& chemin, const Signal& s);

} // namespace zorvane::sons
