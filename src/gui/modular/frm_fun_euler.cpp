#include "gui/modular/frm_fun_euler.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/modular/euler.hpp"
#include "core/primes/factorizacion.hpp"
#include "core/shell/numeros.hpp"
#include "gui/graficas/graficas.hpp"
#include "gui/ui/accesibilidad.hpp"
#include "gui/ui/avisos_zn.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/resultado.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {

FrExplicaEuler::FrExplicaEuler(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frExplicaEuler"),
              QStringLiteral("Razonamiento de la solución: Función de Euler")),
      contexto_(contexto) {
    primos_ = texto(this, "txPrimosEuler");
    descomposicion_ = campo(this, "txDescomEuler", true);
    formula_ = campo(this, "txFormulaEuler", true);
    explicacion_ = etiqueta(this, "lbExplicaEuler", {});
    igualN_ = etiqueta(this, "lbn", {});
    igualPhi_ = etiqueta(this, "lbFEulern", {});
    primos_->setAccessibleName(QStringLiteral("Números primos con n"));
    descomposicion_->setAccessibleName(QStringLiteral("Descomposición de n"));
    formula_->setAccessibleName(QStringLiteral("Fórmula de φ(n)"));
    etiquetaLegible(explicacion_);
    connect(&contexto.avisos, &Avisos::primosEuler, this,
            [this](const QString& lista, bool terminada) {
                primos_->setPlainText(lista);
                primos_->setReadOnly(terminada);
                // Read-only again: its caret for the keyboard, which setReadOnly takes away.
                if (terminada)
                    primos_->setTextInteractionFlags(primos_->textInteractionFlags() |
                                                     Qt::TextSelectableByKeyboard);
            });

    auto* formulas = new QGridLayout;
    formulas->addWidget(igualN_, 0, 0, Qt::AlignRight);
    formulas->addWidget(descomposicion_, 0, 1);
    formulas->addWidget(igualPhi_, 1, 0, Qt::AlignRight);
    formulas->addWidget(formula_, 1, 1);
    auto* botones = filaDeBotones(this, {});
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(formulas);
    columna->addWidget(explicacion_);
    columna->addWidget(etiqueta(this, "Label4", QStringLiteral("Estos son:")));
    columna->addWidget(primos_, 1);
    columna->addLayout(botones);
    resize(560, 360);

    // The formulas and sentences, then the list of the numbers prime to n, as shown.
    equipaExportacion(*this, contexto,
                      [this] {
                          Documento d{aCore(windowTitle()), entradas_, {}, {}};
                          if (entradas_.empty()) return d;
                          d.bloques.emplace_back(bloquePlano(
                              igualN_->text() + ' ' + descomposicion_->text() + '\n' +
                              igualPhi_->text() + ' ' + formula_->text() + '\n' +
                              explicacion_->text() + "\nEstos son:\n" + primos_->toPlainText()));
                          return d;
                      },
                      {primos_});
}

void FrExplicaEuler::explica(const QString& modulo, double n, double phi) {
    const auto formula = formulaEuler(contexto_.estado.factores, aCore(modulo));
    descomposicion_->setText(aQt(formula.descomposicion));
    formula_->setText(aQt(formula.formula));
    entradas_ = {{"Módulo n", aCore(modulo)}};
    const QString textoN = aQt(textoDecimal(n));
    explicacion_->setText(aQt(explicacionEuler(phi, n)));
    igualN_->setText(textoN + QStringLiteral(" ="));
    igualPhi_->setText(QStringLiteral("F.E.( ") + textoN + QStringLiteral(" ) ="));
}

FrmFunEuler::FrmFunEuler(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmfuneuler"),
              QStringLiteral("FUNCIÓN DE EULER")),
      contexto_(contexto) {
    contexto.ventana<FrExplicaEuler>();  // its list follows every computation of φ
    modulo_ = campo(this, "txmodn3");
    phi_ = campo(this, "txsoleuler", true);
    auto* aceptar = boton(this, "btcalcueuler", QStringLiteral("&ACEPTAR"));
    aceptar->setDefault(true);
    auto* razonamiento = boton(this, "btexplicainver", QStringLiteral("&Razonamiento"));
    grafica_ = boton(this, "btGrafica", QStringLiteral("&Gráfica"));
    grafica_->setEnabled(false);
    connect(aceptar, &QPushButton::clicked, this, &FrmFunEuler::calcula);
    connect(grafica_, &QPushButton::clicked, this,
            [this] { dibujaGrafica<FrGraficaEuler>(contexto_, true, n_); });
    connect(razonamiento, &QPushButton::clicked, this,
            [&contexto] { contexto.abre<FrExplicaEuler>(); });

    auto* rejilla = new QGridLayout;
    fila(rejilla, 0, QStringLiteral("&Módulo   n:"), modulo_);
    rejilla->setRowMinimumHeight(1, 10);
    fila(rejilla, 2, QStringLiteral("F.E. (n):"), phi_)->setObjectName("Label1");
    auto* botones = filaDeBotones(this, {aceptar, razonamiento, grafica_});
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(rejilla);
    columna->addStretch();
    columna->addLayout(botones);
}

void FrExplicaEuler::vacia() {
    vaciaResultado({primos_, descomposicion_, formula_, explicacion_, igualN_, igualPhi_});
    entradas_.clear();
}

void FrmFunEuler::calcula() {
    vaciaResultado({phi_}, {grafica_});
    contexto_.ventana<FrExplicaEuler>().vacia();
    atrapaErrores(this, "btcalcueuler", [this] {
        const auto n = leeNumero(textoDe(modulo_));
        if (!n || *n <= 0) return mensaje(this, "El módulo ha de ser un número >0");
        if (!longitudAdmitida(this, modulo_)) return;
        // φ of a fraction means nothing, and the factor table holds 32-bit numbers.
        if (!esEntero(*n)) return mensaje(this, "El módulo ha de ser un número entero.");
        if (*n > kMayorEntero32) {
            return mensaje(this, "El módulo ha de ser inferior a 2.147.483.648");
        }
        auto& estado = contexto_.estado;
        estado.tiempo.marcaInicio();
        AvisosVentanas avisos(contexto_.avisos);
        const auto phi = funcionEulerLista(estado.tiempo, estado.memoriaModulo, *n, &avisos);
        if (!phi) return mensajeTiempoAgotado(this, contexto_.estado.tiempo);
        // The factors explain φ; the factorization window shows them too.
        if (const auto lineas = factorizaPrimos(estado.tiempo, estado.factores, *n)) {
            emit contexto_.avisos.factorizacion(modulo_->text(), aQt(*lineas));
        }
        phi_->setText(aQt(textoDecimal(*phi)));
        contexto_.ventana<FrExplicaEuler>().explica(modulo_->text(), *n, *phi);
        // φ(k) up to this n can be drawn, and an open chart follows it.
        n_ = static_cast<std::uint64_t>(*n);
        grafica_->setEnabled(true);
        dibujaGrafica<FrGraficaEuler>(contexto_, false, n_);
    });
}

}  // namespace zefra::gui
