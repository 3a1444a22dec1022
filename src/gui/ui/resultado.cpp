#include "gui/ui/resultado.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace zefra::gui {

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
}

}  // namespace zefra::gui
