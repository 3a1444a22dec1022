// The eight slots of user alphabets and the active alphabet: its modulus by name, the names a
// new or renamed alphabet may take, and what loading, renaming and closing a slot do.
#include "core/alphabets/ranuras.hpp"

#include <gtest/gtest.h>

#include "core/alphabets/activo.hpp"
#include "core/alphabets/nombres.hpp"
#include "core/shell/prueba_nucleo.hpp"

namespace zefra {
namespace {

using Rechazo = std::optional<std::string>;

// "griego" (x 5, y 120) saved in slot 2, "copto" (a 00, b 01) unsaved in slot 5.
class Ranuras : public pruebas::PruebaNucleo {
  protected:
    Ranuras() {
        ocupaRanura(estado.ranuras[2], {"griego", {{"x", "5"}, {"y", "120"}}}, true);
        ocupaRanura(estado.ranuras[5], {"copto", {{"a", "00"}, {"b", "01"}}}, false);
    }
    RanurasAlfabeto& ranuras = estado.ranuras;
    AlfabetoActivo& activo = estado.alfabeto;
};

TEST_F(Ranuras, ModuloDelAlfabetoActivoPorSuNombre) {
    EXPECT_EQ(estado.alfabeto.modulo, 28);  // a-z at the start
    ocupaRanura(estado.ranuras[3], {"vacío", {}}, false);
    EXPECT_EQ(ranuras[2].alfabeto.equivalencias[0].codigo, "005");  // at the common width
    for (const auto& [nombre, n] : {std::pair{"ASCII", 195.}, {"griego", 121.}, {"vacío", 1.}}) {
        activo.nombre = nombre;
        EXPECT_TRUE(fijaModulo(ranuras, activo)) << nombre;
        EXPECT_EQ(activo.modulo, n) << nombre;
    }
    // A closed slot no longer counts; an unknown name changes nothing.
    estado.ranuras[2].libre = true;
    for (const char* nombre : {"griego", "Ascii", ""}) {
        activo.nombre = nombre;
        EXPECT_FALSE(fijaModulo(ranuras, activo)) << nombre;
        EXPECT_EQ(activo.modulo, 1);
    }
}

// Predefined and loaded names are taken, exactly as written.
TEST_F(Ranuras, NombresNuevosYCambiados) {
    const std::pair<const char*, Rechazo> nuevos[] = {
        {"", "Debes poner un nombre al alfabeto."},
        {"ASCII", "Este nombre ya corresponde a un alfabeto. Escribe otro, por favor."},
        {"copto", "Este nombre ya corresponde a un alfabeto. Escribe otro, por favor."},
        {"   ", "El nombre no puede estar formado únicamente por espacios en blanco."},
        {" mío", "El nombre no puede empezar por un espacio en blanco."},
        {"Copto", std::nullopt},
        {"ascii", std::nullopt},
        {"mío ", std::nullopt},
    };
    for (const auto& [nombre, rechazo] : nuevos)
        EXPECT_EQ(rechazoNombreNuevo(estado.ranuras, nombre), rechazo) << nombre;

    const std::pair<const char*, Rechazo> cambios[] = {
        {"copto", std::nullopt},  // its own name
        {"griego", kMensajeNombreDeOtro},
        {"a-z, A-Z", kMensajeNombreDeOtro},
        {"", "Se le ha de poner un nombre."},
        {"  ", "El nombre no puede estar formado únicamente por espacios en blanco."},
        {" c", "El nombre no puede empezar por un espacio en blanco."},
        {"demótico", std::nullopt},
    };
    for (const auto& [nombre, rechazo] : cambios)
        EXPECT_EQ(rechazoCambioNombre(estado.ranuras, 5, nombre), rechazo) << nombre;
    ocupaRanura(estado.ranuras[0], {"cero", {}}, false);  // the first slot counts too
    EXPECT_EQ(rechazoCambioNombre(estado.ranuras, 5, "cero"), kMensajeNombreDeOtro);
}

TEST_F(Ranuras, RenombrarElActivo) {
    activo.nombre = "griego";
    renombraAlfabeto(ranuras, activo, 2, "heleno");
    renombraAlfabeto(ranuras, activo, 5, "otro");  // not active: the active name does not follow
    EXPECT_EQ(activo.nombre + " " + ranuras[2].alfabeto.nombre, "heleno heleno");
    EXPECT_FALSE(ranuras[2].guardado);
    EXPECT_TRUE(esActivo(ranuras, activo, 2));
}

TEST_F(Ranuras, CerrarElActivo) {
    activo.nombre = "griego";
    fijaModulo(ranuras, activo);
    EXPECT_FALSE(cierraAlfabeto(ranuras, activo, 5));  // another slot: the active one stays
    EXPECT_TRUE(ranuras[5].libre && ranuras[5].alfabeto.equivalencias.empty());
    EXPECT_EQ(activo.nombre + " " + std::to_string(activo.modulo), "griego 121.000000");
    EXPECT_TRUE(cierraAlfabeto(ranuras, activo, 2));
    EXPECT_TRUE(ranuras[2].libre && !ranuras[2].guardado);
    EXPECT_EQ(activo.nombre, "a-z");
    EXPECT_EQ(activo.modulo, 28);
}

}  // namespace
}  // namespace zefra
