// TTitre: the title picture over the main window for a few seconds, not modal.
#pragma once

#include <QDialog>

namespace zorvane {

class TTitre : public QDialog {
    Q_OBJECT
  public:
    TTitre(QWidget* parent, int dureeMs);
};

} // namespace zorvane
