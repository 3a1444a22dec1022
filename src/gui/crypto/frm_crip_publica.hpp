// The public-key window: enciphers a message with the public key (n, t) or deciphers a digit
// string with the private key s, in two steps, and feeds a result back in the other direction.
#pragma once

#include "gui/alphabets/tabla_alfabeto.hpp"
#include "gui/crypto/ventana_cifrado.hpp"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zefra::gui {

class Rejilla;
class TextoExacto;

// The six values of the RSA set-up, as that window shows them.
struct ClavesRSA {
    QString p, q, n, phi, t, s;
};

class FrmCripPublica final : public VentanaCifrado {
    Q_OBJECT

  public:
    explicit FrmCripPublica(Contexto& contexto);

    // Shows the keys and starts a new process over the message, with no direction chosen.
    void fijaClaves(const ClavesRSA& claves);

  private:
    void paso(int k) override;
    void ocultaMarcos() override;
    void paso1();
    void paso2();
    QWidget* construyeMarcos();
    QWidget* construyeClaves();
    void muestraTabla(const QString& paso, std::initializer_list<const char*> lineas);
    double valor(const QLabel* etiqueta) const;

    Alfabeto alfabeto_;  // loaded by PASO 1, shown in the grid
    Tabla tabla_ = tablaAlfabeto();
    int ancho_ = 2;  // the code width of the alphabet loaded by PASO 1

    // The shared controls under the names the steps use.
    QPlainTextEdit* txmensajenum_ = nullptr;
    TextoExacto* txmensajecod_ = nullptr;
    QPushButton* btpaso1_ = nullptr;
    QPushButton* btpaso2_ = nullptr;
    QLabel* claves_[6] = {};  // p, q, n, φ(n), t, s

    QGroupBox* Frame1_ = nullptr;
    QLabel* lineasTabla_[4] = {};
    Rejilla* Flexalfa1_ = nullptr;
    QGroupBox* frmpaso2_ = nullptr;
    QGroupBox* frmpaso2_deco_ = nullptr;
    QLineEdit* txpaso2codPublica_ = nullptr;
    QLineEdit* txpaso2decodPublica_ = nullptr;
};

}  // namespace zefra::gui
