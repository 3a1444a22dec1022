#include "gui/ui/accesibilidad.hpp"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include "gui/ui/estilo_foco.hpp"
#include "gui/ui/lineas_accesibles.hpp"
#include "gui/ui/ventana.hpp"

namespace zefra::gui {
namespace {

bool lectorForzado = false;
constexpr const char* kImagen = "zefraImagen";

QAccessibleInterface* fabrica(const QString& clase, QObject* objeto) {
    auto* widget = qobject_cast<QWidget*>(objeto);
    if (!widget) return nullptr;
    // A plain widget made a window is spoken as a "filler"; the program's windows are windows.
    if (clase == QLatin1String(Ventana::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (widget->property(kImagen).toBool())
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return listaAccesible(clase, widget);
}

}  // namespace

void instalaAccesibilidad() {
    static bool instalada = false;
    if (instalada) return;
    instalada = true;
    QAccessible::installFactory(fabrica);
    instalaEstiloFoco();
}

bool lectorDePantalla() {
    return lectorForzado || QAccessible::isActive();
}

void fijaLectorDePantalla(bool activo) {
    lectorForzado = activo;
}

QLabel* etiquetaLegible(QLabel* etiqueta) {
    etiqueta->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    etiqueta->setFocusPolicy(Qt::StrongFocus);
    return etiqueta;
}

void anuncia(QWidget* vista) {
    if (!lectorDePantalla() || !vista->isVisible() || !vista->isEnabled()) return;
    if (vista->focusPolicy() & Qt::TabFocus) vista->setFocus(Qt::OtherFocusReason);
}

void esImagen(QWidget* widget, const QString& descripcion) {
    widget->setProperty(kImagen, true);
    widget->setAccessibleName(descripcion);
}

void nombraFormulas(QWidget* ventana) {
    for (QLabel* etiqueta : ventana->findChildren<QLabel*>()) {
        const QString texto = etiqueta->text();
        if (texto.contains(QLatin1String("<sup>")) || texto.contains(QLatin1String("<sub>")))
            etiqueta->setAccessibleName(textoHablado(texto));
    }
}

QString textoHablado(const QString& texto) {
    QString hablado = texto;
    static const QRegularExpression exponente(QStringLiteral("<sup>(.*?)</sup>"));
    static const QRegularExpression subindice(QStringLiteral("<sub>(.*?)</sub>"));
    hablado.replace(exponente, QStringLiteral(" elevado a \\1 "));
    hablado.replace(subindice, QStringLiteral(" sub \\1 "));
    return QTextDocumentFragment::fromHtml(hablado).toPlainText().simplified();
}

}  // namespace zefra::gui
