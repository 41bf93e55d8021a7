#include "Soluce.h"

#include "ChangementEnsemble.h"
#include "Convert.h"
#include "Ensemble.h"
#include "Erreur.h"
#include "Fichier.h"
#include "NiveauFichier.h"
#include "Octets.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace zorvane {

namespace {

using Record = std::array<uint8_t, TailleIndexSoluce>;

fs::path CheminSol(const std::string& nom) {
    return CheminEnsemble(nom, ".sol");
}
fs::path CheminInd(const std::string& nom) {
    return CheminEnsemble(nom, ".ind");
}

// Bytes of a block of nbCodes codes: four codes to a byte, the last one filled up.
uint32_t OctetsDuBloc(uint32_t nbCodes) {
    return (nbCodes + 3) / 4;
}

TIndexSoluce DecodeRecord(const Record& r) {
    TIndexSoluce e;
    e.Position = int32_t(LitLE32(r.data()));
    e.NbCodes = LitLE16(r.data() + 4);
    e.Inutilise = {r[6], r[7]};
    return e;
}

Record EncodeRecord(const TIndexSoluce& e) {
    Record r{};
    EcritLE32(r.data(), uint32_t(e.Position));
    EcritLE16(r.data() + 4, e.NbCodes);
    r[6] = e.Inutilise[0];
    r[7] = e.Inutilise[1];
    return r;
}

// Record numero must exist; `ajout` also allows the one just past the last.
uint64_t OffsetRecord(const Fichier& ind, int32_t numero, bool ajout) {
    const int64_t nb = int64_t(ind.taille() / TailleIndexSoluce);
    if (numero < 1 || numero > nb + (ajout ? 1 : 0))
        throw ErreurES(LectureAuDelaDeLaFin,
                       "aucun enregistrement d'index pour le niveau " + std::to_string(numero),
                       ind.nom());
    return uint64_t(numero - 1) * TailleIndexSoluce;
}

TIndexSoluce LitRecord(Fichier& ind, int32_t numero) {
    Record r{};
    ind.litExactement(OffsetRecord(ind, numero, false), r.data(), r.size());
    return DecodeRecord(r);
}

void EcritRecord(Fichier& ind, int32_t numero, const TIndexSoluce& e, bool ajout) {
    const Record r = EncodeRecord(e);
    ind.ecrit(OffsetRecord(ind, numero, ajout), r.data(), r.size());
}

// A record the game cannot have written: more codes than a log holds, or a block at a negative
// offset. A record without a solution has no block, so its offset means nothing.
void VerifieRecord(const TIndexSoluce& e, const std::string& nom) {
    if (e.NbCodes > CodesMaximum)
        throw ErreurES(FichierEndommage, "fichier endommagé (solution de plus de 1000 codes)", nom);
    if (e.NbCodes != 0 && e.Position < 0)
        throw ErreurES(FichierEndommage, "fichier endommagé (position de solution négative)", nom);
}

// The record's block must lie wholly inside the .sol file.
void VerifieBloc(const TIndexSoluce& e, const Fichier& sol) {
    if (e.NbCodes != 0 && uint64_t(e.Position) + OctetsDuBloc(e.NbCodes) > sol.taille())
        throw ErreurES(FichierEndommage, "fichier endommagé (solution hors du fichier)", sol.nom());
}

// Two records name the same stored solution (a record without one has no meaningful offset).
bool MemeSolution(const TIndexSoluce& a, const TIndexSoluce& b) {
    return a.NbCodes == b.NbCodes && (a.NbCodes == 0 || a.Position == b.Position);
}

// How the index changes along with the .sol file: every Position above `limite` drops by `retrait`
// (the bytes the .sol file lost there), and record `numero` is replaced or removed.
struct ChangementIndex {
    enum class Record { Garde, Remplace, Retire };
    int32_t limite = 0;
    uint32_t retrait = 0;
    int32_t numero = 0;
    Record record = Record::Garde;
    TIndexSoluce remplacant;
};

// Writes the changed index into `nouveau`, a buffer of records at a time. The copies start at
// record boundaries and the buffer holds whole records, so each buffer starts with a record;
// a trailing partial record is copied as it is.
void RecopieIndex(FichierTemporaire& nouveau, Fichier& ind, const ChangementIndex& c) {
    static_assert(TamponDeplacement % TailleIndexSoluce == 0);
    const auto retouche = [&c](uint64_t pos, uint8_t* octets, std::size_t n) {
        for (std::size_t i = 0; i + TailleIndexSoluce <= n; i += TailleIndexSoluce) {
            uint8_t* r = octets + i;
            const int32_t position = int32_t(LitLE32(r));
            if (c.retrait != 0 && position > c.limite)
                EcritLE32(r, uint32_t(int64_t(position) - int64_t(c.retrait)));
            if (c.record == ChangementIndex::Record::Remplace &&
                (pos + i) / TailleIndexSoluce + 1 == uint64_t(c.numero)) {
                const Record remplacant = EncodeRecord(c.remplacant);
                std::copy(remplacant.begin(), remplacant.end(), r);
            }
        }
    };
    const uint64_t taille = ind.taille();
    if (c.record == ChangementIndex::Record::Retire) {
        const uint64_t debut = uint64_t(c.numero - 1) * TailleIndexSoluce;
        nouveau.recopie(ind, 0, debut, TamponDeplacement, retouche);
        nouveau.recopie(ind, debut + TailleIndexSoluce, taille, TamponDeplacement, retouche);
    } else {
        nouveau.recopie(ind, 0, taille, TamponDeplacement, retouche);
    }
}

// Removes level numero's block from .sol and changes the index to match, the record itself as
// `record` says: new versions of both files, in change c.
void RetireSolution(ChangementEnsemble& c, const fs::path& jeu, const std::string& nomFichier,
                    int32_t numero, ChangementIndex::Record record) {
    Fichier ind(jeu, CheminInd(nomFichier), Fichier::Mode::LectureEcriture);
    const TIndexSoluce e = LitRecord(ind, numero);
    VerifieRecord(e, ind.nom());
    const uint32_t octets = e.NbCodes != 0 ? OctetsDuBloc(e.NbCodes) : 0;
    if (octets == 0 && record == ChangementIndex::Record::Garde)
        return; // no block, no record change: nothing to do

    if (octets != 0) {
        Fichier sol(jeu, CheminSol(nomFichier), Fichier::Mode::LectureEcriture);
        VerifieBloc(e, sol);
        FichierTemporaire& nouvelleSol = c.nouveau(".sol");
        nouvelleSol.recopie(sol, 0, uint64_t(e.Position), TamponDeplacement);
        nouvelleSol.recopie(sol, uint64_t(e.Position) + octets, sol.taille(), TamponDeplacement);
    }
    RecopieIndex(c.nouveau(".ind"), ind,
                 {.limite = e.Position,
                  .retrait = octets,
                  .numero = numero,
                  .record = record,
                  .remplacant = TIndexSoluce{}}); // a reset record says: no solution
}

} // namespace

void ViderJournal(TJournal& j) {
    j.NbCodes = 0;
    j.Attente.clear();
    j.ChangementEnAttente = false;
}

void AjouteCoup(TJournal& j, int8_t dx, int8_t dy) {
    if (dx < -1 || dx > 1 || dy < -1 || dy > 1 || (dx != 0 && dy != 0))
        return; // not a direction: nothing the game can log
    if (dx == 0 && dy == 0) {
        // A change of piece is written only before the next move, so two in a row cancel out.
        j.ChangementEnAttente = !j.ChangementEnAttente;
        return;
    }
    const std::string code{dx != 0 ? '1' : '0', (dx + dy + 1) / 2 != 0 ? '1' : '0'};
    if (j.NbCodes == 0 && j.Attente.empty()) {
        // The lead-in only serves as the code before the first one. Without a pending change it
        // must differ from the first move (other axis, same sense); with one, it must equal it so
        // that the repeat reads as the change.
        j.DernierCode = j.ChangementEnAttente ? code : std::string{dx == 0 ? '1' : '0', code[1]};
        j.Attente += j.DernierCode;
    }
    if (j.ChangementEnAttente) {
        j.Attente += j.DernierCode; // the repeat that marks the change
        if (j.Attente.size() >= 8)
            RangeOctet(j);
    }
    j.Attente += code;
    j.DernierCode = code;
    j.ChangementEnAttente = false;
    if (j.Attente.size() >= 8)
        RangeOctet(j);
}

void RangeOctet(TJournal& j) {
    if (int(j.NbCodes) + 4 <= int(CodesMaximum)) {
        j.NbCodes = uint16_t(j.NbCodes + 4);
        while (j.Attente.size() < 8) {
            j.Attente += "00"; // fill codes, not counted
            j.NbCodes = uint16_t(j.NbCodes - 1);
        }
        j.Octets[OctetsDuBloc(j.NbCodes) - 1] = uint8_t(BinaireVersEntier(j.Attente.substr(0, 8)));
    }
    // A full log drops what waits: it is too long to be stored anyway.
    j.Attente.clear();
}

void EnregistreSoluce(const fs::path& jeu, TJournal& j, int32_t numero, TIndexSoluce e) {
    if (!j.Attente.empty())
        RangeOctet(j);
    if (j.NbCodes == 0)
        return; // nothing to replay: never replaces a solution
    if (e.NbCodes != 0 && e.NbCodes <= j.NbCodes)
        return; // only a strictly shorter solution replaces the stored one
    if (int(j.NbCodes) + 4 > int(CodesMaximum))
        return; // 997 codes or more: the log may have dropped some

    ChangementEnsemble changement(jeu, j.NomFichier);
    Fichier ind(jeu, CheminInd(j.NomFichier), Fichier::Mode::LectureEcriture);
    VerifieRecord(e, ind.nom());
    // The record was read when the level was shown; if the solution files changed since, its
    // offset may now point into another level's block.
    if (!MemeSolution(e, LitRecord(ind, numero)))
        throw ErreurES(FichierEndommage,
                       "index des solutions périmé pour le niveau " + std::to_string(numero),
                       ind.nom());

    const uint32_t octets = OctetsDuBloc(j.NbCodes);
    uint32_t ancien = 0; // bytes of the block replaced (never fewer than the new one's)
    Fichier sol(jeu, CheminSol(j.NomFichier), Fichier::Mode::LectureEcriture);
    if (e.NbCodes == 0) {
        if (sol.taille() > uint64_t(INT32_MAX) - OctetsJournal)
            throw ErreurES(ErreurEcriture, "fichier des solutions trop grand", sol.nom());
        e.Position = int32_t(sol.taille()); // a first solution is appended
    } else {
        VerifieBloc(e, sol);
        ancien = OctetsDuBloc(e.NbCodes);
    }
    // New versions of both files: the block in place of the old one (what follows moves down
    // when the new block is shorter), the record, and the offsets after the block.
    FichierTemporaire& nouvelleSol = changement.nouveau(".sol");
    nouvelleSol.recopie(sol, 0, uint64_t(e.Position), TamponDeplacement);
    nouvelleSol.ecrit(j.Octets.data(), octets);
    nouvelleSol.recopie(sol, uint64_t(e.Position) + ancien, sol.taille(), TamponDeplacement);
    e.NbCodes = j.NbCodes;
    RecopieIndex(changement.nouveau(".ind"), ind,
                 {.limite = e.Position,
                  .retrait = ancien - octets,
                  .numero = numero,
                  .record = ChangementIndex::Record::Remplace,
                  .remplacant = e});
    changement.valide();
}

void DecaleIndex(const fs::path& jeu, int32_t limite, uint32_t nbOctets,
                 const std::string& nomFichier) {
    Fichier ind(jeu, CheminInd(nomFichier), Fichier::Mode::LectureEcriture);
    FichierTemporaire nouvelIndex(jeu, CheminInd(nomFichier));
    ChangementIndex decalage;
    decalage.limite = limite;
    decalage.retrait = nbOctets;
    RecopieIndex(nouvelIndex, ind, decalage);
    nouvelIndex.remplace();
}

void SupprimeSoluce(const fs::path& jeu, const std::string& nomFichier, int32_t numero,
                    bool supprimeRecord) {
    ChangementEnsemble changement(jeu, nomFichier);
    SupprimeSoluce(changement, jeu, nomFichier, numero, supprimeRecord);
    changement.valide();
}

void SupprimeSoluce(ChangementEnsemble& c, const fs::path& jeu, const std::string& nomFichier,
                    int32_t numero, bool supprimeRecord) {
    RetireSolution(c, jeu, nomFichier, numero,
                   supprimeRecord ? ChangementIndex::Record::Retire
                                  : ChangementIndex::Record::Garde);
}

void RazSoluce(const fs::path& jeu, const std::string& nomFichier, bool modifie, int32_t numero) {
    if (modifie) { // the old solution no longer fits: its block goes with the record's reset
        ChangementEnsemble changement(jeu, nomFichier);
        RazSoluce(changement, jeu, nomFichier, true, numero);
        changement.valide();
        return;
    }
    Fichier ind(jeu, CheminInd(nomFichier), Fichier::Mode::LectureEcriture);
    EcritRecord(ind, numero, TIndexSoluce{}, true);
}

void RazSoluce(ChangementEnsemble& c, const fs::path& jeu, const std::string& nomFichier,
               bool modifie, int32_t numero) {
    if (modifie) {
        RetireSolution(c, jeu, nomFichier, numero, ChangementIndex::Record::Remplace);
        return;
    }
    Fichier ind(jeu, CheminInd(nomFichier), Fichier::Mode::LectureEcriture);
    const bool ajout = OffsetRecord(ind, numero, true) == ind.taille();
    FichierTemporaire& nouvelIndex = c.nouveau(".ind");
    RecopieIndex(nouvelIndex, ind,
                 {.numero = numero,
                  .record = ChangementIndex::Record::Remplace,
                  .remplacant = TIndexSoluce{}});
    if (ajout) {
        const Record vide = EncodeRecord(TIndexSoluce{});
        nouvelIndex.ecrit(vide.data(), vide.size());
    }
}

bool LitIndex(const fs::path& jeu, TSoluce& s, int32_t numero) {
    Fichier ind(jeu, CheminInd(s.NomFichier), Fichier::Mode::Lecture);
    const TIndexSoluce e = LitRecord(ind, numero);
    VerifieRecord(e, ind.nom());
    s.Index = e;
    return e.NbCodes != 0;
}

void OuvreSoluce(const fs::path& jeu, TSoluce& s) {
    s.ChangementLu = false;
    s.NumOctet = 0;
    s.PosCode = 9;
    s.Chiffres.clear();
    s.CodePrecedent.clear();
    s.CodesLus = CodesMaximum; // a reader that fails to open replays nothing
    const fs::path chemin = CheminSol(s.NomFichier);
    VerifieRecord(s.Index, chemin.generic_string());
    if (s.Index.NbCodes != 0) {
        Fichier sol(jeu, chemin, Fichier::Mode::Lecture);
        VerifieBloc(s.Index, sol);
        sol.litExactement(uint64_t(s.Index.Position), s.Octets.data(),
                          OctetsDuBloc(s.Index.NbCodes));
    }
    s.CodesLus = 0;
}

int CoupSuivant(TSoluce& s) {
    const uint16_t stockes = std::min(s.Index.NbCodes, CodesMaximum);
    if (s.CodesLus >= stockes)
        return CoupFin;
    if (s.PosCode < 1 || s.PosCode > 7 || s.Chiffres.size() != 8) { // the byte is used up
        if (s.NumOctet >= OctetsJournal)
            return CoupFin;
        ++s.NumOctet;
        s.Chiffres = EntierVersBinaire(s.Octets[s.NumOctet - 1]).substr(24);
        s.PosCode = 1;
    }
    if (s.NumOctet == 1 && s.PosCode == 1) { // the lead-in: only the code before the first one
        s.CodePrecedent = s.Chiffres.substr(0, 2);
        s.PosCode = 3;
        if (++s.CodesLus >= stockes)
            return CoupFin;
    }
    const std::string code = s.Chiffres.substr(s.PosCode - 1, 2);
    int coup;
    if (code == s.CodePrecedent && !s.ChangementLu) {
        coup = CoupChangement;
        s.ChangementLu = true;
    } else {
        coup = 2 * (code[0] == '1') + (code[1] == '1');
        s.ChangementLu = false;
    }
    s.CodePrecedent = code;
    s.PosCode = uint8_t(s.PosCode + 2);
    ++s.CodesLus;
    return coup;
}

} // namespace zorvane
