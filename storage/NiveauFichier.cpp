#include "NiveauFichier.h"

#include "ChangementEnsemble.h"
#include "Convert.h"
#include "Ensemble.h"
#include "Erreur.h"
#include "Fichier.h"
#include "Octets.h"

namespace zorvane {

namespace {

char CodeVersCase(char b1, char b0) {
    if (b1 == '0')
        return b0 == '0' ? CaseVide : CaseMur;
    return b0 == '0' ? CaseZelmite : CaseCarre;
}

const char* CaseVersCode(char c) {
    switch (c) {
    case CaseMur:
        return "01";
    case CaseZelmite:
        return "10";
    case CaseCarre:
        return "11";
    default: // the ball and any unknown code
        return "00";
    }
}

fs::path CheminNiv(const TNiveau& n) {
    return CheminEnsemble(n.NomFichier, ".niv");
}

// Level Numero must exist in the file; `ajout` also allows the one just past the last.
uint64_t OffsetNiveau(Fichier& f, const TNiveau& n, bool ajout) {
    const int64_t nb = int64_t(f.taille() / TailleNiveauFichier);
    if (n.Numero < 1 || n.Numero > nb + (ajout ? 1 : 0))
        throw ErreurES(LectureAuDelaDeLaFin,
                       "le niveau " + std::to_string(n.Numero) + " n'existe pas", f.nom());
    return uint64_t(n.Numero - 1) * TailleNiveauFichier;
}

} // namespace

TNiveauFichier EncodeNiveau(const TNiveau& n) {
    TNiveauFichier r{};
    for (uint8_t y = 0; y < NbLignes; ++y) {
        std::string texte;
        for (uint8_t x = 0; x < NbColonnes; ++x) {
            const char c = LitCase(n, x, y);
            if (c == CaseBoule) {
                r[48] = x;
                r[49] = y;
            }
            texte += CaseVersCode(c);
        }
        EcritLE32(r.data() + 4 * y, BinaireVersEntier(texte));
    }
    return r;
}

void DecodeNiveau(const TNiveauFichier& r, TNiveau& n, const std::string& nomFichier) {
    if (!DansLaGrille(r[48], r[49]))
        throw ErreurES(FichierEndommage, "fichier endommagé (boule hors du plateau)", nomFichier);
    TNiveau lu = n;
    lu.NbZelmites = 0;
    for (uint8_t y = 0; y < NbLignes; ++y) {
        const std::string texte = EntierVersBinaire(LitLE32(r.data() + 4 * y));
        for (uint8_t x = 0; x < NbColonnes; ++x) {
            const char c = CodeVersCase(texte[2 * x], texte[2 * x + 1]);
            EcritCase(lu, x, y, c);
            // A gem under the ball (a damaged record) is not on the board: counting it would
            // leave a gem that can never be collected.
            if (c == CaseZelmite && (x != r[48] || y != r[49]))
                AjouteZelmites(lu, 1);
        }
    }
    EcritCase(lu, r[48], r[49], CaseBoule);
    n = lu;
}

void CompteNiveaux(const fs::path& jeu, TNiveau& n, bool raz) {
    Fichier f(jeu, CheminNiv(n), Fichier::Mode::Lecture);
    n.NbNiveaux = int32_t(std::min<uint64_t>(f.taille() / TailleNiveauFichier, INT32_MAX));
    if (raz) {
        n.Numero = 0;
        n.NbZelmites = 0;
        n.PosBoule = PositionHorsJeu;
        n.PosCarre = PositionHorsJeu;
    }
}

void LitNiveau(const fs::path& jeu, TNiveau& n) {
    Fichier f(jeu, CheminNiv(n), Fichier::Mode::Lecture);
    TNiveauFichier r{};
    f.litExactement(OffsetNiveau(f, n, false), r.data(), r.size());
    DecodeNiveau(r, n, f.nom());
}

void EcritNiveau(const fs::path& jeu, const TNiveau& n) {
    Fichier f(jeu, CheminNiv(n), Fichier::Mode::LectureEcriture);
    const TNiveauFichier r = EncodeNiveau(n);
    f.ecrit(OffsetNiveau(f, n, true), r.data(), r.size());
}

void EffaceNiveau(const fs::path& jeu, const TNiveau& n) {
    uint64_t pos = 0;
    {
        Fichier f(jeu, CheminNiv(n), Fichier::Mode::Lecture);
        pos = OffsetNiveau(f, n, false);
    }
    // The later levels move down in a new version of the file: a failure keeps the old one whole.
    RetireOctets(jeu, CheminNiv(n), pos, TailleNiveauFichier, TamponDeplacement);
}

void EcritNiveau(ChangementEnsemble& c, const fs::path& jeu, const TNiveau& n) {
    Fichier f(jeu, CheminNiv(n), Fichier::Mode::LectureEcriture);
    const uint64_t pos = OffsetNiveau(f, n, true);
    const uint64_t taille = f.taille();
    const TNiveauFichier r = EncodeNiveau(n);
    FichierTemporaire& nouveau = c.nouveau(".niv");
    nouveau.recopie(f, 0, pos, TamponDeplacement);
    nouveau.ecrit(r.data(), r.size());
    nouveau.recopie(f, std::min(pos + TailleNiveauFichier, taille), taille, TamponDeplacement);
}

void EffaceNiveau(ChangementEnsemble& c, const fs::path& jeu, const TNiveau& n) {
    Fichier f(jeu, CheminNiv(n), Fichier::Mode::LectureEcriture);
    const uint64_t pos = OffsetNiveau(f, n, false);
    FichierTemporaire& nouveau = c.nouveau(".niv");
    nouveau.recopie(f, 0, pos, TamponDeplacement);
    nouveau.recopie(f, pos + TailleNiveauFichier, f.taille(), TamponDeplacement);
}

} // namespace zorvane
