// TChoisirGraph: pick a graphics set, or ask for a change of set at every level.
#pragma once

#include <QDialog>

class QListWidget;

namespace zorvane {

class TChoisirGraph : public QDialog {
    Q_OBJECT
  public:
    TChoisirGraph(const QString& dossierJeu, QWidget* parent = nullptr);
    // After Accepted: the chosen set's name, or empty for the change at every level.
    QString choix() const { return choix_; }
    bool auto_() const { return auto__; }

  private:
    void Choisit();

    QListWidget* FileListBox1;
    QString choix_;
    bool auto__ = false;
};

} // namespace zorvane
