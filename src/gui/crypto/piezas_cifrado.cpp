#include "gui/crypto/piezas_cifrado.hpp"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "core/alphabets/alfabeto.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/rejilla.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/ventana.hpp"

namespace zefra::gui {
namespace {

// The text met so far in a frame, as one rich block.
struct TextoDeMarco {
    QString html;
    QString plano;

    void anade(const QString& enHtml, const QString& enPlano) {
        html += QStringLiteral("<div>") + enHtml + QStringLiteral("</div>");
        if (!plano.isEmpty()) plano += QLatin1Char('\n');
        plano += enPlano;
    }
    void cierra(std::vector<Bloque>& bloques) {
        if (!plano.isEmpty()) bloques.emplace_back(BloqueRico{aCore(html), aCore(plano)});
        html.clear();
        plano.clear();
    }
};

// A grid's block with only the rows it shows (an alphabet leaves most of them empty).
BloqueTabla filasVisibles(const Rejilla& rejilla) {
    BloqueTabla bloque = rejilla.bloque();
    auto filas = std::make_shared<std::vector<int>>();
    for (int f = 0; f < bloque.filas; ++f) {
        if (!rejilla.isRowHidden(f)) filas->push_back(f);
    }
    bloque.filas = static_cast<int>(filas->size());
    bloque.celda = [filas, celda = std::move(bloque.celda)](int fila, int columna) {
        return celda((*filas)[static_cast<std::size_t>(fila)], columna);
    };
    return bloque;
}

void recorre(const QLayout& capa, TextoDeMarco& texto, std::vector<Bloque>& bloques) {
    for (int i = 0; i < capa.count(); ++i) {
        QLayoutItem* item = capa.itemAt(i);
        if (const QLayout* dentro = item->layout()) {
            recorre(*dentro, texto, bloques);
            continue;
        }
        const QWidget* w = item->widget();
        if (!w || w->isHidden()) continue;
        if (const auto* rejilla = qobject_cast<const Rejilla*>(w)) {
            texto.cierra(bloques);
            bloques.emplace_back(filasVisibles(*rejilla));
        } else if (const auto* linea = qobject_cast<const QLabel*>(w)) {
            const QString t = linea->text();
            if (t.trimmed().isEmpty()) continue;
            if (linea->textFormat() == Qt::RichText) {
                texto.anade(t, QTextDocumentFragment::fromHtml(t).toPlainText());
            } else {
                texto.anade(t.toHtmlEscaped(), t);
            }
        } else if (const auto* campoFormula = qobject_cast<const QLineEdit*>(w)) {
            const QString t = campoFormula->text();
            if (!t.isEmpty()) texto.anade(t.toHtmlEscaped(), t);
        }
    }
}

}  // namespace

void bloquesDeMarco(const QGroupBox& marco, std::vector<Bloque>& bloques) {
    TextoDeMarco texto;
    texto.anade(QStringLiteral("<b>") + marco.title().toHtmlEscaped() + QStringLiteral("</b>"),
                marco.title());
    if (marco.layout()) recorre(*marco.layout(), texto, bloques);
    texto.cierra(bloques);
}

std::string digitosEnLineas(std::string_view digitos, int ancho) {
    const auto bloque = static_cast<std::size_t>(std::max(ancho, 1));
    const std::size_t linea = std::max<std::size_t>(1, 72 / bloque) * bloque;
    std::string texto;
    texto.reserve(digitos.size() + digitos.size() / linea + 1);
    for (std::size_t i = 0; i < digitos.size(); i += linea) {
        if (i > 0) texto += '\n';
        texto.append(digitos.substr(i, linea));
    }
    return texto;
}

QWidget* zonaDePasos(QWidget* padre) {
    auto* zona = new QWidget(padre);
    auto* rejilla = new QGridLayout(zona);
    rejilla->setContentsMargins(0, 0, 0, 0);
    return zona;
}

QGroupBox* marcoDePaso(QWidget* zona, const char* nombre, const QString& titulo) {
    auto* m = new QGroupBox(titulo, zona);
    m->setObjectName(QString::fromLatin1(nombre));
    QSizePolicy politica = m->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    m->setSizePolicy(politica);
    if (auto* celda = qobject_cast<QGridLayout*>(zona->layout())) celda->addWidget(m, 0, 0);
    return m;
}

std::vector<QLabel*> lineasDePaso(QVBoxLayout* columna, QWidget* padre,
                                  std::initializer_list<const char*> textos) {
    auto* bloque = new QVBoxLayout;
    bloque->setSpacing(0);
    std::vector<QLabel*> etiquetas;
    for (const char* t : textos) {
        etiquetas.push_back(new QLabel(QString::fromUtf8(t), padre));
        bloque->addWidget(etiquetas.back());
    }
    columna->addLayout(bloque);
    return etiquetas;
}

MarcoDeTabla marcoDeTabla(QWidget* zona, const char* nombre, const QString& titulo, Tabla& tabla,
                          const char* nombreRejilla, std::initializer_list<const char*> lineas) {
    auto* marco = marcoDePaso(zona, nombre, titulo);
    auto* columna = new QVBoxLayout(marco);
    auto* rejilla = tablaDeConversion(columna, marco, tabla, nombreRejilla);
    return {marco, rejilla, lineasDePaso(columna, marco, lineas)};
}

MarcoDeTabla marcoDeTablaCompartida(QWidget* zona, const char* nombre, Tabla& tabla) {
    auto marco =
        marcoDeTabla(zona, nombre, QStringLiteral("PASO 1"), tabla, "Flexalfa1", {"", "", "", ""});
    const char* nombres[] = {"Label45", "Label47", "Label48", "Label49"};
    for (std::size_t k = 0; k < marco.lineas.size(); ++k)
        marco.lineas[k]->setObjectName(QString::fromLatin1(nombres[k]));
    return marco;
}

void muestraTabla(const MarcoDeTabla& marco, const QString& titulo,
                  const std::array<const char*, 4>& lineas) {
    marco.marco->setTitle(titulo);
    for (std::size_t k = 0; k < lineas.size(); ++k)
        marco.lineas[k]->setText(QString::fromUtf8(lineas[k]));
    marco.marco->show();
}

MarcoConFormula marcoConFormula(QWidget* zona, const QString& titulo, const PasoConFormula& paso) {
    auto* marco = marcoDePaso(zona, paso.marco, titulo);
    auto* columna = new QVBoxLayout(marco);
    auto* campoFormula = campo(marco, paso.campo, true);
    columna->addWidget(campoFormula);
    lineasDePaso(columna, marco, paso.lineas);
    QLabel* explicacion = nullptr;
    if (paso.explicacion) {
        explicacion = etiqueta(marco, paso.explicacion, {});
        columna->addWidget(explicacion);
    }
    columna->addSpacing(12);
    if (paso.rotulo) columna->addWidget(new QLabel(QString::fromUtf8(paso.rotulo), marco));
    columna->addWidget(formula(marco, paso.formula, paso.html));
    columna->addStretch();
    return {marco, campoFormula, explicacion};
}

Rejilla* tablaDeConversion(QVBoxLayout* columna, QWidget* padre, Tabla& tabla, const char* nombre) {
    columna->addWidget(new QLabel(QStringLiteral("   Tabla de conversión"), padre));
    auto* rejilla = rejillaDeAlfabeto(tabla, nombre, padre);
    rejilla->setAccessibleName(QStringLiteral("Tabla de conversión"));
    columna->addWidget(rejilla, 1, Qt::AlignLeft);
    return rejilla;
}

void anchoParaFormula(QLineEdit* campo, const QString& texto) {
    // As a line edit measures itself: the text and its margins, with a character to spare,
    // then the frame the style draws around it.
    QStyleOptionFrame opcion;
    opcion.initFrom(campo);
    const QMargins margenes = campo->textMargins();
    const int contenido = campo->fontMetrics().horizontalAdvance(texto) + 4 + margenes.left() +
                          margenes.right() + campo->fontMetrics().averageCharWidth();
    const QSize ancho = campo->style()->sizeFromContents(
        QStyle::CT_LineEdit, &opcion, QSize(contenido, campo->sizeHint().height()), campo);
    campo->setMinimumWidth(std::max(campo->minimumWidth(), ancho.width()));
}

void muestraFormula(QLineEdit* campo, const QString& texto) {
    anchoParaFormula(campo, texto);
    campo->setText(texto);
    campo->setCursorPosition(0);
    campo->setToolTip(texto);
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
