// The background music: twenty MIDI pieces, musique/1.mid to musique/20.mid in the game's folder.
// One chosen piece repeats without end; in random play a new piece, never the one that just
// ended, is drawn each time a piece ends. The window's "&Musique" menu drives it and keeps the
// radio ticks; this object keeps the current piece and whether random play is chosen.
#pragma once

#include "Brouillage.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>

namespace zorvane {

namespace fs = std::filesystem;

class TAudio;
struct Morceau;

class TMusique : public QObject {
    Q_OBJECT

  public:
    static constexpr int NbMorceaux = 20;

    TMusique(TAudio& audio, fs::path jeu, QObject* parent = nullptr);
    ~TMusique() override;

    // The items "1" to "20": the piece repeats without end. The piece already current goes on.
    void choisit(int numero);
    // "&Aléatoire": a random piece other than the current one starts at once.
    void aleatoire();
    // "&Off": the music stops.
    void off();
    // Shut-down: detaches the completion handling and stops the music; nothing restarts it.
    void ferme();

    // The current piece, 1 to 20, or 0 when none is.
    int morceauCourant() const { return MorceauCourant; }
    bool estAleatoire() const { return aleatoire_; }
    // The music byte of options.dat: 0 off, N the piece, 21 random play.
    uint8_t octetOptions() const;

    // The path of piece numero inside the game's folder.
    static fs::path Fichier(int numero);

  signals:
    // A piece could not be opened or played; the French message names its file. When the file
    // cannot be opened, the piece that was current stays current and goes on playing; a piece
    // that opens but cannot play leaves the music silent. A slot may show a modal message box.
    void erreur(const QString& message);
    // A piece has started from its beginning.
    void morceauDemarre(int numero);

  private slots:
    // The end of the playback numbered lecture, posted from the audio thread.
    void MediaPlayerNotify(quint64 lecture);

  private:
    void Enchaine(quint64 lecture); // what follows the end of a piece
    static constexpr int ItemAleatoire = 0;

    bool Mus1Click(int item);
    bool Change(int numero);
    std::unique_ptr<Morceau> Ouvre(int numero);
    bool Demarre();
    void Arrete();

    friend class TAudio;
    void OublieAudio();
    bool Actif() const;

    TAudio* audio_; // null once the device has closed
    fs::path jeu_;
    int MorceauCourant = 0;
    bool aleatoire_ = false;
    bool ferme_ = false;
    Generateur generateur_{0};
    std::unique_ptr<Morceau> morceau_; // the piece loaded in the mixer
    quint64 lecture_ = 0;              // number of the playback under way
    std::chrono::steady_clock::time_point debut_;
};

} // namespace zorvane
