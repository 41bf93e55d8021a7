#include "BarreMenus.h"

#include <QApplication>
#include <QKeyEvent>

namespace zorvane {

// The bar receives keys only while it holds the keyboard itself, with no menu open.
void BarreMenus::keyPressEvent(QKeyEvent* e) {
    QKeyEvent sortie(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QMenuBar::keyPressEvent(&sortie); // gives the keyboard back to where it was
    if (e->key() != Qt::Key_Escape && window())
        QCoreApplication::sendEvent(window(), e);
}

} // namespace zorvane
