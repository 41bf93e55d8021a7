// The countdown's hint for the seconds left before the solution is offered.
#pragma once

#include <QString>

namespace zorvane {

QString BulleCompte(int restant);

} // namespace zorvane
