#include "gui/ui/texto_exacto.hpp"

#include <QMimeData>
#include <QTextDocument>
#include <algorithm>

namespace zefra::gui {
namespace {

bool esSalto(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator;
}

// Without the line breaks that the display put in.
QString sinCortes(QString texto) {
    texto.removeIf(esSalto);
    return texto;
}

// A single line (line ends only at its end) with a word longer than the editor lays out
// quickly: it breaks a line between words at once, but a word without end character by
// character.
bool palabraLarga(const QString& texto) {
    qsizetype fin = texto.size();
    while (fin > 0 && esSalto(texto[fin - 1]))
        --fin;
    if (fin <= TextoExacto::kLineaLarga) return false;
    qsizetype palabra = 0;
    qsizetype mayor = 0;
    for (qsizetype i = 0; i < fin; ++i) {
        if (esSalto(texto[i])) return false;
        palabra = texto[i].isSpace() ? 0 : palabra + 1;
        mayor = std::max(mayor, palabra);
    }
    return mayor > TextoExacto::kLineaLarga;
}

}  // namespace

QString exacto(std::string_view texto) {
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

TextoExacto::TextoExacto(QWidget* padre, const char* nombre, bool soloLectura)
    : QPlainTextEdit(padre) {
    setObjectName(QString::fromUtf8(nombre));
    setReadOnly(soloLectura);
    if (soloLectura)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (fijando_) return;
        exacto_.reset();
        if (document()->isEmpty()) troceado_ = false;  // all new text: its line breaks count
    });
}

void TextoExacto::fijaTexto(const QString& texto) {
    fijando_ = true;
    troceado_ = palabraLarga(texto);
    if (troceado_) {
        QString cortado;
        cortado.reserve(texto.size() + texto.size() / kTrozo + 1);
        for (qsizetype i = 0; i < texto.size(); i += kTrozo) {
            if (i > 0) cortado += QLatin1Char('\n');
            cortado += QStringView(texto).mid(i, kTrozo);
        }
        setPlainText(cortado);
    } else {
        setPlainText(texto);
    }
    fijando_ = false;
    exacto_ = texto;
}

QString TextoExacto::textoExacto() const {
    if (exacto_) return *exacto_;
    // The raw text keeps every character; only the paragraph separators become line feeds.
    QString texto = document()->toRawText();
    if (troceado_) return sinCortes(texto);
    texto.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return texto;
}

QMimeData* TextoExacto::createMimeDataFromSelection() const {
    if (!troceado_) return QPlainTextEdit::createMimeDataFromSelection();
    auto* datos = new QMimeData;
    datos->setText(sinCortes(textCursor().selectedText()));
    return datos;
}

}  // namespace zefra::gui
