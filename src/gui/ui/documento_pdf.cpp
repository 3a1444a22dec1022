#include "gui/ui/documento_pdf.hpp"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "gui/ui/exportacion.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {
namespace {

QFont fuente(qreal puntos, bool negrita = false) {
    QFont f = QApplication::font();
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

QFont fuenteFija() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSizeF(9);
    return f;
}

// Lays the document out page by page. Without a painter it only counts the pages, and counts
// a table's or a trace's pages from its number of lines, so that the count costs no more for a
// million rows than for ten.
class Maqueta {
  public:
    Maqueta(const Documento& documento, QPagedPaintDevice& dispositivo, QPainter* pintor, int total)
        : documento_(documento),
          dispositivo_(dispositivo),
          pintor_(pintor),
          total_(total),
          normal_(fuente(10)),
          alto_(QFontMetricsF(normal_, &dispositivo).height() * 1.5),
          pie_(alto_ * 2),
          ancho_(dispositivo.width()),
          fondo_(dispositivo.height() - pie_) {}

    int recorre() {
        cabecera();
        for (const Bloque& bloque : documento_.bloques) {
            if (const auto* t = std::get_if<BloqueTabla>(&bloque)) {
                tabla(*t);
            } else if (const auto* t = std::get_if<BloqueTraza>(&bloque)) {
                traza(*t);
            } else {
                rico(std::get<BloqueRico>(bloque));
            }
            y_ += alto_;
        }
        if (pintor_) pie();
        return pagina_;
    }

  private:
    // A line of text in the given font, wrapped to the page's width: it never loses a character.
    void linea(const QString& texto, const QFont& f, qreal alto) {
        for (const QString& parte : partes(texto, f))
            pinta(parte, f, alto);
    }

    // One line that fits the width.
    void pinta(const QString& texto, const QFont& f, qreal alto) {
        if (pintor_) {
            pintor_->setFont(f);
            pintor_->drawText(QRectF(0, y_, ancho_, alto), Qt::AlignLeft | Qt::AlignVCenter, texto);
        }
        y_ += alto;
    }

    // The lines a text takes at the page's width: broken at blanks where it can, and a word
    // longer than a line (a number of a thousand digits) anywhere.
    QStringList partes(const QString& texto, const QFont& f) const {
        const QFontMetricsF medida(f, &dispositivo_);
        if (static_cast<qreal>(texto.size()) * medida.maxWidth() <= ancho_ ||
            medida.horizontalAdvance(texto) <= ancho_)
            return {texto};
        QTextLayout maqueta(texto, f, &dispositivo_);
        QTextOption opcion;
        opcion.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        maqueta.setTextOption(opcion);
        QStringList lineas;
        maqueta.beginLayout();
        for (QTextLine l = maqueta.createLine(); l.isValid(); l = maqueta.createLine()) {
            l.setLineWidth(ancho_);
            lineas << texto.mid(l.textStart(), l.textLength());
        }
        maqueta.endLayout();
        return lineas;
    }

    // How many of the `resto` lines left go on a page that has room for `caben`: the last page
    // of a block never holds fewer than a few lines when this one can give them.
    static qsizetype juntas(qsizetype caben, qsizetype resto) {
        constexpr qsizetype kJuntas = 3;
        const qsizetype n = std::min(caben, resto);
        if (n < resto && resto - n < kJuntas && n > 2 * kJuntas) return resto - kJuntas;
        return n;
    }

    void cabecera() {
        const QFont titulo = fuente(14, true);
        linea(aQt(documento_.titulo), titulo, QFontMetricsF(titulo, &dispositivo_).height() * 1.6);
        for (const auto& [rotulo, valor] : documento_.entradas)
            linea(aQt(rotulo) + QStringLiteral(": ") + aQt(valor), normal_, alto_);
        linea(QStringLiteral("Fecha: ") + aQt(documento_.fecha), normal_, alto_);
        if (pintor_) pintor_->drawLine(QPointF(0, y_ + alto_ / 4), QPointF(ancho_, y_ + alto_ / 4));
        y_ += alto_;
    }

    void nuevaPagina() {
        if (pintor_) {
            pie();
            dispositivo_.newPage();
        }
        ++pagina_;
        y_ = 0;
    }

    void pie() {
        pintor_->setFont(fuente(8));
        pintor_->drawText(QRectF(0, fondo_, ancho_, pie_), Qt::AlignHCenter | Qt::AlignBottom,
                          QStringLiteral("Página %1 de %2").arg(pagina_).arg(total_));
    }

    // How many lines of height `alto` fit below y_ on this page, `reservadas` of them kept for
    // a header; a page that has nothing on it yet takes at least one.
    int caben(qreal alto, int reservadas) {
        int n = static_cast<int>(std::floor((fondo_ - y_) / alto)) - reservadas;
        if (n < 1 && y_ > 0) {
            nuevaPagina();
            n = static_cast<int>(std::floor(fondo_ / alto)) - reservadas;
        }
        return std::max(n, 1);
    }

    // A column of a table as printed: its index and width.
    struct Columna {
        int indice;
        qreal ancho;
    };
    using Grupo = std::vector<Columna>;

    // A table wider than the page is printed in parts, each with the columns that fit (and the
    // heading column), one after another, so that no cell is cut.
    void tabla(const BloqueTabla& t) {
        if (t.filas == 0 || t.columnas == 0) return;
        const int cabeza = t.filaCabecera ? 1 : 0;
        const std::vector<Grupo> grupos = gruposDe(t);
        for (std::size_t g = 0; g < grupos.size(); ++g) {
            if (g > 0) y_ += alto_;
            for (int fila = cabeza;;) {
                const int n = static_cast<int>(juntas(caben(alto_, cabeza), t.filas - fila));
                if (cabeza) filaTabla(t, 0, grupos[g]);
                for (int i = 0; i < n; ++i)
                    filaTabla(t, fila + i, grupos[g]);
                if (!pintor_) y_ += (n + cabeza) * alto_;
                fila += std::max(n, 1);
                if (fila >= t.filas) break;
                nuevaPagina();
            }
        }
    }

    // Each column as wide as its widest cell, packed into groups no wider than the page; only a
    // column wider than the page on its own is narrowed. A table too long to be made at all is
    // not measured, so that refusing it stays quick.
    std::vector<Grupo> gruposDe(const BloqueTabla& t) const {
        const int porPagina = std::max(1, static_cast<int>(fondo_ / alto_) - 1);
        const bool mide = t.filas / porPagina <= kMaximoPaginas;
        const std::vector<qreal> anchos =
            mide ? anchosDe(t) : std::vector<qreal>(static_cast<std::size_t>(t.columnas), alto_);
        const std::size_t fija = t.columnaCabecera ? 1 : 0;
        const Grupo cabeza = fija ? Grupo{{0, anchos[0]}} : Grupo{};
        std::vector<Grupo> grupos{cabeza};
        qreal suma = fija ? anchos[0] : 0;
        for (int c = static_cast<int>(fija); c < t.columnas; ++c) {
            const qreal w = anchos[static_cast<std::size_t>(c)];
            if (mide && suma + w > ancho_ && grupos.back().size() > fija) {
                grupos.push_back(cabeza);
                suma = fija ? anchos[0] : 0;
            }
            grupos.back().push_back({c, w});
            suma += w;
        }
        for (Grupo& g : grupos) {
            qreal total = 0;
            for (const Columna& c : g)
                total += c.ancho;
            for (Columna& c : g)
                c.ancho *= std::min<qreal>(1, ancho_ / total);
        }
        return grupos;
    }

    std::vector<qreal> anchosDe(const BloqueTabla& t) const {
        const QFontMetricsF normal(normal_, &dispositivo_);
        const QFontMetricsF negrita(fuente(10, true), &dispositivo_);
        std::vector<qreal> anchos(static_cast<std::size_t>(t.columnas), alto_);
        for (int f = 0; f < t.filas; ++f) {
            for (int c = 0; c < t.columnas; ++c) {
                const bool cabeza = (f == 0 && t.filaCabecera) || (c == 0 && t.columnaCabecera);
                const qreal w = (cabeza ? negrita : normal).horizontalAdvance(aQt(t.celda(f, c)));
                anchos[static_cast<std::size_t>(c)] =
                    std::max(anchos[static_cast<std::size_t>(c)], w + alto_);
            }
        }
        return anchos;
    }

    void filaTabla(const BloqueTabla& t, int fila, const Grupo& columnas) {
        if (!pintor_) return;
        qreal x = 0;
        for (const auto& [c, w] : columnas) {
            const QRectF celda(x, y_, w, alto_);
            const bool cabeza = (fila == 0 && t.filaCabecera) || (c == 0 && t.columnaCabecera);
            if (cabeza) pintor_->fillRect(celda, QColor(232, 232, 232));
            pintor_->setPen(QColor(160, 160, 160));
            pintor_->drawRect(celda);
            pintor_->setPen(Qt::black);
            const QFont f = fuente(10, cabeza);
            pintor_->setFont(f);
            const QRectF dentro = celda.adjusted(alto_ / 2, 0, -alto_ / 2, 0);
            pintor_->drawText(
                dentro, Qt::AlignRight | Qt::AlignVCenter,
                QFontMetricsF(f, &dispositivo_)
                    .elidedText(aQt(t.celda(fila, c)), Qt::ElideRight, dentro.width()));
            x += w;
        }
        y_ += alto_;
    }

    void traza(const BloqueTraza& t) {
        const QFont fija = fuenteFija();
        const qreal alto = QFontMetricsF(fija, &dispositivo_).lineSpacing();
        QStringList lineas;
        for (const QString& l : aQt(t.texto).remove(QLatin1Char('\r')).split(QLatin1Char('\n')))
            lineas << partes(l, fija);
        for (qsizetype i = 0; i < lineas.size();) {
            const qsizetype n = juntas(caben(alto, 0), lineas.size() - i);
            if (pintor_) {
                for (qsizetype k = 0; k < n; ++k)
                    pinta(lineas[i + k], fija, alto);
            } else {
                y_ += static_cast<qreal>(n) * alto;
            }
            i += n;
            if (i < lineas.size()) nuevaPagina();
        }
    }

    void rico(const BloqueRico& r) {
        QTextDocument texto;
        texto.documentLayout()->setPaintDevice(&dispositivo_);
        texto.setDefaultFont(normal_);
        QTextOption opcion = texto.defaultTextOption();
        opcion.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);  // a long number too
        texto.setDefaultTextOption(opcion);
        texto.setHtml(aQt(r.html));
        texto.setTextWidth(ancho_);
        const qreal total = texto.size().height();
        const std::vector<qreal> filas = arribas(texto);
        for (qreal desde = 0; desde < total;) {
            caben(alto_, 0);  // a new page when not even a line fits
            qreal hasta = std::min(total, desde + fondo_ - y_);
            if (hasta < total) hasta = conLasUltimas(filas, desde, corte(texto, desde, hasta));
            if (pintor_) {
                pintor_->save();
                pintor_->translate(0, y_ - desde);
                texto.drawContents(pintor_, QRectF(0, desde, ancho_, hasta - desde));
                pintor_->restore();
            }
            y_ += hasta - desde;
            desde = hasta;
            if (desde < total) nuevaPagina();
        }
    }

    // The top of every line of the text, from the first to the last.
    static std::vector<qreal> arribas(const QTextDocument& texto) {
        std::vector<qreal> filas;
        for (QTextBlock b = texto.begin(); b.isValid(); b = b.next()) {
            const qreal y = texto.documentLayout()->blockBoundingRect(b).top();
            for (int i = 0; b.layout() && i < b.layout()->lineCount(); ++i)
                filas.push_back(y + b.layout()->lineAt(i).y());
        }
        std::sort(filas.begin(), filas.end());
        return filas;
    }

    // A page cut at `hasta` that would leave the last page one or two lines moves up so that
    // they go with the one before, when this page keeps most of what it holds.
    static qreal conLasUltimas(const std::vector<qreal>& filas, qreal desde, qreal hasta) {
        constexpr std::size_t kJuntas = 3;
        const auto siguen = filas.end() - std::lower_bound(filas.begin(), filas.end(), hasta - 0.5);
        if (siguen == 0 || siguen >= static_cast<std::ptrdiff_t>(kJuntas) ||
            filas.size() <= kJuntas)
            return hasta;
        const qreal arriba = filas[filas.size() - kJuntas];
        return arriba > desde + (hasta - desde) / 2 ? arriba : hasta;
    }

    // Where a page ending at `hasta` cuts the text: at the top of the line it would cut, when
    // that line starts below `desde`.
    static qreal corte(const QTextDocument& texto, qreal desde, qreal hasta) {
        QAbstractTextDocumentLayout* maqueta = texto.documentLayout();
        const int posicion = maqueta->hitTest(QPointF(1, hasta), Qt::FuzzyHit);
        if (posicion < 0) return hasta;
        const QTextBlock bloque = texto.findBlock(posicion);
        if (!bloque.layout()) return hasta;
        const QTextLine fila = bloque.layout()->lineForTextPosition(posicion - bloque.position());
        if (!fila.isValid()) return hasta;
        const qreal arriba = maqueta->blockBoundingRect(bloque).top() + fila.y();
        return arriba > desde && arriba < hasta ? arriba : hasta;
    }

    const Documento& documento_;
    QPagedPaintDevice& dispositivo_;
    QPainter* pintor_;
    const int total_;
    const QFont normal_;
    const qreal alto_;  // a table row, a heading line
    const qreal pie_;
    const qreal ancho_;
    const qreal fondo_;  // where the page's content ends and its foot begins
    qreal y_ = 0;
    int pagina_ = 1;
};

}  // namespace

void preparaPaginas(QPagedPaintDevice& dispositivo) {
    dispositivo.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(18, 15, 18, 12), QPageLayout::Millimeter));
}

int cuentaPaginas(const Documento& documento, QPagedPaintDevice& dispositivo) {
    return Maqueta(documento, dispositivo, nullptr, 0).recorre();
}

int paginasEnA4(const Documento& documento) {
    QBuffer nada;  // counting makes no page: nothing is written to it
    QPdfWriter medida(&nada);
    preparaPaginas(medida);
    return cuentaPaginas(documento, medida);
}

bool pintaPaginas(const Documento& documento, QPagedPaintDevice& dispositivo) {
    const int total = cuentaPaginas(documento, dispositivo);
    QPainter pintor;
    if (!pintor.begin(&dispositivo)) return false;
    Maqueta(documento, dispositivo, &pintor, total).recorre();
    return pintor.end();
}

QString rechazoPorPaginas(int paginas, int maximo) {
    if (paginas <= maximo) return {};
    return QStringLiteral(
               "El resultado ocuparía %1 páginas, más de las %2 que se pueden exportar "
               "a PDF o imprimir.\nUse «Guardar como…» para guardarlo como texto.")
        .arg(paginas)
        .arg(maximo);
}

QString exportaPdf(const Documento& documento, const QString& ruta, int maximoPaginas) {
    const int paginas = paginasEnA4(documento);
    if (QString rechazo = rechazoPorPaginas(paginas, maximoPaginas); !rechazo.isEmpty()) {
        return rechazo;
    }
    // The pages are made in memory (a few megabytes at most) and then go to the file through
    // the same atomic writer as every saved text.
    EscrituraAtomica fichero(aCore(ruta).c_str());
    if (fichero.fallo() != FalloEscritura::ninguno)
        return mensajeFalloEscritura(fichero.fallo(), ruta);
    QBuffer memoria;
    memoria.open(QIODevice::WriteOnly);
    bool pintado = false;
    {
        QPdfWriter pdf(&memoria);
        preparaPaginas(pdf);
        pdf.setTitle(aQt(documento.titulo));
        pintado = pintaPaginas(documento, pdf);
    }
    if (!pintado) return mensajeFalloEscritura(FalloEscritura::escritura, ruta);
    fichero.escribe(
        std::string_view(memoria.data().constData(), static_cast<std::size_t>(memoria.size())));
    const FalloEscritura fallo = fichero.termina();
    return fallo == FalloEscritura::ninguno ? QString() : mensajeFalloEscritura(fallo, ruta);
}

}  // namespace zefra::gui
