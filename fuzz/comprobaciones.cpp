#include "comprobaciones.hpp"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/alphabets/alfabeto.hpp"
#include "core/alphabets/predefinidos.hpp"
#include "core/crypto/transcripcion.hpp"
#include "core/files/fichero_alfabeto.hpp"
#include "core/shell/numeros.hpp"

namespace zefra::fuzz {
namespace {

void exige(bool condicion) {
    if (!condicion) std::abort();
}

// x and y agree to the 15 significant digits a decimal text keeps.
bool iguales15(double x, double y) {
    if (x == y) return true;
    return std::fabs(x - y) <= 1e-14 * std::max(std::fabs(x), std::fabs(y));
}

// The largest value whose 15-digit text is still a double: above it the text rounds up past
// the largest double and, rightly, does not read as a number.
constexpr double kMayorConTexto = 1.79769313486231e308;

void idaYVuelta(double x) {
    if (!std::isfinite(x)) return;
    for (const char separador : {',', '.'}) {
        fijaSeparadorDecimal(separador);
        const std::string texto = textoDecimal(x);
        exige(texto != "-0");
        const auto vuelta = leeNumero(texto);
        if (std::fabs(x) > kMayorConTexto) {
            exige(!vuelta.has_value() || iguales15(*vuelta, x));
            continue;
        }
        exige(vuelta.has_value());
        // Subnormal numbers keep fewer significant bits than 15 digits need.
        exige(iguales15(*vuelta, x) || std::fabs(x) < 1e-300);
    }
}

}  // namespace

void compruebaNumeros(const std::uint8_t* datos, std::size_t tamano) {
    const std::string_view texto(reinterpret_cast<const char*>(datos), tamano);
    const auto valor = leeNumero(texto);
    if (valor) {
        exige(std::isfinite(*valor));
        idaYVuelta(*valor);
    }
}

void compruebaTextoDecimal(const std::uint8_t* datos, std::size_t tamano) {
    if (tamano < sizeof(double)) return;
    double x = 0;
    std::memcpy(&x, datos, sizeof x);
    idaYVuelta(x);
}

void compruebaTranscripcion(const std::uint8_t* datos, std::size_t tamano) {
    if (tamano == 0) return;
    const Alfabeto& alfabeto =
        *alfabetoPredefinido(kNombresPredefinidos[datos[0] % kNombresPredefinidos.size()]);
    const Alfabeto& tabla = alfabeto;
    const int ancho = anchoBloque(tabla);
    const std::string_view resto(reinterpret_cast<const char*>(datos + 1), tamano - 1);

    const auto digitos = transcribeADigitos(resto, tabla);
    if (!digitos.rechazado) {
        exige(digitos.texto.size() % static_cast<std::size_t>(ancho) == 0);
        const auto vuelta = transcribeASimbolos(digitos.texto, ancho, tabla);
        exige(!vuelta.rechazado);
        exige(vuelta.texto == resto);
    }
    // The same bytes read as a digit string.
    const auto simbolos = transcribeASimbolos(resto, ancho, tabla);
    if (!simbolos.rechazado) {
        const auto otraVez = transcribeADigitos(simbolos.texto, tabla);
        exige(!otraVez.rechazado);
        exige(otraVez.texto == resto.substr(0, otraVez.texto.size()));
    }
}

void compruebaFicheroAlfabeto(const std::uint8_t* datos, std::size_t tamano) {
    const std::string_view texto(reinterpret_cast<const char*>(datos), tamano);
    const RanurasAlfabeto ranuras;
    const auto lectura = leeAlfabeto(texto, ranuras);
    if (!lectura.alfabeto) {
        exige(!lectura.rechazo.empty());
        return;
    }
    exige(lectura.alfabeto->equivalencias.size() <= kMaximoEquivalencias);
    // The file as the program writes it: the text and the line end the file writer adds.
    const auto otraVez = leeAlfabeto(textoAlfabeto(*lectura.alfabeto) + "\r\n", ranuras);
    exige(otraVez.alfabeto.has_value());
    exige(otraVez.alfabeto->nombre == lectura.alfabeto->nombre);
    exige(otraVez.alfabeto->equivalencias == lectura.alfabeto->equivalencias);
}

}  // namespace zefra::fuzz
