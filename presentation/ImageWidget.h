// An image control: it owns a pixmap, drawing goes to the pixmap, and the widget paints it.
#pragma once

#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace zorvane {

class ImageWidget : public QWidget {
  public:
    ImageWidget(QSize taille, QWidget* parent) : QWidget(parent), image_(taille) {
        image_.fill(palette().color(QPalette::Button));
        setFixedSize(taille);
    }
    QPixmap& image() { return image_; }
    const QPixmap& image() const { return image_; }

    // Mouse handlers of the control, in pixels of the image.
    std::function<void(QMouseEvent*)> SurAppui, SurDeplacement, SurRelache;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawPixmap(0, 0, image_);
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (SurAppui)
            SurAppui(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (SurDeplacement)
            SurDeplacement(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (SurRelache)
            SurRelache(e);
    }

  private:
    QPixmap image_;
};

// A panel with a bevel of 3 pixels outside and another inside, 1 pixel apart (0 for none).
class Panneau : public QWidget {
  public:
    enum Biseau { Aucun, Releve, Enfonce };
    Panneau(QWidget* parent, Biseau exterieur, Biseau interieur, int ecart = 1)
        : QWidget(parent), exterieur_(exterieur), interieur_(interieur), ecart_(ecart) {}

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    Biseau exterieur_, interieur_;
    int ecart_;
};

} // namespace zorvane
