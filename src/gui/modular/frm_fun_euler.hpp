// The window of Euler's function, and the window that explains its result.
#pragma once

#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace zefra::gui {

class FrExplicaEuler final : public Ventana {
    Q_OBJECT

  public:
    explicit FrExplicaEuler(Contexto& contexto);

    // The factorization and formula of the factor table, and the sentences about n and φ(n).
    void explica(const QString& modulo, double n, double phi);

  private:
    Contexto& contexto_;
    QPlainTextEdit* txPrimosEuler_;
    QLineEdit* txDescomEuler_;
    QLineEdit* txFormulaEuler_;
    QLabel* lbExplicaEuler_;
    QLabel* lbn_;
    QLabel* lbFEulern_;
};

class FrmFunEuler final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmFunEuler(Contexto& contexto);

  private slots:
    void calcula();

  private:
    Contexto& contexto_;
    QLineEdit* txmodn3_;
    QLineEdit* txsoleuler_;
};

}  // namespace zefra::gui
