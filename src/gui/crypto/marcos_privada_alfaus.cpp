// The three frames of the private-key window for user alphabets: the conversion table, which
// both transcription steps show, and the two cipher steps.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "gui/crypto/fr_privada_alfaus.hpp"
#include "gui/crypto/piezas_cifrado.hpp"
#include "gui/ui/rejilla.hpp"

namespace zefra::gui {

QWidget* FrPrivadaAlfaus::construyeMarcos() {
    auto* zona = zonaDePasos(this);

    // The lines are written by the step that shows the table.
    marcoTabla_ = marcoDeTablaCompartida(zona, "Frame2", tabla_);

    const auto cifrado =
        marcoConFormula(zona, QStringLiteral("PASO 2"),
                        {.marco = "frmpaso2privadaus",
                         .campo = "txpaso2codPublica",
                         .lineas = {"Concretamente:", "Se realiza la codificación usando",
                                    "la función de cifrado C, con las", "claves privadas r y s."},
                         .rotulo = "Función codificadora:",
                         .formula = "formulaCifrado",
                         .html = QStringLiteral("C<sub>r, s</sub>( [ m ] ) = [r] [m ] + [s]")});
    marcoCifrado_ = cifrado.marco;
    formulaCifrado_ = cifrado.campo;

    const auto descifrado = marcoConFormula(
        zona, QStringLiteral("PASO 2"),
        {.marco = "frmpaso2decoprivada",
         .campo = "txpaso2decodPublica",
         .lineas = {"Concretamente:", "Se realiza la decodificación del",
                    "mensaje mediante la función de", "descifrado D siguiente:"},
         .rotulo = "Función decodificadora:",
         .formula = "formulaDescifrado",
         .html = QStringLiteral("D<sub>r, s</sub>( [ m* ] ) = [ r ]<sup>-1</sup> ( [m*] - [s] )")});
    marcoDescifrado_ = descifrado.marco;
    formulaDescifrado_ = descifrado.campo;
    return zona;
}

}  // namespace zefra::gui
