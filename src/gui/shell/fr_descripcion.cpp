#include "gui/shell/fr_descripcion.hpp"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

#include "gui/shell/descripciones.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/exportacion.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {
namespace {

// Pseudocode is set in a monospace face that has the arrows and relations it uses. Paragraphs
// and list items get a little more than single spacing, so that an exponent does not touch the
// line above.
const QString kEstilo = QStringLiteral(
    "pre { font-family: 'DejaVu Sans Mono', monospace; }"
    "p, li { line-height: 125%; }"
    "h3 { margin-top: 14px; }"
    "table { margin-top: 6px; margin-bottom: 10px; }");

// Glues the parts of every formula of a stretch of prose: the blanks (line breaks of the source
// included) around a relation or operation sign, inside a short pair such as mcd(a, b), inside
// braces and before "(mod" become non-breaking, and a minus sign is joined to what it negates
// (a line may otherwise break between "−" and "[") and a negative exponent to its base (or
// between "]" and "−1"), as a slash is to its sides ("A/B", not in a tag), so lines wrap only
// between words and after the commas of the prose.
QString protegeFormulas(QString texto) {
    static const QRegularExpression signo(
        QStringLiteral("\\s+(=|≡|≠|≈|≤|≥|&lt;|&gt;|\\+|−|±|·|×|/|⇔|⇒|→|∈|∉|\\||:)\\s+"));
    static const QRegularExpression par(QStringLiteral("\\(([^()\\s]*),\\s+([^()\\s]*)\\)"));
    static const QRegularExpression abre(QStringLiteral("\\{\\s+"));
    static const QRegularExpression cierra(QStringLiteral("\\s+\\}"));
    static const QRegularExpression modulo(QStringLiteral("\\s+\\(mod\\s+"));
    static const QRegularExpression menos(QStringLiteral("−(?=[^\\s\u00a0])"));
    static const QRegularExpression barra(QStringLiteral("(?<=[^\\s<])/(?=[^\\s>\u00a0])"));
    return texto.replace(signo, QStringLiteral("\u00a0\\1\u00a0"))
        .replace(par, QStringLiteral("(\\1,\u00a0\\2)"))
        .replace(abre, QStringLiteral("{\u00a0"))
        .replace(cierra, QStringLiteral("\u00a0}"))
        .replace(modulo, QStringLiteral("\u00a0(mod\u00a0"))
        .replace(menos, QStringLiteral("−\u2060"))
        .replace(QStringLiteral("<sup>−"), QStringLiteral("<sup>\u2060−"))
        .replace(barra, QStringLiteral("/\u2060"));
}

// The formulas of the prose glued; a <pre> block is left as written, since it never wraps and
// its blanks line the code up.
QString formulasSinCortes(const QString& html) {
    static const QRegularExpression pre(QStringLiteral("<pre>.*?</pre>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    QString salida;
    qsizetype desde = 0;
    for (auto it = pre.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        salida += protegeFormulas(html.mid(desde, m.capturedStart() - desde)) + m.captured();
        desde = m.capturedEnd();
    }
    return salida + protegeFormulas(html.mid(desde));
}

// Read-only rich text whose preferred size shows all of its content at the given width
// (wider when a pseudocode line needs it), so a window opens without hiding any text.
class TextoDescripcion final : public QTextBrowser {
  public:
    TextoDescripcion(QWidget* padre, int columnas) : QTextBrowser(padre), columnas_(columnas) {}

    QSize sizeHint() const override {
        const std::unique_ptr<QTextDocument> copia(document()->clone());
        copia->setDefaultFont(font());
        double ancho = fontMetrics().averageCharWidth() * columnas_;
        copia->setTextWidth(ancho);
        ancho = std::max(ancho, copia->idealWidth());
        copia->setTextWidth(ancho);
        // Room for the vertical scroll bar, which a long text needs on a small screen, and two
        // pixels for the rounding of fractional glyph widths, which some fonts need.
        const int marco = 2 * frameWidth() + 2;
        const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        return {static_cast<int>(std::ceil(ancho)) + marco + barra,
                static_cast<int>(std::ceil(copia->size().height())) + marco};
    }

  private:
    int columnas_;
};

}  // namespace

FrDescripcion::FrDescripcion(Contexto& contexto, const QString& nombre)
    : FrDescripcion(contexto, descripcion(nombre)) {}

FrDescripcion::FrDescripcion(Contexto& contexto, const Descripcion& datos)
    : Ventana(contexto.principal, QString::fromUtf8(datos.nombre),
              QString::fromUtf8(datos.titulo)) {
    auto* texto = new TextoDescripcion(this, datos.columnas);
    texto->setObjectName(QStringLiteral("txDescripcion"));
    texto->setAccessibleName(QString::fromUtf8(datos.titulo));
    texto->setTextInteractionFlags(texto->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    texto->document()->setDefaultStyleSheet(kEstilo);
    texto->setHtml(formulasSinCortes(QString::fromUtf8(datos.contenido)));
    equipaExportacion(*this, contexto,
                      [this, texto] {
                          return Documento{aCore(windowTitle()), {}, {}, {bloqueRico(*texto)}};
                      },
                      {texto});

    auto* botones = new QHBoxLayout;
    for (const BotonDescripcion& b : datos.botones) {
        auto* boton = new QPushButton(QString::fromUtf8(b.titulo), this);
        boton->setObjectName(QString::fromUtf8(b.nombre));
        const QString destino = QString::fromUtf8(b.abre);
        connect(boton, &QPushButton::clicked, this,
                [&contexto, destino] { contexto.abre<FrDescripcion>(destino); });
        botones->addWidget(boton);
    }
    botones->addStretch();
    botones->addWidget(botonSalir(this));

    auto* columna = new QVBoxLayout(this);
    columna->addWidget(texto, 1);
    columna->addLayout(botones);

    // The whole text at once where the screen allows it; a long one scrolls.
    const QRect pantalla = screen()->availableGeometry();
    const QSize ideal = sizeHint();
    resize(std::min(ideal.width(), pantalla.width() * 9 / 10),
           std::min(ideal.height(), pantalla.height() * 9 / 10));
}

QPushButton* botonDescripcion(QWidget* padre, Contexto& contexto, const char* nombre) {
    auto* boton = new QPushButton(QStringLiteral("&Descripción"), padre);
    boton->setObjectName(QStringLiteral("btDescripcion"));
    const QString destino = QString::fromUtf8(nombre);
    QObject::connect(boton, &QPushButton::clicked, padre,
                     [&contexto, destino] { contexto.abre<FrDescripcion>(destino); });
    return boton;
}

}  // namespace zefra::gui
