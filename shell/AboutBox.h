// TAboutBox: the name, the version and a picture.
#pragma once

#include <QDialog>

namespace zorvane {

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent);
};

} // namespace zorvane
