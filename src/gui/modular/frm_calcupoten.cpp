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

#include "core/arithmetic/numeros.hpp"
#include "core/modular/potencias.hpp"
#include "core/modular/traza_potencia.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {

FrTrazaPotencia::FrTrazaPotencia(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frTrazaPotencia"),
              QStringLiteral("Traza del cálculo de potencias en Zn")),
      contexto_(contexto) {
    lbTrazaPotencia_ = etiqueta(this, "lbTrazaPotencia", {});
    lbTrazaPotencia_->setWordWrap(true);
    lbTrazaPotencia_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    txTrazaPotencia_ = texto(this, "txTrazaPotencia");
    txTrazaPotencia_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txTrazaPotencia_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* botones = filaDeBotones(this, {});
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(lbTrazaPotencia_);
    columna->addWidget(txTrazaPotencia_, 1);
    columna->addLayout(botones);
    resize(760, 480);
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
    const auto texto = textoTrazaPotencia(contexto_.estado.trazaPotencia);
    lbTrazaPotencia_->setText(aQt(texto.etiqueta));
    txTrazaPotencia_->setPlainText(aQt(texto.traza));
}

FrmCalcupoten::FrmCalcupoten(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmcalcupoten"),
              QStringLiteral("Cálculo de potencias en Zn")),
      contexto_(contexto) {
    txn_ = campo(this, "txn");
    Txa_ = campo(this, "Txa");
    Txb_ = campo(this, "Txb");
    txr_ = campo(this, "txr", true);
    auto* aceptar = boton(this, "btcalcupoten", QStringLiteral("A&ceptar"));
    aceptar->setDefault(true);
    btTrazaPotencia_ = boton(this, "btTrazaPotencia", QStringLiteral("&Traza"));
    btTrazaPotencia_->setEnabled(false);
    connect(aceptar, &QPushButton::clicked, this, &FrmCalcupoten::calcula);
    connect(btTrazaPotencia_, &QPushButton::clicked, this,
            [&contexto] { contexto.abre<FrTrazaPotencia>(); });
    contexto.estado.observadores.trazaPotencia = [this, &contexto] {
        // Only a power worked out in full has a trace to offer; a short cut writes none.
        btTrazaPotencia_->setEnabled(contexto.estado.trazaPotencia.resultado.has_value());
        contexto.ventana<FrTrazaPotencia>().actualiza();
    };

    auto* datos = new QGridLayout;
    fila(datos, 0, QStringLiteral("&Módulo   n:"), txn_);
    fila(datos, 1, QStringLiteral("&a :"), Txa_)->setObjectName("Label1");
    fila(datos, 2, QStringLiteral("&b :"), Txb_)->setObjectName("Label2");
    auto* enunciado = new QHBoxLayout;
    enunciado->addWidget(new QLabel(QStringLiteral("Calcular "), this));
    enunciado->addWidget(new QLabel(QStringLiteral("[ a ]<sup>b</sup>"), this));
    enunciado->addWidget(new QLabel(QStringLiteral("en   Z<sub>n</sub>"), this));
    enunciado->addStretch();
    auto* resultado = new QHBoxLayout;
    auto* etiquetaResultado = new QLabel(QStringLiteral("&Resultado:  ["), this);
    etiquetaResultado->setBuddy(txr_);
    resultado->addWidget(etiquetaResultado);
    resultado->addWidget(txr_, 1);
    resultado->addWidget(new QLabel(QStringLiteral("]"), this));

    auto* botones = filaDeBotones(this, {aceptar, btTrazaPotencia_});
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(enunciado);
    columna->addLayout(datos);
    columna->addLayout(resultado);
    columna->addStretch();
    columna->addLayout(botones);
}

void FrmCalcupoten::calcula() {
    atrapaErrores(this, "btCalcupoten", [this] {
        const auto a = leeNumero(textoDe(Txa_));
        const auto b = leeNumero(textoDe(Txb_));
        const auto n = leeNumero(textoDe(txn_));
        if (!a || !b || !n)
            return mensaje(this, "Han de introducirse valores numéricos positivos.");
        if (*a < 0 || *b < 0 || *n <= 0)
            return mensaje(this, "Los valores han de ser positivos (>0)");
        if (!longitudAdmitida(this, Txa_)) return;
        // A fraction would be rounded silently: the power would be of another number.
        for (const double v : {*a, *b, *n}) {
            if (v != std::floor(v)) return mensaje(this, "Los valores han de ser números enteros.");
        }
        auto& estado = contexto_.estado;
        estado.tiempo.marcaInicio();
        txr_->clear();
        const auto r = Calcupoten(estado, *a, *b, *n);
        if (!r) return mensajeTiempoAgotado(this);
        txr_->setText(aQt(textoDecimal(*r)));
    });
}

}  // namespace zefra::gui
