#include "gui/arithmetic/fr_traza_euclides.hpp"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/shell/numeros.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/rejilla.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {
namespace {

// Display widths in points: column, grid and window, for long and for short operands.
constexpr double kColumnaLarga = 75;
constexpr double kRejillaLarga = 291.5;
constexpr double kVentanaLarga = 339;
constexpr double kRejillaCorta = 210.5;
constexpr double kVentanaCorta = 258;

}  // namespace

FrTrazaEuclides::FrTrazaEuclides(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frTrazaEuclides"),
              QStringLiteral("TRAZA DEL ALGORITMO DE EUCLIDES")),
      contexto_(contexto) {
    traza_ = new Rejilla(tabla_, 1, 0, this);
    traza_->setObjectName(QStringLiteral("msflextrazaeuc"));
    traza_->setAccessibleName(QStringLiteral("Tabla de divisiones"));
    traza_->horizontalHeader()->setStretchLastSection(true);

    auto* botones = filaDeBotones(this, {});
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(traza_, 1);
    columna->addLayout(botones);
    ajustaAnchos(false);
    resize(width(), 420);

    escribe();
    connect(&contexto.trazas, &Trazas::euclidesCambiada, this, &FrTrazaEuclides::escribe);
    equipaExportacion(*this, contexto,
                      [this] {
                          return Documento{aCore(windowTitle()),
                                           contexto_.trazas.euclides().encabezado(),
                                           {},
                                           {traza_->bloque()}};
                      },
                      {traza_});
}

void FrTrazaEuclides::escribe() {
    const auto& filas = contexto_.trazas.euclides().traza.filas;
    tabla_.redimensiona(static_cast<int>(filas.size()) + 1, 4);
    const char* const titulos[] = {"Dividendo", "Divisor", "Cociente", "Resto"};
    for (int columna = 0; columna < 4; ++columna)
        tabla_.fija(0, columna, titulos[columna]);
    const auto texto = [](const std::optional<double>& x) {
        return x ? textoDecimal(*x) : std::string();
    };
    for (int fila = 1; const auto& f : filas) {
        tabla_.fija(fila, 0, textoDecimal(f.dividendo));
        tabla_.fija(fila, 1, textoDecimal(f.divisor));
        tabla_.fija(fila, 2, texto(f.cociente));
        tabla_.fija(fila, 3, texto(f.resto));
        ++fila;
    }
}

void FrTrazaEuclides::ajustaAnchos(bool operandosLargos) {
    // Columns 1 to 3 share one width; the widths are hints and never hide a digit.
    int columna = operandosLargos ? pixelesDePuntos(this, kColumnaLarga) : traza_->columnWidth(2);
    for (int c = 1; c <= 3; ++c)
        columna = std::max(columna, traza_->anchoContenido(c));
    traza_->setColumnWidth(0, std::max(traza_->columnWidth(0), traza_->anchoContenido(0)));
    for (int c = 1; c <= 3; ++c)
        traza_->setColumnWidth(c, columna);
    const int rejilla = pixelesDePuntos(this, operandosLargos ? kRejillaLarga : kRejillaCorta);
    const int ventana = pixelesDePuntos(this, operandosLargos ? kVentanaLarga : kVentanaCorta);
    // The last column stretches into whatever room the window has: the grid's own width counts
    // it at the width just set, or every opening would widen the window further.
    const int necesario = traza_->anchoTotal() - traza_->columnWidth(3) + columna;
    resize(std::max(rejilla, necesario) + ventana - rejilla, height());
}

}  // namespace zefra::gui
