// The list model over a prime table: one row per prime, its decimal text. The rows it shows are
// announced explicitly, so a run can fill the table while the list grows a few times a second.
#pragma once

#include <QAbstractListModel>

#include "core/primes/lista_primos.hpp"

namespace zefra::gui {

class ModeloPrimos final : public QAbstractListModel {
    Q_OBJECT

  public:
    ModeloPrimos(const TablaPrimos& tabla, QObject* padre);

    int rowCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;

    // Shows no row, before the table is emptied for a new run.
    void vacia();
    // Shows the first `cuenta` primes of the table (never fewer than it already shows).
    void muestraHasta(int cuenta);

  private:
    const TablaPrimos& tabla_;
    int filas_ = 0;
};

}  // namespace zefra::gui
