// A trace frame headed "TRAZA DEL ALGORITMO DE EUCLIDES": one read-only column of remainders
// that an operation fills and then shows.
#pragma once

#include "ui/contexto.hpp"
#include "ui/ventana.hpp"

class QPlainTextEdit;

namespace zefra::gui {

class FrmTraza final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmTraza(Contexto& contexto);

    // The column of remainders, one per line; the caller fills it.
    QPlainTextEdit& txTraza() { return *txTraza_; }

  private:
    QPlainTextEdit* txTraza_;
};

}  // namespace zefra::gui
