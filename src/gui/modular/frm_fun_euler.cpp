#include "gui/modular/frm_fun_euler.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/arithmetic/numeros.hpp"
#include "core/modular/euler.hpp"
#include "core/primes/factorizacion.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {

FrExplicaEuler::FrExplicaEuler(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frExplicaEuler"),
              QStringLiteral("Razonamiento de la solución: Función de Euler")),
      contexto_(contexto) {
    txPrimosEuler_ = texto(this, "txPrimosEuler");
    txDescomEuler_ = campo(this, "txDescomEuler", true);
    txFormulaEuler_ = campo(this, "txFormulaEuler", true);
    lbExplicaEuler_ = etiqueta(this, "lbExplicaEuler", {});
    lbn_ = etiqueta(this, "lbn", {});
    lbFEulern_ = etiqueta(this, "lbFEulern", {});
    contexto.estado.observadores.primosEuler = [this](std::string_view lista, bool terminada) {
        txPrimosEuler_->setPlainText(aQt(lista));
        txPrimosEuler_->setReadOnly(terminada);
    };

    auto* formulas = new QGridLayout;
    formulas->addWidget(lbn_, 0, 0, Qt::AlignRight);
    formulas->addWidget(txDescomEuler_, 0, 1);
    formulas->addWidget(lbFEulern_, 1, 0, Qt::AlignRight);
    formulas->addWidget(txFormulaEuler_, 1, 1);
    auto* botones = filaDeBotones(this, {});
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(formulas);
    columna->addWidget(lbExplicaEuler_);
    columna->addWidget(etiqueta(this, "Label4", QStringLiteral("Estos son:")));
    columna->addWidget(txPrimosEuler_, 1);
    columna->addLayout(botones);
    resize(560, 360);
}

void FrExplicaEuler::explica(const QString& modulo, double n, double phi) {
    const auto formula = formulaEuler(contexto_.estado.factores, aCore(modulo));
    txDescomEuler_->setText(aQt(formula.descomposicion));
    txFormulaEuler_->setText(aQt(formula.formula));
    const QString textoN = aQt(textoDecimal(n));
    lbExplicaEuler_->setText(aQt(explicacionEuler(phi, n)));
    lbn_->setText(textoN + QStringLiteral(" ="));
    lbFEulern_->setText(QStringLiteral("F.E.( ") + textoN + QStringLiteral(" ) ="));
}

FrmFunEuler::FrmFunEuler(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmfuneuler"),
              QStringLiteral("FUNCIÓN DE EULER")),
      contexto_(contexto) {
    contexto.ventana<FrExplicaEuler>();  // its fields receive the routines' results
    txmodn3_ = campo(this, "txmodn3");
    txsoleuler_ = campo(this, "txsoleuler", true);
    auto* aceptar = boton(this, "btcalcueuler", QStringLiteral("&ACEPTAR"));
    aceptar->setDefault(true);
    auto* razonamiento = boton(this, "btexplicainver", QStringLiteral("&Razonamiento"));
    connect(aceptar, &QPushButton::clicked, this, &FrmFunEuler::calcula);
    connect(razonamiento, &QPushButton::clicked, this,
            [&contexto] { contexto.abre<FrExplicaEuler>(); });

    auto* rejilla = new QGridLayout;
    fila(rejilla, 0, QStringLiteral("&Módulo   n:"), txmodn3_);
    rejilla->setRowMinimumHeight(1, 10);
    fila(rejilla, 2, QStringLiteral("F.E. (n):"), txsoleuler_)->setObjectName("Label1");
    auto* botones = filaDeBotones(this, {aceptar, razonamiento});
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(rejilla);
    columna->addStretch();
    columna->addLayout(botones);
}

void FrmFunEuler::calcula() {
    atrapaErrores(this, "btcalcueuler", [this] {
        const auto n = leeNumero(textoDe(txmodn3_));
        if (!n || *n <= 0) return mensaje(this, "El módulo ha de ser un número >0");
        if (!longitudAdmitida(this, txmodn3_)) return;
        // φ of a fraction means nothing, and the factor table holds 32-bit numbers.
        if (*n != std::floor(*n)) return mensaje(this, "El módulo ha de ser un número entero.");
        if (*n > kMayorEntero32) {
            return mensaje(this, "El módulo ha de ser inferior a 2.147.483.648");
        }
        auto& estado = contexto_.estado;
        estado.tiempo.marcaInicio();
        txsoleuler_->clear();
        const auto phi = funcionEulerLista(estado, *n);
        if (!phi) return mensajeTiempoAgotado(this);
        factorizaPrimos(estado, *n);
        txsoleuler_->setText(aQt(textoDecimal(*phi)));
        contexto_.ventana<FrExplicaEuler>().explica(txmodn3_->text(), *n, *phi);
    });
}

}  // namespace zefra::gui
