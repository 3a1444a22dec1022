#include "core/practice/celda.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/shell/numeros.hpp"

namespace zefra::practica {
namespace {

// Lower case without accents, blanks collapsed: "No  existe el Inverso." → "no existe el inverso".
std::string normaliza(std::string_view texto) {
    static constexpr std::array<std::pair<std::string_view, char>, 10> kAcentos = {{{"á", 'a'},
                                                                                    {"é", 'e'},
                                                                                    {"í", 'i'},
                                                                                    {"ó", 'o'},
                                                                                    {"ú", 'u'},
                                                                                    {"Á", 'a'},
                                                                                    {"É", 'e'},
                                                                                    {"Í", 'i'},
                                                                                    {"Ó", 'o'},
                                                                                    {"Ú", 'u'}}};
    std::string salida;
    for (std::size_t i = 0; i < texto.size();) {
        bool hecho = false;
        for (const auto& [acento, letra] : kAcentos) {
            if (texto.substr(i).starts_with(acento)) {
                salida += letra;
                i += acento.size();
                hecho = true;
                break;
            }
        }
        if (hecho) continue;
        const char c = texto[i++];
        if (c == ' ' || c == '\t' || c == '.') {
            if (!salida.empty() && salida.back() != ' ') salida += ' ';
        } else {
            salida += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        }
    }
    while (!salida.empty() && salida.back() == ' ')
        salida.pop_back();
    return salida;
}

bool diceQueNoHay(std::string_view texto) {
    const std::string t = normaliza(texto);
    for (const std::string_view frase :
         {"no tiene solucion", "sin solucion", "no hay solucion", "no existe", "no tiene inverso",
          "no hay inverso", "sin inverso"}) {
        if (t.starts_with(frase)) return true;
    }
    return false;
}

}  // namespace

std::string_view recorta(std::string_view texto) {
    const auto blanco = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!texto.empty() && blanco(texto.front()))
        texto.remove_prefix(1);
    while (!texto.empty() && blanco(texto.back()))
        texto.remove_suffix(1);
    return texto;
}

LecturaCelda leeCelda(std::string_view bruto, std::size_t maximoCifras) {
    LecturaCelda l;
    std::string_view t = recorta(bruto);
    if (t.empty()) return l;
    if (diceQueNoHay(t)) {
        l.tipo = LecturaCelda::Tipo::NoHay;
        return l;
    }
    l.tipo = LecturaCelda::Tipo::Error;
    bool negativo = false;
    std::string_view cifras = t;
    if (cifras.starts_with("−")) {  // the minus sign of typeset text
        negativo = true;
        cifras.remove_prefix(std::string_view("−").size());
    } else if (cifras.front() == '-' || cifras.front() == '+') {
        negativo = cifras.front() == '-';
        cifras.remove_prefix(1);
    }
    if (!cifras.empty() && sonCifras(cifras)) {
        const auto primera = cifras.find_first_not_of('0');
        if (primera != std::string_view::npos && cifras.size() - primera > maximoCifras) {
            l.error = "El número es demasiado grande";
            return l;
        }
        Entero v = 0;
        for (const char c : cifras)
            v = v * 10 + (c - '0');
        l.tipo = LecturaCelda::Tipo::Numero;
        l.valor = negativo ? -v : v;
        return l;
    }
    if (const auto v = leeNumero(t)) {
        if (!esEntero(*v)) {
            l.error = "Ha de ser un número entero";
        } else if (std::fabs(*v) >= kMayorEnteroExacto) {
            l.error = "El número es demasiado grande";
        } else {
            l.tipo = LecturaCelda::Tipo::Numero;
            l.valor = static_cast<Entero>(*v);
        }
        return l;
    }
    l.error = "No es un número entero";
    return l;
}

std::string texto(Entero x) {
    if (x == 0) return "0";
    const bool negativo = x < 0;
    std::string s;
    // Digits from the magnitude taken digit by digit, so the least value cannot overflow.
    while (x != 0) {
        const int cifra = static_cast<int>(x % 10);
        s += static_cast<char>('0' + (cifra < 0 ? -cifra : cifra));
        x /= 10;
    }
    if (negativo) s += '-';
    std::reverse(s.begin(), s.end());
    return s;
}

std::string factor(Entero x) {
    return x < 0 ? "(" + texto(x) + ")" : texto(x);
}

Entero modulo(Entero x, Entero n) {
    const Entero r = x % n;
    return r < 0 ? r + n : r;
}

Entero mcdEntero(Entero a, Entero b) {
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    while (b != 0) {
        const Entero r = a % b;
        a = b;
        b = r;
    }
    return a;
}

}  // namespace zefra::practica
