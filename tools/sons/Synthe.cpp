#include "Synthe.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace zorvane::sons {

Signal Vide(double secondes) {
    return Signal(std::size_t(std::lround(secondes * Fe)), 0.0);
}

void Ajoute(Signal& dest, const Signal& source, double debut, double gain) {
    const auto decalage = std::size_t(std::lround(debut * Fe));
    if (dest.size() < decalage + source.size())
        dest.resize(decalage + source.size(), 0.0);
    for (std::size_t i = 0; i < source.size(); ++i)
        dest[decalage + i] += gain * source[i];
}

Courbe::Courbe(std::initializer_list<std::pair<double, double>> points) : points_(points) {}

double Courbe::operator()(double t) const {
    if (t <= points_.front().first)
        return points_.front().second;
    for (std::size_t i = 1; i < points_.size(); ++i) {
        const auto& [t1, v1] = points_[i];
        if (t <= t1) {
            const auto& [t0, v0] = points_[i - 1];
            return v0 + (v1 - v0) * (t - t0) / (t1 - t0);
        }
    }
    return points_.back().second;
}

double Montee(double t, double duree) {
    if (t <= 0)
        return 0;
    if (t >= duree)
        return 1;
    return 0.5 - 0.5 * std::cos(Pi * t / duree);
}

double Descente(double t, double debut, double duree) {
    return 1.0 - Montee(t - debut, duree);
}

double Decroit(double t, double constante) {
    return t <= 0 ? 1.0 : std::exp(-t / constante);
}

void Biquad::Regle(double b0, double b1, double b2, double a0, double a1, double a2) {
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

void Biquad::passeBas(double f, double q) {
    const double w = 2 * Pi * f / Fe, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    Regle((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::passeHaut(double f, double q) {
    const double w = 2 * Pi * f / Fe, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    Regle((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::passeBande(double f, double q) {
    const double w = 2 * Pi * f / Fe, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    Regle(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

double Biquad::operator()(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

double Resonateur::operator()(double x, double f, double b) {
    const double r = std::exp(-Pi * b / Fe);
    const double a1 = 2 * r * std::cos(2 * Pi * f / Fe), a2 = -r * r;
    const double y = (1 - a1 - a2) * x + a1 * y1_ + a2 * y2_;
    y2_ = y1_;
    y1_ = y;
    return y;
}

Signal Cloche(double frequence, double duree,
              std::initializer_list<std::tuple<double, double, double>> partiels, double attaque) {
    Signal s = Vide(duree);
    for (const auto& [rapport, amplitude, constante] : partiels) {
        const double f = frequence * rapport;
        if (f > 0.45 * Fe)
            continue;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const double t = Temps(i);
            s[i] +=
                amplitude * Montee(t, attaque) * Decroit(t, constante) * std::sin(2 * Pi * f * t);
        }
    }
    return s;
}

double Harmoniques(double phase, double frequence, double brillance) {
    double s = 0, a = 1;
    for (int k = 1; k * frequence < 0.45 * Fe && a > 1e-4; ++k, a *= brillance)
        s += a * std::sin(k * phase) / k;
    return s;
}

double Note(int numero) {
    return 440.0 * std::pow(2.0, (numero - 69) / 12.0);
}

void FonduFinal(Signal& s, double duree) {
    const double fin = Temps(s.size());
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] *= Descente(Temps(i), fin - duree, duree);
}

namespace {

class Peigne {
  public:
    Peigne(double secondes, double retour, double amorti)
        : ligne_(std::size_t(secondes * Fe), 0.0), retour_(retour), amorti_(amorti) {}
    double operator()(double x) {
        const double y = ligne_[pos_];
        filtre_ = y * (1 - amorti_) + filtre_ * amorti_;
        ligne_[pos_] = x + filtre_ * retour_;
        pos_ = (pos_ + 1) % ligne_.size();
        return y;
    }

  private:
    std::vector<double> ligne_;
    double retour_, amorti_, filtre_ = 0;
    std::size_t pos_ = 0;
};

class PasseTout {
  public:
    explicit PasseTout(double secondes) : ligne_(std::size_t(secondes * Fe), 0.0) {}
    double operator()(double x) {
        const double retard = ligne_[pos_];
        const double y = -0.6 * x + retard;
        ligne_[pos_] = x + 0.6 * y;
        pos_ = (pos_ + 1) % ligne_.size();
        return y;
    }

  private:
    std::vector<double> ligne_;
    std::size_t pos_ = 0;
};

} // namespace

void Reverbere(Signal& s, double humide, double queue) {
    std::vector<Peigne> peignes;
    for (double d : {0.0297, 0.0371, 0.0411, 0.0437})
        peignes.emplace_back(d, queue, 0.3);
    PasseTout p1(0.0050), p2(0.0017);
    for (double& x : s) {
        double r = 0;
        for (Peigne& p : peignes)
            r += p(x);
        x += humide * p2(p1(r / 4));
    }
}

void Finit(Signal& s, double crete) {
    // A one-pole high-pass at 20 Hz takes any offset away.
    const double a = std::exp(-2 * Pi * 20 / Fe);
    double x1 = 0, y1 = 0;
    for (double& x : s) {
        const double y = a * (y1 + x - x1);
        x1 = x;
        y1 = y;
        x = y;
    }
    const std::size_t debut = std::min(s.size(), std::size_t(0.002 * Fe));
    const std::size_t fin = std::min(s.size(), std::size_t(0.015 * Fe));
    for (std::size_t i = 0; i < debut; ++i)
        s[i] *= Montee(double(i), double(debut));
    for (std::size_t i = 0; i < fin; ++i)
        s[s.size() - 1 - i] *= Montee(double(i), double(fin));
    double max = 0;
    for (double x : s)
        max = std::max(max, std::abs(x));
    if (max > 0)
        for (double& x : s)
            x *= crete / max;
}

Mesure Analyse(const Signal& s) {
    double crete = 0, carres = 0;
    for (double x : s) {
        crete = std::max(crete, std::abs(x));
        carres += x * x;
    }
    return {double(s.size()) / Fe, crete, s.empty() ? 0 : std::sqrt(carres / double(s.size()))};
}

void EcritWav(const std::filesystem::path& chemin, const Signal& s) {
    std::vector<uint8_t> o;
    auto mot = [&](uint32_t v, int octets) {
        for (int i = 0; i < octets; ++i)
            o.push_back(uint8_t(v >> (8 * i)));
    };
    auto texte = [&](const char* t) { o.insert(o.end(), t, t + 4); };
    const auto donnees = uint32_t(s.size() * 2);
    texte("RIFF");
    mot(36 + donnees, 4);
    texte("WAVE");
    texte("fmt ");
    mot(16, 4);
    mot(1, 2); // PCM
    mot(1, 2); // mono
    mot(uint32_t(Fe), 4);
    mot(uint32_t(Fe) * 2, 4);
    mot(2, 2);
    mot(16, 2);
    texte("data");
    mot(donnees, 4);
    for (double x : s) {
        const long v = std::lround(std::clamp(x, -1.0, 1.0) * 32767.0);
        mot(uint32_t(uint16_t(int16_t(v))), 2);
    }
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(o.data()), std::streamsize(o.size()));
    if (!f)
        throw std::runtime_error("cannot write " + chemin.string());
}

} // namespace zorvane::sons
