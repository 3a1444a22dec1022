#include "gui/arithmetic/frm_traza_diof.hpp"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/shell/numeros.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/rejilla.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

FrmTrazaDiof::FrmTrazaDiof(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmTrazaDiof"),
              QStringLiteral("TRAZA DEL ALGORITMO: Búsqueda de una solución particular")),
      contexto_(contexto) {
    auto* rejilla = new Rejilla(tabla_, 0, 1, this);
    rejilla->setObjectName(QStringLiteral("grTrazadiof"));
    rejilla->setAccessibleName(QStringLiteral("Pasos del algoritmo"));
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

    escribe();
    connect(&contexto.trazas, &Trazas::diofanticaCambiada, this, &FrmTrazaDiof::escribe);
    // The table of steps, then the recurrences under it, as shown.
    equipaExportacion(*this, contexto,
                      [this, rejilla, formulas] {
                          return Documento{aCore(windowTitle()),
                                           contexto_.trazas.diofantica().encabezado(),
                                           {},
                                           {rejilla->bloque(), bloquePlano(formulas.join('\n'))}};
                      },
                      {rejilla});
}

void FrmTrazaDiof::escribe() {
    // Column 0 the captions, then a column per step from i = −1: only the steps this equation
    // made.
    const auto& pasos = contexto_.trazas.diofantica().traza;
    tabla_.redimensiona(4, static_cast<int>(pasos.size()) + 1);
    const char* const titulos[] = {"i", "Q(i)", "A(i)", "B(i)"};
    for (int fila = 0; fila < 4; ++fila)
        tabla_.fija(fila, 0, titulos[fila]);
    for (int columna = 1; const auto& p : pasos) {
        tabla_.fija(0, columna, textoDecimal(p.i));
        tabla_.fija(1, columna, p.q ? textoDecimal(*p.q) : std::string());
        tabla_.fija(2, columna, textoDecimal(p.a));
        tabla_.fija(3, columna, textoDecimal(p.b));
        ++columna;
    }
}

}  // namespace zefra::gui
