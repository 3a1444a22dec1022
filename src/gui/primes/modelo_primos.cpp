#include "gui/primes/modelo_primos.hpp"

#include <algorithm>

#include "core/shell/numeros.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

ModeloPrimos::ModeloPrimos(const TablaPrimos& tabla, QObject* padre)
    : QAbstractListModel(padre), tabla_(tabla) {}

int ModeloPrimos::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : filas_;
}

QVariant ModeloPrimos::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid() || indice.row() >= std::min(filas_, tabla_.cuenta())) return {};
    if (rol != Qt::DisplayRole) return {};
    return aQt(textoDecimal(tabla_.primo(indice.row() + 1)));
}

void ModeloPrimos::vacia() {
    beginResetModel();
    filas_ = 0;
    endResetModel();
}

void ModeloPrimos::muestraHasta(int cuenta) {
    cuenta = std::min(cuenta, tabla_.cuenta());
    if (cuenta <= filas_) return;
    beginInsertRows({}, filas_, cuenta - 1);
    filas_ = cuenta;
    endInsertRows();
}

}  // namespace zefra::gui
