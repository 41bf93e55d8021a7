#include "Texte.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zorvane {

QString Depuis1252(const std::string& octets) {
    QStringDecoder decodeur("windows-1252");
    if (!decodeur.isValid())
        return QString::fromLatin1(octets.data(), qsizetype(octets.size()));
    return decodeur(QByteArrayView(octets.data(), qsizetype(octets.size())));
}

std::string Vers1252(const QString& texte) {
    QStringEncoder encodeur("windows-1252", QStringConverter::Flag::Stateless);
    if (!encodeur.isValid())
        return texte.toLatin1().toStdString();
    const QByteArray octets = encodeur(texte);
    return octets.toStdString();
}

} // namespace zorvane
