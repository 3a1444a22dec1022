// The active alphabet's modulus, for the predefined names and for the user's slots.
#include "alphabets/activo.hpp"

#include <gtest/gtest.h>

#include "comun/reloj_falso.hpp"
#include "shell/estado.hpp"

namespace zefra {
namespace {

class ModuloActivo : public ::testing::Test {
  protected:
    ModuloActivo() {
        estado.observadores.moduloAlfabeto = [this](double n) { publicados.push_back(n); };
    }
    // Loads a user alphabet with these codes into a slot.
    void carga(int ranura, const std::string& nombre, const std::vector<std::string>& codigos) {
        auto& r = estado.ranuras[static_cast<std::size_t>(ranura)];
        r.libre = false;
        r.nombre = nombre;
        for (std::size_t k = 0; k < codigos.size(); ++k) {
            r.tabla.fija(static_cast<int>(k), 0, std::string(1, static_cast<char>('a' + k)));
            r.tabla.fija(static_cast<int>(k), 1, codigos[k]);
        }
    }

    pruebas::RelojFalso reloj;
    Estado estado{reloj};
    std::vector<double> publicados;
};

TEST_F(ModuloActivo, AlEmpezarEsAzConVeintiocho) {
    EXPECT_EQ(estado.alfabeto.nombre, "a-z");
    EXPECT_EQ(estado.alfabeto.modulo, 28);
}

TEST_F(ModuloActivo, Predefinidos) {
    const std::pair<const char*, double> casos[] = {
        {"ASCII", 195}, {"a-z", 28}, {"A-Z", 28}, {"a-z, A-Z", 55}, {"a-z, A-Z, 0-9", 65}};
    for (const auto& [nombre, n] : casos) {
        estado.alfabeto.nombre = nombre;
        EXPECT_TRUE(fijaModulo(estado)) << nombre;
        EXPECT_EQ(estado.alfabeto.modulo, n) << nombre;
        EXPECT_EQ(publicados.back(), n) << nombre;
        EXPECT_TRUE(esPredefinido(nombre));
    }
    EXPECT_FALSE(esPredefinido("Ascii"));
}

TEST_F(ModuloActivo, AlfabetoDeUsuarioPorSuNombre) {
    carga(3, "mío", {"5", "200", "7"});
    carga(5, "vacío", {});
    estado.alfabeto.nombre = "mío";
    EXPECT_TRUE(fijaModulo(estado));
    EXPECT_EQ(estado.alfabeto.modulo, 201);
    estado.alfabeto.nombre = "vacío";
    EXPECT_TRUE(fijaModulo(estado));
    EXPECT_EQ(estado.alfabeto.modulo, 1);
    EXPECT_EQ(publicados, (std::vector<double>{201, 1}));
}

TEST_F(ModuloActivo, NombreDesconocidoNoCambiaNada) {
    carga(0, "libre otra vez", {"0", "1"});
    estado.ranuras[0].libre = true;  // a closed slot no longer counts
    estado.alfabeto.modulo = 55;
    for (const char* nombre : {"libre otra vez", "alfabeto1", ""}) {
        estado.alfabeto.nombre = nombre;
        EXPECT_FALSE(fijaModulo(estado)) << nombre;
        EXPECT_EQ(estado.alfabeto.modulo, 55);
    }
    EXPECT_TRUE(publicados.empty());
}

}  // namespace
}  // namespace zefra
