// The reasoning windows of the representative and the inverse: a caption and the text that
// justifies the last result, filled by the window that computed it.
#pragma once

#include "gui/ui/contexto.hpp"
#include "gui/ui/exportacion.hpp"
#include "gui/ui/ventana.hpp"

class QLabel;

namespace zefra::gui {

class FrRazonamiento : public Ventana {
    Q_OBJECT

  public:
    // The reasoning shown and the inputs it answers (none when it is cleared).
    void fijaRazonamiento(const QString& texto, Entradas entradas = {});

  protected:
    FrRazonamiento(Contexto& contexto, const QString& nombre, const QString& titulo,
                   const QString& encabezado, const char* nombreEtiqueta);

  private:
    QLabel* razonamiento_;
    Entradas entradas_;
};

class FrExplicaRepres final : public FrRazonamiento {
    Q_OBJECT

  public:
    explicit FrExplicaRepres(Contexto& contexto);
};

class FrExplicaInver final : public FrRazonamiento {
    Q_OBJECT

  public:
    explicit FrExplicaInver(Contexto& contexto);
};

}  // namespace zefra::gui
