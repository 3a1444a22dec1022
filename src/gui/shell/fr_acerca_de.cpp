#include "gui/shell/fr_acerca_de.hpp"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/shell/emblema.hpp"

namespace zefra::gui {
namespace {

QLabel* texto(QWidget* padre, const QString& contenido, double escala, bool negrita) {
    auto* label = new QLabel(contenido, padre);
    QFont letra = label->font();
    letra.setPointSizeF(letra.pointSizeF() * escala);
    letra.setBold(negrita);
    label->setFont(letra);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

QFrame* linea(QWidget* padre) {
    auto* raya = new QFrame(padre);
    raya->setFrameShape(QFrame::HLine);
    raya->setFrameShadow(QFrame::Sunken);
    return raya;
}

}  // namespace

FrAcercaDe::FrAcercaDe(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frAcercaDe"), QStringLiteral("Acerca De")) {
    auto* cabecera = new QHBoxLayout;
    cabecera->addWidget(new Emblema(this));
    auto* nombres = new QVBoxLayout;
    nombres->addWidget(texto(this, QStringLiteral("ZEFRA"), 3.0, true));
    nombres->addWidget(texto(
        this, QStringLiteral("Aritmética entera y modular y su uso en criptografía"), 1.6, true));
    cabecera->addLayout(nombres, 1);
    cabecera->addWidget(new Candado(this));

    auto* columna = new QVBoxLayout(this);
    columna->addLayout(cabecera);
    columna->addWidget(linea(this));
    columna->addWidget(texto(this, QStringLiteral("Versión 1.2"), 1.3, true));
    columna->addWidget(linea(this));
    columna->addWidget(texto(this,
                             QStringLiteral("Primera versión: el equipo fundador de Zefra, como "
                                            "apoyo a la enseñanza de la aritmética modular."),
                             1.0, false));
    columna->addWidget(texto(this,
                             QStringLiteral("Versiones posteriores: los desarrolladores de Zefra, "
                                            "con las sugerencias de estudiantes y profesores."),
                             1.0, false));
    columna->addWidget(linea(this));
    resize(640, 380);
}

}  // namespace zefra::gui
