#include "gui/arithmetic/frm_cambio_base.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/arithmetic/bases.hpp"
#include "core/arithmetic/primitivas.hpp"
#include "core/shell/numeros.hpp"
#include "gui/shell/fr_descripcion.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/resultado.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {
namespace {

constexpr const char* kRango = "El valor númerico está limitado entre 0 y 2.147.483.647";

}  // namespace

VentanaCambioBase::VentanaCambioBase(Contexto& contexto, const QString& nombre,
                                     const QString& titulo, const QString& etiquetaValor,
                                     const QString& etiquetaResultado, const char* botonCalcular)
    : Ventana(contexto.principal, nombre, titulo), contexto_(contexto) {
    valor_ = campo(this, "txelemzn");
    base_ = campo(this, "txmodn2");
    resultado_ = campo(this, "txinver", true);
    desarrollo_ = texto(this, "txq");
    desarrollo_->setAccessibleName(QStringLiteral("Desarrollo del cambio de base"));
    desarrollo_->setMinimumWidth(420);
    desarrollo_->setFixedHeight(fontMetrics().height() * 5);

    auto* aceptar = boton(this, botonCalcular, QStringLiteral("&ACEPTAR"));
    aceptar->setDefault(true);
    connect(aceptar, &QPushButton::clicked, this, [this] {
        vaciaResultado({resultado_, desarrollo_});
        entradas_.clear();
        calcula();
    });

    auto* campos = new QGridLayout;
    fila(campos, 0, etiquetaValor, valor_);
    fila(campos, 1, QStringLiteral("&Base para el cálculo:"), base_);
    campos->setRowMinimumHeight(2, 10);
    fila(campos, 3, etiquetaResultado, resultado_);
    campos->addWidget(desarrollo_, 4, 0, 1, 2);

    auto* botones =
        filaDeBotones(this, {aceptar, botonDescripcion(this, contexto, "frdescCambioBase")});
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(campos);
    columna->addStretch();
    columna->addLayout(botones);

    // The result and its expansion, under the value and base that gave them.
    equipaExportacion(*this, contexto,
                      [this, etiquetaResultado] {
                          Documento d{aCore(windowTitle()), entradas_, {}, {}};
                          if (!entradas_.empty()) {
                              d.bloques.emplace_back(bloquePlano(
                                  QString(etiquetaResultado).remove('&') + ' ' +
                                  resultado_->text() + '\n' + desarrollo_->toPlainText()));
                          }
                          return d;
                      },
                      {resultado_, desarrollo_});
}

std::optional<int> VentanaCambioBase::leeBase() {
    const std::string texto = textoDe(base_);
    const auto base = leeNumero(texto);
    if (!base) {
        mensaje(this, "La base ha de ser un valor numérico.");
    } else if (*base <= 1) {
        mensaje(this, "La base ha de un valor mayor que 1 (>1).");
    } else if (*base > 10) {
        mensaje(this, "La base está limitada al valor 10");
    } else if (noEsEntero(texto) == 1) {
        // A fractional base would be rounded silently and the expansion would lie.
        mensaje(this, "La base ha de ser un número entero.");
    } else {
        return static_cast<int>(*base);
    }
    return std::nullopt;
}

FrmBaseB::FrmBaseB(Contexto& contexto)
    : VentanaCambioBase(contexto, QStringLiteral("frmbaseb"), QStringLiteral("Base 10 --> Base b"),
                        QStringLiteral("&Entero en base 10:"),
                        QStringLiteral("Representación en la nueva base: :"), "btcalculabaseb") {}

void FrmBaseB::calcula() {
    atrapaErrores(this, "btcalculabaseb", [this] {
        const auto base = leeBase();
        if (!base) return;
        const std::string texto = textoDe(valor_);
        const auto n = leeNumero(texto);
        if (!n) return mensaje(this, "El valor ha de ser numérico");
        if (*n < 0 || *n > kMayorEntero32) return mensaje(this, kRango);
        // A fractional value would be rounded and the expansion would not add up to it.
        if (noEsEntero(texto) == 1) {
            return mensaje(this, "El valor ha de ser un número entero.");
        }
        if (!longitudAdmitida(this, base_)) return;
        contexto_.estado.tiempo.marcaInicio();
        const auto r = aBaseB(aEntero32(*n), *base, textoDe(base_), texto);
        resultado_->setText(aQt(r.resultado));
        desarrollo_->setPlainText(aQt(r.desarrollo));
        entradas_ = {{"Entero en base 10", texto}, {"Base para el cálculo", textoDe(base_)}};
    });
}

FrmBase10::FrmBase10(Contexto& contexto)
    : VentanaCambioBase(contexto, QStringLiteral("frmbase10"), QStringLiteral("Base b --> Base 10"),
                        QStringLiteral("&Entero en la base anterior:"),
                        QStringLiteral("Representación en base 10:"), "btcalculabase10") {}

void FrmBase10::calcula() {
    atrapaErrores(this, "btcalculabase10", [this] {
        const auto base = leeBase();
        if (!base) return;
        const std::string digitos = textoDe(valor_);
        const auto valor = leeNumero(digitos);
        if (!valor) return mensaje(this, "El valor ha de ser numérico");
        if (*valor < 0) return mensaje(this, kRango);
        if (!longitudAdmitida(this, base_)) return;
        contexto_.estado.tiempo.marcaInicio();
        if (!sonCifras(digitos)) {
            return mensaje(this, "Los dígitos han de ser cifras del 0 al 9.");
        }
        if (!std::all_of(digitos.begin(), digitos.end(), [&](char c) { return c - '0' < *base; })) {
            return mensaje(this, "Los digitos deben ser menores que la base");
        }
        const auto r = aBase10(digitos, *base, textoDe(base_));
        resultado_->setText(aQt(r.resultado));
        desarrollo_->setPlainText(aQt(r.desarrollo));
        entradas_ = {{"Entero en la base anterior", digitos},
                     {"Base para el cálculo", textoDe(base_)}};
    });
}

}  // namespace zefra::gui
