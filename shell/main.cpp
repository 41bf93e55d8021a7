#include "Principal.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName("Zorvane");
    application.setApplicationDisplayName("Zorvane");
    zorvane::TMainForm fenetre(QCoreApplication::applicationDirPath());
    fenetre.show();
    return application.exec();
}
