#include "Texte.h"

#include "Cp1252.h"

#include <QList>
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

std::optional<std::string> Vers1252Exact(const QString& texte) {
    try {
        return Utf8VersCp1252(texte.toStdString());
    } catch (const ErreurCodage&) {
        return std::nullopt;
    }
}

QString HorsCp1252(const QString& texte) {
    QString absents;
    for (const uint c : texte.toUcs4()) {
        const char32_t point = c;
        const QString seul = QString::fromUcs4(&point, 1);
        if (!Vers1252Exact(seul) && !absents.contains(seul))
            absents += seul;
    }
    return absents;
}

} // namespace zorvane
