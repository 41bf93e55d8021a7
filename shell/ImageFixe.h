// A fixed picture of the game's resources on a small window.
#pragma once

#include <QLabel>
#include <QPixmap>

namespace zorvane {

inline QLabel* ImageFixe(QWidget* parent, const char* fichier, QRect place) {
    auto* l = new QLabel(parent);
    l->setGeometry(place);
    l->setPixmap(QPixmap(QString(":/images/") + fichier));
    l->setScaledContents(true);
    return l;
}

} // namespace zorvane
