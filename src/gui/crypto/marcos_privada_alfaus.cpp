// The three frames of the private-key window for user alphabets: the conversion table, which
// both transcription steps show, and the two cipher steps.
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/crypto/fr_privada_alfaus.hpp"
#include "gui/crypto/piezas_cifrado.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/rejilla.hpp"

namespace zefra::gui {

QWidget* FrPrivadaAlfaus::construyeMarcos() {
    auto* zona = new QWidget(this);
    auto* rejilla = new QGridLayout(zona);
    rejilla->setContentsMargins(0, 0, 0, 0);

    Frame2_ = marcoDePaso(zona, "Frame2", QStringLiteral("PASO 1"));
    auto* tabla = new QVBoxLayout(Frame2_);
    Flexalfa1_ = tablaDeConversion(tabla, Frame2_, tabla_, "Flexalfa1");
    auto* bloque = new QVBoxLayout;
    bloque->setSpacing(0);
    const char* nombres[] = {"Label45", "Label47", "Label48", "Label49"};
    for (std::size_t k = 0; k < lineasTabla_.size(); ++k) {
        lineasTabla_[k] = etiqueta(Frame2_, nombres[k], {});
        bloque->addWidget(lineasTabla_[k]);
    }
    tabla->addLayout(bloque);

    frmpaso2privadaus_ = marcoDePaso(zona, "frmpaso2privadaus", QStringLiteral("PASO 2"));
    auto* cifrado = new QVBoxLayout(frmpaso2privadaus_);
    txpaso2codPublica_ = campo(frmpaso2privadaus_, "txpaso2codPublica", true);
    cifrado->addWidget(txpaso2codPublica_);
    lineasDePaso(cifrado, frmpaso2privadaus_,
                 {"Concretamente:", "Se realiza la codificación usando",
                  "la función de cifrado C, con las", "claves privadas r y s."});
    cifrado->addSpacing(12);
    cifrado->addWidget(new QLabel(QStringLiteral("Función codificadora:"), frmpaso2privadaus_));
    cifrado->addWidget(formula(frmpaso2privadaus_, "formulaCifrado",
                               QStringLiteral("C<sub>r, s</sub>( [ m ] ) = [r] [m ] + [s]")));
    cifrado->addStretch();

    frmpaso2decoprivada_ = marcoDePaso(zona, "frmpaso2decoprivada", QStringLiteral("PASO 2"));
    auto* descifrado = new QVBoxLayout(frmpaso2decoprivada_);
    txpaso2decodPublica_ = campo(frmpaso2decoprivada_, "txpaso2decodPublica", true);
    descifrado->addWidget(txpaso2decodPublica_);
    lineasDePaso(descifrado, frmpaso2decoprivada_,
                 {"Concretamente:", "Se realiza la decodificación del",
                  "mensaje mediante la función de", "descifrado D siguiente:"});
    descifrado->addSpacing(12);
    descifrado->addWidget(
        new QLabel(QStringLiteral("Función decodificadora:"), frmpaso2decoprivada_));
    descifrado->addWidget(
        formula(frmpaso2decoprivada_, "formulaDescifrado",
                QStringLiteral("D<sub>r, s</sub>( [ m* ] ) = [ r ]<sup>-1</sup> ( [m*] - [s] )")));
    descifrado->addStretch();

    for (QGroupBox* m : {Frame2_, frmpaso2privadaus_, frmpaso2decoprivada_})
        rejilla->addWidget(m, 0, 0);
    return zona;
}

}  // namespace zefra::gui
