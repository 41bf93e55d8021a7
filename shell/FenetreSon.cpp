// The main window's sound effects and music menu, on the audio device and the music player.
#include "Audio.h"
#include "MainForm.h"
#include "Messages.h"
#include "Musique.h"

#include <QAction>

namespace zorvane {

bool TMainForm::EffetsSonores() const {
    return SonM->isChecked();
}

void TMainForm::JoueSon(const char* fichier, uint8_t rang) {
    audio_->JoueSon(rangSon_, Donnees() / fichier, rang);
}

// The congratulation and the farewell sound to their end, whatever the effects switch says.
void TMainForm::JoueSonBloquant(const char* fichier) {
    uint8_t etat = 0;
    audio_->JoueSon(etat, Donnees() / fichier, 0);
}

uint8_t TMainForm::OctetMusique() const {
    return musique_->octetOptions();
}

void TMainForm::ArreteMusique() {
    musique_->ferme();
}

void TMainForm::ConnecteMusique() {
    audio_ = std::make_unique<TAudio>();
    musique_ = new TMusique(*audio_, Donnees(), this);
    connect(musique_, &TMusique::erreur, this,
            [this](const QString& texte) { Erreur(this, texte); });
    for (int i = 1; i <= 20; ++i)
        connect(Mus[i], &QAction::triggered, this,
                EnCommande(this, [this, i] { musique_->choisit(i); }));
    connect(MusRandom, &QAction::triggered, this,
            EnCommande(this, [this] { musique_->aleatoire(); }));
    connect(MusOff, &QAction::triggered, this, EnCommande(this, [this] { musique_->off(); }));
}

} // namespace zorvane
