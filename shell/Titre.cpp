#include "Titre.h"

#include "ImageFixe.h"

#include <QTimer>

namespace zorvane {

TTitre::TTitre(QWidget* parent, int dureeMs)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog | Qt::WindowDoesNotAcceptFocus) {
    setObjectName("Titre");
    setAttribute(Qt::WA_DeleteOnClose);
    // The main window keeps the keyboard and its shortcuts while the title shows.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(516, 216);
    ImageFixe(this, "titre.png", {8, 8, 500, 200});
    QTimer::singleShot(dureeMs, this, &QWidget::close);
}

} // namespace zorvane
