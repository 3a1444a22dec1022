#include "gui/modular/frm_repres_zn.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/arithmetic/numeros.hpp"
#include "core/modular/razonamientos.hpp"
#include "core/modular/representante.hpp"
#include "gui/modular/fr_razonamiento.hpp"
#include "gui/modular/validacion_zn.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {

FrmRepresZn::FrmRepresZn(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmrepresZn"),
              QStringLiteral("Representante de clase")),
      contexto_(contexto) {
    txmodn_ = campo(this, "txmodn");
    txclase_ = campo(this, "txclase");
    txsolrepres_ = campo(this, "txsolrepres", true);
    txRestoRepres_ = campo(this, "txRestoRepres", true);
    txcociente_ = campo(this, "txcociente", true);
    txRestoRepres_->hide();
    txcociente_->hide();
    contexto.estado.observadores.representante = [this](double resto, double cociente) {
        resto_ = resto;
        cociente_ = cociente;
        txRestoRepres_->setText(aQt(textoDecimal(resto)));
        txcociente_->setText(aQt(textoDecimal(cociente)));
    };

    auto* calcular = boton(this, "btcalcurepres", QStringLiteral("&calcular"));
    calcular->setDefault(true);
    auto* razonamiento = boton(this, "btexplicainver", QStringLiteral("&Razonamiento"));
    connect(calcular, &QPushButton::clicked, this, &FrmRepresZn::calcula);
    connect(razonamiento, &QPushButton::clicked, this,
            [&contexto] { contexto.abre<FrExplicaRepres>(); });

    auto* rejilla = new QGridLayout;
    auto* modulo = etiqueta(this, "Label1", QStringLiteral("&módulo   n:"));
    modulo->setBuddy(txmodn_);
    rejilla->addWidget(modulo, 0, 0, Qt::AlignRight);
    rejilla->addWidget(txmodn_, 0, 1);
    auto* clase = etiqueta(this, "Label2", QStringLiteral("El representante &de ["));
    clase->setBuddy(txclase_);
    rejilla->addWidget(clase, 1, 0, Qt::AlignRight);
    rejilla->addWidget(txclase_, 1, 1);
    rejilla->addWidget(etiqueta(this, "Label3", QStringLiteral("]   es:")), 1, 2);
    rejilla->addWidget(txsolrepres_, 1, 3);

    auto* botones = filaDeBotones(this, {calcular, razonamiento});
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(rejilla);
    columna->addStretch();
    columna->addLayout(botones);
}

void FrmRepresZn::calcula() {
    atrapaErrores(this, "btcalcurepres", [this] {
        const auto n =
            leeModulo(this, txmodn_,
                      {"El módulo ha de ser un número >0", "El módulo ha de ser un número >0",
                       "El valor numérico ha de ser inferior a 2.147.483.647"});
        if (!n) return;
        const auto a = leeElemento(
            this, txclase_,
            {"El número de clase ha de ser numérico",
             "El valor numérico ha de estar comprendido entre  -2.147.483.647 y 2.147.483.647"});
        if (!a || !longitudAdmitida(this, txmodn_)) return;
        txsolrepres_->clear();
        const double r = representante(contexto_.estado, *n, *a);
        txsolrepres_->setText(aQt(textoDecimal(r)));
        contexto_.ventana<FrExplicaRepres>().fijaRazonamiento(
            aQt(razonamientoRepresentante(*a, *n, cociente_, resto_, r)));
    });
}

}  // namespace zefra::gui
