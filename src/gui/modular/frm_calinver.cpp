#include "gui/modular/frm_calinver.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/arithmetic/numeros.hpp"
#include "core/modular/inverso.hpp"
#include "core/modular/razonamientos.hpp"
#include "core/modular/representante.hpp"
#include "gui/modular/fr_razonamiento.hpp"
#include "gui/modular/validacion_zn.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {

FrmCalInver::FrmCalInver(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmcalinver"),
              QStringLiteral("INVERSO DE UN ELEMENTO DE Zn")),
      contexto_(contexto) {
    txmodn2_ = campo(this, "txmodn2");
    txelemzn_ = campo(this, "txelemzn");
    txinver_ = campo(this, "txinver", true);
    txmcd_ = campo(this, "txmcd", true);
    txInverSinConvertir_ = campo(this, "txInverSinConvertir", true);
    txKentero_ = campo(this, "txKentero", true);
    for (QLineEdit* oculto : {txmcd_, txInverSinConvertir_, txKentero_})
        oculto->hide();
    auto& observadores = contexto.estado.observadores;
    observadores.mcdInverso = [this](double g) {
        mcd_ = g;
        txmcd_->setText(aQt(textoDecimal(g)));
    };
    observadores.inversoSinConvertir = [this](double x) {
        sinConvertir_ = x;
        txInverSinConvertir_->setText(aQt(textoDecimal(x)));
    };
    observadores.coeficienteInverso = [this](double y) {
        txKentero_->setText(aQt(textoDecimal(y)));
    };

    auto* aceptar = boton(this, "btcalcuinver", QStringLiteral("&ACEPTAR"));
    aceptar->setDefault(true);
    auto* razonamiento = boton(this, "btexplicainver", QStringLiteral("&Razonamiento"));
    connect(aceptar, &QPushButton::clicked, this, &FrmCalInver::calcula);
    connect(razonamiento, &QPushButton::clicked, this,
            [&contexto] { contexto.abre<FrExplicaInver>(); });

    auto* rejilla = new QGridLayout;
    fila(rejilla, 0, QStringLiteral("&Módulo   n:"), txmodn2_);
    fila(rejilla, 1, QStringLiteral("&Elemento de Zn"), txelemzn_)->setObjectName("Label1");
    rejilla->setRowMinimumHeight(2, 10);
    fila(rejilla, 3, QStringLiteral("El  inverso  es :"), txinver_)->setObjectName("Label2");

    auto* botones = filaDeBotones(this, {aceptar, razonamiento});
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(rejilla);
    columna->addStretch();
    columna->addLayout(botones);
}

void FrmCalInver::calcula() {
    auto& razonamiento = contexto_.ventana<FrExplicaInver>();
    razonamiento.fijaRazonamiento({});
    atrapaErrores(this, "btcalcuinver", [&] {
        const auto n = leeModulo(this, txmodn2_,
                                 {"El módulo ha de ser un valor numérico.",
                                  "El módulo ha de ser un valor positivo (>0).",
                                  "El número está limitado al valor 2.147.483.647"});
        if (!n) return;
        const auto a =
            leeElemento(this, txelemzn_,
                        {"El número de clase ha de ser numérico",
                         "El valor númerico está limitado entre -2.147.483.647 y 2.147.483.647"});
        if (!a || !longitudAdmitida(this, txmodn2_)) return;
        auto& estado = contexto_.estado;
        estado.tiempo.marcaInicio();
        txinver_->clear();

        DatosInverso datos;
        datos.n = *n;
        datos.a = *a;
        double elemento = *a;
        if (*a < 0) {
            const DivisionZn division = divisionEnZn(*n, *a);
            datos.cociente = division.cociente;
            datos.resto = division.resto;
            datos.representante = representante(estado, *n, *a);
            elemento = division.representante;
        }
        const auto inverso = inversoZn(estado, *n, elemento);
        if (!inverso) {
            return mensajeTiempoAgotado(this, *a >= 0);
        }
        datos.mcd = mcd_;
        datos.inverso = *inverso;
        datos.x = sinConvertir_;
        // The verdict rests on the gcd: in Z1 the inverse of [0] is [0] itself.
        txinver_->setText(mcd_ == 1 ? aQt(textoDecimal(*inverso)) : QStringLiteral("No existe."));
        razonamiento.fijaRazonamiento(aQt(razonamientoInverso(datos)));
    });
}

}  // namespace zefra::gui
