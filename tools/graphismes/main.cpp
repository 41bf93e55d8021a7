// Draws the product's pictures: the graphics sets as BMP files for the game's Graphics folder,
// the pictures of the windows and the toolbar glyphs as PNG files, and the desktop's icon at its
// usual sizes.
//   zv_graphismes <Graphics folder> <pictures folder>
#include "Bitmaps.h"
#include "Graphisme.h"
#include "Images.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

using namespace zorvane::graphismes;

static bool ecrisPng(const Images& images, const QDir& dossier) {
    for (const auto& [nom, image] : images) {
        if (!image.save(dossier.filePath(nom), "PNG")) {
            std::fprintf(stderr, "zv_graphismes: cannot write %s\n",
                         qPrintable(dossier.filePath(nom)));
            return false;
        }
    }
    return true;
}

// The desktop's icon at the sizes of its icon theme: icones/<n>x<n>/zorvane.png.
static bool ecrisIcones(const Images& fenetres, const QDir& images) {
    for (const auto& [nom, image] : fenetres) {
        if (nom != "icone.png")
            continue;
        for (int cote : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString taille = QString("icones/%1x%1").arg(cote);
            if (!QDir().mkpath(images.filePath(taille)))
                return false;
            const QImage reduite =
                image.scaled(cote, cote, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            if (!ecrisPng({{taille + "/zorvane.png", reduite}}, images))
                return false;
        }
    }
    return true;
}

int main(int argc, char** argv) {
    // Text needs a font database, hence an application, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zv_graphismes <Graphics folder> <pictures folder>\n");
        return 2;
    }
    const QDir graphics(QString::fromLocal8Bit(argv[1]));
    const QDir images(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(graphics.path()) || !QDir().mkpath(images.path())) {
        std::fprintf(stderr, "zv_graphismes: cannot create the output folders\n");
        return 1;
    }
    for (const auto& g : tousLesGraphismes()) {
        if (!ecrisGraphisme(*g, graphics)) {
            std::fprintf(stderr, "zv_graphismes: cannot write the set %s\n", qPrintable(g->nom()));
            return 1;
        }
    }
    const Images fenetres = imagesDesFenetres();
    return ecrisPng(fenetres, images) && ecrisPng(glyphes(), images) &&
                   ecrisIcones(fenetres, images)
               ? 0
               : 1;
}
