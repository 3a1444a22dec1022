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
    const auto tabla = marcoDeTabla(zona, "Frame2", QStringLiteral("PASO 1"), tabla_, "Flexalfa1",
                                    {"", "", "", ""});
    marcoTabla_ = tabla.marco;
    tablaConversion_ = tabla.rejilla;
    lineasTabla_ = tabla.lineas;
    const char* nombres[] = {"Label45", "Label47", "Label48", "Label49"};
    for (std::size_t k = 0; k < lineasTabla_.size(); ++k)
        lineasTabla_[k]->setObjectName(QString::fromLatin1(nombres[k]));

    const auto cifrado =
        marcoConFormula(zona, QStringLiteral("PASO 2"),
                        {"frmpaso2privadaus",
                         "txpaso2codPublica",
                         {"Concretamente:", "Se realiza la codificación usando",
                          "la función de cifrado C, con las", "claves privadas r y s."},
                         nullptr,
                         "Función codificadora:",
                         "formulaCifrado",
                         QStringLiteral("C<sub>r, s</sub>( [ m ] ) = [r] [m ] + [s]")});
    marcoCifrado_ = cifrado.marco;
    formulaCifrado_ = cifrado.campo;

    const auto descifrado = marcoConFormula(
        zona, QStringLiteral("PASO 2"),
        {"frmpaso2decoprivada",
         "txpaso2decodPublica",
         {"Concretamente:", "Se realiza la decodificación del", "mensaje mediante la función de",
          "descifrado D siguiente:"},
         nullptr,
         "Función decodificadora:",
         "formulaDescifrado",
         QStringLiteral("D<sub>r, s</sub>( [ m* ] ) = [ r ]<sup>-1</sup> ( [m*] - [s] )")});
    marcoDescifrado_ = descifrado.marco;
    formulaDescifrado_ = descifrado.campo;
    return zona;
}

}  // namespace zefra::gui
