#include "gui/modular/frm_calcupoten.hpp"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <string>

#include "core/modular/potencias.hpp"
#include "core/modular/traza_potencia.hpp"
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

FrTrazaPotencia::FrTrazaPotencia(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frTrazaPotencia"),
              QStringLiteral("Traza del cálculo de potencias en Zn")),
      contexto_(contexto) {
    reduccion_ = etiqueta(this, "lbTrazaPotencia", {});
    reduccion_->setWordWrap(true);
    etiquetaLegible(reduccion_);
    pasos_ = texto(this, "txTrazaPotencia");
    pasos_->setAccessibleName(QStringLiteral("Pasos del cálculo"));
    pasos_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    pasos_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* botones = filaDeBotones(this, {});
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(reduccion_);
    columna->addWidget(pasos_, 1);
    columna->addLayout(botones);
    resize(760, 480);

    // Why b was reduced, when it was, and the steps in a fixed-width font, as shown.
    equipaExportacion(*this, contexto,
                      [this] {
                          Documento d{aCore(windowTitle()), entradas_, {}, {}};
                          if (!reduccion_->text().isEmpty())
                              d.bloques.emplace_back(bloquePlano(reduccion_->text()));
                          if (!pasos_->toPlainText().isEmpty())
                              d.bloques.emplace_back(BloqueTraza{aCore(pasos_->toPlainText())});
                          return d;
                      },
                      {pasos_, reduccion_});
}

void FrTrazaPotencia::actualiza() {
    if (!isVisible() || pendiente_) return;
    // Many powers in a row (a cipher) are written once, when the program next draws.
    pendiente_ = true;
    QTimer::singleShot(0, this, [this] {
        pendiente_ = false;
        escribe();
    });
}

void FrTrazaPotencia::showEvent(QShowEvent* evento) {
    escribe();
    Ventana::showEvent(evento);
}

void FrTrazaPotencia::escribe() {
    const auto& publicada = contexto_.trazas.potencia();
    const auto& traza = publicada.traza;
    const auto texto = textoTrazaPotencia(traza);
    entradas_.clear();
    if (traza.resultado) {
        // b as given, before any reduction modulo φ(n), and the window that asked.
        const auto b = traza.reduccion ? traza.reduccion->b : traza.exponente;
        entradas_ = Publicada<TrazaPotencia>{{},
                                             {{"Módulo n", std::to_string(traza.n)},
                                              {"a", std::to_string(traza.a)},
                                              {"b", std::to_string(b)}},
                                             publicada.ventana}
                        .encabezado();
    }
    reduccion_->setText(aQt(texto.etiqueta));
    pasos_->setPlainText(aQt(texto.traza));
}

FrmCalcupoten::FrmCalcupoten(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmcalcupoten"),
              QStringLiteral("Cálculo de potencias en Zn")),
      contexto_(contexto) {
    modulo_ = campo(this, "txn");
    base_ = campo(this, "Txa");
    exponente_ = campo(this, "Txb");
    resultado_ = campo(this, "txr", true);
    auto* aceptar = boton(this, "btcalcupoten", QStringLiteral("A&ceptar"));
    aceptar->setDefault(true);
    verTraza_ = boton(this, "btTrazaPotencia", QStringLiteral("&Traza"));
    verTraza_->setEnabled(false);
    grafica_ = boton(this, "btGrafica", QStringLiteral("&Gráfica"));
    grafica_->setEnabled(false);
    connect(aceptar, &QPushButton::clicked, this, &FrmCalcupoten::calcula);
    connect(grafica_, &QPushButton::clicked, this,
            [this] { dibujaGrafica<FrGraficaPotencias>(contexto_, true, a_, n_); });
    connect(verTraza_, &QPushButton::clicked, this,
            [&contexto] { contexto.abre<FrTrazaPotencia>(); });
    connect(&contexto.trazas, &Trazas::potenciaCambiada, this, [this, &contexto] {
        // Only a power worked out in full has a trace to offer; a short cut writes none.
        verTraza_->setEnabled(contexto.trazas.potencia().traza.resultado.has_value());
        contexto.ventana<FrTrazaPotencia>().actualiza();
    });

    auto* datos = new QGridLayout;
    fila(datos, 0, QStringLiteral("&Módulo   n:"), modulo_);
    fila(datos, 1, QStringLiteral("&a :"), base_)->setObjectName("Label1");
    fila(datos, 2, QStringLiteral("&b :"), exponente_)->setObjectName("Label2");
    auto* enunciado = new QHBoxLayout;
    enunciado->addWidget(new QLabel(QStringLiteral("Calcular "), this));
    enunciado->addWidget(new QLabel(QStringLiteral("[ a ]<sup>b</sup>"), this));
    enunciado->addWidget(new QLabel(QStringLiteral("en   Z<sub>n</sub>"), this));
    enunciado->addStretch();
    auto* resultado = new QHBoxLayout;
    auto* etiquetaResultado = new QLabel(QStringLiteral("&Resultado:  ["), this);
    etiquetaResultado->setBuddy(resultado_);
    resultado->addWidget(etiquetaResultado);
    resultado->addWidget(resultado_, 1);
    resultado->addWidget(new QLabel(QStringLiteral("]"), this));

    auto* botones = filaDeBotones(this, {aceptar, verTraza_, grafica_});
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(enunciado);
    columna->addLayout(datos);
    columna->addLayout(resultado);
    columna->addStretch();
    columna->addLayout(botones);
}

void FrmCalcupoten::calcula() {
    // The trace of an earlier power goes too, and its button with it.
    vaciaResultado({resultado_}, {verTraza_, grafica_});
    contexto_.trazas.publica(Publicada<TrazaPotencia>{{}, {}, windowTitle()});
    atrapaErrores(this, "btCalcupoten", [this] {
        const auto a = leeNumero(textoDe(base_));
        const auto b = leeNumero(textoDe(exponente_));
        const auto n = leeNumero(textoDe(modulo_));
        if (!a || !b || !n)
            return mensaje(this, "Han de introducirse valores numéricos positivos.");
        if (*a < 0 || *b < 0 || *n <= 0)
            return mensaje(this, "Los valores han de ser positivos (>0)");
        if (!longitudAdmitida(this, base_)) return;
        // A fraction would be rounded silently: the power would be of another number.
        for (const double v : {*a, *b, *n}) {
            if (!esEntero(v)) return mensaje(this, "Los valores han de ser números enteros.");
        }
        auto& estado = contexto_.estado;
        estado.tiempo.marcaInicio();
        AvisosVentanas avisos(contexto_.avisos);
        auto [r, traza] = Calcupoten(estado.tiempo, estado.memoriaModulo, *a, *b, *n, &avisos);
        contexto_.trazas.publica(Publicada<TrazaPotencia>{std::move(traza), {}, windowTitle()});
        if (!r) return mensajeTiempoAgotado(this, contexto_.estado.tiempo);
        resultado_->setText(aQt(textoDecimal(*r)));
        // A whole power was computed: [a] in Zn can be drawn, and an open chart follows it.
        if (*n < 4294967296.0) {
            n_ = static_cast<std::uint64_t>(*n);
            a_ = static_cast<std::uint64_t>(std::fmod(*a, *n));
            grafica_->setEnabled(true);
            dibujaGrafica<FrGraficaPotencias>(contexto_, false, a_, n_);
        }
    });
}

}  // namespace zefra::gui
