#include "gui/modular/fr_razonamiento.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "gui/ui/controles.hpp"

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
    razonamiento_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    razonamiento_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    razonamiento_->setMargin(8);
    auto* desplazable = new QScrollArea(this);
    desplazable->setWidget(razonamiento_);
    desplazable->setWidgetResizable(true);

    auto* botones = filaDeBotones(this, {});
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(cabecera);
    columna->addWidget(desplazable, 1);
    columna->addLayout(botones);
    resize(620, 300);
}

void FrRazonamiento::fijaRazonamiento(const QString& texto) {
    razonamiento_->setText(texto);
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
