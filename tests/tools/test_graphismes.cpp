// The drawn pictures, read back the way the game reads them: the graphics sets from the game's
// Graphics folder, the window pictures and glyphs from the embedded resources.
#include "Ressources.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>

namespace {

const QRgb Magenta = qRgb(255, 0, 255);

QDir graphics() {
    return QDir(ZV_GRAPHICS_DIR);
}

QStringList ensembles() {
    QStringList noms;
    for (const QString& f : graphics().entryList({"*e.bmp"}, QDir::Files, QDir::Name))
        noms.append(f.left(f.size() - 5));
    return noms;
}

QImage bitmap(const QString& ensemble, const char* fin) {
    return QImage(graphics().filePath(ensemble + fin + ".bmp"), "BMP");
}

double ecart(QRgb a, QRgb b) {
    return std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b));
}

// The mean distance between a tile's drawn pixels and the board cell under them: how well the
// tile stands out on the board.
double contraste(const QImage& tuile, const QImage& fond, QPoint caseDuFond, bool transparente) {
    const QRgb cle = tuile.pixel(0, tuile.height() - 1);
    double somme = 0;
    int n = 0;
    for (int y = 0; y < tuile.height(); ++y) {
        for (int x = 0; x < tuile.width(); ++x) {
            if (transparente && tuile.pixel(x, y) == cle)
                continue;
            somme += ecart(tuile.pixel(x, y), fond.pixel(caseDuFond.x() + x, caseDuFond.y() + y));
            ++n;
        }
    }
    return n ? somme / n : 0;
}

TEST(Graphismes, AtLeastThreeSetsWithShortLowerCaseNames) {
    const QStringList noms = ensembles();
    EXPECT_GE(noms.size(), 3);
    for (const QString& nom : noms)
        EXPECT_TRUE(QRegularExpression("^[a-z]{1,8}$").match(nom).hasMatch()) << nom.toStdString();
}

TEST(Graphismes, EveryFileIs24BitBmpOfItsSize) {
    const struct {
        const char* fin;
        QSize taille;
    } fichiers[] = {
        {"f", {656, 492}}, {"b", {41, 41}}, {"c", {41, 41}}, {"e", {41, 41}}, {"m", {41, 41}}};
    for (const QString& nom : ensembles()) {
        for (const auto& f : fichiers) {
            const QString chemin = graphics().filePath(nom + f.fin + ".bmp");
            SCOPED_TRACE(chemin.toStdString());
            EXPECT_EQ(QImageReader(chemin).format(), "bmp");
            const QImage image(chemin);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), f.taille);
            EXPECT_FALSE(image.hasAlphaChannel());
            QFile fichier(chemin);
            ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
            const QByteArray entete = fichier.read(30);
            ASSERT_EQ(entete.size(), 30);
            EXPECT_EQ(entete.left(2), "BM");
            EXPECT_EQ(uint8_t(entete[28]) | uint8_t(entete[29]) << 8, 24) << "bits per pixel";
        }
    }
}

TEST(Graphismes, PiecesAreSeeThroughByTheirBottomLeftPixel) {
    for (const QString& nom : ensembles()) {
        for (const char* fin : {"b", "c", "e"}) {
            SCOPED_TRACE((nom + fin).toStdString());
            const QImage tuile = bitmap(nom, fin);
            ASSERT_EQ(tuile.size(), QSize(41, 41));
            EXPECT_EQ(tuile.pixel(0, 40), Magenta);
            int visibles = 0, franges = 0;
            for (int y = 0; y < 41; ++y) {
                for (int x = 0; x < 41; ++x) {
                    const QRgb c = tuile.pixel(x, y);
                    if (c == Magenta)
                        continue;
                    ++visibles;
                    // A soft edge blended with the key would leave a pink fringe on the board.
                    if (ecart(c, Magenta) < 110)
                        ++franges;
                }
            }
            const double part = visibles / (41.0 * 41.0);
            EXPECT_GT(part, 0.2);
            EXPECT_LT(part, 0.9);
            EXPECT_EQ(franges, 0);
        }
    }
}

// A piece also shows on the grey active-piece box: the shadow under the ball carries no colour
// of its board (the ring below the ball's disc, which holds the shadow and nothing else).
TEST(Graphismes, BallShadowIsGrey) {
    int ombre = 0; // pixels of shadow seen, over all the sets (a night set casts none)
    for (const QString& nom : ensembles()) {
        SCOPED_TRACE(nom.toStdString());
        const QImage tuile = bitmap(nom, "b");
        for (int y = 35; y < 41; ++y) {
            for (int x = 8; x < 34; ++x) {
                const QRgb c = tuile.pixel(x, y);
                if (c == Magenta || std::hypot(x + 0.5 - 20.5, y + 0.5 - 19.5) < 16.5)
                    continue;
                ++ombre;
                EXPECT_LE(std::max({qRed(c), qGreen(c), qBlue(c)}) -
                              std::min({qRed(c), qGreen(c), qBlue(c)}),
                          12)
                    << x << "," << y << " " << QColor(c).name().toStdString();
            }
        }
    }
    EXPECT_GT(ombre, 0);
}

TEST(Graphismes, TilesStandOutOnTheBoard) {
    for (const QString& nom : ensembles()) {
        const QImage fond = bitmap(nom, "f");
        ASSERT_EQ(fond.size(), QSize(656, 492));
        for (const QPoint cellule :
             {QPoint(0, 0), QPoint(7 * 41, 5 * 41), QPoint(15 * 41, 11 * 41)}) {
            for (const char* fin : {"b", "c", "e", "m"}) {
                SCOPED_TRACE((nom + fin).toStdString());
                const QImage tuile = bitmap(nom, fin);
                EXPECT_GT(contraste(tuile, fond, cellule, QString(fin) != "m"), 45.0);
            }
        }
    }
}

TEST(Graphismes, WallsHaveNoSeeThroughColour) {
    for (const QString& nom : ensembles()) {
        const QImage mur = bitmap(nom, "m");
        for (int y = 0; y < mur.height(); ++y)
            for (int x = 0; x < mur.width(); ++x)
                ASSERT_GT(ecart(mur.pixel(x, y), Magenta), 110) << nom.toStdString();
    }
}

TEST(Graphismes, SetsLookDifferent) {
    const QStringList noms = ensembles();
    for (int i = 0; i < noms.size(); ++i) {
        for (int j = i + 1; j < noms.size(); ++j) {
            SCOPED_TRACE((noms[i] + " " + noms[j]).toStdString());
            const QImage a =
                bitmap(noms[i], "f").scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const QImage b =
                bitmap(noms[j], "f").scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            EXPECT_GT(ecart(a.pixel(0, 0), b.pixel(0, 0)), 40);
            for (const char* fin : {"b", "c", "e", "m"})
                EXPECT_GT(contraste(bitmap(noms[i], fin), bitmap(noms[j], fin), {0, 0}, false), 30)
                    << fin;
        }
    }
}

// Window pictures fill their place; glyphs sit on the toolbar with transparent surroundings.
TEST(Images, EmbeddedPicturesHaveTheirSizeAndTransparency) {
    const struct {
        const char* nom;
        QSize taille;
        bool glyphe;
    } images[] = {
        {"titre", {500, 200}, false},   {"apropos", {200, 250}, false},
        {"gorbul", {117, 139}, false},  {"bravo", {639, 448}, false},
        {"icone", {256, 256}, true},    {"gomme", {41, 41}, true},
        {"nouveau", {32, 32}, true},    {"recommencer", {32, 32}, true},
        {"charger", {32, 32}, true},    {"enregistrer", {32, 32}, true},
        {"effacer", {32, 32}, true},    {"editeur", {32, 32}, true},
        {"solution", {32, 32}, true},   {"apropos_sb", {32, 32}, true},
        {"jouer", {32, 32}, true},      {"pause", {32, 32}, true},
        {"rembobiner", {32, 32}, true}, {"ejecter", {32, 32}, true},
        {"creerens", {32, 32}, true},   {"chargeniv", {32, 32}, true},
        {"modifdes", {32, 32}, true},   {"retour", {32, 32}, true},
        {"annuler", {32, 32}, true},
    };
    for (const auto& attendu : images) {
        SCOPED_TRACE(attendu.nom);
        const QImage image =
            QImage(zorvane::ressources::image(attendu.nom)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), attendu.taille);
        int opaques = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaques += qAlpha(image.pixel(x, y)) > 128;
        const double part = opaques / double(image.width() * image.height());
        if (attendu.glyphe) {
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
            EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
            EXPECT_GT(part, 0.15);
            EXPECT_LT(part, 0.9);
        } else {
            EXPECT_EQ(part, 1.0);
        }
    }
}

} // namespace
