#include "core/alphabets/predefinidos.hpp"

#include <string>

#include "core/alphabets/caracteres.hpp"

namespace zefra {
namespace {

// Builds an alphabet from its symbols in code order, codes from 0 written with `ancho` digits.
class Constructor {
  public:
    Constructor(std::string_view nombre, int filasPorPar, int ancho) : ancho_(ancho) {
        alfabeto_.nombre = std::string(nombre);
        alfabeto_.filasPorPar = filasPorPar;
    }

    Constructor& simbolo(std::string s) {
        std::string codigo = std::to_string(siguiente_++);
        if (static_cast<int>(codigo.size()) < ancho_) {
            codigo.insert(0, static_cast<std::size_t>(ancho_) - codigo.size(), '0');
        }
        alfabeto_.equivalencias.push_back({std::move(s), std::move(codigo)});
        return *this;
    }
    // The characters desde to hasta (Windows-1252 codes, both included).
    Constructor& serie(int desde, int hasta) {
        for (int c = desde; c <= hasta; ++c)
            simbolo(caracterWindows1252(c));
        return *this;
    }
    // Leaves a code without symbol.
    Constructor& salta() {
        ++siguiente_;
        return *this;
    }
    Alfabeto fin() { return std::move(alfabeto_); }

  private:
    Alfabeto alfabeto_;
    int ancho_;
    int siguiente_ = 0;
};

constexpr int kEneMinuscula = 0xF1;  // ñ
constexpr int kEneMayuscula = 0xD1;  // Ñ

Constructor& mayusculas(Constructor& c) {
    return c.serie('A', 'N').serie(kEneMayuscula, kEneMayuscula).serie('O', 'Z');
}

}  // namespace

const Alfabeto& alfabetoMinusculas() {
    static const Alfabeto a = Constructor(kNombresPredefinidos[0], 14, 2)
                                  .serie('a', 'n')
                                  .serie(kEneMinuscula, kEneMinuscula)
                                  .serie('o', 'z')
                                  .serie(' ', ' ')
                                  .fin();
    return a;
}

const Alfabeto& alfabetoMayusculas() {
    static const Alfabeto a = [] {
        Constructor c(kNombresPredefinidos[1], 14, 2);
        return mayusculas(c).serie(' ', ' ').fin();
    }();
    return a;
}

const Alfabeto& alfabetoLetras() {
    static const Alfabeto a = [] {
        Constructor c(kNombresPredefinidos[2], 28, 2);
        return mayusculas(c)
            .serie('a', 'm')
            .serie(kEneMinuscula, kEneMinuscula)
            .serie('n', 'z')
            .serie(' ', ' ')
            .fin();
    }();
    return a;
}

const Alfabeto& alfabetoLetrasNumeros() {
    static const Alfabeto a = [] {
        Constructor c(kNombresPredefinidos[3], 33, 2);
        return mayusculas(c)
            .serie('a', 'n')
            .serie(kEneMinuscula, kEneMinuscula)
            .serie('o', 'z')
            .serie('0', '9')
            .serie(' ', ' ')
            .fin();
    }();
    return a;
}

const Alfabeto& alfabetoASCII() {
    static const Alfabeto a = Constructor(kNombresPredefinidos[4], 97, 3)
                                  .serie(32, 126)
                                  .serie(145, 146)
                                  .serie(161, 255)
                                  .salta()
                                  .serie('\n', '\n')
                                  .serie('\r', '\r')
                                  .fin();
    return a;
}

const Alfabeto* alfabetoPredefinido(std::string_view nombre) {
    for (const Alfabeto* a : {&alfabetoMinusculas(), &alfabetoMayusculas(), &alfabetoLetras(),
                              &alfabetoLetrasNumeros(), &alfabetoASCII()}) {
        if (a->nombre == nombre) return a;
    }
    return nullptr;
}

}  // namespace zefra
