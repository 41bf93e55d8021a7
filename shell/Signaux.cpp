#include "Signaux.h"

#include "MainForm.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace zorvane {

namespace {

int Tube[2] = {-1, -1};

// Async-signal-safe: one write, errno kept.
void Signal(int numero) {
    const int err = errno;
    const char octet = char(numero);
    [[maybe_unused]] const ssize_t ecrit = ::write(Tube[1], &octet, 1);
    errno = err;
}

} // namespace

void TMainForm::ArreteDeLExterieur() {
    ArretExterieur_ = true;
    // An open dialog would wait for an answer: every one is cancelled first.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialogue = qobject_cast<QDialog*>(w); dialogue && dialogue->isVisible())
            dialogue->reject();
    close();
    QCoreApplication::quit(); // also ends the loops of dialogs that were open
}

void FermeAuxSignaux(TMainForm& fenetre) {
    if (::pipe2(Tube, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::cerr << "zorvane : signaux d'arrêt ignorés (pas de tube)\n";
        return;
    }
    auto* notification = new QSocketNotifier(Tube[0], QSocketNotifier::Read, &fenetre);
    QObject::connect(notification, &QSocketNotifier::activated, &fenetre, [&fenetre, notification] {
        char octets[16];
        while (::read(Tube[0], octets, sizeof octets) > 0) {
        }
        notification->setEnabled(false); // the game closes once
        fenetre.ArreteDeLExterieur();
    });
    struct sigaction action {};
    action.sa_handler = Signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int numero : {SIGTERM, SIGINT})
        ::sigaction(numero, &action, nullptr);
}

} // namespace zorvane
