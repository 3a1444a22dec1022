#include "core/crypto/afin.hpp"

#include <optional>

#include "core/crypto/transcripcion.hpp"
#include "core/modular/inverso.hpp"
#include "core/modular/representante.hpp"
#include "core/shell/errores.hpp"
#include "core/shell/numeros.hpp"

namespace zefra {

ResultadoAfin cifraAfin(Tiempo& tiempo, std::string_view digitos, int ancho, double n, double r,
                        double s, Sentido sentido) {
    ResultadoAfin resultado;
    std::optional<double> inverso;
    for (const auto bloque : bloques(digitos, ancho)) {
        const auto m = leeNumero(bloque);
        if (!m) throw ErrorEjecucion(TipoError::TiposNoCoinciden);
        if (*m >= n) ++resultado.fueraDeRango;
        double c = 0;
        if (sentido == Sentido::Codificar) {
            c = representante(n, r * *m + s).representante;
        } else {
            if (!inverso) {
                auto calculado = inversoZn(tiempo, n, r);
                resultado.euclides = std::move(calculado.euclides);
                if (!calculado.inverso) {
                    resultado.tiempoAgotado = true;
                    return resultado;
                }
                inverso = calculado.inverso->inverso;
            }
            c = representante(n, *inverso * (*m - s)).representante;
        }
        resultado.digitos += conCeros(c, ancho);
    }
    return resultado;
}

std::string mensajeFueraDeRango(double n) {
    return "El número no puede exceder de" + textoDecimal(n - 1);
}

FormulasAfines formulasAfines(std::string_view r, std::string_view s) {
    const std::string R(r);
    const std::string S(s);
    return {
        "C(" + R + ", " + S + ") ([m]) = [" + R + "][m] + [" + S + "]",
        "D(" + R + ", " + S + ") ([m*]) = [" + R + "]^-1 ([m*] - [" + S + "])",
        "Claves privadas " + R + " y " + S + ".",
    };
}

std::string formulaDescifradoUsuario(std::string_view r, std::string_view s) {
    const std::string R(r);
    const std::string S(s);
    return "D(" + R + ", " + S + ") [m*]= [" + R + " ^-1 ] ([m*] - [" + S + "] )";
}

}  // namespace zefra
