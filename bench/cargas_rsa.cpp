// The RSA system: setting up a key pair with the largest primes the powers allow, and a
// 10,000-symbol text enciphered and deciphered with it and with a small key.
#include <string>

#include "cargas.hpp"
#include "core/alphabets/alfabeto.hpp"
#include "core/crypto/preparacion.hpp"
#include "core/crypto/rsa.hpp"
#include "core/crypto/transcripcion.hpp"
#include "core/modular/euler.hpp"
#include "core/modular/inverso.hpp"
#include "core/modular/potencias.hpp"
#include "core/primes/es_primo.hpp"

namespace zefra::bench {
namespace {

// The four steps of the set-up window, in order.
std::optional<ClavesRSA> estableceClaves(double p, double q, double t) {
    Estado& estado = estadoIlimitado();
    estado.memoriaModulo = {};
    estado.tiempo.marcaInicio();
    const auto primoP = primoSiguiente(estado.tiempo, p);
    const auto primoQ = primoSiguiente(estado.tiempo, q);
    if (!primoP || !primoQ) return std::nullopt;
    const double n = *primoP * *primoQ;
    const auto phi = funcionEuler(estado.tiempo, estado.memoriaModulo, n);
    if (!phi) return std::nullopt;
    const auto exponente = exponenteCoprimo(estado.tiempo, t, *phi);
    if (!exponente) return std::nullopt;
    const auto s = inversoZn(estado.tiempo, *phi, *exponente).inverso;
    if (!s) return std::nullopt;
    return ClavesRSA{*primoP, *primoQ, n, *phi, *exponente, s->inverso};
}

// A 10,000-symbol text over "a-z, A-Z, 0-9" there and back; true when it came back whole.
bool idaYVuelta(const ClavesRSA& claves) {
    Estado& estado = estadoIlimitado();
    estado.alfabeto.nombre = "a-z, A-Z, 0-9";
    const auto cargada = preparaCripPublica(estado.ranuras, estado.alfabeto);
    if (!cargada) return false;
    const Alfabeto& tabla = cargada->alfabeto;
    const auto& simbolos = tabla.equivalencias;
    std::string mensaje;
    for (int i = 0; i < 10000; ++i)
        mensaje += simbolos[(i * 37) % simbolos.size()].simbolo;

    const int k = anchoBloqueRSA(claves.n);
    estado.tiempo.reiniciaTiempo();
    const auto digitos = transcribeADigitos(mensaje, tabla);
    const EntornoPotencia entorno{estado.tiempo, estado.memoriaModulo};
    const auto cifrado =
        potenciaPorBloques(entorno, digitos.texto, cargada->ancho, claves.n, claves.t, k);
    estado.tiempo.reiniciaTiempo();
    const auto descifrado =
        potenciaPorBloques(entorno, cifrado.digitos, k, claves.n, claves.s, cargada->ancho);
    const auto texto = transcribeASimbolos(descifrado.digitos, cargada->ancho, tabla);
    return !cifrado.mensaje && !descifrado.mensaje && texto.texto == mensaje;
}

const Registro establecer{
    {"rsa-setup-large", "the four set-up steps with p = 46327, q = 46337 (n = 2146654199)",
     [] {
         const auto c = estableceClaves(46327, 46337, 65537);
         return c && c->n == 2146654199 && c->t == 65537 && c->s == 1213121537;
     },
     "", 1.0}};

const Registro grande{{"rsa-roundtrip-large",
                       "10,000 symbols enciphered and deciphered with n = 2146654199",
                       [] {
                           const auto c = estableceClaves(46327, 46337, 65537);
                           return c && idaYVuelta(*c);
                       },
                       "", 1.0}};

const Registro pequena{{"rsa-roundtrip-272483",
                        "10,000 symbols enciphered and deciphered with n = 521 · 523",
                        [] {
                            const auto c = estableceClaves(521, 523, 7);
                            return c && c->n == 272483 && idaYVuelta(*c);
                        },
                        "", 1.0}};

}  // namespace
}  // namespace zefra::bench
