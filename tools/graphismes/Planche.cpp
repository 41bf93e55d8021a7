// Contact sheet of the drawn pictures, to look at them the way the game shows them: a sample
// board for every graphics set, its tiles laid with the bottom-left-pixel transparency, then
// every PNG picture.
//   zv_planche <Graphics folder> <pictures folder> <sheet.png>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int Case = 41;

// The board of a sample level: '#' wall, '*' gem, 'o' ball, 'x' square.
const char* const Exemple[12] = {
    "################", "#*.....#......*#", "#.##.*.#.****..#", "#.#......o...#.#",
    "#.#.###...##.#*#", "#...#*#.x..#...#", "#.*.#.#####.*..#", "#...#.........*#",
    "#.###..*.###.#.#", "#......#...#...#", "#*..*..#.*.#.*.#", "################",
};

// A tile as the game draws it: pixels of the bottom-left colour are see-through.
QImage transparente(const QImage& bmp) {
    QImage image = bmp.convertToFormat(QImage::Format_ARGB32);
    const QRgb cle = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == cle)
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
    return image;
}

QImage plateau(const QDir& graphics, const QString& nom) {
    QImage board(graphics.filePath(nom + "f.bmp"));
    const QImage boule = transparente(QImage(graphics.filePath(nom + "b.bmp")));
    const QImage carre = transparente(QImage(graphics.filePath(nom + "c.bmp")));
    const QImage zelmite = transparente(QImage(graphics.filePath(nom + "e.bmp")));
    const QImage mur(graphics.filePath(nom + "m.bmp"));
    board = board.convertToFormat(QImage::Format_RGB32);
    QPainter p(&board);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QPoint coin(x * Case, y * Case);
            switch (Exemple[y][x]) {
            case '#':
                p.drawImage(coin, mur);
                break;
            case '*':
                p.drawImage(coin, zelmite);
                break;
            case 'o':
                p.drawImage(coin, boule);
                break;
            case 'x':
                p.drawImage(coin, carre);
                break;
            default:
                break;
            }
        }
    }
    p.setPen(Qt::white);
    p.drawText(6, 490, nom);
    return board;
}

// Lays pictures out in rows from y, wrapping at `largeur`; draws them when p is given. Returns the
// height used.
int disposer(QPainter* p, const QList<QImage>& liste, int largeur, int y, int marge) {
    int x = marge, haut = y, hauteurLigne = 0;
    for (const QImage& i : liste) {
        if (x + i.width() > largeur - marge) {
            haut += hauteurLigne + marge;
            x = marge;
            hauteurLigne = 0;
        }
        if (p)
            p->drawImage(x, haut, i);
        x += i.width() + marge;
        hauteurLigne = std::max(hauteurLigne, i.height());
    }
    return haut + hauteurLigne + marge - y;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: zv_planche <Graphics folder> <pictures folder> <sheet.png>\n");
        return 2;
    }
    const QDir graphics(QString::fromLocal8Bit(argv[1]));
    const QDir images(QString::fromLocal8Bit(argv[2]));
    const QStringList sets = graphics.entryList({"*e.bmp"}, QDir::Files, QDir::Name);

    // Every picture at its size, then the glyphs again through a magnifier.
    QList<QImage> pictures;
    QList<QImage> glyphes;
    for (const QString& n : images.entryList({"*.png"}, QDir::Files, QDir::Name)) {
        const QImage i(images.filePath(n));
        pictures.append(i);
        if (i.width() <= Case)
            glyphes.append(i.scaled(i.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
    pictures.append(glyphes);

    // One row per set: the board, then a part of it through a magnifier.
    const int marge = 12, loupe = 2;
    const QRect partie(7 * Case, Case, 6 * Case, 5 * Case);
    const int largeur = 3 * marge + 656 + partie.width() * loupe;
    const int hautImages = marge + sets.size() * (492 + marge);
    QImage planche(largeur, hautImages + disposer(nullptr, pictures, largeur, 0, marge),
                   QImage::Format_RGB32);
    planche.fill(QColor(212, 208, 200));
    QPainter p(&planche);
    for (int i = 0; i < sets.size(); ++i) {
        const QImage board = plateau(graphics, sets[i].left(sets[i].size() - 5));
        const int y = marge + i * (492 + marge);
        p.drawImage(marge, y, board);
        p.drawImage(2 * marge + 656, y,
                    board.copy(partie).scaled(partie.size() * loupe, Qt::IgnoreAspectRatio,
                                              Qt::FastTransformation));
        // The tiles as the editor's palette and the active-piece picture show them.
        const QString nom = sets[i].left(sets[i].size() - 5);
        int x = 2 * marge + 656;
        for (const char* fin : {"b", "c", "e"}) {
            p.drawImage(x, y + partie.height() * loupe + 20,
                        transparente(QImage(graphics.filePath(nom + fin + ".bmp"))));
            x += Case + marge;
        }
        p.drawImage(x, y + partie.height() * loupe + 20, QImage(graphics.filePath(nom + "m.bmp")));
    }
    disposer(&p, pictures, largeur, hautImages, marge);
    p.end();
    return planche.save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
