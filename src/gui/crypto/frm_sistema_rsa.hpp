// The RSA set-up: two primes p and q, n = p·q and φ(n), a public exponent t prime to φ(n) and
// the private exponent s, in four steps that can only run in order.
#pragma once

#include <optional>

#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zefra::gui {

class FrmSistemaRSA final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmSistemaRSA(Contexto& contexto);

    // Back to the first step: p and q open, everything else empty and closed.
    void reiniciaSistemaRSA();

  public slots:
    void salir() override;

  private slots:
    void buscaPrimos();
    void aceptaPrimos();
    void buscaExponente();
    void aceptaExponente();
    void continua();

  private:
    // The whole number in a field, or nothing after saying why it is refused.
    std::optional<double> leeEntero(QLineEdit* campo, const char* noEntero, double minimo);

    Contexto& contexto_;
    QLineEdit* txprimop_;
    QLineEdit* txprimoq_;
    QLineEdit* txAsignat_;
    QLabel* lbp_por_q_;
    QLabel* lbFeulerp_por_q_;
    QLabel* lbResul_s_;
    QPushButton* btBuscarCercanoPyQ_;
    QPushButton* btAceptarPyQ_;
    QPushButton* btBuscaMCDmascerca_;
    QPushButton* btAceptart_;
    QPushButton* btContinuarRSA_;
    // The values of the steps taken, as numbers.
    double n_ = 0;
    double phi_ = 0;
};

}  // namespace zefra::gui
