#include "Aide.h"

#include "Messages.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QStringDecoder>

namespace zorvane {

TAide::TAide(const QString& dossierJeu, QWidget* parent) : QDialog(parent) {
    setObjectName("Aide");
    setWindowTitle("Aide");
    setFixedSize(652, 469);
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName("Memo");
    Memo->setGeometry(rect());
    Memo->setReadOnly(true);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette p = Memo->palette();
    p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
    Memo->setPalette(p);
    QFont police("Courier New");
    police.setStyleHint(QFont::Monospace);
    police.setPixelSize(16);
    Memo->setFont(police);
    QFile texte(dossierJeu + "/ZORVANE.TXT");
    if (!texte.open(QIODevice::ReadOnly)) {
        Erreur(parent, "Erreur d'E/S 2 : fichier introuvable (ZORVANE.TXT)");
        return;
    }
    QStringDecoder decodeur("windows-1252");
    Memo->setPlainText(decodeur(texte.readAll()));
}

} // namespace zorvane
