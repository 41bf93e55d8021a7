#include "Niveau.h"

namespace zorvane {

void EcritCase(TNiveau& n, uint8_t x, uint8_t y, char code) {
    n.Grille[12 * x + y] = code;
    if (code == CaseBoule)
        n.PosBoule = {x, y};
    else if (code == CaseCarre)
        n.PosCarre = {x, y};
}

void ChangeNumero(TNiveau& n, int32_t numero) {
    if (numero != 0)
        n.Numero = numero;
    else
        n.Numero += 1;
}

} // namespace zorvane
