#include "core/crypto/rsa.hpp"

#include <algorithm>
#include <unordered_map>

#include "core/arithmetic/euclides.hpp"
#include "core/crypto/digitos_mensaje.hpp"
#include "core/crypto/transcripcion.hpp"
#include "core/modular/potencias.hpp"
#include "core/primes/es_primo.hpp"
#include "core/shell/numeros.hpp"

namespace zefra {

ConTiempo<double> primoSiguiente(Tiempo& tiempo, double p, AvisosZn* avisos) {
    Cronometro cronometro(tiempo, Inicio::Privada);
    for (double candidato = std::max(p, 2.0);; ++candidato) {
        const auto primo = esPrimo(tiempo, candidato);
        if (!primo) return std::nullopt;
        if (avisos) avisos->veredictoEsPrimo(textoVeredicto(*primo));
        if (*primo == 1) return candidato;
        if (cronometro.agotado()) return std::nullopt;
    }
}

ConTiempo<double> exponenteCoprimo(Tiempo& tiempo, double t, double phi) {
    Cronometro cronometro(tiempo, Inicio::Privada);
    for (double x = t;; ++x) {
        const auto g = mcdClaves(tiempo, x, phi);
        if (!g) return std::nullopt;
        if (*g == 1) return x;
        if (cronometro.agotado()) return std::nullopt;
    }
}

int anchoBloqueRSA(double n) {
    return static_cast<int>(textoDecimal(n - 1).size());
}

std::string mensajeBloqueGrande(std::string_view bloque, double n) {
    return "El número '" + std::string(bloque) + "' debe ser menor que '" + textoDecimal(n) + "'.";
}

ResultadoRSA potenciaPorBloques(const EntornoPotencia& entorno, std::string_view digitos, int ancho,
                                double n, double exponente, int anchoSalida) {
    ResultadoRSA resultado;
    const auto leidos = digitosDelMensaje(digitos, ancho);
    if (leidos.rechazo) {
        resultado.mensaje = *leidos.rechazo;
        return resultado;
    }
    const auto trozos = bloques(leidos.digitos, ancho);
    resultado.digitos.reserve(trozos.size() * static_cast<std::size_t>(anchoSalida));
    // A message repeats its blocks (a symbol gives the same block each time): each distinct
    // block is raised once. The last block is always computed, so the trace of the last power
    // is the last block's, as when every block is raised.
    std::unordered_map<std::string_view, std::string> hechos;
    Cronometro cronometro(entorno.tiempo, Inicio::Publica);
    for (std::size_t i = 0; i < trozos.size(); ++i) {
        const std::string_view bloque = trozos[i];
        if (cronometro.agotado()) {
            resultado.tiempoAgotado = true;
            return resultado;
        }
        const bool ultimo = i + 1 == trozos.size();
        if (const auto hecho = hechos.find(bloque); hecho != hechos.end() && !ultimo) {
            resultado.digitos += hecho->second;
            continue;
        }
        const double m = *leeNumero(bloque);
        if (m >= n) {
            resultado.mensaje = mensajeBloqueGrande(bloque, n);
            return resultado;
        }
        const auto c = Calcupoten(entorno.tiempo, entorno.memoria, entorno.traza, m, exponente, n,
                                  entorno.avisos);
        if (!c) {
            resultado.tiempoAgotado = true;
            return resultado;
        }
        const std::string escrito = conCeros(*c, anchoSalida);
        resultado.digitos += escrito;
        hechos.emplace(bloque, escrito);
    }
    return resultado;
}

std::string formulaCifradoRSA(double n, double t) {
    return "C( [m] modulo " + textoDecimal(n) + " ) = " + "[m] ^" + textoDecimal(t) + " modulo " +
           textoDecimal(n);
}

std::string formulaDescifradoRSA(double n, double s) {
    return "D( [m*] modulo " + textoDecimal(n) + " ) = " + "[m*] ^" + textoDecimal(s) + " modulo " +
           textoDecimal(n);
}

}  // namespace zefra
