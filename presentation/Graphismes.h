// Graphics sets: five bitmaps in the Graphics folder named by the set's name followed by f.bmp
// (background), b.bmp (ball), c.bmp (square), e.bmp (gem) and m.bmp (wall). A set exists when
// its gem file exists.
#pragma once

#include <QDir>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace zorvane {

inline constexpr const char* DossierGraphismes = "Graphics";

// The gem files of the Graphics folder ("*e.bmp"), sorted.
QStringList FichiersGraphismes(const QString& dossierJeu);
// A set's name: the gem file's name without its last five characters.
inline QString NomDuGraphisme(const QString& fichier) {
    return fichier.left(fichier.size() - 5);
}

// RechercheGraph: walks the sets in order for the change of set after every level.
class RechercheGraph {
  public:
    // Starts again from the first set; returns its name (empty when there is none).
    QString Commence(const QString& dossierJeu);
    // The next set, or the first one again after the last.
    QString Suivant(const QString& dossierJeu);
    void Ferme() { fichiers_.clear(); }

  private:
    QStringList fichiers_;
    int position_ = 0;
};

// Loads one bitmap of a set; a tile drawn transparent takes the colour of its bottom-left pixel
// (white for a two-colour bitmap) as see-through. Throws ErreurES when the file cannot be read.
QPixmap ChargeBitmap(const QString& dossierJeu, const QString& nom, char terminaison,
                     bool transparent);

} // namespace zorvane
