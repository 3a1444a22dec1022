// The RSA set-up: two primes p and q, n = p·q and φ(n), a public exponent t prime to φ(n) and
// the private exponent s, in four steps that can only run in order.
#pragma once

#include <optional>

#include "core/crypto/rsa.hpp"
#include "core/files/documento.hpp"
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

  protected:
    void keyPressEvent(QKeyEvent* evento) override;

  private slots:
    void buscaPrimos();
    void aceptaPrimos();
    void buscaExponente();
    void aceptaExponente();
    void continua();

  private:
    // The values set so far: p, q and t as inputs, n, φ(n) and s as results.
    Documento documento() const;
    // The whole number in a field (2 when it is empty), or nothing after saying why it is
    // refused.
    std::optional<double> leeEntero(QLineEdit* campo, const char* noEntero, double minimo);

    Contexto& contexto_;
    QLineEdit* campoP_;
    QLineEdit* campoQ_;
    QLineEdit* campoT_;
    QLabel* etiquetaN_;
    QLabel* etiquetaPhi_;
    QLabel* etiquetaS_;
    QPushButton* botonBuscaPrimos_;
    QPushButton* botonAceptaPrimos_;
    QPushButton* botonBuscaExponente_;
    QPushButton* botonAceptaExponente_;
    QPushButton* botonContinuar_;
    // The values of the steps taken; the fields and labels are written from them.
    ClavesRSA claves_;
};

}  // namespace zefra::gui
