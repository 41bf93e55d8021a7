// TAide: the help text ZORVANE.TXT (Windows-1252) in a read-only memo.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace zorvane {

class TAide : public QDialog {
    Q_OBJECT
  public:
    TAide(const QString& dossierJeu, QWidget* parent);
    QPlainTextEdit* Memo;
};

} // namespace zorvane
