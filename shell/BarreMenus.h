// The window's menu bar. It takes the keys of its shortcuts and mnemonics (Alt and a letter)
// only: once a menu closes with Escape, or after Alt alone, the next key goes back to the
// window instead of walking through the menu bar.
#pragma once

#include <QMenuBar>

namespace zorvane {

class BarreMenus : public QMenuBar {
  public:
    using QMenuBar::QMenuBar;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
};

} // namespace zorvane
