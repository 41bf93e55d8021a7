// The main window's sound effects and music menu.
#include "Principal.h"

#include <QAction>

namespace zorvane {

bool TMainForm::EffetsSonores() const {
    return SonM->isChecked();
}

void TMainForm::JoueSon(const char* fichier, uint8_t rang) {
    (void)fichier;
    (void)rang;
}

void TMainForm::JoueSonBloquant(const char* fichier) {
    (void)fichier;
}

uint8_t TMainForm::OctetMusique() const {
    if (MusRandom->isChecked())
        return 21;
    for (int i = 1; i <= 20; ++i)
        if (Mus[i]->isChecked())
            return uint8_t(i);
    return 0;
}

void TMainForm::ArreteMusique() {}

void TMainForm::ConnecteMusique() {}

} // namespace zorvane
