#include "MainForm.h"
#include "Redef.h"

namespace zorvane {

void TMainForm::RedefTouchesMClick() {
    TRedefTouches redef(this);
    if (redef.exec() == QDialog::Accepted)
        touches_ = redef.touches();
}

} // namespace zorvane
