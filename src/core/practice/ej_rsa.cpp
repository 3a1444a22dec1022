// The RSA exercise: the key pair from p, q and t, as the set-up window builds it, and one block m
// enciphered with the public key and deciphered with the private one.
// Sheet: the set-up window's results as rows of (Paso, Valor): n = p · q, F.E.(n) and
// m.c.d.(t, F.E.(n)), the student filling the values; answers s = t⁻¹ in Z_F.E.(n), C = [m]^t and
// [C]^s in Zn, each accepted as any representative with the canonical one named.
#include "core/arithmetic/euclides.hpp"
#include "core/crypto/rsa.hpp"
#include "core/modular/euler.hpp"
#include "core/modular/inverso.hpp"
#include "core/modular/potencias.hpp"
#include "core/practice/familia.hpp"
#include "core/primes/factores_primos.hpp"
#include "core/shell/numeros.hpp"

namespace zefra::practica {
namespace {

enum Dato { kP, kQ, kT, kM };
enum Fila { kN, kPhi, kMcd };
enum Respuesta { kS, kCifrado, kDescifrado };

struct Rango {
    std::int64_t minimo, maximo, exponente;
};
Rango rango(Nivel nivel) {
    return porNivel<Rango>(nivel, {3, 23, 30}, {11, 60, 200}, {50, 200, 2000});
}

bool esPrimo(std::int64_t x) {
    const auto f = factoresPrimos(static_cast<std::uint64_t>(x));
    return f.size() == 1 && f[0].exponente == 1;
}

std::vector<std::int64_t> genera(Nivel nivel, Generador& azar) {
    const Rango r = rango(nivel);
    std::int64_t p = 0, q = 0;
    do {
        p = azar.entre(r.minimo, r.maximo);
        q = azar.entre(r.minimo, r.maximo);
    } while (p == q || !esPrimo(p) || !esPrimo(q));
    const std::int64_t phi = (p - 1) * (q - 1);
    Calculo calculo;
    // As the set-up window does: the least exponent prime to φ(n) from the one typed.
    const auto t = exponenteCoprimo(
        calculo.tiempo, static_cast<double>(azar.entre(3, std::min(phi - 1, r.exponente))),
        static_cast<double>(phi));
    return {p, q, static_cast<std::int64_t>(t.value()), azar.entre(2, p * q - 1)};
}

std::int64_t maximo(Nivel nivel) {
    return rango(nivel).maximo * rango(nivel).maximo;
}

// A whole number as the set-up window reads it: an empty field counts 2.
std::optional<double> leeEntero(const std::string& t) {
    if (recorta(t).empty()) return 2;
    const auto v = leeNumero(t);
    if (!v || !esEntero(*v)) return std::nullopt;
    return v;
}

EjercicioPropio propio(const std::vector<std::string>& t) {
    constexpr const char* kGrande =
        "Los valores no pueden superar 2.147.483.647, el mayor módulo con el que se calculan las "
        "potencias.";
    Calculo calculo;
    double primos[2];
    for (int i = 0; i < 2; ++i) {
        const auto v = leeEntero(t[i]);
        if (!v || *v < -kMaximoModuloRSA)
            return {std::nullopt, "p y q han de ser números enteros."};
        if (*v > kMaximoModuloRSA) return {std::nullopt, kGrande};
        primos[i] = primoSiguiente(calculo.tiempo, *v).value();
    }
    const double n = primos[0] * primos[1];
    if (n > kMaximoModuloRSA) {
        return {std::nullopt,
                "El producto n = p · q no puede superar 2.147.483.647: las potencias se calculan "
                "con módulos de 32 bits. Elija primos menores."};
    }
    const double phi = funcionEuler(calculo.tiempo, calculo.memoria, n).value();
    const auto exponente = leeEntero(t[2]);
    if (!exponente || *exponente < 1)
        return {std::nullopt, "t ha de ser un número entero positivo."};
    if (*exponente > kMaximoModuloRSA) return {std::nullopt, kGrande};
    const double coprimo = exponenteCoprimo(calculo.tiempo, *exponente, phi).value();
    const auto m = leeNumero(t[3]);
    if (!m || !esEntero(*m) || *m < 0)
        return {std::nullopt, "El bloque m ha de ser un número entero no negativo."};
    if (*m >= n) return {std::nullopt, mensajeBloqueGrande(recorta(t[3]), n)};
    return {Ejercicio{TipoEjercicio::RSA,
                      Nivel::Facil,
                      0,
                      {static_cast<std::int64_t>(primos[0]), static_cast<std::int64_t>(primos[1]),
                       static_cast<std::int64_t>(coprimo), static_cast<std::int64_t>(*m)}},
            {}};
}

std::string enunciadoDe(const Ejercicio& e) {
    return "Con los primos <i>p</i> = " + aTexto(e.datos[kP]) +
           " y <i>q</i> = " + aTexto(e.datos[kQ]) +
           " y la clave pública <i>t</i> = " + aTexto(e.datos[kT]) +
           ", halla <i>n</i>, F.E.(<i>n</i>) y la clave privada <i>s</i> = <i>t</i><sup>−1</sup> "
           "en ℤ<sub>F.E.(<i>n</i>)</sub>; cifra el bloque <i>m</i> = " +
           aTexto(e.datos[kM]) +
           " como C = [<i>m</i>]<sup><i>t</i></sup> en ℤ<sub><i>n</i></sub> y descífralo con "
           "[C]<sup><i>s</i></sup>.";
}

Plantilla plantilla(const Ejercicio& e) {
    Calculo calculo;
    const auto d = [&e](Dato i) { return static_cast<double>(e.datos[i]); };
    const double n = d(kP) * d(kQ);
    const double phi = funcionEuler(calculo.tiempo, calculo.memoria, n).value();
    const double g = mcdClaves(calculo.tiempo, d(kT), phi).value();
    const double s = inversoZn(calculo.tiempo, phi, d(kT)).inverso.value().inverso;
    const double c = Calcupoten(calculo.tiempo, calculo.memoria, d(kM), d(kT), n).resultado.value();
    const double m = Calcupoten(calculo.tiempo, calculo.memoria, c, s, n).resultado.value();
    const auto t = [](double x) { return texto(static_cast<Entero>(x)); };
    Plantilla p;
    p.hoja.columnas = {"Paso", "Valor"};
    p.fila({"n = p · q", ""}, {"", t(n)});
    p.fila({"F.E.(n)", ""}, {"", t(phi)});
    p.fila({"m.c.d.(t, F.E.(n))", ""}, {"", t(g)});
    p.respuesta("Clave privada s", t(s));
    p.respuesta("C = [m]^t en Zn", t(c));
    p.respuesta("[C]^s en Zn", t(m));
    return p;
}

Veredicto juzgaFila(const Contexto& c, std::size_t fila) {
    const LecturaCelda l = leeCelda(c.celda(fila, 1));
    if (auto v = noNumerico(l)) return *v;
    if (l.valor == c.esperada(fila, 1)) return correcto();
    const Entero p = c.ejercicio.datos[kP], q = c.ejercicio.datos[kQ];
    switch (fila) {
        case kN:
            return incorrecto(texto(p) + " · " + texto(q) + " = " + texto(p * q) + " ≠ " +
                              texto(l.valor));
        case kPhi:
            if (l.valor == p * q - 1) return incorrecto("n no es primo: F.E.(n) ≠ n − 1");
            return incorrecto(p == q ? "F.E.(p²) = p·(p − 1)" : "F.E.(p·q) = (p − 1)·(q − 1)");
        default:
            break;
    }
    return incorrecto("t ha de ser primo con F.E.(n): su m.c.d. es 1");
}

Veredicto juzgaRespuesta(const Contexto& c, std::size_t i) {
    const LecturaCelda l = leeCelda(c.respuesta(i));
    if (auto v = noNumerico(l)) return *v;
    const Entero esperado = c.esperadaRespuesta(i);
    const Entero n = c.esperada(kN, 1);
    const Entero modulo_ = i == kS ? c.esperada(kPhi, 1) : n;
    if (modulo(l.valor, modulo_) == esperado) {
        return correcto(l.valor == esperado ? ""
                                            : "correcto; el representante es " + texto(esperado));
    }
    const Entero t = c.ejercicio.datos[kT];
    switch (i) {
        case kS:
            return incorrecto(texto(t) + "·" + factor(l.valor) + " = " + texto(t * l.valor) +
                              " ≢ 1 (mod " + texto(modulo_) + ")");
        case kCifrado:
            return incorrecto("[" + texto(c.ejercicio.datos[kM]) + "]^" + texto(t) + " ≢ " +
                              texto(l.valor) + " (mod " + texto(n) + ")");
        default:
            break;
    }
    return incorrecto("Descifrar C con s ha de devolver el bloque m");
}

Veredicto juzga(const Contexto& c, std::size_t fila, std::size_t col) {
    return fila == kRespuesta ? juzgaRespuesta(c, col) : juzgaFila(c, fila);
}

std::string regla(const Contexto&, std::size_t fila, std::size_t col) {
    if (fila != kRespuesta) {
        switch (fila) {
            case kN:
                return "El módulo es el producto de los dos primos.";
            case kPhi:
                return "Para dos primos distintos, F.E.(p·q) = (p − 1)·(q − 1).";
            default:
                break;
        }
        return "El m.c.d. sale del algoritmo de Euclides con t y F.E.(n).";
    }
    switch (col) {
        case kS:
            return "s es el inverso de t en Z_F.E.(n): la x de t·x + F.E.(n)·y = 1.";
        case kCifrado:
            return "Eleva [m] a t en Zn por cuadrados sucesivos.";
        default:
            break;
    }
    return "[C]^s en Zn descifra C: eleva por cuadrados sucesivos.";
}

}  // namespace

const Familia& familiaRSA() {
    static const Familia f{{"p", "q", "t", "m"}, genera,    maximo, propio,
                           enunciadoDe,          plantilla, juzga,  regla};
    return f;
}

}  // namespace zefra::practica
