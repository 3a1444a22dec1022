#include "gui/graficas/exportacion_grafica.hpp"

#include <QDateTime>
#include <QFileInfo>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QRectF>
#include <QSaveFile>

#include "core/files/exportacion_texto.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

QString textoTabulado(const DatosGrafica& datos) {
    QString texto;
    const auto fila = [&texto](const std::vector<std::string>& campos) {
        for (std::size_t i = 0; i < campos.size(); ++i)
            texto += (i ? QStringLiteral("\t") : QString()) + aQt(campos[i]);
        texto += QLatin1Char('\n');
    };
    fila(datos.cabecera);
    for (const auto& f : datos.filas)
        fila(f);
    return texto;
}

std::string textoCsv(const DatosGrafica& datos) {
    std::string texto;
    const auto fila = [&texto](const std::vector<std::string>& campos) {
        for (std::size_t i = 0; i < campos.size(); ++i)
            texto += (i ? "," : "") + campoCsv(campos[i]);
        texto += "\r\n";
    };
    fila(datos.cabecera);
    for (const auto& f : datos.filas)
        fila(f);
    return texto;
}

QString escribeAtomico(const QString& ruta, const std::function<bool(QIODevice&)>& escribe) {
    if (QFileInfo(ruta).isDir()) {
        return QStringLiteral(
                   "No se ha guardado: «%1» es una carpeta. Escriba el nombre de un "
                   "archivo.")
            .arg(ruta);
    }
    QSaveFile fichero(ruta);
    if (!fichero.open(QIODevice::WriteOnly)) {
        return QStringLiteral("No se ha guardado: no hay permiso para escribir en «%1».").arg(ruta);
    }
    if (!escribe(fichero) || !fichero.commit()) {
        return QStringLiteral(
                   "No se ha guardado: la escritura en «%1» ha fallado (¿está lleno el "
                   "disco?). El archivo que hubiera sigue como estaba.")
            .arg(ruta);
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
