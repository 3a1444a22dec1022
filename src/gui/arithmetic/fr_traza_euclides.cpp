#include "gui/arithmetic/fr_traza_euclides.hpp"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

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
              QStringLiteral("TRAZA DEL ALGORITMO DE EUCLIDES")) {
    traza_ = new Rejilla(contexto.estado.trazaEuclides, 1, 0, this);
    traza_->setObjectName(QStringLiteral("msflextrazaeuc"));
    traza_->horizontalHeader()->setStretchLastSection(true);

    auto* botones = filaDeBotones(this, {});
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(traza_, 1);
    columna->addLayout(botones);
    ajustaAnchos(false);
    resize(width(), 420);

    equipaExportacion(
        *this, contexto,
        [this] {
            // The divisions made: the table keeps room for a thousand.
            BloqueTabla divisiones = traza_->bloque();
            while (divisiones.filas > 1 && divisiones.celda(divisiones.filas - 1, 0).empty())
                --divisiones.filas;
            return Documento{aCore(windowTitle()), entradas_, {}, {divisiones}};
        },
        {traza_});
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
