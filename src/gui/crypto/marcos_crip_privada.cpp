// The four frames of the private-key window, one per step, which the steps show in turn in the
// same place.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "gui/crypto/frm_crip_privada.hpp"
#include "gui/crypto/piezas_cifrado.hpp"
#include "gui/ui/rejilla.hpp"

namespace zefra::gui {

QWidget* FrmCripPrivada::construyeMarcos() {
    auto* zona = zonaDePasos(this);
    zona->setMinimumWidth(fontMetrics().averageCharWidth() * 46);

    const auto transcripcion =
        marcoDeTabla(zona, "Frame1", QStringLiteral("PASO 1"), tablaPaso1_, "Flexalfa1",
                     {"Transcripción inmediata del texto", "llano a una sucesión de dígitos",
                      "según se indica en la tabla de ", "conversión."});
    marcoTranscripcion_ = transcripcion.marco;
    tablaTranscripcion_ = transcripcion.rejilla;

    const auto cifrado =
        marcoConFormula(zona, QStringLiteral("PASO 2"),
                        {.marco = "frmpaso2",
                         .campo = "txpaso2cod",
                         .lineas = {"Concretamente:", "Se realiza la codificación usando",
                                    "la función de cifrado C, con las"},
                         .explicacion = "lbrsexplica",
                         .rotulo = "Función codificadora:",
                         .formula = "formulaCifrado",
                         .html = QStringLiteral("C<sub>r,s</sub>( [m] ) = [r] [m] + [s]")});
    marcoCifrado_ = cifrado.marco;
    formulaCifrado_ = cifrado.campo;
    explicacionClaves_ = cifrado.explicacion;

    const auto descifrado = marcoConFormula(
        zona, QStringLiteral("PASO 2"),
        {.marco = "frmpaso2_deco",
         .campo = "txpaso2decod",
         .lineas = {"Concretamente:", "Se realiza la decodificación del ",
                    "mensaje mediante la función de ", "descifrado D siguiente:"},
         .formula = "formulaDescifrado",
         .html = QStringLiteral("D<sub>r,s</sub>( [m*] ) = [ r ]<sup>-1</sup>( [m*] - [s] )")});
    marcoDescifrado_ = descifrado.marco;
    formulaDescifrado_ = descifrado.campo;

    const auto vuelta =
        marcoDeTabla(zona, "frmpaso3", QStringLiteral("PASO 3"), tablaPaso3_, "FlexAlfa3",
                     {"En este último paso, se realiza ", "la transcripción inmediata a los",
                      "símbolos del alfabeto mediante", "la tabla de conversión."});
    marcoVuelta_ = vuelta.marco;
    tablaVuelta_ = vuelta.rejilla;
    return zona;
}

}  // namespace zefra::gui
