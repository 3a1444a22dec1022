// The eight slots of user alphabets and the active alphabet: its modulus by name, the names a
// new or renamed alphabet may take, and what loading, renaming and closing a slot do.
#include "core/alphabets/ranuras.hpp"

#include <gtest/gtest.h>

#include "core/alphabets/activo.hpp"
#include "core/alphabets/edicion.hpp"
#include "core/alphabets/nombres.hpp"
#include "core/shell/prueba_nucleo.hpp"

namespace zefra {
namespace {

using Rechazo = std::optional<std::string>;

// "griego" (x 5, y 120) saved in slot 2, "copto" (a 00, b 01) unsaved in slot 5.
class Ranuras : public pruebas::PruebaNucleo {
  protected:
    Ranuras() {
        estado.observadores.moduloAlfabeto = [this](double n) { publicados.push_back(n); };
        Tabla t = tablaAlfabeto();
        fijaEquivalencias(t, {{"x", "5"}, {"y", "120"}});
        ocupaRanura(estado.ranuras[2], "griego", t, true);
        fijaEquivalencias(t, {{"a", "00"}, {"b", "01"}});
        ocupaRanura(estado.ranuras[5], "copto", t, false);
    }
    std::vector<double> publicados;
};

TEST_F(Ranuras, ModuloDelAlfabetoActivoPorSuNombre) {
    EXPECT_EQ(estado.alfabeto.modulo, 28);  // a-z at the start
    ocupaRanura(estado.ranuras[3], "vacío", tablaAlfabeto(), false);
    for (const auto& [nombre, n] : {std::pair{"ASCII", 195.}, {"griego", 121.}, {"vacío", 1.}}) {
        estado.alfabeto.nombre = nombre;
        EXPECT_TRUE(fijaModulo(estado)) << nombre;
        EXPECT_EQ(estado.alfabeto.modulo, n) << nombre;
        EXPECT_EQ(publicados.back(), n) << nombre;
    }
    // A closed slot no longer counts; an unknown name changes nothing.
    estado.ranuras[2].libre = true;
    for (const char* nombre : {"griego", "Ascii", ""}) {
        estado.alfabeto.nombre = nombre;
        EXPECT_FALSE(fijaModulo(estado)) << nombre;
        EXPECT_EQ(estado.alfabeto.modulo, 1);
    }
    EXPECT_EQ(publicados.size(), 3u);
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
}

TEST_F(Ranuras, RenombrarYCerrarElActivo) {
    estado.alfabeto.nombre = "griego";
    fijaModulo(estado);
    renombraAlfabeto(estado, 2, "heleno");
    renombraAlfabeto(estado, 5, "otro");  // not active: the active name does not follow
    EXPECT_EQ(estado.alfabeto.nombre + " " + estado.ranuras[2].nombre, "heleno heleno");
    EXPECT_FALSE(estado.ranuras[2].guardado);
    EXPECT_FALSE(cierraAlfabeto(estado, 5));  // another slot: the active alphabet stays
    EXPECT_TRUE(estado.ranuras[5].libre && equivalenciasDe(estado.ranuras[5].tabla).empty());
    EXPECT_EQ(estado.alfabeto.nombre, "heleno");
    EXPECT_TRUE(cierraAlfabeto(estado, 2));
    EXPECT_TRUE(estado.ranuras[2].libre && !estado.ranuras[2].guardado);
    EXPECT_EQ(estado.alfabeto.nombre, "a-z");
    EXPECT_EQ(publicados, (std::vector<double>{121, 28}));
}

}  // namespace
}  // namespace zefra
