#include "core/modular/traza_potencia.hpp"

#include "core/shell/numeros.hpp"

namespace zefra {
namespace {

std::string t(double x) {
    return textoDecimal(x);
}
std::string t(std::int64_t x) {
    return std::to_string(x);
}
std::string t(int x) {
    return std::to_string(x);
}

std::string clase(std::int64_t a) {
    return "[ " + t(a) + " ]";
}

std::string potenciaDeDos(int i) {
    return t(std::int64_t{1} << i);
}

}  // namespace

TextoTrazaPotencia textoTrazaPotencia(const TrazaPotencia& traza) {
    TextoTrazaPotencia texto;
    std::string& lineas = texto.traza;
    const std::string a = clase(traza.a);
    if (const auto& r = traza.reduccion) {
        const std::string igualdad = "b = b mod F.E.(n) = " + t(r->b) + " mod " + "F.E.( " +
                                     t(traza.n) + " ) = " + t(r->b) + " mod " + t(r->phi) + " = " +
                                     t(r->reducido);
        texto.etiqueta = "Como el m.c.d ( " + t(traza.a) + ", " + t(traza.n) +
                         " ) = 1, entonces se podrá ir reduciendo el valor de b calculando el "
                         "resto de b con F.E.( " +
                         t(traza.n) + " ).\r\n\r\nEsto es: \r\n\r\n" + igualdad;
        lineas = igualdad;
    }
    for (const auto& paso : traza.pasos) {
        if (const auto* c = std::get_if<PasoCuadrado>(&paso)) {
            lineas += "\r\ni=" + t(c->i) + "   2^" + t(c->i) + " <= " + t(c->b) + "     " + a +
                      "^" + potenciaDeDos(c->i) + " = " + " ( " + a + "^" +
                      potenciaDeDos(c->i - 1) + ")^2 = [ " + t(static_cast<double>(c->cuadrado)) +
                      " ]";
            if (c->clase) lineas += "= " + clase(*c->clase);
        } else {
            const auto& f = std::get<PasoFactor>(paso);
            lineas += "\r\n\r\ni=" + t(f.i) + "   2^" + t(f.i) + " > " + t(f.b) +
                      ", entonces: \r\n\r\n                 b = b - 2^( i - 1) = " + t(f.b) +
                      " - " + "2^" + t(f.i - 1) + " = " + t(f.nuevoB);
        }
    }
    if (traza.resultado) {
        std::string potencias;
        std::string valores;
        for (const auto& f : traza.factores) {
            if (!potencias.empty()) {
                potencias += " * ";
                valores += " * ";
            }
            potencias += a + "^" + t(f.exponente);
            valores += clase(f.valor);
        }
        lineas += "\r\n\r\n     " + a + "^" + t(traza.exponente) + " = ";
        if (!potencias.empty()) lineas += potencias + " = " + valores + " = ";
        lineas += clase(*traza.resultado);
    }
    return texto;
}

}  // namespace zefra
