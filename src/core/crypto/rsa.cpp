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
    // block is raised once. The trace kept is the last block's, as if every block were raised.
    const std::string_view ultimo = trozos.empty() ? std::string_view{} : trozos.back();
    bool trazaDelUltimo = false;
    std::unordered_map<std::string_view, std::string> hechos;
    Cronometro cronometro(entorno.tiempo, Inicio::Publica);
    for (const std::string_view bloque : trozos) {
        if (cronometro.agotado()) {
            resultado.tiempoAgotado = true;
            return resultado;
        }
        if (const auto hecho = hechos.find(bloque); hecho != hechos.end()) {
            resultado.digitos += hecho->second;
            continue;
        }
        // Only digits are left in a block: its value is read directly.
        double m = 0;
        for (const char cifra : bloque)
            m = m * 10 + (cifra - '0');
        if (m >= n) {
            resultado.mensaje = mensajeBloqueGrande(bloque, n);
            return resultado;
        }
        auto c = Calcupoten(entorno.tiempo, entorno.memoria, m, exponente, n, entorno.avisos);
        if (!trazaDelUltimo) {
            resultado.traza = std::move(c.traza);
            trazaDelUltimo = bloque == ultimo;
        }
        if (!c.resultado) {
            resultado.tiempoAgotado = true;
            return resultado;
        }
        const std::string escrito = conCeros(*c.resultado, anchoSalida);
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
