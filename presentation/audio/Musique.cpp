#include "Musique.h"

#include "Audio.h"
#include "Erreur.h"
#include "LectureBornee.h"
#include "Tirage.h"
#include "VerifieMidi.h"

#include <SDL2/SDL_mixer.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <vector>

namespace zorvane {

// A piece loaded in the mixer, with the file's bytes it was decoded from.
struct Morceau {
    std::vector<uint8_t> octets;
    Mix_Music* musique = nullptr;
    ~Morceau() {
        if (musique)
            Mix_FreeMusic(musique);
    }
};

namespace {

constexpr std::size_t TailleMaxMorceau = 1 << 20;
// A piece that ends sooner than this after its start did not really play: it is not restarted.
constexpr auto DureeMinimale = std::chrono::milliseconds(250);

// Who hears the end of the music, and the number of the playback under way. Both are written on
// the event-loop thread while the hook is detached, and read by the hook on the audio thread.
std::atomic<TMusique*> ecouteur{nullptr};
std::atomic<quint64> lectureEnCours{0};

// Runs on the audio thread: it only posts the report to the event loop.
void SDLCALL FinDeMorceau() {
    if (TMusique* m = ecouteur.load())
        QMetaObject::invokeMethod(m, "MediaPlayerNotify", Qt::QueuedConnection,
                                  Q_ARG(quint64, lectureEnCours.load()));
}

QString Message(int numero, const std::string& explication, int morceau) {
    return QString::fromStdString(
        ErreurES(numero, explication, TMusique::Fichier(morceau).generic_string()).what());
}

} // namespace

TMusique::TMusique(TAudio& audio, fs::path jeu, QObject* parent)
    : QObject(parent), audio_(&audio), jeu_(std::move(jeu)) {
    if (audio.musique_)
        throw std::logic_error("TMusique: the audio device already has a music player");
    audio.musique_ = this;
}

TMusique::~TMusique() {
    if (audio_) {
        ferme();
        audio_->musique_ = nullptr;
    }
}

fs::path TMusique::Fichier(int numero) {
    return fs::path("musique") / (std::to_string(numero) + ".mid");
}

void TMusique::choisit(int numero) {
    if (numero >= 1 && numero <= NbMorceaux)
        Mus1Click(numero);
}

void TMusique::aleatoire() {
    Mus1Click(ItemAleatoire);
}

void TMusique::off() {
    aleatoire_ = false;
    MorceauCourant = 0;
    if (Actif())
        Arrete();
}

void TMusique::ferme() {
    ferme_ = true;
    if (Actif())
        Arrete();
}

uint8_t TMusique::octetOptions() const {
    return aleatoire_ ? uint8_t(NbMorceaux + 1) : uint8_t(MorceauCourant);
}

void TMusique::OublieAudio() {
    ferme();
    audio_ = nullptr;
}

bool TMusique::Actif() const {
    return audio_ && audio_->actif();
}

// Returns whether a new piece started.
bool TMusique::Mus1Click(int item) {
    if (ferme_)
        return false;
    aleatoire_ = item == ItemAleatoire;
    if (!aleatoire_ && item == MorceauCourant)
        return false;
    int numero = item;
    if (aleatoire_) {
        generateur_.etat = GraineHorloge();
        numero = TireMorceau(generateur_, NbMorceaux, MorceauCourant);
    }
    return Change(numero);
}

// Replaces the current piece by piece numero and starts it. The new file is opened first: when
// it cannot be, the current piece goes on and stays current.
bool TMusique::Change(int numero) {
    if (!Actif()) {
        MorceauCourant = numero;
        return true;
    }
    auto nouveau = Ouvre(numero);
    if (!nouveau)
        return false;
    // Halting with the hook detached reports nothing, so the new piece is started here.
    Arrete();
    morceau_ = std::move(nouveau);
    MorceauCourant = numero;
    if (Demarre())
        return true;
    Arrete();
    MorceauCourant = 0;
    return false;
}

std::unique_ptr<Morceau> TMusique::Ouvre(int numero) {
    const fs::path chemin = jeu_ / Fichier(numero);
    std::error_code e;
    if (!fs::exists(chemin, e)) {
        emit erreur(Message(FichierIntrouvable, "fichier introuvable", numero));
        return nullptr;
    }
    auto morceau = std::make_unique<Morceau>();
    if (auto octets = LitFichierBorne(chemin, TailleMaxMorceau);
        octets && EstFichierMidi(*octets)) {
        morceau->octets = std::move(*octets);
        SDL_RWops* flux = SDL_RWFromConstMem(morceau->octets.data(), int(morceau->octets.size()));
        morceau->musique = Mix_LoadMUSType_RW(flux, MUS_MID, 1);
    }
    if (!morceau->musique) {
        emit erreur(Message(FichierEndommage, "morceau de musique illisible", numero));
        return nullptr;
    }
    return morceau;
}

// Starts the loaded piece from its beginning: looping by itself when it is chosen, once in
// random play, whose end draws the next piece.
bool TMusique::Demarre() {
    lectureEnCours = ++lecture_;
    ecouteur = this;
    Mix_HookMusicFinished(FinDeMorceau);
    debut_ = std::chrono::steady_clock::now();
    if (Mix_PlayMusic(morceau_->musique, aleatoire_ ? 1 : -1) < 0) {
        emit erreur(Message(FichierEndommage, "lecture du morceau impossible", MorceauCourant));
        return false;
    }
    emit morceauDemarre(MorceauCourant);
    return true;
}

// Stops and unloads the current piece, detaching the hook first: nothing is reported.
void TMusique::Arrete() {
    Mix_HookMusicFinished(nullptr);
    ecouteur = nullptr;
    Mix_HaltMusic();
    morceau_.reset();
}

// The report comes straight from the event loop: any failure is reported, and the music stops.
void TMusique::MediaPlayerNotify(quint64 lecture) {
    try {
        Enchaine(lecture);
    } catch (const std::exception& e) {
        Arrete();
        MorceauCourant = 0;
        emit erreur(QString::fromUtf8(e.what()));
    }
}

void TMusique::Enchaine(quint64 lecture) {
    // A report from a playback that has since been replaced or stopped changes nothing.
    if (ferme_ || !Actif() || lecture != lecture_ || !morceau_)
        return;
    if (std::chrono::steady_clock::now() - debut_ < DureeMinimale) {
        emit erreur(Message(FichierEndommage, "morceau de musique illisible", MorceauCourant));
        Arrete();
        MorceauCourant = 0;
        return;
    }
    if (aleatoire_ && Mus1Click(ItemAleatoire))
        return;
    // A chosen piece, or a drawn piece that could not be opened: the one that ended starts again.
    if (!Demarre()) {
        Arrete();
        MorceauCourant = 0;
    }
}

} // namespace zorvane
