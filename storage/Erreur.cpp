#include "Erreur.h"

namespace zorvane {

namespace {
std::string Texte(int numero, const std::string& explication, const std::string& fichier) {
    return "Erreur d'E/S " + std::to_string(numero) + " : " + explication + " (" + fichier + ")";
}
} // namespace

ErreurES::ErreurES(int numero, const std::string& explication, const std::string& fichier)
    : std::runtime_error(Texte(numero, explication, fichier)), numero_(numero), fichier_(fichier) {}

} // namespace zorvane
