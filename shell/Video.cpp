#include "Video.h"

#include "ImageFixe.h"

#include <QEvent>
#include <QPushButton>

namespace zorvane {

TVideo::TVideo(QWidget* parent, std::function<void()> son) : QDialog(parent), son_(std::move(son)) {
    setObjectName("Video");
    setWindowTitle("Bravo, vous avez gagné !!!");
    setFixedSize(639, 448 + 33);
    ImageFixe(this, "bravo.png", {0, 0, 639, 448});
    auto* bouton = new QPushButton("Cliquez sur ce bouton pour revenir au jeu", this);
    bouton->setObjectName("Bouton");
    bouton->setGeometry(170, 452, 300, 25);
    bouton->setDefault(true);
    connect(bouton, &QPushButton::clicked, this, &QDialog::accept);
}

bool TVideo::event(QEvent* e) {
    const bool traite = QDialog::event(e);
    if (e->type() == QEvent::WindowActivate) {
        repaint();
        son_();
    }
    return traite;
}

} // namespace zorvane
