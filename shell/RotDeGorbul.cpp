#include "RotDeGorbul.h"

#include "ImageFixe.h"

#include <QCloseEvent>
#include <QTimer>

namespace zorvane {

TRotDeGorbul::TRotDeGorbul(QWidget* parent, int delaiMs, std::function<void()> son)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("RotDeGorbul");
    setWindowTitle("Gorbul vous dit à bientôt  !!!");
    setFixedSize(241, 169);
    ImageFixe(this, "gorbul.png", {64, 16, 117, 139});
    QTimer::singleShot(delaiMs, this, [this, son] {
        repaint();
        son();
        fini_ = true;
        accept();
    });
}

void TRotDeGorbul::closeEvent(QCloseEvent* e) {
    e->setAccepted(fini_);
}

} // namespace zorvane
