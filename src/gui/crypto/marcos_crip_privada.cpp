// The four frames of the private-key window, one per step, which the steps show in turn in the
// same place.
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "crypto/frm_crip_privada.hpp"
#include "ui/controles.hpp"
#include "ui/rejilla.hpp"

namespace zefra::gui {
namespace {

QGroupBox* marco(QWidget* padre, const char* nombre, const QString& titulo) {
    auto* m = new QGroupBox(titulo, padre);
    m->setObjectName(QString::fromLatin1(nombre));
    QSizePolicy politica = m->sizePolicy();
    politica.setRetainSizeWhenHidden(true);  // the frames share one place; it keeps its size
    m->setSizePolicy(politica);
    return m;
}

// The explanation of a step, one label per line as it is written.
void lineas(QVBoxLayout* columna, QWidget* padre, std::initializer_list<const char*> textos) {
    auto* bloque = new QVBoxLayout;
    bloque->setSpacing(0);
    for (const char* t : textos)
        bloque->addWidget(new QLabel(QString::fromUtf8(t), padre));
    columna->addLayout(bloque);
}

// A conversion grid under its caption, sized to show its four columns whole.
Rejilla* tablaDeConversion(QVBoxLayout* columna, QWidget* padre, Tabla& tabla, const char* nombre) {
    columna->addWidget(new QLabel(QStringLiteral("   Tabla de conversión"), padre));
    auto* rejilla = new Rejilla(tabla, 0, 0, padre);
    rejilla->setObjectName(QString::fromLatin1(nombre));
    rejilla->muestraSimbolosInvisibles();
    rejilla->horizontalHeader()->setMinimumSectionSize(8);
    for (int c = 0; c < kColumnasAlfabeto; ++c)
        rejilla->setColumnWidth(c, pixelesDeTwips(padre, 620));
    rejilla->setFixedWidth(rejilla->anchoTotal());
    rejilla->setMinimumHeight(rejilla->verticalHeader()->defaultSectionSize() * 14);
    columna->addWidget(rejilla, 1, Qt::AlignLeft);
    return rejilla;
}

// A formula with subscripts and superscripts, larger than the text around it.
QLabel* formula(QWidget* padre, const char* nombre, const QString& html) {
    auto* l = etiqueta(padre, nombre, html);
    l->setTextFormat(Qt::RichText);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 1.3);
    l->setFont(f);
    return l;
}

}  // namespace

QWidget* FrmCripPrivada::construyeMarcos() {
    auto* zona = new QWidget(this);
    auto* rejilla = new QGridLayout(zona);
    rejilla->setContentsMargins(0, 0, 0, 0);

    Frame1_ = marco(zona, "Frame1", QStringLiteral("PASO 1"));
    auto* paso1 = new QVBoxLayout(Frame1_);
    Flexalfa1_ = tablaDeConversion(paso1, Frame1_, tablaPaso1_, "Flexalfa1");
    lineas(paso1, Frame1_,
           {"Transcripción inmediata del texto", "llano a una sucesión de dígitos",
            "según se indica en la tabla de ", "conversión."});

    frmpaso2_ = marco(zona, "frmpaso2", QStringLiteral("PASO 2"));
    auto* paso2 = new QVBoxLayout(frmpaso2_);
    txpaso2cod_ = campo(frmpaso2_, "txpaso2cod", true);
    paso2->addWidget(txpaso2cod_);
    lineas(paso2, frmpaso2_,
           {"Concretamente:", "Se realiza la codificación usando",
            "la función de cifrado C, con las"});
    lbrsexplica_ = etiqueta(frmpaso2_, "lbrsexplica", {});
    paso2->addWidget(lbrsexplica_);
    paso2->addSpacing(12);
    paso2->addWidget(new QLabel(QStringLiteral("Función codificadora:"), frmpaso2_));
    paso2->addWidget(formula(frmpaso2_, "formulaCifrado",
                             QStringLiteral("C<sub>r,s</sub>( [m] ) = [r] [m] + [s]")));
    paso2->addStretch();

    frmpaso2_deco_ = marco(zona, "frmpaso2_deco", QStringLiteral("PASO 2"));
    auto* deco = new QVBoxLayout(frmpaso2_deco_);
    txpaso2decod_ = campo(frmpaso2_deco_, "txpaso2decod", true);
    deco->addWidget(txpaso2decod_);
    lineas(deco, frmpaso2_deco_,
           {"Concretamente:", "Se realiza la decodificación del ",
            "mensaje mediante la función de ", "descifrado D siguiente:"});
    deco->addSpacing(12);
    deco->addWidget(
        formula(frmpaso2_deco_, "formulaDescifrado",
                QStringLiteral("D<sub>r,s</sub>( [m*] ) = [ r ]<sup>-1</sup>( [m*] - [s] )")));
    deco->addStretch();

    frmpaso3_ = marco(zona, "frmpaso3", QStringLiteral("PASO 3"));
    auto* paso3 = new QVBoxLayout(frmpaso3_);
    FlexAlfa3_ = tablaDeConversion(paso3, frmpaso3_, tablaPaso3_, "FlexAlfa3");
    lineas(paso3, frmpaso3_,
           {"En este último paso, se realiza ", "la transcripción inmediata a los",
            "símbolos del alfabeto mediante", "la tabla de conversión."});

    for (QGroupBox* m : {Frame1_, frmpaso2_, frmpaso2_deco_, frmpaso3_})
        rejilla->addWidget(m, 0, 0);
    return zona;
}

}  // namespace zefra::gui
