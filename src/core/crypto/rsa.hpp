// The RSA system: the key pair from two primes, and enciphering and deciphering digit strings
// block by block with powers in Zn.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/modular/avisos_zn.hpp"
#include "core/modular/memoria_modulo.hpp"
#include "core/modular/traza_potencia.hpp"
#include "core/shell/numeros.hpp"
#include "core/shell/tiempo.hpp"

namespace zefra {

// The largest modulus the powers work with (32-bit values).
inline constexpr double kMaximoModuloRSA = kMayorEntero32;

// The key pair of an RSA set-up with the values it was built from: n = p·q, φ(n), the public
// exponent t prime to φ(n) and the private exponent s, its inverse modulo φ(n).
struct ClavesRSA {
    double p = 0;
    double q = 0;
    double n = 0;
    double phi = 0;
    double t = 0;
    double s = 0;
};

// The smallest prime not below p (2 for any p up to 2), or nothing when the budget runs out.
// The primality tests share the start the button recorded; each verdict goes to `avisos`.
ConTiempo<double> primoSiguiente(Tiempo& tiempo, double p, AvisosZn* avisos = nullptr);

// The smallest value x ≥ t with gcd(x, φ) = 1 (the key searches' gcd, with its private start),
// or nothing when the budget runs out.
ConTiempo<double> exponenteCoprimo(Tiempo& tiempo, double t, double phi);

// k, the digits of n − 1: the width of every enciphered block (n = 143 gives 3).
int anchoBloqueRSA(double n);

// What a step over blocks produced, or why it stopped.
struct ResultadoRSA {
    std::string digitos;
    std::optional<std::string> mensaje;  // a refused block: nothing else is valid
    bool tiempoAgotado = false;
    // The trace of the last block's power, or of the last power raised when the run stopped
    // before it; none when no power was raised.
    std::optional<TrazaPotencia> traza;
};

// What a power in Zn works with: the stopwatch, the memory of the last modulus, and whom it
// tells (may be null).
struct EntornoPotencia {
    Tiempo& tiempo;
    MemoriaModulo& memoria;
    AvisosZn* avisos = nullptr;
};

// Each block m of `ancho` digits becomes [m]^exponente in Zn (by Calcupoten, in `entorno`),
// written with leading zeros to `anchoSalida` digits. A block that is not below n is refused with
// its message (it could never come back); a text with anything but digits is refused first,
// naming the block that holds it. Digits after the last whole block are ignored, as is a line
// end after the digits (a text file's last line).
ResultadoRSA potenciaPorBloques(const EntornoPotencia& entorno, std::string_view digitos, int ancho,
                                double n, double exponente, int anchoSalida);

// "El número 'bloque' debe ser menor que 'n'."
std::string mensajeBloqueGrande(std::string_view bloque, double n);

// The formula texts of the two steps: C( [m] modulo n ) = [m] ^t modulo n, and D(…) with s.
std::string formulaCifradoRSA(double n, double t);
std::string formulaDescifradoRSA(double n, double s);

}  // namespace zefra
