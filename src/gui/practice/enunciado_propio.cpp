#include "gui/practice/enunciado_propio.hpp"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/ui/controles.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

EnunciadoPropio::EnunciadoPropio(QWidget* padre, const std::vector<std::string>& nombres)
    : QDialog(padre) {
    setObjectName(QStringLiteral("frEnunciadoPropio"));
    setWindowTitle(QStringLiteral("Escribir el enunciado"));
    auto* datos = new QGridLayout;
    for (std::size_t i = 0; i < nombres.size(); ++i) {
        auto* c = campo(this, "txDato");
        c->setObjectName(QStringLiteral("txDato(%1)").arg(i));
        fila(datos, static_cast<int>(i), aQt(nombres[i]) + QLatin1Char(':'), c);
        campos_.push_back(c);
    }
    auto* botones = new QDialogButtonBox(this);
    botones->addButton(QStringLiteral("&Aceptar"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("btAceptar"));
    botones->addButton(QStringLiteral("&Cancelar"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("btCancelar"));
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(datos);
    columna->addWidget(botones);
}

std::vector<std::string> EnunciadoPropio::textos() const {
    std::vector<std::string> t;
    for (const QLineEdit* c : campos_)
        t.push_back(textoDe(c));
    return t;
}

}  // namespace zefra::gui
