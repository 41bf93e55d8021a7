#include "Harmonie.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace zorvane::musique {

std::vector<int> Degres(Mode m) {
    switch (m) {
    case Mode::Majeur:
        return {0, 2, 4, 5, 7, 9, 11};
    case Mode::Mineur:
        return {0, 2, 3, 5, 7, 8, 10};
    case Mode::Dorien:
        return {0, 2, 3, 5, 7, 9, 10};
    case Mode::Mixolydien:
        return {0, 2, 4, 5, 7, 9, 10};
    case Mode::PentaMajeure:
        return {0, 2, 4, 7, 9};
    case Mode::PentaMineure:
        return {0, 3, 5, 7, 10};
    }
    return {};
}

std::vector<int> Accord::classes() const {
    std::vector<int> c;
    for (int i : intervalles)
        c.push_back(Classe(fondamentale + i));
    return c;
}

bool Accord::contient(int classe) const {
    for (int c : classes())
        if (c == Classe(classe))
            return true;
    return false;
}

namespace {

// Reads an accidental and a numeral at pos; returns the root above the tonic, its letter (0 to
// 6) and whether the numeral was written in capitals.
int LitChiffre(const std::string& t, std::size_t& pos, int& lettre, bool& majuscule) {
    int alteration = 0;
    while (pos < t.size() && (t[pos] == 'b' || t[pos] == '#'))
        alteration += t[pos++] == 'b' ? -1 : 1;
    static const struct {
        const char* texte;
        int demitons, lettre;
    } chiffres[] = {{"VII", 11, 6}, {"III", 4, 2}, {"IV", 5, 3}, {"VI", 9, 5},
                    {"II", 2, 1},   {"V", 7, 4},   {"I", 0, 0}};
    for (const auto& c : chiffres) {
        const std::size_t n = std::string(c.texte).size();
        if (t.size() - pos < n)
            continue;
        std::string lu = t.substr(pos, n);
        std::string haut = lu;
        for (char& x : haut)
            x = char(std::toupper(x));
        if (haut != c.texte)
            continue;
        const bool tout = std::all_of(lu.begin(), lu.end(), [](char x) { return std::isupper(x); });
        const bool rien = std::all_of(lu.begin(), lu.end(), [](char x) { return std::islower(x); });
        if (!tout && !rien)
            continue;
        majuscule = tout;
        lettre = c.lettre;
        pos += n;
        return c.demitons + alteration;
    }
    throw std::invalid_argument("unknown chord " + t);
}

} // namespace

Accord LitAccord(const std::string& texte) {
    const std::size_t barre = texte.find('/');
    const std::string principal = texte.substr(0, barre);
    std::size_t pos = 0;
    bool majuscule = false;
    Accord a;
    a.fondamentale = LitChiffre(principal, pos, a.degre, majuscule);
    std::string suite = principal.substr(pos);
    a.intervalles = majuscule ? std::vector<int>{0, 4, 7} : std::vector<int>{0, 3, 7};
    a.lettres = {0, 2, 4};
    auto retire = [&](const std::string& m) {
        if (suite.rfind(m, 0) != 0)
            return false;
        suite = suite.substr(m.size());
        return true;
    };
    if (retire("o"))
        a.intervalles = {0, 3, 6};
    else if (retire("+"))
        a.intervalles = {0, 4, 8};
    if (retire("maj7")) {
        a.intervalles.push_back(11);
        a.lettres.push_back(6);
    } else if (retire("h7")) {
        a.intervalles = {0, 3, 6, 10};
        a.lettres.push_back(6);
    } else if (retire("7")) {
        a.intervalles.push_back(a.intervalles == std::vector<int>{0, 3, 6} ? 9 : 10);
        a.lettres.push_back(6);
    } else if (retire("9")) {
        a.intervalles.insert(a.intervalles.end(), {10, 14});
        a.lettres.insert(a.lettres.end(), {6, 1});
    } else if (retire("6")) {
        a.intervalles.push_back(9);
        a.lettres.push_back(5);
    }
    if (retire("sus4")) {
        a.intervalles[1] = 5;
        a.lettres[1] = 3;
    } else if (retire("sus2")) {
        a.intervalles[1] = 2;
        a.lettres[1] = 1;
    }
    if (!suite.empty())
        throw std::invalid_argument("unknown chord " + texte);
    if (barre != std::string::npos) {
        std::size_t p2 = 0;
        bool m2 = false;
        int lettre = 0;
        const std::string cible = texte.substr(barre + 1);
        a.fondamentale += LitChiffre(cible, p2, lettre, m2);
        a.degre = (a.degre + lettre) % 7;
        if (p2 != cible.size())
            throw std::invalid_argument("unknown chord " + texte);
    }
    a.fondamentale = Classe(a.fondamentale);
    return a;
}

std::vector<int> GammeLocale(Mode m, const Accord& a) {
    std::vector<int> gamme = Degres(m);
    if (gamme.size() == 7) {
        const std::vector<int> classes = a.classes();
        for (std::size_t i = 0; i < classes.size(); ++i)
            gamme[std::size_t((a.degre + a.lettres[i]) % 7)] = classes[i];
        std::sort(gamme.begin(), gamme.end());
        return gamme;
    }
    for (int c : a.classes()) {
        if (std::find(gamme.begin(), gamme.end(), c) != gamme.end())
            continue;
        std::erase_if(gamme, [c](int d) {
            const int ecart = std::abs(d - c);
            return ecart == 1 || ecart == 11;
        });
        gamme.push_back(c);
    }
    std::sort(gamme.begin(), gamme.end());
    return gamme;
}

std::vector<int> Voicing(const Accord& a, int tonique, int bas, const std::vector<int>& avant) {
    // The chord's pitch classes, at most four (a ninth drops the fifth).
    std::vector<int> classes = a.classes();
    if (classes.size() > 4)
        classes.erase(classes.begin() + 2);
    std::vector<int> meilleur;
    int meilleurCout = 1 << 30;
    for (std::size_t renversement = 0; renversement < classes.size(); ++renversement) {
        std::vector<int> v;
        int h = bas + Classe(tonique + classes[renversement] - bas);
        v.push_back(h);
        for (std::size_t k = 1; k < classes.size(); ++k) {
            const int c = classes[(renversement + k) % classes.size()];
            int suivante = v.back() + 1;
            while (Classe(suivante) != Classe(tonique + c))
                ++suivante;
            v.push_back(suivante);
        }
        int cout = 0;
        if (!avant.empty()) {
            for (std::size_t k = 0; k < v.size(); ++k)
                cout += std::abs(v[k] - avant[std::min(k, avant.size() - 1)]);
        } else {
            cout = std::abs(v.front() - bas - 4); // the first chord sits low in its range
        }
        if (cout < meilleurCout) {
            meilleurCout = cout;
            meilleur = v;
        }
    }
    return meilleur;
}

} // namespace zorvane::musique
