#include "Fixture.h"

#include <QDir>
#include <QImage>
#include <QPainter>

namespace zorvane::test {

namespace {

// A tile: the transparent key colour (magenta, bottom-left pixel) around a centred square.
void Tuile(const QString& chemin, QColor couleur, bool transparente) {
    QImage image(41, 41, QImage::Format_RGB32);
    image.fill(transparente ? QColor(255, 0, 255) : couleur);
    QPainter p(&image);
    p.fillRect(8, 8, 25, 25, couleur);
    p.end();
    image.save(chemin, "BMP");
}

} // namespace

DossierJeu::DossierJeu() {
    Graphisme("tst", CouleurFond);
    options.Haut = 38;
    options.Bas = 40;
    options.Gauche = 37;
    options.Droite = 39;
    options.Change = 32;
    options.NomGraphisme = "tst";
    options.ChoixMusique = 0;
    options.EffetsSonores = 0;
    EcritOptions(chemin(), options);
}

void DossierJeu::Graphisme(const QString& nom, QColor fond) {
    const QString dossier = qchemin() + "/Graphics/";
    QDir().mkpath(dossier);
    QImage image(656, 492, QImage::Format_RGB32);
    image.fill(fond);
    image.save(dossier + nom + "f.bmp", "BMP");
    Tuile(dossier + nom + "b.bmp", CouleurBoule, true);
    Tuile(dossier + nom + "c.bmp", CouleurCarre, true);
    Tuile(dossier + nom + "e.bmp", CouleurZelmite, true);
    Tuile(dossier + nom + "m.bmp", CouleurMur, false);
}

void DossierJeu::Ensemble(const std::string& nom,
                          const std::vector<std::vector<std::string>>& niveaux,
                          const std::string& description, const std::string& motDePasse) {
    EcritEnsemble(chemin(), nom, niveaux, description, motDePasse);
}

TDelais DelaisDeTest(int pauseAnimationMs) {
    return {.pauseAnimationMs = pauseAnimationMs, .titreMs = 0, .adieuMs = 0};
}

} // namespace zorvane::test
