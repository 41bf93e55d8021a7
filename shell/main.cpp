#include "Principal.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName("Zorvane");
    // No display name: the platform would add it after every dialog's caption.
    application.setWindowIcon(QIcon(":/images/icone.png"));
    zorvane::TMainForm fenetre(QCoreApplication::applicationDirPath());
    fenetre.show();
    return application.exec();
}
