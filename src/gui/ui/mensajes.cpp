#include "gui/ui/mensajes.hpp"

#include <QLineEdit>
#include <QMessageBox>

#include "core/shell/tiempo.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {
namespace {

bool terminando(const QWidget* padre) {
    for (const QWidget* w = padre; w; w = w->parentWidget()) {
        if (w->property(kProgramaTerminando).toBool()) return true;
    }
    return false;
}

void muestra(QWidget* padre, const QString& texto, QMessageBox::Icon icono) {
    if (terminando(padre)) return;
    QMessageBox caja(icono, QStringLiteral("Zefra"), texto, QMessageBox::Ok, padre);
    caja.setObjectName(QStringLiteral("mensajeZefra"));
    caja.setTextInteractionFlags(Qt::TextSelectableByMouse);
    caja.exec();
}

}  // namespace

void mensaje(QWidget* padre, const QString& texto) {
    muestra(padre, texto, QMessageBox::Information);
}

bool pregunta(QWidget* padre, const QString& texto, const char* nombre) {
    QMessageBox caja(QMessageBox::Question, QStringLiteral("Zefra"), texto,
                     QMessageBox::Yes | QMessageBox::No, padre);
    caja.setObjectName(QString::fromLatin1(nombre));
    caja.setDefaultButton(QMessageBox::No);
    caja.setEscapeButton(QMessageBox::No);
    return caja.exec() == QMessageBox::Yes;
}

void mensaje(QWidget* padre, const char* texto) {
    mensaje(padre, aQt(texto));
}

void mensaje(QWidget* padre, const std::string& texto) {
    mensaje(padre, aQt(texto));
}

void mensajeTiempoAgotado(QWidget* padre, const Tiempo& tiempo, bool conPunto) {
    mensajeTiempoAgotado(padre, tiempo,
                         conPunto ? "Se ha superado el tiempo establecido."
                                  : "Se ha superado el tiempo establecido");
}

void mensajeTiempoAgotado(QWidget* padre, const Tiempo& tiempo, const char* texto) {
    mensaje(padre, tiempo.detenido() ? kCalculoDetenido : texto);
}

bool longitudAdmitida(QWidget* ventana, const QLineEdit* campo, const char* aviso) {
    if (campo->text().size() <= 10) return true;
    mensaje(ventana, aviso);
    return false;
}

void mensajeError(QWidget* padre, std::string_view prefijo, std::string_view descripcion) {
    muestra(padre,
            aQt(prefijo) + QStringLiteral(":La operación ha producido el siguiente error:\n\n") +
                aQt(descripcion),
            QMessageBox::Critical);
}

}  // namespace zefra::gui
