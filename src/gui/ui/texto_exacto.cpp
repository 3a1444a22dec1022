#include "ui/texto_exacto.hpp"

#include <QTextDocument>

namespace zefra::gui {

TextoExacto::TextoExacto(QWidget* padre, const char* nombre, bool soloLectura)
    : QPlainTextEdit(padre) {
    setObjectName(QString::fromUtf8(nombre));
    setReadOnly(soloLectura);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!fijando_) exacto_.reset();
    });
}

void TextoExacto::fijaTexto(const QString& texto) {
    fijando_ = true;
    setPlainText(texto);
    fijando_ = false;
    exacto_ = texto;
}

QString TextoExacto::textoExacto() const {
    if (exacto_) return *exacto_;
    // The raw text keeps every character; only the paragraph separators become line feeds.
    QString texto = document()->toRawText();
    texto.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return texto;
}

}  // namespace zefra::gui
