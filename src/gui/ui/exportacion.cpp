#include "gui/ui/exportacion.hpp"

#include <QAbstractScrollArea>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextEdit>
#include <utility>
#include <vector>

#include "core/files/exportacion_texto.hpp"
#include "gui/files/frm_listdirec.hpp"
#include "gui/ui/documento_pdf.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {
namespace {

// The actions of one window and the context menu of its result widgets.
class Exportacion final : public QObject {
  public:
    Exportacion(QWidget& ventana, Contexto& contexto, std::function<Documento()> documento)
        : QObject(&ventana),
          ventana_(ventana),
          contexto_(contexto),
          documento_(std::move(documento)) {
        accion("copiarTodo", "Copiar &todo", {}, &Exportacion::copiaTodo);
        accion("guardarComo", "&Guardar como…", QKeySequence::Save, &Exportacion::guardaComo);
        accion("exportarPDF", "E&xportar a PDF…", {}, &Exportacion::exportaPdf);
        accion("imprimir", "&Imprimir…", QKeySequence::Print, &Exportacion::imprime);
    }

    void vigila(QWidget* vista) {
        vistas_.emplace_back(vista);
        vista->installEventFilter(this);
        if (auto* area = qobject_cast<QAbstractScrollArea*>(vista))
            area->viewport()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::ContextMenu) return false;
        for (const QPointer<QWidget>& vista : vistas_) {
            auto* area = qobject_cast<QAbstractScrollArea*>(vista.data());
            if (vista && (objeto == vista || (area && objeto == area->viewport()))) {
                menu(vista, static_cast<QContextMenuEvent*>(evento)->globalPos());
                return true;
            }
        }
        return false;
    }

  private:
    void accion(const char* nombre, const char* titulo, QKeySequence atajo,
                void (Exportacion::*hace)()) {
        auto* a = new QAction(QString::fromUtf8(titulo), &ventana_);
        a->setObjectName(QString::fromLatin1(nombre));
        a->setShortcut(atajo);
        connect(a, &QAction::triggered, this, hace);
        ventana_.addAction(a);
        acciones_.append(a);
    }

    // "Copiar" as the widget's own Ctrl+C does it, "Seleccionar todo", then the four actions.
    void menu(QWidget* vista, const QPoint& donde) {
        QMenu menu(vista);
        QAction* copiar = menu.addAction(QStringLiteral("&Copiar"), vista, [vista] {
            QKeyEvent tecla(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
            QCoreApplication::sendEvent(vista, &tecla);
        });
        copiar->setShortcut(QKeySequence::Copy);
        // A text field selects all through its slot; a label has none, so it is told its range.
        const QString todo = QStringLiteral("&Seleccionar todo");
        if (auto* etiqueta = qobject_cast<QLabel*>(vista)) {
            if (etiqueta->textInteractionFlags() & Qt::TextSelectableByMouse) {
                menu.addAction(todo, etiqueta, [etiqueta] {
                    etiqueta->setSelection(0, static_cast<int>(etiqueta->text().size()));
                });
            }
        } else if (vista->metaObject()->indexOfSlot("selectAll()") >= 0) {
            menu.addAction(todo, vista, [vista] { QMetaObject::invokeMethod(vista, "selectAll"); });
        }
        menu.addSeparator();
        menu.addActions(acciones_);
        menu.exec(donde);
    }

    Documento documento() const {
        Documento d = documento_();
        d.fecha = aCore(QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm")));
        return d;
    }

    void copiaTodo() {
        std::string texto;
        escribeContenido(
            documento(), [&texto](std::string_view t) { return texto.append(t), true; }, false);
        QGuiApplication::clipboard()->setText(aQt(texto));
    }

    void guardaComo() {
        const Documento d = documento();
        DestinoFichero destino;
        const bool conCsv = tieneTabla(d);
        destino.escribe = [d, conCsv](const std::string& ruta) {
            const bool csv =
                conCsv && aQt(ruta).endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
            const FalloEscritura fallo = guardaDocumento(d, ruta, csv);
            return fallo == FalloEscritura::ninguno
                       ? std::string()
                       : aCore(mensajeFalloEscritura(fallo, aQt(ruta)));
        };
        pideFichero(QStringLiteral("Guardar como"), std::move(destino),
                    conCsv ? QStringList{QStringLiteral("*.txt"), QStringLiteral("*.csv")}
                           : QStringList{QStringLiteral("*.txt")});
    }

    void exportaPdf() {
        const Documento d = documento();
        // Refused before a file is even asked for.
        if (const QString rechazo = rechazoPorPaginas(paginasEnA4(d)); !rechazo.isEmpty()) {
            return mensaje(&ventana_, rechazo);
        }
        DestinoFichero destino;
        destino.escribe = [d](const std::string& ruta) {
            return aCore(gui::exportaPdf(d, aQt(ruta)));
        };
        pideFichero(QStringLiteral("Exportar a PDF"), std::move(destino),
                    {QStringLiteral("*.pdf")});
    }

    void imprime() {
        const Documento d = documento();
        QPrinter impresora(QPrinter::HighResolution);
        preparaPaginas(impresora);
        if (const QString rechazo = rechazoPorPaginas(cuentaPaginas(d, impresora));
            !rechazo.isEmpty()) {
            return mensaje(&ventana_, rechazo);
        }
        QPrintDialog dialogo(&impresora, &ventana_);
        dialogo.setObjectName(QStringLiteral("dialogoImprimir"));
        if (dialogo.exec() != QDialog::Accepted) return;
        if (!pintaPaginas(d, impresora))
            mensaje(&ventana_, "No se pudo imprimir: la impresora no responde.");
    }

    void pideFichero(const QString& titulo, DestinoFichero destino, QStringList filtros) {
        PeticionFichero peticion{QStringLiteral("0"), titulo, true, true, std::move(destino)};
        peticion.filtros = std::move(filtros);
        peticion.propietario = QStringLiteral("ventana ") + ventana_.objectName();
        contexto_.ventana<FrmListDirec>().pide(std::move(peticion));
    }

    QWidget& ventana_;
    Contexto& contexto_;
    std::function<Documento()> documento_;
    QList<QAction*> acciones_;
    std::vector<QPointer<QWidget>> vistas_;
};

}  // namespace

void equipaExportacion(QWidget& ventana, Contexto& contexto, std::function<Documento()> documento,
                       std::initializer_list<QWidget*> vistas) {
    auto* exportacion = new Exportacion(ventana, contexto, std::move(documento));
    for (QWidget* vista : vistas)
        exportacion->vigila(vista);
}

BloqueRico bloqueRico(const QTextEdit& texto) {
    return {aCore(texto.toHtml()), aCore(texto.toPlainText())};
}

BloqueRico bloquePlano(const QString& texto) {
    return {aCore(Qt::convertFromPlainText(texto, Qt::WhiteSpaceNormal)), aCore(texto)};
}

QString mensajeFalloEscritura(FalloEscritura fallo, const QString& ruta) {
    switch (fallo) {
        case FalloEscritura::esCarpeta:
            return QStringLiteral(
                       "No se ha guardado: «%1» es una carpeta. Escriba el nombre de un "
                       "archivo.")
                .arg(ruta);
        case FalloEscritura::sinPermiso:
            return QStringLiteral("No se ha guardado: no hay permiso para escribir en «%1».")
                .arg(ruta);
        default:
            return QStringLiteral(
                       "No se ha guardado: la escritura en «%1» ha fallado (¿está lleno "
                       "el disco?). El archivo que hubiera sigue como estaba.")
                .arg(ruta);
    }
}

}  // namespace zefra::gui
