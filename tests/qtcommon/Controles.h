// A window's controls found by their object names, as a player finds them by their place: tests
// need nothing of the window's members. A missing control ends the test program with its name.
#pragma once

#include "ImageWidget.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QtGlobal>

namespace zorvane::test {

template <class T> T* Controle(const QObject& fenetre, const char* nom) {
    T* c = fenetre.findChild<T*>(nom);
    if (!c)
        qFatal("no control named %s", nom);
    return c;
}

inline QToolButton* Bouton(const QObject& f, const char* nom) {
    return Controle<QToolButton>(f, nom);
}
inline QAction* Action(const QObject& f, const char* nom) {
    return Controle<QAction>(f, nom);
}
inline QMenu* Menu(const QObject& f, const char* nom) {
    return Controle<QMenu>(f, nom);
}
inline QLabel* Etiquette(const QObject& f, const char* nom) {
    return Controle<QLabel>(f, nom);
}
// The board: an image control, which has no meta-object of its own.
inline ImageWidget* Plateau(const QObject& f) {
    return static_cast<ImageWidget*>(Controle<QWidget>(f, "ImgFond"));
}

} // namespace zorvane::test
