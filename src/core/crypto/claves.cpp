#include "core/crypto/claves.hpp"

#include <cmath>
#include <cstdint>

#include "core/alphabets/alfabeto.hpp"
#include "core/arithmetic/euclides.hpp"
#include "core/primes/valor_exacto.hpp"
#include "core/shell/errores.hpp"
#include "core/shell/numeros.hpp"

namespace zefra {
namespace {

constexpr int kMaximoCodigoConsecutivo = 9999;

}  // namespace

int limiteClaves(double minimo) {
    if (minimo <= 100000) return 101;
    if (minimo <= 1000000) return 20;
    if (minimo <= 10000000) return 10;
    if (minimo <= 999999999) return 5;
    return 1;
}

BusquedaClaves buscaClaves(Tiempo& tiempo, double minimo, double n) {
    BusquedaClaves b;
    const auto limite = static_cast<std::size_t>(limiteClaves(minimo));
    double x = std::ceil(minimo);
    for (int intento = 1; intento <= kIntentosClaves && b.claves.size() < limite; ++intento) {
        const auto g = mcdClaves(tiempo, x, n);
        if (!g) {
            b.tiempoAgotado = true;
            break;
        }
        if (*g == 1) b.claves.push_back(x);
        x += 1;
    }
    return b;
}

std::optional<double> claseDeClave(std::string_view texto, double n) {
    if (!(n >= 1 && n <= kMayorEnteroExacto && esEntero(n))) {
        throw ErrorEjecucion(TipoError::ArgumentoNoValido);
    }
    if (!esNumerico(texto)) return std::nullopt;
    const DecimalExacto d = descomponeDecimal(texto);
    // A negative exponent left after the trailing zeros would drop a digit that is not zero.
    if (!d.digitos.empty() && d.exponente < 0) return std::nullopt;
    const auto modulo = static_cast<std::uint64_t>(n);
    std::uint64_t resto = 0;
    for (const char c : d.digitos)
        resto = (resto * 10 + static_cast<std::uint64_t>(c - '0')) % modulo;
    for (long k = 0; k < d.exponente && resto != 0; ++k)
        resto = resto * 10 % modulo;
    if (d.negativo && resto != 0) resto = modulo - resto;
    return static_cast<double>(resto);
}

std::optional<ClasesAfines> clasesDeClaves(const ClavesAfines& claves, double n) {
    const auto r = claseDeClave(claves.r, n);
    const auto s = claseDeClave(claves.s, n);
    if (!r || !s) return std::nullopt;
    return ClasesAfines{*r, *s};
}

ConTiempo<bool> codigosConsecutivos(Tiempo& tiempo, const Alfabeto& alfabeto) {
    std::vector<bool> presente(kMaximoCodigoConsecutivo + 3, false);
    double maximo = 0;
    Cronometro cronometro(tiempo, Inicio::Privada);
    for (const auto& e : alfabeto.equivalencias) {
        if (cronometro.agotado()) return std::nullopt;
        const auto codigo = leeNumero(e.codigo);
        if (!codigo) throw ErrorEjecucion(TipoError::TiposNoCoinciden);
        if (*codigo > maximo) maximo = *codigo;
        if (*codigo >= 0 && *codigo <= kMaximoCodigoConsecutivo && esEntero(*codigo)) {
            presente[static_cast<std::size_t>(*codigo)] = true;
        }
    }
    if (maximo > kMaximoCodigoConsecutivo) return false;
    std::size_t primeroAusente = 0;
    while (presente[primeroAusente])
        ++primeroAusente;
    return static_cast<double>(primeroAusente) > maximo;
}

std::string textoModuloClaves(double n) {
    const std::string texto = textoDecimal(n);
    return "Dado que se utiliza como módulo: n = " + texto +
           " es necesario elegir para la clave privada r, un número tal que el m.c.d.( " + texto +
           ", r) = 1";
}

std::string mensajeClaveNoValida(double n) {
    return "Clave r no válida ya que mcd(r," + textoDecimal(n) + ") ha de ser 1";
}

}  // namespace zefra
