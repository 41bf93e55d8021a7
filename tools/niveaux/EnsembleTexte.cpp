#include "EnsembleTexte.h"

#include "Cp1252.h"
#include "Ensemble.h"

#include <cstdint>

namespace zorvane {

namespace {

constexpr const char* CleFichier = "fichier:";
constexpr const char* CleDescription = "description:";
constexpr const char* CleMotDePasse = "mot de passe:";
constexpr const char* CleNiveau = "niveau ";

char CaseVersSymbole(char c) {
    switch (c) {
    case CaseMur:
        return '#';
    case CaseZelmite:
        return '*';
    case CaseBoule:
        return 'o';
    case CaseCarre:
        return 'x';
    default:
        return '.';
    }
}

// The cell code of a symbol, or 0 for an unknown one.
char SymboleVersCase(char s) {
    switch (s) {
    case '#':
        return CaseMur;
    case '*':
        return CaseZelmite;
    case 'o':
        return CaseBoule;
    case 'x':
        return CaseCarre;
    case '.':
        return CaseVide;
    default:
        return 0;
    }
}

std::string Entete(const char* cle, const std::string& valeur) {
    return valeur.empty() ? std::string(cle) : std::string(cle) + " " + valeur;
}

// The lines of a text, without their ends; a last line without an end counts as one.
std::vector<std::string> Lignes(std::string_view texte) {
    std::vector<std::string> lignes;
    while (!texte.empty()) {
        const std::size_t fin = texte.find('\n');
        std::string ligne(texte.substr(0, fin));
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.pop_back();
        lignes.push_back(std::move(ligne));
        texte.remove_prefix(fin == std::string_view::npos ? texte.size() : fin + 1);
    }
    return lignes;
}

// The UTF-8 character starting at s[i], for messages.
std::string CaractereEn(const std::string& s, std::size_t i) {
    std::size_t n = 1;
    while (i + n < s.size() && (uint8_t(s[i + n]) & 0xC0) == 0x80)
        ++n;
    return s.substr(i, n);
}

class Lecteur {
  public:
    explicit Lecteur(std::string_view texte) : lignes_(Lignes(texte)) {}

    EnsembleTexte Lit() {
        EnsembleTexte e;
        e.fichier = Valeur(CleFichier);
        Verifie(DefautNomFichier(e.fichier));
        e.description = Valeur(CleDescription);
        Verifie(DefautDescription(e.description));
        e.motDePasse = Valeur(CleMotDePasse);
        Verifie(DefautMotDePasse(e.motDePasse));
        while (SauteLignesVides())
            e.niveaux.push_back(Niveau(int(e.niveaux.size()) + 1));
        if (e.niveaux.empty())
            throw ErreurTexte("aucun niveau dans l'ensemble");
        return e;
    }

  private:
    [[noreturn]] void Erreur(const std::string& message) const {
        throw ErreurTexte("ligne " + std::to_string(ligne_ + 1) + " : " + message);
    }
    void Verifie(const std::string& defaut) const {
        if (!defaut.empty())
            Erreur(defaut);
    }

    std::string Valeur(const std::string& cle) {
        ++ligne_;
        if (ligne_ >= int(lignes_.size()) || lignes_[ligne_].compare(0, cle.size(), cle) != 0)
            Erreur("en-tête « " + cle + " » attendu");
        std::string valeur = lignes_[ligne_].substr(cle.size());
        if (!valeur.empty() && valeur[0] == ' ')
            valeur.erase(0, 1);
        return valeur;
    }

    // Moves to the next non-blank line; false at the end of the text.
    bool SauteLignesVides() {
        do
            ++ligne_;
        while (ligne_ < int(lignes_.size()) && lignes_[ligne_].empty());
        return ligne_ < int(lignes_.size());
    }

    TNiveau Niveau(int numero) {
        const std::string attendu = CleNiveau + std::to_string(numero);
        if (lignes_[ligne_] != attendu)
            Erreur("« " + attendu + " » attendu");
        TNiveau n;
        for (int y = 0; y < NbLignes; ++y) {
            ++ligne_;
            if (ligne_ >= int(lignes_.size()))
                Erreur("fin du texte dans le niveau " + std::to_string(numero) + " (" +
                       std::to_string(NbLignes) + " lignes attendues)");
            LignePlateau(n, y);
        }
        const std::string defaut = DefautPlateau(n);
        if (!defaut.empty())
            throw ErreurTexte("niveau " + std::to_string(numero) + " (lignes " +
                              std::to_string(ligne_ - NbLignes + 2) + " à " +
                              std::to_string(ligne_ + 1) + ") : " + defaut);
        return n;
    }

    void LignePlateau(TNiveau& n, int y) {
        const std::string& s = lignes_[ligne_];
        for (std::size_t i = 0, x = 0; i < s.size(); ++x) {
            const char c = SymboleVersCase(s[i]);
            if (c == 0)
                Erreur("caractère « " + CaractereEn(s, i) + " » inconnu en colonne " +
                       std::to_string(x + 1) + " (# mur, * zelmite, o boule, x carré, . vide)");
            if (x < NbColonnes) {
                EcritCase(n, uint8_t(x), uint8_t(y), c);
                if (c == CaseZelmite)
                    AjouteZelmites(n, 1);
            }
            ++i;
        }
        if (s.size() != NbColonnes)
            Erreur(std::to_string(s.size()) + " cases au lieu de " + std::to_string(NbColonnes));
    }

    std::vector<std::string> lignes_;
    int ligne_ = -1;
};

bool Minuscule(uint8_t c) {
    return (c >= 'a' && c <= 'z') || c == 0x9A || c == 0x9C || c == 0x9E ||
           (c >= 0xDF && c != 0xF7);
}

// The text in Windows-1252, or an explanation in `defaut`.
std::string EnCp1252(std::string_view utf8, std::string& defaut) {
    try {
        return Utf8VersCp1252(utf8);
    } catch (const ErreurCodage& e) {
        defaut = e.what();
        return {};
    }
}

bool AControle(const std::string& octets) {
    for (const char c : octets)
        if (uint8_t(c) < 0x20 || c == 0x7F)
            return true;
    return false;
}

} // namespace

std::string DefautNomFichier(std::string_view nom) {
    if (nom.empty() || nom.size() > LongueurNomEnsemble)
        return "nom de fichier de 1 à 8 caractères attendu";
    for (const char c : nom)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
              c == '-' || c == '_'))
            return "le nom de fichier ne prend que des lettres, des chiffres, - et _";
    return {};
}

std::string DefautDescription(std::string_view utf8) {
    std::string defaut;
    const std::string octets = EnCp1252(utf8, defaut);
    if (!defaut.empty())
        return "description : " + defaut;
    if (octets.size() > LongueurDescription)
        return "description de " + std::to_string(octets.size()) + " caractères (100 au plus)";
    if (AControle(octets))
        return "caractère de contrôle dans la description";
    return {};
}

std::string DefautMotDePasse(std::string_view utf8) {
    std::string defaut;
    const std::string octets = EnCp1252(utf8, defaut);
    if (!defaut.empty())
        return "mot de passe : " + defaut;
    if (octets.empty() || octets.size() > LongueurMotDePasse)
        return "mot de passe de 1 à 30 caractères attendu";
    if (AControle(octets))
        return "caractère de contrôle dans le mot de passe";
    for (const char c : octets)
        if (Minuscule(uint8_t(c)))
            return "mot de passe en capitales attendu (le jeu tape les mots de passe en capitales)";
    return {};
}

std::string DefautPlateau(const TNiveau& n) {
    int boules = 0, carres = 0, zelmites = 0;
    for (const char c : n.Grille) {
        boules += c == CaseBoule;
        carres += c == CaseCarre;
        zelmites += c == CaseZelmite;
    }
    if (boules == 0)
        return "pas de boule";
    if (boules > 1)
        return std::to_string(boules) + " boules (une seule attendue)";
    if (carres == 0)
        return "pas de carré";
    if (carres > 1)
        return std::to_string(carres) + " carrés (un seul attendu)";
    if (zelmites == 0)
        return "aucune zelmite";
    return {};
}

std::vector<std::string> LignesDuPlateau(const TNiveau& n) {
    std::vector<std::string> lignes;
    for (uint8_t y = 0; y < NbLignes; ++y) {
        std::string ligne;
        for (uint8_t x = 0; x < NbColonnes; ++x)
            ligne += CaseVersSymbole(LitCase(n, x, y));
        lignes.push_back(ligne);
    }
    return lignes;
}

EnsembleTexte LitEnsembleTexte(std::string_view texte) {
    return Lecteur(texte).Lit();
}

std::string EcritEnsembleTexte(const EnsembleTexte& e) {
    std::string texte = Entete(CleFichier, e.fichier) + "\n" +
                        Entete(CleDescription, e.description) + "\n" +
                        Entete(CleMotDePasse, e.motDePasse) + "\n";
    for (std::size_t i = 0; i < e.niveaux.size(); ++i) {
        texte += "\n" + std::string(CleNiveau) + std::to_string(i + 1) + "\n";
        for (const std::string& ligne : LignesDuPlateau(e.niveaux[i]))
            texte += ligne + "\n";
    }
    return texte;
}

} // namespace zorvane
