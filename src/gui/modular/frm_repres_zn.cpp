#include "gui/modular/frm_repres_zn.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/modular/razonamientos.hpp"
#include "core/modular/representante.hpp"
#include "core/shell/numeros.hpp"
#include "gui/modular/fr_razonamiento.hpp"
#include "gui/modular/validacion_zn.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/resultado.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {

FrmRepresZn::FrmRepresZn(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmrepresZn"),
              QStringLiteral("Representante de clase")),
      contexto_(contexto) {
    modulo_ = campo(this, "txmodn");
    clase_ = campo(this, "txclase");
    representante_ = campo(this, "txsolrepres", true);

    auto* calcular = boton(this, "btcalcurepres", QStringLiteral("&calcular"));
    calcular->setDefault(true);
    auto* razonamiento = boton(this, "btexplicainver", QStringLiteral("&Razonamiento"));
    connect(calcular, &QPushButton::clicked, this, &FrmRepresZn::calcula);
    connect(razonamiento, &QPushButton::clicked, this,
            [&contexto] { contexto.abre<FrExplicaRepres>(); });

    auto* rejilla = new QGridLayout;
    auto* modulo = etiqueta(this, "Label1", QStringLiteral("&módulo   n:"));
    modulo->setBuddy(modulo_);
    rejilla->addWidget(modulo, 0, 0, Qt::AlignRight);
    rejilla->addWidget(modulo_, 0, 1);
    auto* clase = etiqueta(this, "Label2", QStringLiteral("El representante &de ["));
    clase->setBuddy(clase_);
    rejilla->addWidget(clase, 1, 0, Qt::AlignRight);
    rejilla->addWidget(clase_, 1, 1);
    rejilla->addWidget(etiqueta(this, "Label3", QStringLiteral("]   es:")), 1, 2);
    representante_->setAccessibleName(QStringLiteral("Representante"));
    rejilla->addWidget(representante_, 1, 3);

    auto* botones = filaDeBotones(this, {calcular, razonamiento});
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(rejilla);
    columna->addStretch();
    columna->addLayout(botones);
}

void FrmRepresZn::calcula() {
    vaciaResultado({representante_});
    contexto_.ventana<FrExplicaRepres>().fijaRazonamiento({});
    atrapaErrores(this, "btcalcurepres", [this] {
        const auto n =
            leeModulo(this, modulo_,
                      {"El módulo ha de ser un número >0", "El módulo ha de ser un número >0",
                       "El valor numérico ha de ser inferior a 2.147.483.647"});
        if (!n) return;
        const auto a = leeElemento(
            this, clase_,
            {"El número de clase ha de ser numérico",
             "El valor numérico ha de estar comprendido entre  -2.147.483.647 y 2.147.483.647"});
        if (!a || !longitudAdmitida(this, modulo_)) return;
        const DivisionZn d = representante(*n, *a);
        representante_->setText(aQt(textoDecimal(d.representante)));
        contexto_.ventana<FrExplicaRepres>().fijaRazonamiento(
            aQt(razonamientoRepresentante(*a, *n, d.cociente, d.resto, d.representante)),
            {{"Módulo n", textoDe(modulo_)}, {"a", textoDe(clase_)}});
    });
}

}  // namespace zefra::gui
