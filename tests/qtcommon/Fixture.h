// A game folder for the window tests: one graphics set of plain coloured bitmaps, an options
// file, and level sets written from text boards.
#pragma once

#include "Delais.h"
#include "DossierTemporaire.h"
#include "Options.h"

#include <QColor>
#include <QString>
#include <string>
#include <vector>

namespace zorvane::test {

class DossierJeu : public DossierTemporaire {
  public:
    // Graphics "tst" and options with the arrows and space, sound off, music off.
    DossierJeu();
    QString qchemin() const { return QString::fromStdString(chemin().string()); }

    // Writes a set: its description, password and levels (each a text board).
    void Ensemble(const std::string& nom, const std::vector<std::vector<std::string>>& niveaux,
                  const std::string& description = "", const std::string& motDePasse = "MDP");
    void Graphisme(const QString& nom, QColor fond);
    TOptions options;
};

// The colours of the fixture graphics set "tst": a pixel of the board tells what it shows.
inline const QColor CouleurFond(10, 20, 30), CouleurBoule(200, 0, 0), CouleurCarre(0, 200, 0),
    CouleurZelmite(0, 0, 200), CouleurMur(90, 90, 90);

// The window's waits shortened for tests: no title window, no farewell delay, and the given
// pause between two cells of a slide.
TDelais DelaisDeTest(int pauseAnimationMs = 0);

} // namespace zorvane::test
