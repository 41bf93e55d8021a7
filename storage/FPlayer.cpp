#include "FPlayer.h"

#include "Brouillage.h"
#include "Erreur.h"
#include "Fichier.h"
#include "Octets.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <system_error>

namespace zorvane {

namespace {

// Offsets of the length bytes of the four fields.
constexpr std::size_t OffsetNom = 0;
constexpr std::size_t OffsetMotDePasse = 31;
constexpr std::size_t OffsetNiveau = 62;
constexpr std::size_t OffsetEnsemble = 73;
constexpr std::size_t LongueurEnsemble = 8;

[[noreturn]] void Endommage(const std::string& pourquoi) {
    throw ErreurES(FichierEndommage, "fichier endommagé (" + pourquoi + ")", FichierJoueur);
}

std::string Coupe(const std::string& texte, std::size_t capacite) {
    return texte.substr(0, capacite);
}

// The key of the scrambled fields is the name as stored.
void BrouillePartie(const TPartie& p, std::string& texte) {
    BrouilleAvecCle(Coupe(p.Nom, LongueurNomJoueur), texte);
}

// A level number: 1 to 10 decimal digits, at most INT32_MAX.
std::optional<int32_t> ValeurNiveau(const std::string& texte) {
    if (texte.empty() || texte.size() > LongueurNiveauAJouer)
        return std::nullopt;
    int64_t valeur = 0;
    for (char c : texte) {
        if (c < '0' || c > '9')
            return std::nullopt;
        valeur = valeur * 10 + (c - '0');
    }
    if (valeur > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return int32_t(valeur);
}

std::string LitChamp(const TPartieFichier& r, std::size_t offset, std::size_t capacite) {
    std::string texte;
    if (!LitTexteBorne(r.data() + offset, capacite, texte))
        Endommage("longueur de texte invalide");
    return texte;
}

// Names sort byte by byte as unsigned values; a prefix sorts first.
int CompareNoms(const std::string& a, const std::string& b) {
    const int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    if (c != 0)
        return c;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// The number of records; a size that is not a whole number of records is a damaged file,
// which no operation reads or changes.
int32_t CompteParties(const Fichier& f) {
    const uint64_t taille = f.taille();
    if (taille % TaillePartie != 0)
        Endommage("dernier enregistrement incomplet");
    if (taille / TaillePartie > uint64_t(std::numeric_limits<int32_t>::max()))
        Endommage("trop d'enregistrements");
    return int32_t(taille / TaillePartie);
}

void VerifieRang(int32_t rang, int32_t nb) {
    if (rang < 0 || rang >= nb)
        throw ErreurES(LectureAuDelaDeLaFin,
                       "l'enregistrement " + std::to_string(rang) + " n'existe pas", FichierJoueur);
}

TPartieFichier LitRecord(Fichier& f, int32_t rang) {
    TPartieFichier r{};
    f.litExactement(uint64_t(rang) * TaillePartie, r.data(), r.size());
    return r;
}

// Binary search reading one record per step; see ChercheNom.
bool Cherche(Fichier& f, int32_t nb, const std::string& nom, int32_t& position) {
    bool trouve = false;
    int32_t bas = 0;
    int32_t haut = nb - 1;
    position = 0;
    while (haut >= bas) {
        const int32_t milieu = bas + (haut - bas) / 2;
        const int c =
            CompareNoms(LitChamp(LitRecord(f, milieu), OffsetNom, LongueurNomJoueur), nom);
        if (c <= 0) {
            bas = milieu + 1;
            position = bas;
            trouve = trouve || c == 0;
        } else {
            haut = milieu - 1;
        }
    }
    return trouve;
}

// Where a new game of this name goes in name order; a name already stored is refused.
int32_t PlaceLibre(Fichier& f, int32_t nb, const std::string& nom) {
    int32_t position = 0;
    if (Cherche(f, nb, nom, position))
        throw ErreurES(NomInvalide, "nom de joueur déjà enregistré", FichierJoueur);
    return position;
}

} // namespace

TPartieFichier EncodePartie(const TPartie& p) {
    std::string niveau = Coupe(p.NiveauAJouer, LongueurNiveauAJouer);
    std::string ensemble = Coupe(p.Ensemble, LongueurEnsemble);
    BrouillePartie(p, niveau);
    BrouillePartie(p, ensemble);
    TPartieFichier r{};
    EcritTexteBorne(r.data() + OffsetNom, LongueurNomJoueur, p.Nom);
    EcritTexteBorne(r.data() + OffsetMotDePasse, LongueurMotDePasseJoueur, p.MotDePasse);
    EcritTexteBorne(r.data() + OffsetNiveau, LongueurNiveauAJouer, niveau);
    EcritTexteBorne(r.data() + OffsetEnsemble, LongueurEnsemble, ensemble);
    return r;
}

TPartie DecodePartie(const TPartieFichier& r, int32_t rang) {
    TPartie p;
    p.Nom = LitChamp(r, OffsetNom, LongueurNomJoueur);
    p.MotDePasse = LitChamp(r, OffsetMotDePasse, LongueurMotDePasseJoueur);
    p.NiveauAJouer = LitChamp(r, OffsetNiveau, LongueurNiveauAJouer);
    p.Ensemble = LitChamp(r, OffsetEnsemble, LongueurEnsemble);
    BrouillePartie(p, p.NiveauAJouer);
    BrouillePartie(p, p.Ensemble);
    NiveauPartie(p); // refuses a level that is not a number
    p.Rang = rang;
    return p;
}

void InitPartie(TPartie& p) {
    p = TPartie{};
}

void FixeJoueur(TPartie& p, const std::string& nom, const std::string& motDePasse) {
    p.Nom = Coupe(nom, LongueurNomJoueur);
    p.MotDePasse = Coupe(motDePasse, LongueurMotDePasseJoueur);
    BrouillePartie(p, p.MotDePasse);
}

void FixeNiveau(TPartie& p, int32_t numero) {
    if (numero < 0)
        throw ErreurES(FichierEndommage, "numéro de niveau invalide", FichierJoueur);
    if (numero == 0) {
        const int32_t actuel = NiveauPartie(p);
        if (actuel == std::numeric_limits<int32_t>::max())
            Endommage("numéro de niveau trop grand");
        numero = actuel + 1;
    }
    p.NiveauAJouer = Coupe(std::to_string(numero), LongueurNiveauAJouer);
}

void FixeEnsemble(TPartie& p, const std::string& nomFichier) {
    p.Ensemble = Coupe(nomFichier, LongueurEnsemble);
}

int32_t NiveauPartie(const TPartie& p) {
    const std::optional<int32_t> valeur = ValeurNiveau(p.NiveauAJouer);
    if (!valeur)
        Endommage("numéro de niveau invalide");
    return *valeur;
}

bool VerifieMotDePassePartie(const TPartie& p, const std::string& candidat) {
    std::string brouille = Coupe(candidat, LongueurMotDePasseJoueur);
    BrouillePartie(p, brouille);
    return brouille == p.MotDePasse;
}

bool JoueurExiste(const fs::path& jeu) {
    std::error_code ignoree;
    return fs::is_regular_file(jeu / FichierJoueur, ignoree);
}

int32_t NbParties(const fs::path& jeu) {
    Fichier f(jeu, FichierJoueur, Fichier::Mode::Lecture);
    return CompteParties(f);
}

void LitPartie(const fs::path& jeu, TPartie& p, int32_t rang) {
    Fichier f(jeu, FichierJoueur, Fichier::Mode::Lecture);
    VerifieRang(rang, CompteParties(f));
    p = DecodePartie(LitRecord(f, rang), rang);
}

bool ChercheNom(const fs::path& jeu, const std::string& nom, int32_t& position) {
    if (!JoueurExiste(jeu))
        return false;
    Fichier f(jeu, FichierJoueur, Fichier::Mode::Lecture);
    return Cherche(f, CompteParties(f), Coupe(nom, LongueurNomJoueur), position);
}

void EcritPartie(const fs::path& jeu, TPartie& p) {
    NiveauPartie(p); // never store a record that cannot be read back
    const TPartieFichier r = EncodePartie(p);
    if (!JoueurExiste(jeu)) {
        RemplaceFichier(jeu, FichierJoueur, r.data(), r.size());
        p.Rang = 0;
        return;
    }
    int32_t position = 0;
    {
        Fichier f(jeu, FichierJoueur, Fichier::Mode::LectureEcriture);
        const int32_t nb = CompteParties(f);
        const std::string nom = Coupe(p.Nom, LongueurNomJoueur);
        if (p.Rang < 0) {
            position = PlaceLibre(f, nb, nom);
        } else if (Cherche(f, nb, nom, position)) {
            // Found again by its name just before the write: the record may have moved since
            // it was read, and another player's never takes its place.
            f.ecrit(uint64_t(position - 1) * TaillePartie, r.data(), r.size());
            p.Rang = position - 1;
            return;
        }
        // A game whose record went meanwhile is inserted again in name order.
    }
    // The later records move up in a new version of the file: a failure keeps every saved game.
    InsereOctets(jeu, FichierJoueur, uint64_t(position) * TaillePartie, r.data(), r.size(),
                 TamponJoueur);
    p.Rang = position;
}

void SupprimePartie(const fs::path& jeu, int32_t rang) {
    int32_t nb = 0;
    {
        Fichier f(jeu, FichierJoueur, Fichier::Mode::LectureEcriture);
        nb = CompteParties(f);
        VerifieRang(rang, nb);
    }
    if (nb > 1) {
        RetireOctets(jeu, FichierJoueur, uint64_t(rang) * TaillePartie, TaillePartie, TamponJoueur);
        return;
    }
    std::error_code err; // the last record: the file goes
    fs::remove(jeu / FichierJoueur, err);
    if (err)
        ErreurSysteme(err.value(), FichierJoueur);
}

} // namespace zorvane
