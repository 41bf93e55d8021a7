#include "Ressources.h"

namespace zorvane::ressources {

QString image(const char* nom) {
    return QStringLiteral(":/images/") + QLatin1String(nom) + ".png";
}

} // namespace zorvane::ressources
