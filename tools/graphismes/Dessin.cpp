#include "Dessin.h"

#include "Bruit.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zorvane::graphismes {

QColor melange(const QColor& a, const QColor& b, double t) {
    const auto m = [t](double x, double y) { return x + (y - x) * t; };
    return QColor::fromRgbF(m(a.redF(), b.redF()), m(a.greenF(), b.greenF()),
                            m(a.blueF(), b.blueF()), m(a.alphaF(), b.alphaF()));
}

QColor avecAlpha(QColor c, double alpha) {
    c.setAlphaF(std::clamp(alpha, 0.0, 1.0));
    return c;
}

QImage imageVide(int largeur, int hauteur) {
    QImage image(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setPen(Qt::NoPen);
}

static QString familleDejaVu(bool serif) {
    static const QString sans = [] {
        const int id = QFontDatabase::addApplicationFont(
            "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
        QFontDatabase::addApplicationFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
        const QStringList familles = QFontDatabase::applicationFontFamilies(id);
        return familles.isEmpty() ? QString("DejaVu Sans") : familles.first();
    }();
    static const QString avecEmpattement = [] {
        const int id = QFontDatabase::addApplicationFont(
            "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf");
        const QStringList familles = QFontDatabase::applicationFontFamilies(id);
        return familles.isEmpty() ? QString("DejaVu Serif") : familles.first();
    }();
    return serif ? avecEmpattement : sans;
}

QFont police(bool serif, int pixels, bool gras) {
    QFont f(familleDejaVu(serif));
    f.setPixelSize(pixels);
    f.setBold(gras);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPainterPath texteCentre(const QString& texte, const QFont& police, QPointF centre,
                         double espacement) {
    QFont f = police;
    if (espacement != 0.0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, espacement);
    QPainterPath chemin;
    chemin.addText(0, 0, f, texte);
    const QRectF boite = chemin.boundingRect();
    chemin.translate(centre - boite.center());
    return chemin;
}

void biseau(QPainter& p, const QRectF& r, double bord, const QColor& clair, const QColor& sombre) {
    const QPointF a = r.topLeft(), b = r.topRight(), c = r.bottomRight(), d = r.bottomLeft();
    const QPointF ia = a + QPointF(bord, bord), ib = b + QPointF(-bord, bord);
    const QPointF ic = c + QPointF(-bord, -bord), id = d + QPointF(bord, -bord);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(clair);
    p.drawPolygon(QPolygonF({a, b, ib, ia}));
    p.setBrush(melange(clair, sombre, 0.25));
    p.drawPolygon(QPolygonF({a, ia, id, d}));
    p.setBrush(sombre);
    p.drawPolygon(QPolygonF({d, id, ic, c}));
    p.setBrush(melange(clair, sombre, 0.75));
    p.drawPolygon(QPolygonF({b, c, ic, ib}));
    p.restore();
}

void ombre(QPainter& p, const QRectF& r, double opacite) {
    p.save();
    p.translate(r.center());
    p.scale(r.width() / 2.0, r.height() / 2.0);
    QRadialGradient g(QPointF(0, 0), 1.0);
    g.setColorAt(0.0, QColor(0, 0, 0, static_cast<int>(255 * opacite)));
    g.setColorAt(0.55, QColor(0, 0, 0, static_cast<int>(160 * opacite)));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    p.restore();
}

void sphere(QPainter& p, QPointF centre, double rayon, const QColor& clair, const QColor& moyen,
            const QColor& sombre) {
    p.save();
    p.setPen(Qt::NoPen);
    const QPointF foyer = centre + QPointF(-0.38 * rayon, -0.42 * rayon);
    QRadialGradient corps(centre, rayon, foyer);
    corps.setColorAt(0.0, clair);
    corps.setColorAt(0.45, moyen);
    corps.setColorAt(0.85, melange(moyen, sombre, 0.7));
    corps.setColorAt(1.0, sombre);
    p.setBrush(corps);
    p.drawEllipse(centre, rayon, rayon);

    // Light bounced back from the floor, along the lower right rim.
    QRadialGradient reflet(centre + QPointF(0.35 * rayon, 0.55 * rayon), 0.7 * rayon);
    reflet.setColorAt(0.0, avecAlpha(clair, 0.35));
    reflet.setColorAt(1.0, avecAlpha(clair, 0.0));
    QPainterPath disque;
    disque.addEllipse(centre, rayon, rayon);
    p.setClipPath(disque);
    p.setBrush(reflet);
    p.drawEllipse(centre + QPointF(0.35 * rayon, 0.55 * rayon), 0.7 * rayon, 0.7 * rayon);
    p.setClipping(false);

    const QPointF point = centre + QPointF(-0.36 * rayon, -0.42 * rayon);
    QRadialGradient brillant(point, 0.42 * rayon);
    brillant.setColorAt(0.0, QColor(255, 255, 255, 235));
    brillant.setColorAt(0.35, QColor(255, 255, 255, 150));
    brillant.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(brillant);
    p.translate(point);
    p.rotate(-35);
    p.drawEllipse(QPointF(0, 0), 0.42 * rayon, 0.28 * rayon);
    p.restore();
}

void halo(QPainter& p, QPointF centre, double rayon, const QColor& couleur) {
    p.save();
    QRadialGradient g(centre, rayon);
    g.setColorAt(0.0, couleur);
    g.setColorAt(0.4, avecAlpha(couleur, couleur.alphaF() * 0.45));
    g.setColorAt(1.0, avecAlpha(couleur, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, rayon, rayon);
    p.restore();
}

void etincelle(QPainter& p, QPointF centre, double rayon, const QColor& couleur) {
    p.save();
    p.setPen(Qt::NoPen);
    halo(p, centre, rayon * 0.6, avecAlpha(couleur, couleur.alphaF() * 0.6));
    QPainterPath etoile;
    const double fin = rayon * 0.16;
    etoile.moveTo(centre + QPointF(0, -rayon));
    etoile.quadTo(centre + QPointF(fin, -fin), centre + QPointF(rayon, 0));
    etoile.quadTo(centre + QPointF(fin, fin), centre + QPointF(0, rayon));
    etoile.quadTo(centre + QPointF(-fin, fin), centre + QPointF(-rayon, 0));
    etoile.quadTo(centre + QPointF(-fin, -fin), centre + QPointF(0, -rayon));
    p.setBrush(couleur);
    p.drawPath(etoile);
    p.restore();
}

void texture(QPainter& p, const QRectF& r, const std::function<QColor(double, double)>& f) {
    const QRectF cible = p.worldTransform().mapRect(r);
    const int largeur = std::max(1, qRound(cible.width()));
    const int hauteur = std::max(1, qRound(cible.height()));
    QImage image(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < hauteur; ++y) {
        for (int x = 0; x < largeur; ++x) {
            const double u = r.left() + (x + 0.5) * r.width() / largeur;
            const double v = r.top() + (y + 0.5) * r.height() / hauteur;
            image.setPixel(x, y, qPremultiply(f(u, v).rgba()));
        }
    }
    p.drawImage(r, image);
}

void grain(QPainter& p, const QRectF& r, uint32_t graine, double force, double echelle) {
    texture(p, r, [=](double u, double v) {
        const double n = bruitFractal(u / echelle, v / echelle, graine, 3) - 0.5;
        const QColor c = n > 0 ? Qt::white : Qt::black;
        return avecAlpha(c, std::min(1.0, std::abs(n) * 2.0) * force);
    });
}

// How much a facet facing direction `angle` (radians, screen axes) catches the light that
// comes from the top left.
static double eclairage(double angle) {
    const double lumiere = qDegreesToRadians(-125.0);
    return 0.5 + 0.5 * std::cos(angle - lumiere);
}

void gemme(QPainter& p, QPointF centre, const Taille& t, const QColor& teinte) {
    const QColor sombre = teinte.darker(260);
    const QColor clair = melange(teinte, Qt::white, 0.6);
    std::vector<QPointF> ceinture, table;
    const double depart = qDegreesToRadians(t.rotation - 90.0 + 180.0 / t.cotes);
    for (int i = 0; i < t.cotes; ++i) {
        const double a = depart + 2.0 * M_PI * i / t.cotes;
        const QPointF u(std::cos(a), std::sin(a));
        ceinture.push_back(centre + QPointF(u.x() * t.rayonX, u.y() * t.rayonY));
        table.push_back(centre + QPointF(u.x() * t.rayonX * t.table, u.y() * t.rayonY * t.table));
    }

    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(teinte.darker(140));
    p.drawPolygon(QPolygonF(QList<QPointF>(ceinture.begin(), ceinture.end())));

    for (int i = 0; i < t.cotes; ++i) {
        const int j = (i + 1) % t.cotes;
        const QPointF milieu = (ceinture[i] + ceinture[j]) / 2.0 - centre;
        const double angle = std::atan2(milieu.y(), milieu.x());
        const double e = eclairage(angle);
        // Each facet splits into two triangles a little apart in light: the crown's sparkle.
        const QColor c1 = melange(sombre, clair, std::clamp(e * 0.95 + 0.02, 0.0, 1.0));
        const QColor c2 = melange(sombre, clair, std::clamp(e * 0.75 + 0.12, 0.0, 1.0));
        p.setPen(QPen(c1, 0.35));
        p.setBrush(c1);
        p.drawPolygon(QPolygonF({ceinture[i], ceinture[j], table[i]}));
        p.setPen(QPen(c2, 0.35));
        p.setBrush(c2);
        p.drawPolygon(QPolygonF({ceinture[j], table[j], table[i]}));
    }

    QLinearGradient dessus(table[0] + QPointF(-t.rayonX, -t.rayonY) * t.table,
                           centre + QPointF(t.rayonX, t.rayonY) * t.table);
    dessus.setColorAt(0.0, melange(teinte, Qt::white, 0.75));
    dessus.setColorAt(0.5, melange(teinte, Qt::white, 0.25));
    dessus.setColorAt(1.0, teinte);
    p.setPen(QPen(melange(teinte, Qt::white, 0.5), 0.5));
    p.setBrush(dessus);
    p.drawPolygon(QPolygonF(QList<QPointF>(table.begin(), table.end())));

    p.setPen(QPen(teinte.darker(320), std::max(0.8, t.rayonX / 14.0)));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF(QList<QPointF>(ceinture.begin(), ceinture.end())));
    p.restore();
}

} // namespace zorvane::graphismes
