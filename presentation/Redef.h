// TRedefTouches: the player presses the five keys again, up, down, left, right and switch.
#pragma once

#include "Touches.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace zorvane {

class TRedefTouches : public QDialog {
    Q_OBJECT
  public:
    explicit TRedefTouches(QWidget* parent = nullptr);
    // Valid once the dialog closed with Accepted: the five new keys.
    TTouches touches() const;

  protected:
    void keyPressEvent(QKeyEvent* evenement) override;

  private:
    void Accepte(uint16_t code);

    std::array<uint16_t, 5> NouvellesTouches{};
    int NbTouches = 0;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Direction;
    QPushButton* BitBtn1;
};

} // namespace zorvane
