// A list box whose item is chosen by a double-click or by the Enter key.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <algorithm>
#include <functional>

namespace zorvane {

// The width of a list dialog whose caption holds its instruction ("Double-cliquez sur ..."):
// wide enough for a window manager to show the whole caption, in bold, beside its icon and
// whatever buttons it adds.
inline int LargeurPourLeTitre(const QString& titre, int minimum) {
    QFont gras = QApplication::font();
    gras.setBold(true);
    return std::max(minimum, QFontMetrics(gras).horizontalAdvance(titre) + 120);
}

class ListeAChoix : public QListWidget {
  public:
    using QListWidget::QListWidget;

    // Called with the selected item's row.
    void SurChoix(std::function<void(int)> action) {
        choix_ = std::move(action);
        connect(this, &QListWidget::itemDoubleClicked, this, [this] { Choisit(); });
    }

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
            Choisit();
        else
            QListWidget::keyPressEvent(e);
    }

  private:
    void Choisit() {
        // An empty list offers nothing to choose.
        if (currentRow() >= 0 && choix_)
            choix_(currentRow());
    }

    std::function<void(int)> choix_;
};

} // namespace zorvane
