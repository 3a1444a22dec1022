#include "gui/graficas/exportacion_grafica.hpp"

#include <QDateTime>
#include <QFileInfo>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QSaveFile>

#include "gui/ui/exportacion.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

Documento documentoDeDatos(const DatosGrafica& datos) {
    BloqueTabla tabla;
    tabla.filas = static_cast<int>(datos.filas.size()) + 1;
    tabla.columnas = static_cast<int>(datos.cabecera.size());
    tabla.filaCabecera = true;
    tabla.celda = [&datos](int fila, int columna) {
        const auto& campos = fila == 0 ? datos.cabecera : datos.filas[fila - 1];
        return campos[static_cast<std::size_t>(columna)];
    };
    Documento documento;
    documento.bloques.emplace_back(std::move(tabla));
    return documento;
}

QString escribeAtomico(const QString& ruta, const std::function<bool(QIODevice&)>& escribe) {
    if (QFileInfo(ruta).isDir()) return mensajeFalloEscritura(FalloEscritura::esCarpeta, ruta);
    QSaveFile fichero(ruta);
    if (!fichero.open(QIODevice::WriteOnly)) {
        return mensajeFalloEscritura(FalloEscritura::sinPermiso, ruta);
    }
    if (!escribe(fichero) || !fichero.commit()) {
        return mensajeFalloEscritura(FalloEscritura::escritura, ruta);
    }
    return {};
}

bool pintaPagina(QPagedPaintDevice& dispositivo, const PaginaGrafica& pagina,
                 const std::function<void(QPainter&, const QRectF&)>& pinta) {
    dispositivo.setPageSize(QPageSize(QPageSize::A4));
    dispositivo.setPageOrientation(QPageLayout::Landscape);
    dispositivo.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPainter pintor;
    if (!pintor.begin(&dispositivo)) return false;
    const QRectF hoja(QPointF(0, 0), QSizeF(dispositivo.width(), dispositivo.height()));
    // Heading: the title in bold, then the inputs, the date and the notes, wrapped to the page.
    QString cabecera;
    for (const auto& [titulo, valor] : pagina.entradas)
        cabecera += aQt(titulo) + QStringLiteral(": ") + aQt(valor) + QLatin1Char('\n');
    cabecera += QStringLiteral("Fecha: ") +
                QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    if (!pagina.notas.isEmpty()) cabecera += QLatin1Char('\n') + pagina.notas;
    QFont letra(QStringLiteral("DejaVu Sans"), 10);
    QFont negrita = letra;
    negrita.setPointSize(14);
    negrita.setBold(true);
    pintor.setFont(negrita);
    QRectF usado;
    pintor.drawText(hoja, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, pagina.titulo, &usado);
    QRectF resto = hoja.adjusted(0, usado.height() + usado.height() / 3, 0, 0);
    pintor.setFont(letra);
    pintor.drawText(resto, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, cabecera, &usado);
    resto.setTop(usado.bottom() + usado.height() / 8);
    pinta(pintor, resto);
    return pintor.end();
}

}  // namespace zefra::gui
