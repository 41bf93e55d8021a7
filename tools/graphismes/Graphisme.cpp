#include "Graphisme.h"

#include "Dessin.h"

namespace zorvane::graphismes {

std::vector<std::unique_ptr<Graphisme>> tousLesGraphismes() {
    std::vector<std::unique_ptr<Graphisme>> liste;
    liste.push_back(clair());
    liste.push_back(nuit());
    liste.push_back(pierre());
    liste.push_back(jardin());
    return liste;
}

void pose(QPainter& p, const Graphisme& g, Peintre peintre, const QRectF& r) {
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / Case, r.height() / Case);
    (g.*peintre)(p);
    p.restore();
}

QImage tuile(const Graphisme& g, Peintre peintre, int taille) {
    QImage image = imageVide(taille, taille);
    QPainter p(&image);
    prepare(p);
    p.scale(taille / double(Case), taille / double(Case));
    (g.*peintre)(p);
    return image;
}

} // namespace zorvane::graphismes
