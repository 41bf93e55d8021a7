// A flat speed button with a glyph of the game's pictures and a hint; it never takes the focus,
// so the keys keep reaching the board.
#pragma once

#include <QIcon>
#include <QToolButton>

namespace zorvane {

inline QToolButton* BoutonPlat(QWidget* parent, const char* nom, const char* image,
                               const QString& bulle, QRect place) {
    auto* b = new QToolButton(parent);
    b->setObjectName(nom);
    b->setGeometry(place);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIcon(QIcon(QString(":/images/") + image));
    b->setIconSize(QSize(32, 32));
    b->setToolTip(bulle);
    return b;
}

} // namespace zorvane
