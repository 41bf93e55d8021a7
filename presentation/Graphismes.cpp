#include "Graphismes.h"

#include "Erreur.h"

#include <QBitmap>
#include <QFileInfo>
#include <QImage>

namespace zorvane {

QStringList FichiersGraphismes(const QString& dossierJeu) {
    QDir dossier(dossierJeu + "/" + DossierGraphismes);
    return dossier.entryList({"*e.bmp"}, QDir::Files, QDir::Name);
}

QString RechercheGraph::Commence(const QString& dossierJeu) {
    fichiers_ = FichiersGraphismes(dossierJeu);
    position_ = 0;
    return fichiers_.isEmpty() ? QString() : NomDuGraphisme(fichiers_.first());
}

QString RechercheGraph::Suivant(const QString& dossierJeu) {
    if (++position_ >= fichiers_.size())
        return Commence(dossierJeu);
    return NomDuGraphisme(fichiers_[position_]);
}

QPixmap ChargeBitmap(const QString& dossierJeu, const QString& nom, char terminaison,
                     bool transparent) {
    const QString relatif = QString(DossierGraphismes) + "/" + nom + terminaison + ".bmp";
    QImage image;
    if (!image.load(dossierJeu + "/" + relatif)) {
        const bool existe = QFileInfo::exists(dossierJeu + "/" + relatif);
        throw ErreurES(existe ? FichierEndommage : FichierIntrouvable,
                       existe ? "image illisible" : "fichier introuvable", relatif.toStdString());
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    if (transparent) {
        const QRgb cle =
            image.depth() == 1 ? qRgb(255, 255, 255) : image.pixel(0, image.height() - 1);
        pixmap.setMask(
            QBitmap::fromImage(image.convertToFormat(QImage::Format_RGB32)
                                   .createMaskFromColor(cle | 0xFF000000u, Qt::MaskInColor)));
    }
    return pixmap;
}

} // namespace zorvane
