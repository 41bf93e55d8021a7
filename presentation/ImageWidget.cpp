#include "ImageWidget.h"

#include <qdrawutil.h>

namespace zorvane {

void Panneau::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    auto biseau = [&](Biseau b) {
        if (b != Aucun)
            qDrawShadePanel(&p, r, palette(), b == Enfonce, 3);
        r.adjust(3, 3, -3, -3);
    };
    biseau(exterieur_);
    r.adjust(ecart_, ecart_, -ecart_, -ecart_);
    biseau(interieur_);
}

} // namespace zorvane
