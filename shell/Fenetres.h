// The small windows of the game: title splash, help, about, farewell and congratulation.
#pragma once

#include <QDialog>
#include <functional>

class QPlainTextEdit;

namespace zorvane {

// TTitre: the title picture over the main window for 3 seconds, not modal.
class TTitre : public QDialog {
    Q_OBJECT
  public:
    TTitre(QWidget* parent, int dureeMs);
};

// TAide: the help text ZORVANE.TXT (Windows-1252) in a read-only memo.
class TAide : public QDialog {
    Q_OBJECT
  public:
    TAide(const QString& dossierJeu, QWidget* parent);
    QPlainTextEdit* Memo;
};

// TAboutBox: the name, the version and a picture.
class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent);
};

// TRotDeGorbul: the farewell; delaiMs after it opens it plays its sound to the end and closes.
// Neither Escape nor a close request ends it sooner.
class TRotDeGorbul : public QDialog {
    Q_OBJECT
  public:
    TRotDeGorbul(QWidget* parent, int delaiMs, std::function<void()> son);
    void reject() override {}

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    bool fini_ = false; // the sound has ended
};

// TVideo: the congratulation at the end of a set; each activation repaints it, then plays its
// sound to the end.
class TVideo : public QDialog {
    Q_OBJECT
  public:
    TVideo(QWidget* parent, std::function<void()> son);

  protected:
    bool event(QEvent* e) override;

  private:
    std::function<void()> son_;
};

} // namespace zorvane
