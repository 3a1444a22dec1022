#include "core/modular/razonamientos.hpp"

#include "core/modular/representante.hpp"
#include "core/shell/numeros.hpp"

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

std::string razonamientoInverso(double n, double a, const InversoZn& r) {
    const bool existe = r.mcd == 1;
    std::string texto;
    if (existe) {
        texto = " Existe porque el  m.c.d.(" + t(n) + ", " + t(a) + ") = 1";
    } else {
        texto = " No existe inverso ya que: " + kSalto + "      m.c.d.( " + t(n) + ", " + t(a) +
                ") = " + t(r.mcd) + ",    que es  <> 1";
    }
    if (a < 0) {
        const DivisionZn d = representante(n, a);
        texto += kSalto + "      [ " + t(a) + " ] = [ " + t(d.cociente) + " ] * [ " + t(n) +
                 " ] + [ " + t(d.resto) + "]";
        texto += kSalto + "      [ " + t(a) + " ] = ";
        if (d.resto < 0) {
            if (t(d.resto) != t(a)) texto += "[ " + t(d.resto) + "] = ";
            texto += "[ " + t(d.representante) + " - " + t(n) + " ] = ";
        }
        texto += "[ " + t(d.representante) + " ]";
    }
    if (existe) {
        texto += kSalto +
                 "  y por lo tanto también podemos escribir la siguiente ecuación: " + kSalto +
                 "      " + t(a) + " * " + t(r.x) + " = 1 " + "+ " + t(kDeLaEcuacion(a, r.x, n)) +
                 " * " + t(n);
        if (r.x < 0) {
            texto += kSalto + "  siendo:        [ " + t(r.x) + " ] = " + " [ " + t(r.inverso) +
                     " - " + t(n) + " ] =  [ " + t(r.inverso) + " ]";
        }
    }
    return texto;
}

}  // namespace zefra
