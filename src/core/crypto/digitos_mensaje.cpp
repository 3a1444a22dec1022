#include "core/crypto/digitos_mensaje.hpp"
#include "core/shell/numeros.hpp"

#include <algorithm>

#include "core/alphabets/caracteres.hpp"

namespace zefra {

DigitosMensaje digitosDelMensaje(std::string_view mensaje, int ancho) {
    while (!mensaje.empty() && (mensaje.back() == '\n' || mensaje.back() == '\r'))
        mensaje.remove_suffix(1);
    DigitosMensaje leido{mensaje, std::nullopt};
    if (sonCifras(mensaje)) return leido;

    // Blocks are counted in characters, so a symbol of several bytes is named whole.
    const auto letras = caracteres(mensaje);
    const auto ajena = std::find_if(letras.begin(), letras.end(), [&](std::string_view letra) {
        return letra.size() != 1 || !esDigito(letra.front());
    });
    const auto paso = static_cast<std::size_t>(std::max(ancho, 1));
    const std::size_t primera = static_cast<std::size_t>(ajena - letras.begin()) / paso * paso;
    const std::size_t ultima = std::min(primera + paso, letras.size()) - 1;
    const char* desde = letras[primera].data();
    const char* hasta = letras[ultima].data() + letras[ultima].size();
    leido.rechazo = "El bloque '" + std::string(desde, hasta) + "' no es un número.";
    return leido;
}

}  // namespace zefra
