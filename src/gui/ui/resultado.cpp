#include "gui/ui/resultado.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

#include "gui/ui/accesibilidad.hpp"

namespace zefra::gui {
namespace {

bool tieneTexto(const QWidget* vista) {
    if (auto* campo = qobject_cast<const QLineEdit*>(vista)) return !campo->text().isEmpty();
    if (auto* texto = qobject_cast<const QPlainTextEdit*>(vista))
        return !texto->document()->isEmpty();
    if (auto* etiqueta = qobject_cast<const QLabel*>(vista)) return !etiqueta->text().isEmpty();
    if (auto* lista = qobject_cast<const QComboBox*>(vista)) return lista->count() > 0;
    return false;
}

}  // namespace

void vaciaResultado(std::initializer_list<QWidget*> vistas,
                    std::initializer_list<QWidget*> dependientes) {
    for (QWidget* vista : vistas) {
        if (auto* campo = qobject_cast<QLineEdit*>(vista)) {
            campo->clear();
        } else if (auto* texto = qobject_cast<QPlainTextEdit*>(vista)) {
            texto->clear();
        } else if (auto* etiqueta = qobject_cast<QLabel*>(vista)) {
            etiqueta->clear();
        } else if (auto* lista = qobject_cast<QComboBox*>(vista)) {
            const QString escrito = lista->currentText();
            lista->clear();
            lista->setEditText(escrito);
        }
    }
    for (QWidget* control : dependientes)
        control->setEnabled(false);
    // Once the button's run is over, the first view announces the result it got, if any.
    if (vistas.size() == 0) return;
    QTimer::singleShot(0, *vistas.begin(), [vista = QPointer<QWidget>(*vistas.begin())] {
        if (vista && tieneTexto(vista)) anuncia(vista);
    });
}

}  // namespace zefra::gui
