#include "core/shell/numeros.hpp"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "core/shell/errores.hpp"

namespace zefra {
namespace {

char separador = ',';

// Decimal exponent of the leading significant digit of entera.fraccion, or nothing when every
// digit is zero.
std::optional<long> exponenteDelPrimerDigito(std::string_view entera, std::string_view fraccion) {
    const auto primero = entera.find_first_not_of('0');
    if (primero != std::string_view::npos) return static_cast<long>(entera.size() - primero) - 1;
    const auto enFraccion = fraccion.find_first_not_of('0');
    if (enFraccion != std::string_view::npos) return -static_cast<long>(enFraccion) - 1;
    return std::nullopt;
}

}  // namespace

char separadorDecimal() {
    return separador;
}
void fijaSeparadorDecimal(char nuevo) {
    separador = nuevo;
}

std::optional<double> leeNumero(std::string_view texto) {
    const auto inicio = texto.find_first_not_of(' ');
    if (inicio == std::string_view::npos) return std::nullopt;
    texto = texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1);

    std::size_t i = 0;
    bool negativo = false;
    if (texto[i] == '+' || texto[i] == '-') negativo = texto[i++] == '-';

    const std::size_t inicioEntera = i;
    while (i < texto.size() && esDigito(texto[i]))
        ++i;
    const std::string_view entera = texto.substr(inicioEntera, i - inicioEntera);
    std::string_view fraccion;
    if (i < texto.size() && (texto[i] == ',' || texto[i] == '.')) {
        const std::size_t inicioFraccion = ++i;
        while (i < texto.size() && esDigito(texto[i]))
            ++i;
        fraccion = texto.substr(inicioFraccion, i - inicioFraccion);
    }
    if (entera.empty() && fraccion.empty()) return std::nullopt;

    long exponente = 0;
    if (i < texto.size() && (texto[i] == 'e' || texto[i] == 'E')) {
        ++i;
        bool exponenteNegativo = false;
        if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) {
            exponenteNegativo = texto[i++] == '-';
        }
        const std::size_t inicioExponente = i;
        while (i < texto.size() && esDigito(texto[i])) {
            // Saturate: anything past a few thousand is already out of range either way.
            if (exponente < 100000) exponente = exponente * 10 + (texto[i] - '0');
            ++i;
        }
        if (i == inicioExponente) return std::nullopt;
        if (exponenteNegativo) exponente = -exponente;
    }
    if (i != texto.size()) return std::nullopt;

    const double cero = negativo ? -0.0 : 0.0;
    const auto primerDigito = exponenteDelPrimerDigito(entera, fraccion);
    if (!primerDigito) return cero;
    const long magnitud = *primerDigito + exponente;
    if (magnitud > 400) return std::nullopt;
    if (magnitud < -400) return cero;

    std::string normal;
    normal.reserve(entera.size() + fraccion.size() + 16);
    normal.append(entera.empty() ? std::string_view("0") : entera);
    normal.push_back('.');
    normal.append(fraccion);
    normal.push_back('e');
    normal.append(std::to_string(exponente));
    double valor = 0;
    const auto [fin, error] = std::from_chars(normal.data(), normal.data() + normal.size(), valor);
    if (error == std::errc::result_out_of_range) {
        if (magnitud > 0) return std::nullopt;
        return cero;
    }
    if (error != std::errc() || fin != normal.data() + normal.size()) return std::nullopt;
    return negativo ? -valor : valor;
}

bool esEntero(double x) {
    return std::isfinite(x) && x == std::floor(x);
}

std::string textoDecimal(double x) {
    if (!std::isfinite(x)) throw ErrorEjecucion(TipoError::Desbordamiento);
    // 15 significant digits, correctly rounded, in the form d.dddddddddddddde±xx.
    char buffer[40];
    const auto resultado = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                         std::chars_format::scientific, 14);
    const std::string_view cientifico(buffer, resultado.ptr - buffer);
    const auto posE = cientifico.find('e');
    std::string digitos;
    digitos.push_back(cientifico[0]);
    digitos.append(cientifico.substr(2, posE - 2));
    int exponente = 0;
    std::from_chars(cientifico.data() + posE + 1 + (cientifico[posE + 1] == '+'),
                    cientifico.data() + cientifico.size(), exponente);
    while (digitos.size() > 1 && digitos.back() == '0')
        digitos.pop_back();
    if (digitos == "0") return "0";

    std::string texto = x < 0 ? "-" : "";
    const int cifras = static_cast<int>(digitos.size());
    const int decimalesNecesarios = cifras - 1 - exponente;
    if (exponente >= 15 || decimalesNecesarios > 15) {
        texto.push_back(digitos[0]);
        if (cifras > 1) {
            texto.push_back(separador);
            texto.append(digitos, 1);
        }
        texto.push_back('E');
        texto.push_back(exponente < 0 ? '-' : '+');
        const int absoluto = std::abs(exponente);
        if (absoluto < 10) texto.push_back('0');
        texto.append(std::to_string(absoluto));
    } else if (exponente >= 0) {
        const int enteras = exponente + 1;
        if (cifras <= enteras) {
            texto.append(digitos);
            texto.append(static_cast<std::size_t>(enteras - cifras), '0');
        } else {
            texto.append(digitos, 0, static_cast<std::size_t>(enteras));
            texto.push_back(separador);
            texto.append(digitos, static_cast<std::size_t>(enteras));
        }
    } else {
        texto.push_back('0');
        texto.push_back(separador);
        texto.append(static_cast<std::size_t>(-exponente - 1), '0');
        texto.append(digitos);
    }
    return texto;
}

std::int32_t aEntero32(double x) {
    const double redondeado = std::nearbyint(x);
    if (!(redondeado >= std::numeric_limits<std::int32_t>::min() &&
          redondeado <= std::numeric_limits<std::int32_t>::max())) {
        throw ErrorEjecucion(TipoError::Desbordamiento);
    }
    return static_cast<std::int32_t>(redondeado);
}

}  // namespace zefra
