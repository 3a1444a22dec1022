#include "crypto/marcos_pasos.hpp"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/controles.hpp"
#include "ui/rejilla.hpp"

namespace zefra::gui {

QGroupBox* marco(QWidget* padre, const char* nombre, const QString& titulo) {
    auto* m = new QGroupBox(titulo, padre);
    m->setObjectName(QString::fromLatin1(nombre));
    QSizePolicy politica = m->sizePolicy();
    politica.setRetainSizeWhenHidden(true);  // the frames share one place; it keeps its size
    m->setSizePolicy(politica);
    return m;
}

void lineas(QVBoxLayout* columna, QWidget* padre, std::initializer_list<const char*> textos) {
    auto* bloque = new QVBoxLayout;
    bloque->setSpacing(0);
    for (const char* t : textos)
        bloque->addWidget(new QLabel(QString::fromUtf8(t), padre));
    columna->addLayout(bloque);
}

Rejilla* tablaDeConversion(QVBoxLayout* columna, QWidget* padre, Tabla& tabla, const char* nombre) {
    columna->addWidget(new QLabel(QStringLiteral("   Tabla de conversión"), padre));
    auto* rejilla = rejillaDeAlfabeto(tabla, nombre, padre);
    columna->addWidget(rejilla, 1, Qt::AlignLeft);
    return rejilla;
}

QLabel* formula(QWidget* padre, const char* nombre, const QString& html) {
    auto* l = etiqueta(padre, nombre, html);
    l->setTextFormat(Qt::RichText);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 1.3);
    l->setFont(f);
    return l;
}

}  // namespace zefra::gui
