#include "gui/modular/fr_razonamiento.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <utility>

#include "gui/ui/accesibilidad.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

FrRazonamiento::FrRazonamiento(Contexto& contexto, const QString& nombre, const QString& titulo,
                               const QString& encabezado, const char* nombreEtiqueta)
    : Ventana(contexto.principal, nombre, titulo) {
    auto* cabecera = new QLabel(encabezado, this);
    QFont negrita = cabecera->font();
    negrita.setBold(true);
    cabecera->setFont(negrita);

    razonamiento_ = etiqueta(this, nombreEtiqueta, {});
    razonamiento_->setTextFormat(Qt::PlainText);
    etiquetaLegible(razonamiento_)->setAccessibleDescription(encabezado);
    razonamiento_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    razonamiento_->setMargin(8);
    auto* desplazable = new QScrollArea(this);
    desplazable->setWidget(razonamiento_);
    desplazable->setWidgetResizable(true);
    desplazable->setFocusPolicy(Qt::NoFocus);

    auto* botones = filaDeBotones(this, {});
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(cabecera);
    columna->addWidget(desplazable, 1);
    columna->addLayout(botones);
    resize(620, 300);

    // The heading and the reasoning, as plain text as shown.
    equipaExportacion(
        *this, contexto,
        [this, encabezado] {
            Documento d{aCore(windowTitle()), entradas_, {}, {}};
            if (!razonamiento_->text().isEmpty()) {
                d.bloques.emplace_back(bloquePlano(encabezado + "\n\n" + razonamiento_->text()));
            }
            return d;
        },
        {razonamiento_});
}

void FrRazonamiento::fijaRazonamiento(const QString& texto, Entradas entradas) {
    razonamiento_->setText(texto);
    entradas_ = std::move(entradas);
}

FrExplicaRepres::FrExplicaRepres(Contexto& contexto)
    : FrRazonamiento(contexto, QStringLiteral("frExplicaRepres"),
                     QStringLiteral("Razonamiento del resultado. Representante Zn."),
                     QStringLiteral("RAZONAMIENTO DE LA SOLUCIÓN. CÁLCULO DEL REPRESENTANTE."),
                     "lbExplicaRepres") {}

FrExplicaInver::FrExplicaInver(Contexto& contexto)
    : FrRazonamiento(contexto, QStringLiteral("frexplicainver"),
                     QStringLiteral("Razonamiento del resultado. Función inversa."),
                     QStringLiteral("RAZONAMIENTO DE LA SOLUCIÓN. FUNCIÓN INVERSA."),
                     "lbExplicaInverso") {}

}  // namespace zefra::gui
