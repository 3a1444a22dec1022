#include "gui/arithmetic/frm_restricciones_diof.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/arithmetic/restricciones.hpp"
#include "core/shell/numeros.hpp"
#include "gui/arithmetic/frm_diofanticas.hpp"
#include "gui/ui/accesibilidad.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/rejilla.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {
namespace {

// The four bounds in the order they are checked: x lower, x upper, y lower, y upper.
struct DescripcionCota {
    const char* campo;
    const char* casilla;
    const char* titulo;
    const char* nombre;  // as the messages name it
};
constexpr DescripcionCota kCotas[4] = {
    {"txx0", "Check1", "<=", "La cota inferior para x"},
    {"txx1", "Check2", "x  <=", "La cota superior para x"},
    {"txy0", "Check3", "<=", "La cota inferior para y"},
    {"txy1", "Check4", "y  <=", "La cota superior para y"},
};

}  // namespace

FrmRestriccionesDiof::FrmRestriccionesDiof(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmRestriccionesDiof"),
              QStringLiteral("Restricciones")),
      contexto_(contexto) {
    auto* cotas = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        cotas_[i] = campo(this, kCotas[i].campo);
        casillas_[i] = new QCheckBox(QString::fromUtf8(kCotas[i].titulo), this);
        casillas_[i]->setObjectName(QString::fromUtf8(kCotas[i].casilla));
        // The captions "<=" say nothing aloud: field and box are named after their bound.
        const QString cota = QString::fromUtf8(kCotas[i].nombre);
        cotas_[i]->setAccessibleName(cota);
        casillas_[i]->setAccessibleName(QStringLiteral("Usar ") + cota.toLower());
        // A bound typed counts: its box ticks itself. Unticked, the box empties its bound.
        connect(cotas_[i], &QLineEdit::textEdited, casillas_[i],
                [casilla = casillas_[i]](const QString& t) {
                    if (!t.trimmed().isEmpty()) casilla->setChecked(true);
                });
        connect(casillas_[i], &QCheckBox::toggled, cotas_[i], [cota = cotas_[i]](bool marcada) {
            if (!marcada) cota->clear();
        });
    }
    // Each row reads "lower <= x <= upper", with a tick box beside each bound.
    for (int fila = 0; fila < 2; ++fila) {
        cotas->addWidget(cotas_[2 * fila], fila, 0);
        cotas->addWidget(casillas_[2 * fila], fila, 1);
        cotas->addWidget(casillas_[2 * fila + 1], fila, 2);
        cotas->addWidget(cotas_[2 * fila + 1], fila, 3);
    }

    soluciones_ = etiqueta(this, "soluciones", {});
    intervalo_ = etiqueta(this, "intervalo", {});
    muestra_ = etiqueta(this, "Muestra", {});
    QFont negrita = intervalo_->font();
    negrita.setBold(true);
    intervalo_->setFont(negrita);
    for (QLabel* l : {soluciones_, intervalo_, muestra_}) {
        etiquetaLegible(l);
    }

    tabla_ = new Rejilla(tablaSoluciones_, 0, 1, this);
    tabla_->setObjectName(QStringLiteral("TablaSoluciones"));
    tabla_->muestraTodasLasFilas();

    auto* calcular = boton(this, "btCalculaRestr", QStringLiteral("&Calcular"));
    calcular->setDefault(true);
    verSoluciones_ = boton(this, "VerSoluciones", QStringLiteral("&Ver soluciones"));
    connect(calcular, &QPushButton::clicked, this, &FrmRestriccionesDiof::calcula);
    connect(verSoluciones_, &QPushButton::clicked, tabla_, &QWidget::show);
    grafica_ = boton(this, "btGrafica", QStringLiteral("&Gráfica"));
    connect(grafica_, &QPushButton::clicked, this,
            [this] { dibujaGrafica<FrGraficaDiofantica>(contexto_, true, datosGrafica_); });

    auto* botones = filaDeBotones(this, {calcular, verSoluciones_, grafica_});

    auto* columna = new QVBoxLayout(this);
    columna->addLayout(cotas);
    columna->addWidget(soluciones_);
    columna->addWidget(intervalo_);
    columna->addWidget(muestra_);
    columna->addWidget(tabla_);
    columna->addStretch();
    columna->addLayout(botones);
    prepara();
    resize(560, 300);

    // The sentences shown and, when there are finitely many, the solutions' grid.
    equipaExportacion(*this, contexto,
                      [this] {
                          Documento d{aCore(windowTitle()), entradas_, {}, {}};
                          QStringList frases;
                          for (const QLabel* l : {soluciones_, intervalo_, muestra_})
                              if (!l->text().isEmpty()) frases << l->text();
                          if (frases.isEmpty()) return d;
                          d.bloques.emplace_back(bloquePlano(frases.join('\n')));
                          if (verSoluciones_->isEnabled()) d.bloques.emplace_back(tabla_->bloque());
                          return d;
                      },
                      {tabla_, soluciones_, intervalo_, muestra_});
}

void FrmRestriccionesDiof::ocultaResultado() {
    entradas_.clear();
    for (QLabel* l : {soluciones_, intervalo_, muestra_}) {
        l->clear();
        l->hide();
    }
    verSoluciones_->setEnabled(false);
    grafica_->setEnabled(false);
    tabla_->hide();
}

void FrmRestriccionesDiof::prepara() {
    ocultaResultado();
    for (QLineEdit* cota : cotas_)
        cota->clear();
}

void FrmRestriccionesDiof::salir() {
    Ventana::salir();
    contexto_.ventana<FrmDiofanticas>().habilitaRestricciones();
}

void FrmRestriccionesDiof::calcula() {
    ocultaResultado();
    atrapaErrores(this, "btCalculaRestr", [this] {
        std::optional<double> valores[4];
        for (int i = 0; i < 4; ++i) {
            if (!casillas_[i]->isChecked()) {
                cotas_[i]->clear();
                continue;
            }
            const std::string nombre = kCotas[i].nombre;
            const auto v = leeNumero(textoDe(cotas_[i]));
            if (!v) return mensaje(this, nombre + " ha de ser un valor numérico");
            if (std::fabs(*v) > kMayorEntero32) {
                return mensaje(this, nombre + " debe estar entre -2.147.483.647 y 2.147.483.647");
            }
            valores[i] = v;
        }
        const auto p = contexto_.ventana<FrmDiofanticas>().parametrizacion();
        const Cotas cotas{valores[0], valores[1], valores[2], valores[3]};
        const auto intervalo = p ? intervaloDeK(*p, cotas) : std::nullopt;
        // The line and its box can be drawn even when no solution lies in it; an open chart
        // follows.
        const auto& abc = contexto_.ventana<FrmDiofanticas>().coeficientes();
        datosGrafica_ = {abc[0], abc[1], abc[2],
                         p,      cotas,  contexto_.ventana<FrmDiofanticas>().entradas()};
        for (int i = 0; i < 4; ++i) {
            if (valores[i])
                datosGrafica_.entradas.emplace_back(kCotas[i].nombre, textoDe(cotas_[i]));
        }
        grafica_->setEnabled(true);
        dibujaGrafica<FrGraficaDiofantica>(contexto_, false, datosGrafica_);
        if (!intervalo) return mensaje(this, "No existe solución con estas restricciones");

        entradas_ = contexto_.ventana<FrmDiofanticas>().entradas();
        for (int i = 0; i < 4; ++i) {
            if (valores[i]) entradas_.emplace_back(kCotas[i].nombre, textoDe(cotas_[i]));
        }
        const auto d = describeIntervalo(*intervalo);
        soluciones_->setText(aQt(d.soluciones));
        intervalo_->setText(aQt(d.intervalo));
        soluciones_->show();
        intervalo_->show();
        if (!d.finito) return;
        muestra_->setText(aQt(d.muestra));
        muestra_->show();
        verSoluciones_->setEnabled(true);
        llenaSoluciones(tablaSoluciones_, *p, intervalo->desde, d.ultimoK);
        tabla_->resizeColumnsToContents();
    });
}

}  // namespace zefra::gui
