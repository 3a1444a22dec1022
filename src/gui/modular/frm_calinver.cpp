#include "gui/modular/frm_calinver.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/modular/inverso.hpp"
#include "core/modular/razonamientos.hpp"
#include "core/modular/representante.hpp"
#include "core/shell/numeros.hpp"
#include "gui/modular/fr_razonamiento.hpp"
#include "gui/modular/validacion_zn.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/resultado.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {

FrmCalInver::FrmCalInver(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmcalinver"),
              QStringLiteral("INVERSO DE UN ELEMENTO DE Zn")),
      contexto_(contexto) {
    modulo_ = campo(this, "txmodn2");
    elemento_ = campo(this, "txelemzn");
    inverso_ = campo(this, "txinver", true);

    auto* aceptar = boton(this, "btcalcuinver", QStringLiteral("&ACEPTAR"));
    aceptar->setDefault(true);
    auto* razonamiento = boton(this, "btexplicainver", QStringLiteral("&Razonamiento"));
    connect(aceptar, &QPushButton::clicked, this, &FrmCalInver::calcula);
    connect(razonamiento, &QPushButton::clicked, this,
            [&contexto] { contexto.abre<FrExplicaInver>(); });

    auto* rejilla = new QGridLayout;
    fila(rejilla, 0, QStringLiteral("&Módulo   n:"), modulo_);
    fila(rejilla, 1, QStringLiteral("&Elemento de Zn"), elemento_)->setObjectName("Label1");
    rejilla->setRowMinimumHeight(2, 10);
    fila(rejilla, 3, QStringLiteral("El  inverso  es :"), inverso_)->setObjectName("Label2");

    auto* botones = filaDeBotones(this, {aceptar, razonamiento});
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(rejilla);
    columna->addStretch();
    columna->addLayout(botones);
}

void FrmCalInver::calcula() {
    auto& razonamiento = contexto_.ventana<FrExplicaInver>();
    razonamiento.fijaRazonamiento({});
    vaciaResultado({inverso_});
    atrapaErrores(this, "btcalcuinver", [&] {
        const auto n = leeModulo(this, modulo_,
                                 {"El módulo ha de ser un valor numérico.",
                                  "El módulo ha de ser un valor positivo (>0).",
                                  "El número está limitado al valor 2.147.483.647"});
        if (!n) return;
        const auto a =
            leeElemento(this, elemento_,
                        {"El número de clase ha de ser numérico",
                         "El valor númerico está limitado entre -2.147.483.647 y 2.147.483.647"});
        if (!a || !longitudAdmitida(this, modulo_)) return;
        auto& estado = contexto_.estado;
        estado.tiempo.marcaInicio();

        // A negative element stands for its representative.
        const double elemento = *a < 0 ? representante(*n, *a).representante : *a;
        const auto [r, euclides] = inversoZn(estado.tiempo, *n, elemento);
        const Entradas entradas{{"Módulo n", textoDe(modulo_)},
                                {"Elemento de Zn", textoDe(elemento_)}};
        contexto_.trazas.publica(Publicada<TrazaEuclides>{euclides, entradas, windowTitle()});
        if (!r) return mensajeTiempoAgotado(this, contexto_.estado.tiempo, *a >= 0);
        // The verdict rests on the gcd: in Z1 the inverse of [0] is [0] itself.
        inverso_->setText(r->mcd == 1 ? aQt(textoDecimal(r->inverso))
                                      : QStringLiteral("No existe."));
        razonamiento.fijaRazonamiento(aQt(razonamientoInverso(*n, *a, *r)), entradas);
    });
}

}  // namespace zefra::gui
