#include "Solveur.h"

#include "Limites.h"
#include "Plateau.h"
#include "Recherche.h"
#include "Relaxation.h"
#include "TempsFil.h"

namespace zorvane {

namespace {

template <int W>
ResultatSolveur ResousAvec(const solveur::Plateau& p, const OptionsSolveur& options) {
    const double debut = solveur::TempsFil();
    const solveur::Relaxation relaxation(
        p, [&] { return solveur::Annulee(options) || solveur::TempsDepasse(options, debut); });
    if (!relaxation.complete()) { // stopped before the search could begin
        ResultatSolveur res;
        res.verdict = solveur::Annulee(options) ? VerdictSolveur::Annule : VerdictSolveur::Abandon;
        return res;
    }
    return solveur::Recherche<W>(p, relaxation, options, debut).Lance();
}

} // namespace

ResultatSolveur Resous(const TNiveau& n, const OptionsSolveur& options) {
    const solveur::Plateau p(n);
    // The key holds the two pieces in 16 bits, then one bit per gem.
    const int bits = solveur::DecalageZelmites + p.nbZelmites();
    if (bits <= 64)
        return ResousAvec<1>(p, options);
    if (bits <= 128)
        return ResousAvec<2>(p, options);
    if (bits <= 192)
        return ResousAvec<3>(p, options);
    return ResousAvec<4>(p, options);
}

int NombreDeCodes(const std::vector<TCoup>& coups) {
    if (coups.empty())
        return 0;
    int codes = 1; // the lead-in
    bool boule = true;
    for (const TCoup& c : coups) {
        if (c.boule != boule)
            ++codes; // the repeat that marks the change
        boule = c.boule;
        ++codes;
    }
    return codes;
}

TJournal JournalDesCoups(const std::vector<TCoup>& coups, const std::string& ensemble) {
    TJournal j;
    ViderJournal(j);
    j.NomFichier = ensemble;
    bool boule = true;
    for (const TCoup& c : coups) {
        if (c.boule != boule)
            AjouteCoup(j, 0, 0);
        boule = c.boule;
        AjouteCoup(j, c.dx, c.dy);
    }
    return j;
}

} // namespace zorvane
