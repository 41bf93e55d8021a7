#include "Principal.h"
#include "Signaux.h"
#include "Verrou.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName("Zorvane");
    // No display name: the platform would add it after every dialog's caption.
    application.setWindowIcon(QIcon(":/images/icone.png"));
    const QString dossier = QCoreApplication::applicationDirPath();
    const auto verrou = zorvane::PrendDossier(dossier);
    if (!verrou)
        return 1; // another game holds the folder
    zorvane::TMainForm fenetre(dossier);
    zorvane::FermeAuxSignaux(fenetre);
    fenetre.show();
    return application.exec();
}
