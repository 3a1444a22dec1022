// Names of user alphabets, and what loading, renaming and closing a slot do to the slots and
// the active alphabet.
#include "alphabets/nombres.hpp"

#include <gtest/gtest.h>

#include "alphabets/activo.hpp"
#include "alphabets/edicion.hpp"
#include "comun/reloj_falso.hpp"
#include "shell/estado.hpp"

namespace zefra {
namespace {

class Ranuras : public ::testing::Test {
  protected:
    Ranuras() {
        estado.observadores.moduloAlfabeto = [this](double n) { publicados.push_back(n); };
        Tabla t = tablaAlfabeto();
        fijaEquivalencias(t, {{"x", "5"}, {"y", "120"}});
        ocupaRanura(estado.ranuras[2], "griego", t, true);
        fijaEquivalencias(t, {{"a", "00"}, {"b", "01"}});
        ocupaRanura(estado.ranuras[5], "copto", t, false);
    }
    pruebas::RelojFalso reloj;
    Estado estado{reloj};
    std::vector<double> publicados;
};

TEST_F(Ranuras, OcuparIgualaLosAnchosYGuardaLasMarcas) {
    const auto& r = estado.ranuras[2];
    EXPECT_FALSE(r.libre);
    EXPECT_TRUE(r.guardado);
    EXPECT_EQ(r.nombre, "griego");
    EXPECT_EQ(equivalenciasDe(r.tabla), (std::vector<Equivalencia>{{"x", "005"}, {"y", "120"}}));
    EXPECT_FALSE(estado.ranuras[5].guardado);
    EXPECT_EQ(primeraRanuraLibre(estado.ranuras), 0);
    for (int i : {0, 1, 3, 4, 6, 7})
        estado.ranuras[static_cast<std::size_t>(i)].libre = false;
    EXPECT_EQ(primeraRanuraLibre(estado.ranuras), std::nullopt);
}

TEST_F(Ranuras, NombresUsados) {
    for (const char* usado : {"a-z", "A-Z", "a-z, A-Z", "a-z, A-Z, 0-9", "ASCII", "griego"})
        EXPECT_TRUE(nombreAlfabetoUsado(estado.ranuras, usado)) << usado;
    for (const char* libre : {"ascii", "Griego", "griego ", "", "alfabeto3"})
        EXPECT_FALSE(nombreAlfabetoUsado(estado.ranuras, libre)) << libre;
    estado.ranuras[2].libre = true;
    EXPECT_FALSE(nombreAlfabetoUsado(estado.ranuras, "griego"));
}

TEST_F(Ranuras, NombreDeUnAlfabetoNuevo) {
    const std::pair<const char*, std::optional<std::string>> casos[] = {
        {"", "Debes poner un nombre al alfabeto."},
        {"ASCII", "Este nombre ya corresponde a un alfabeto. Escribe otro, por favor."},
        {"copto", "Este nombre ya corresponde a un alfabeto. Escribe otro, por favor."},
        {"   ", "El nombre no puede estar formado únicamente por espacios en blanco."},
        {" mío", "El nombre no puede empezar por un espacio en blanco."},
        {"Copto", std::nullopt},
        {"mío ", std::nullopt},
        {"a&b <i>", std::nullopt},
    };
    for (const auto& [nombre, rechazo] : casos)
        EXPECT_EQ(rechazoNombreNuevo(estado.ranuras, nombre), rechazo) << nombre;
}

TEST_F(Ranuras, CambioDeNombre) {
    const std::pair<const char*, std::optional<std::string>> casos[] = {
        {"copto", std::nullopt},  // its own name
        {"griego", kMensajeNombreDeOtro},
        {"a-z, A-Z", kMensajeNombreDeOtro},
        {"", "Se le ha de poner un nombre."},
        {"  ", "El nombre no puede estar formado únicamente por espacios en blanco."},
        {" c", "El nombre no puede empezar por un espacio en blanco."},
        {"demótico", std::nullopt},
    };
    for (const auto& [nombre, rechazo] : casos)
        EXPECT_EQ(rechazoCambioNombre(estado.ranuras, 5, nombre), rechazo) << nombre;
}

TEST_F(Ranuras, RenombrarYCerrarElActivo) {
    estado.alfabeto.nombre = "griego";
    fijaModulo(estado);
    renombraAlfabeto(estado, 2, "heleno");
    EXPECT_EQ(estado.alfabeto.nombre, "heleno");
    EXPECT_EQ(estado.ranuras[2].nombre, "heleno");
    EXPECT_FALSE(estado.ranuras[2].guardado);
    EXPECT_TRUE(esActivo(estado, 2));

    // Another slot closes: the active alphabet stays.
    EXPECT_FALSE(cierraAlfabeto(estado, 5));
    EXPECT_TRUE(estado.ranuras[5].libre);
    EXPECT_TRUE(equivalenciasDe(estado.ranuras[5].tabla).empty());
    EXPECT_EQ(estado.alfabeto.nombre, "heleno");

    EXPECT_TRUE(cierraAlfabeto(estado, 2));
    EXPECT_TRUE(estado.ranuras[2].libre);
    EXPECT_FALSE(estado.ranuras[2].guardado);
    EXPECT_EQ(estado.alfabeto.nombre, "a-z");
    EXPECT_EQ(estado.alfabeto.modulo, 28);
    EXPECT_EQ(publicados, (std::vector<double>{121, 28}));

    renombraAlfabeto(estado, 5, "otro");  // not active: the active name does not follow
    EXPECT_EQ(estado.alfabeto.nombre, "a-z");
}

}  // namespace
}  // namespace zefra
