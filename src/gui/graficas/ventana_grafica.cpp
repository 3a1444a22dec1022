#include "gui/graficas/ventana_grafica.hpp"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QXYSeries>
#include <cmath>

#include "core/files/exportacion_texto.hpp"
#include "gui/files/frm_listdirec.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/exportacion.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

VentanaGrafica::VentanaGrafica(Contexto& contexto, const QString& nombre, const QString& titulo)
    : Ventana(contexto.principal, nombre, titulo), contexto_(contexto) {
    grafica_ = new QChart;
    grafica_->legend()->setAlignment(Qt::AlignBottom);
    // Each legend entry drawn like its series (a dashed line, a hollow square), not as a swatch
    // of colour: the legend reads in greyscale too.
    grafica_->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    grafica_->setAnimationOptions(QChart::NoAnimation);
    vista_ = new QChartView(grafica_, this);  // owns the chart
    vista_->setObjectName(QStringLiteral("vistaGrafica"));
    vista_->setRenderHint(QPainter::Antialiasing);
    vista_->setFocusPolicy(Qt::StrongFocus);
    vista_->setContextMenuPolicy(Qt::ActionsContextMenu);
    vista_->setMinimumSize(320, 240);
    notas_ = etiqueta(this, "lbNotas", {});
    notas_->setWordWrap(true);
    notas_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    notas_->setFocusPolicy(Qt::StrongFocus);

    accion("copiarTodo", QStringLiteral("Copiar &todo"), {}, &VentanaGrafica::copiaTodo);
    accion("guardarComo", QStringLiteral("&Guardar como…"), QKeySequence::Save,
           &VentanaGrafica::guardaComo);
    accion("exportarPDF", QStringLiteral("E&xportar a PDF…"), {}, &VentanaGrafica::exportaPdf);
    accion("imprimir", QStringLiteral("&Imprimir…"), QKeySequence::Print, &VentanaGrafica::imprime);

    auto* columna = new QVBoxLayout(this);
    columna->addWidget(vista_, 1);
    columna->addWidget(notas_);
    columna->addLayout(filaDeBotones(this, {}));
    resize(720, 520);
}

void VentanaGrafica::accion(const char* nombre, const QString& titulo, const QKeySequence& atajo,
                            void (VentanaGrafica::*hace)()) {
    auto* a = new QAction(titulo, this);
    a->setObjectName(QString::fromLatin1(nombre));
    a->setShortcut(atajo);
    connect(a, &QAction::triggered, this, hace);
    addAction(a);
    vista_->addAction(a);  // the chart's context menu, by mouse or the menu key
}

void VentanaGrafica::empieza(const QString& titulo,
                             std::vector<std::pair<std::string, std::string>> entradas) {
    grafica_->removeAllSeries();
    for (QAbstractAxis* eje : grafica_->axes())
        grafica_->removeAxis(eje), delete eje;
    grafica_->setTitle(titulo);
    pagina_ = {titulo, std::move(entradas), {}};
}

void VentanaGrafica::termina(DatosGrafica datos, const QString& notas) {
    datos_ = std::move(datos);
    pagina_.notas = notas;
    notas_->setText(notas);
    // Legend entries as readable as the axes: the window's font, bold titles.
    QFont letra = font();
    grafica_->legend()->setFont(letra);
    letra.setBold(true);
    grafica_->setTitleFont(letra);
    // A series with nothing to draw this time (no tail for a unit) stays out of the legend.
    for (QLegendMarker* marca : grafica_->legend()->markers()) {
        const auto* serie = qobject_cast<const QXYSeries*>(marca->series());
        marca->setVisible(!serie || serie->count() > 0);
        if (!serie) marca->setShape(QLegend::MarkerShapeRectangle);  // an area: its shading
    }
    vista_->setAccessibleName(QStringLiteral("Gráfica: ") + grafica_->title());
    vista_->setAccessibleDescription(notas);
}

QValueAxis* VentanaGrafica::eje(Qt::Alignment lado, const QString& titulo, double desde,
                                double hasta) {
    auto* e = new QValueAxis;
    e->setTitleText(titulo);
    e->setRange(desde, hasta);
    // Ticks at round whole values (1, 2 or 5 times a power of ten, about five of them), the
    // range as the data asks: 0, 250, 500… rather than 249.75.
    const double bruto = std::max((hasta - desde) / 5, 1.0);
    const double base = std::pow(10.0, std::floor(std::log10(bruto)));
    double paso = 10 * base;
    for (const double m : {5.0, 2.0, 1.0}) {
        if (bruto <= m * base) paso = m * base;
    }
    e->setTickType(QValueAxis::TicksDynamic);
    e->setTickAnchor(0);
    e->setTickInterval(paso);
    e->setLabelsFont(font());
    e->setLabelFormat(QStringLiteral("%.0f"));
    grafica_->addAxis(e, lado);
    return e;
}

void VentanaGrafica::anade(QAbstractSeries* serie, QAbstractAxis* x, QAbstractAxis* y) {
    grafica_->addSeries(serie);
    serie->attachAxis(x);
    serie->attachAxis(y);
}

QLineSeries* VentanaGrafica::linea(const QString& nombre, Qt::PenStyle estilo, const QColor& color,
                                   double ancho) {
    auto* serie = new QLineSeries;
    serie->setName(nombre);
    QPen lapiz(color, ancho, estilo);
    lapiz.setCapStyle(Qt::FlatCap);
    serie->setPen(lapiz);
    return serie;
}

QScatterSeries* VentanaGrafica::puntos(const QString& nombre, QScatterSeries::MarkerShape forma,
                                       const QColor& color, bool relleno) const {
    auto* serie = new QScatterSeries;
    serie->setName(nombre);
    serie->setMarkerShape(forma);
    serie->setMarkerSize(QFontMetricsF(font()).height() * 0.6);
    serie->setPen(QPen(color, 1.5));
    serie->setBrush(relleno ? QBrush(color) : QBrush(Qt::white));
    return serie;
}

void VentanaGrafica::pinta(QPainter& pintor, const QRectF& destino) const {
    // The chart keeps its shape: scaled to fit, centred.
    QSizeF tamano = vista_->size();
    tamano.scale(destino.size(), Qt::KeepAspectRatio);
    const QRectF centrado(destino.center() - QPointF(tamano.width(), tamano.height()) / 2, tamano);
    vista_->render(&pintor, centrado, vista_->viewport()->rect());
}

void VentanaGrafica::copiaTodo() {
    std::string texto;
    escribeContenido(
        documentoDeDatos(datos_),
        [&texto](std::string_view trozo) {
            texto += trozo;
            return true;
        },
        false);
    QApplication::clipboard()->setText(aQt(texto));
}

void VentanaGrafica::guardaComo() {
    pideFichero(
        QStringLiteral("Guardar como"),
        {QStringLiteral("*.png"), QStringLiteral("*.svg"), QStringLiteral("*.csv")},
        [this](const QString& ruta) -> QString {
            const QString tipo = QFileInfo(ruta).suffix().toLower();
            if (tipo == QLatin1String("csv")) {
                const auto fallo = guardaDocumento(documentoDeDatos(datos_), aCore(ruta), true);
                return fallo == FalloEscritura::ninguno ? QString()
                                                        : mensajeFalloEscritura(fallo, ruta);
            }
            if (tipo == QLatin1String("svg")) {
                return escribeAtomico(ruta, [this](QIODevice& d) {
                    QSvgGenerator svg;
                    svg.setOutputDevice(&d);
                    svg.setSize(vista_->size());
                    svg.setViewBox(QRect(QPoint(0, 0), vista_->size()));
                    svg.setTitle(grafica_->title());
                    QPainter pintor;
                    if (!pintor.begin(&svg)) return false;
                    pinta(pintor, QRectF(QPointF(0, 0), vista_->size()));
                    return pintor.end();
                });
            }
            if (tipo == QLatin1String("png")) {
                return escribeAtomico(ruta, [this](QIODevice& d) {
                    // Twice the window's size, so the picture stays sharp when enlarged.
                    QImage imagen(vista_->size() * 2, QImage::Format_RGB32);
                    imagen.fill(Qt::white);
                    QPainter pintor(&imagen);
                    pinta(pintor, QRectF(imagen.rect()));
                    pintor.end();
                    return imagen.save(&d, "PNG");
                });
            }
            return QStringLiteral(
                "No se ha guardado: el nombre ha de terminar en .png, .svg o .csv.");
        });
}

void VentanaGrafica::exportaPdf() {
    pideFichero(QStringLiteral("Exportar a PDF"), {QStringLiteral("*.pdf")},
                [this](const QString& ruta) {
                    return escribeAtomico(ruta, [this](QIODevice& d) {
                        QPdfWriter pdf(&d);
                        pdf.setTitle(pagina_.titulo);
                        pdf.setCreator(QStringLiteral("Zefra"));
                        return pintaPagina(pdf, pagina_,
                                           [this](QPainter& p, const QRectF& r) { pinta(p, r); });
                    });
                });
}

void VentanaGrafica::imprime() {
    QPrinter impresora(QPrinter::HighResolution);
    QPrintDialog dialogo(&impresora, this);
    dialogo.setObjectName(QStringLiteral("dialogoImprimir"));
    if (dialogo.exec() != QDialog::Accepted) return;
    if (!pintaPagina(impresora, pagina_, [this](QPainter& p, const QRectF& r) { pinta(p, r); }))
        mensaje(this, "No se pudo imprimir: la impresora no responde.");
}

void VentanaGrafica::pideFichero(const QString& titulo, const QStringList& filtros,
                                 std::function<QString(const QString& ruta)> escribe) {
    DestinoFichero destino;
    // The chooser asks before replacing a file, as for every save.
    destino.escribe = [escribe = std::move(escribe)](const std::string& ruta) {
        return aCore(escribe(aQt(ruta)));
    };
    PeticionFichero peticion{QStringLiteral("0"), titulo, true, true, std::move(destino)};
    peticion.filtros = filtros;
    contexto_.ventana<FrmListDirec>().pide(std::move(peticion));
}

}  // namespace zefra::gui
