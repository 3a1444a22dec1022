// The window of Euler's function, and the window that explains its result.
#pragma once

#include <cstdint>

#include "gui/ui/contexto.hpp"
#include "gui/ui/exportacion.hpp"
#include "gui/ui/ventana.hpp"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zefra::gui {

class FrExplicaEuler final : public Ventana {
    Q_OBJECT

  public:
    explicit FrExplicaEuler(Contexto& contexto);

    // The factorization and formula of the factor table, and the sentences about n and φ(n).
    void explica(const QString& modulo, double n, double phi);
    // Nothing explained: the modulus was refused.
    void vacia();

  private:
    Contexto& contexto_;
    QPlainTextEdit* primos_;
    QLineEdit* descomposicion_;
    QLineEdit* formula_;
    QLabel* explicacion_;
    QLabel* igualN_;
    QLabel* igualPhi_;
    Entradas entradas_;  // the modulus explained
};

class FrmFunEuler final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmFunEuler(Contexto& contexto);

  private slots:
    void calcula();

  private:
    Contexto& contexto_;
    QLineEdit* modulo_;
    QLineEdit* phi_;
    QPushButton* grafica_;  // the chart of φ(k) up to the last n
    std::uint64_t n_ = 0;
};

}  // namespace zefra::gui
