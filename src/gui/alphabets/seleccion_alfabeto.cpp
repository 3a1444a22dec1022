#include "gui/alphabets/seleccion_alfabeto.hpp"

#include <QAction>
#include <QLabel>
#include <QMenu>

#include "core/alphabets/activo.hpp"
#include "core/alphabets/predefinidos.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

SeleccionAlfabeto::SeleccionAlfabeto(Contexto& contexto, const EntradasAlfabeto& entradas,
                                     QLabel* activo, QObject* padre)
    : QObject(padre), contexto_(contexto), entradas_(entradas), activo_(activo) {
    for (std::size_t k = 0; k < entradas_.predefinidos.size(); ++k) {
        connect(entradas_.predefinidos[k], &QAction::triggered, this,
                [this, k] { eligePredefinido(static_cast<int>(k)); });
    }
    for (std::size_t i = 1; i < entradas_.ranuras.size(); ++i) {
        connect(entradas_.ranuras[i], &QAction::triggered, this,
                [this, i] { eligeUsuario(static_cast<int>(i)); });
    }
    activo_->setTextFormat(Qt::PlainText);  // a user's name is never markup
    activo_->setText(aQt(contexto_.estado.alfabeto.nombre));
}

void SeleccionAlfabeto::habilitaAlfabetos() {
    const std::string& activo = contexto_.estado.alfabeto.nombre;
    for (std::size_t k = 0; k < entradas_.predefinidos.size(); ++k) {
        if (kNombresPredefinidos[k] == activo) entradas_.predefinidos[k]->setEnabled(true);
    }
    for (std::size_t i = 1; i < entradas_.ranuras.size(); ++i)
        entradas_.ranuras[i]->setEnabled(true);
}

void SeleccionAlfabeto::habilitaSeleccion(bool habilitada) {
    entradas_.seleccionar->menuAction()->setEnabled(habilitada);
}

void SeleccionAlfabeto::eligePredefinido(int k) {
    const auto indice = static_cast<std::size_t>(k);
    activa(std::string(kNombresPredefinidos[indice]), entradas_.predefinidos[indice], false);
}

void SeleccionAlfabeto::eligeUsuario(int index) {
    const auto& ranura = contexto_.estado.ranuras[static_cast<std::size_t>(index) - 1];
    if (ranura.libre) return;  // its entry is hidden; nothing to choose
    activa(ranura.alfabeto.nombre, entradas_.ranuras[static_cast<std::size_t>(index)], true);
}

void SeleccionAlfabeto::activa(const std::string& nombre, QAction* entrada, bool deUsuario) {
    habilitaAlfabetos();
    contexto_.estado.alfabeto.nombre = nombre;
    activo_->setText(aQt(nombre));
    entrada->setEnabled(false);
    auto& estado = contexto_.estado;
    if (fijaModulo(estado.ranuras, estado.alfabeto)) {
        emit contexto_.avisos.moduloAlfabeto(estado.alfabeto.modulo);
    }
    habilitaDeUsuario(deUsuario);
}

void SeleccionAlfabeto::habilitaDeUsuario(bool habilitados) {
    for (QAction* a : entradas_.deUsuario)
        a->setEnabled(habilitados);
}

QString SeleccionAlfabeto::tituloDeMenu(const std::string& nombre) {
    return aQt(nombre).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString SeleccionAlfabeto::nombreEnMenu(int ranura) const {
    return entradas_.ranuras[static_cast<std::size_t>(ranura) + 1]->text().replace(
        QStringLiteral("&&"), QStringLiteral("&"));
}

void SeleccionAlfabeto::ranuraCargada(int ranura) {
    QAction* entrada = entradas_.ranuras[static_cast<std::size_t>(ranura) + 1];
    entrada->setText(
        tituloDeMenu(contexto_.estado.ranuras[static_cast<std::size_t>(ranura)].alfabeto.nombre));
    entrada->setVisible(true);
    entrada->setEnabled(true);
    entradas_.ranuras[0]->setVisible(true);
}

void SeleccionAlfabeto::ranuraRenombrada(int ranura) {
    const std::string& nombre =
        contexto_.estado.ranuras[static_cast<std::size_t>(ranura)].alfabeto.nombre;
    entradas_.ranuras[static_cast<std::size_t>(ranura) + 1]->setText(tituloDeMenu(nombre));
    if (esActivo(contexto_.estado.ranuras, contexto_.estado.alfabeto, ranura))
        activo_->setText(aQt(nombre));
}

void SeleccionAlfabeto::ranuraCerrada(int ranura, bool eraActivo) {
    entradas_.ranuras[static_cast<std::size_t>(ranura) + 1]->setVisible(false);
    if (eraActivo) {
        activo_->setText(aQt(contexto_.estado.alfabeto.nombre));
        entradas_.predefinidos[0]->setEnabled(false);  // "a-z", active again
        habilitaDeUsuario(false);
    }
    bool quedan = false;
    for (std::size_t i = 1; i < entradas_.ranuras.size(); ++i)
        quedan = quedan || entradas_.ranuras[i]->isVisible();
    if (!quedan) {
        entradas_.ranuras[0]->setVisible(false);
        habilitaDeUsuario(false);
    }
}

}  // namespace zefra::gui
