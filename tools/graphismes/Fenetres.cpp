#include "Fenetres.h"

#include "Images.h"

namespace zorvane::graphismes {

Images imagesDesFenetres() {
    return {{"titre.png", titre()},
            {"apropos.png", apropos()},
            {"icone.png", icone()},
            {"gorbul.png", gorbul()},
            {"bravo.png", bravo()}};
}

} // namespace zorvane::graphismes
