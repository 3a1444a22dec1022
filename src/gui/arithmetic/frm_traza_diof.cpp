#include "gui/arithmetic/frm_traza_diof.hpp"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/ui/controles.hpp"
#include "gui/ui/rejilla.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

FrmTrazaDiof::FrmTrazaDiof(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmTrazaDiof"),
              QStringLiteral("TRAZA DEL ALGORITMO: Búsqueda de una solución particular")) {
    auto* rejilla = new Rejilla(contexto.estado.trazaDiofantica, 0, 1, this);
    rejilla->setObjectName(QStringLiteral("grTrazadiof"));
    rejilla->horizontalHeader()->setDefaultSectionSize(
        fontMetrics().horizontalAdvance(QStringLiteral("-2147483648")));
    rejilla->muestraTodasLasFilas();

    auto* columna = new QVBoxLayout(this);
    columna->addWidget(rejilla);
    QStringList formulas;
    for (const char* formula :
         {"A ( i ) = A ( i - 1)  Q ( i )  +  A ( i - 2 )",
          "B ( i ) = B ( i - 1)  Q ( i )  +  B ( i - 2 )", "Suponemos A>0 y B>0"}) {
        formulas << QString::fromUtf8(formula);
        columna->addWidget(new QLabel(formulas.back(), this));
    }
    auto* botones = filaDeBotones(this, {});
    columna->addStretch();
    columna->addLayout(botones);
    resize(640, sizeHint().height());

    // The table of steps, then the recurrences under it, as shown.
    equipaExportacion(
        *this, contexto,
        [this, rejilla, formulas] {
            // The steps taken: the table keeps room for a thousand.
            BloqueTabla pasos = rejilla->bloque();
            while (pasos.columnas > 1 && pasos.celda(0, pasos.columnas - 1).empty())
                --pasos.columnas;
            return Documento{
                aCore(windowTitle()), entradas_, {}, {pasos, bloquePlano(formulas.join('\n'))}};
        },
        {rejilla});
}

}  // namespace zefra::gui
