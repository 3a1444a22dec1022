#include "core/modular/razonamientos.hpp"

#include "core/arithmetic/numeros.hpp"

namespace zefra {
namespace {

const std::string kSalto = "\r\n\r\n";

std::string t(double x) {
    return textoDecimal(x);
}

}  // namespace

std::string razonamientoRepresentante(double a, double n, double cociente, double resto, double r) {
    const bool restoNegativo = a < 0 && resto < 0;
    std::string texto =
        " " + t(a) + " = " + t(cociente) + " * " + t(n) + " + " + t(restoNegativo ? resto : r);
    if (restoNegativo) {
        texto += kSalto + "  [" + t(resto) + "] = [" + t(r) + " - " + t(n) + "] = [ " + t(r) + " ]";
    }
    return texto;
}

double kDeLaEcuacion(double a, double x, double n) {
    const auto producto = static_cast<__int128>(a) * static_cast<__int128>(x) - 1;
    return static_cast<double>(producto / static_cast<__int128>(n));
}

std::string razonamientoInverso(const DatosInverso& d) {
    const bool existe = d.mcd == 1;
    std::string texto;
    if (existe) {
        texto = " Existe porque el  m.c.d.(" + t(d.n) + ", " + t(d.a) + ") = 1";
    } else {
        texto = " No existe inverso ya que: " + kSalto + "      m.c.d.( " + t(d.n) + ", " + t(d.a) +
                ") = " + t(d.mcd) + ",    que es  <> 1";
    }
    if (d.cociente && d.resto && d.representante) {
        const double s = *d.resto;
        const double r = *d.representante;
        texto += kSalto + "      [ " + t(d.a) + " ] = [ " + t(*d.cociente) + " ] * [ " + t(d.n) +
                 " ] + [ " + t(s) + "]";
        texto += kSalto + "      [ " + t(d.a) + " ] = ";
        if (s < 0) {
            if (t(s) != t(d.a)) texto += "[ " + t(s) + "] = ";
            texto += "[ " + t(r) + " - " + t(d.n) + " ] = ";
        }
        texto += "[ " + t(r) + " ]";
    }
    if (existe) {
        texto += kSalto +
                 "  y por lo tanto también podemos escribir la siguiente ecuación: " + kSalto +
                 "      " + t(d.a) + " * " + t(d.x) + " = 1 " + "+ " +
                 t(kDeLaEcuacion(d.a, d.x, d.n)) + " * " + t(d.n);
        if (d.x < 0) {
            texto += kSalto + "  siendo:        [ " + t(d.x) + " ] = " + " [ " + t(d.inverso) +
                     " - " + t(d.n) + " ] =  [ " + t(d.inverso) + " ]";
        }
    }
    return texto;
}

}  // namespace zefra
