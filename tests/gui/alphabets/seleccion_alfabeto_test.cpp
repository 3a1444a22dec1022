// Choosing the active alphabet from "Seleccionar": the label, the modulus, the enabling of the
// entries, and the statement of the key window that follows the modulus.
#include "gui/alphabets/alfabetos_prueba.hpp"

namespace zefra::pruebas {
namespace {

class SeleccionAlfabeto : public PruebaAlfabetos {};

TEST_F(SeleccionAlfabeto, CadaAlfabetoConSuModulo) {
    EXPECT_EQ(menu(), "a-z |");
    carga(2, "griego", "00 01 02 03 04 05 06 07 08 09");
    carga(5, "<b>raro</b>", "00 01 02");
    // From the last predefined to the first, so that every choice re-enables the one before.
    const std::tuple<std::string, const char*, double> casos[] = {
        {"nalfa_ASCII", "ASCII", 195},    {"nalfa_azAZ09", "a-z, A-Z, 0-9", 65},
        {"nalfa_azAZ", "a-z, A-Z", 55},   {"nalfa_az", "A-Z", 28},
        {"nalfa_azminus", "a-z", 28},     {"nalfaus(3)", "griego", 10},
        {"nalfaus(6)", "<b>raro</b>", 3}, {"nalfa_azAZ", "a-z, A-Z", 55},
    };
    for (const auto& [elegida, nombre, n] : casos) {
        accion(elegida.c_str())->trigger();
        EXPECT_EQ(activo(), nombre);
        EXPECT_EQ(estado.alfabeto.modulo, n) << nombre;
        // Only the entry of the active alphabet is disabled; the user's commands follow it.
        for (const char* e : {"nalfa_azminus", "nalfa_az", "nalfa_azAZ", "nalfa_azAZ09",
                              "nalfa_ASCII", "nalfaus(3)", "nalfaus(6)"})
            EXPECT_EQ(accion(e)->isEnabled(), e != elegida) << e << ' ' << nombre;
        EXPECT_EQ(deUsuarioHabilitados(), elegida.starts_with("nalfaus")) << nombre;
    }
    EXPECT_EQ(control<QLabel>(principal.get(), "lbalfabetoactivo")->textFormat(), Qt::PlainText);
    // The entry of a slot freed behind its back chooses nothing.
    estado.ranuras[5].libre = true;
    accion("nalfaus(6)")->trigger();
    EXPECT_EQ(activo(), "a-z, A-Z");
    EXPECT_EQ(estado.alfabeto.modulo, 55);
}

TEST_F(SeleccionAlfabeto, LaVentanaDeClavesDiceElModulo) {
    accion("ncripprivada")->trigger();
    auto* frase = control<QLabel>(ventana("frmpedirclaves"), "lbpedirclaves1");
    EXPECT_EQ(frase->text(),
              "Dado que se utiliza como módulo: n = 28 es necesario elegir para la clave privada "
              "r, un número tal que el m.c.d.( 28, r) = 1");
    accion("nalfa_ASCII")->trigger();
    EXPECT_TRUE(frase->text().contains("n = 195 ") && frase->text().contains("( 195, r)"));
}

}  // namespace
}  // namespace zefra::pruebas
