// The four frames of the private-key window, one per step, which the steps show in turn in the
// same place.
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/crypto/frm_crip_privada.hpp"
#include "gui/crypto/piezas_cifrado.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/rejilla.hpp"

namespace zefra::gui {

QWidget* FrmCripPrivada::construyeMarcos() {
    auto* zona = new QWidget(this);
    auto* rejilla = new QGridLayout(zona);
    rejilla->setContentsMargins(0, 0, 0, 0);
    zona->setMinimumWidth(fontMetrics().averageCharWidth() * 46);

    Frame1_ = marcoDePaso(zona, "Frame1", QStringLiteral("PASO 1"));
    auto* paso1 = new QVBoxLayout(Frame1_);
    Flexalfa1_ = tablaDeConversion(paso1, Frame1_, tablaPaso1_, "Flexalfa1");
    lineasDePaso(paso1, Frame1_,
                 {"Transcripción inmediata del texto", "llano a una sucesión de dígitos",
                  "según se indica en la tabla de ", "conversión."});

    frmpaso2_ = marcoDePaso(zona, "frmpaso2", QStringLiteral("PASO 2"));
    auto* paso2 = new QVBoxLayout(frmpaso2_);
    txpaso2cod_ = campo(frmpaso2_, "txpaso2cod", true);
    paso2->addWidget(txpaso2cod_);
    lineasDePaso(paso2, frmpaso2_,
                 {"Concretamente:", "Se realiza la codificación usando",
                  "la función de cifrado C, con las"});
    lbrsexplica_ = etiqueta(frmpaso2_, "lbrsexplica", {});
    paso2->addWidget(lbrsexplica_);
    paso2->addSpacing(12);
    paso2->addWidget(new QLabel(QStringLiteral("Función codificadora:"), frmpaso2_));
    paso2->addWidget(formula(frmpaso2_, "formulaCifrado",
                             QStringLiteral("C<sub>r,s</sub>( [m] ) = [r] [m] + [s]")));
    paso2->addStretch();

    frmpaso2_deco_ = marcoDePaso(zona, "frmpaso2_deco", QStringLiteral("PASO 2"));
    auto* deco = new QVBoxLayout(frmpaso2_deco_);
    txpaso2decod_ = campo(frmpaso2_deco_, "txpaso2decod", true);
    deco->addWidget(txpaso2decod_);
    lineasDePaso(deco, frmpaso2_deco_,
                 {"Concretamente:", "Se realiza la decodificación del ",
                  "mensaje mediante la función de ", "descifrado D siguiente:"});
    deco->addSpacing(12);
    deco->addWidget(
        formula(frmpaso2_deco_, "formulaDescifrado",
                QStringLiteral("D<sub>r,s</sub>( [m*] ) = [ r ]<sup>-1</sup>( [m*] - [s] )")));
    deco->addStretch();

    frmpaso3_ = marcoDePaso(zona, "frmpaso3", QStringLiteral("PASO 3"));
    auto* paso3 = new QVBoxLayout(frmpaso3_);
    FlexAlfa3_ = tablaDeConversion(paso3, frmpaso3_, tablaPaso3_, "FlexAlfa3");
    lineasDePaso(paso3, frmpaso3_,
                 {"En este último paso, se realiza ", "la transcripción inmediata a los",
                  "símbolos del alfabeto mediante", "la tabla de conversión."});

    for (QGroupBox* m : {Frame1_, frmpaso2_, frmpaso2_deco_, frmpaso3_})
        rejilla->addWidget(m, 0, 0);
    return zona;
}

}  // namespace zefra::gui
