// The public-key window: enciphers a message with the public key (n, t) or deciphers a digit
// string with the private key s, in two steps, and feeds a result back in the other direction.
#pragma once

#include <array>

#include "core/alphabets/alfabeto.hpp"
#include "core/crypto/rsa.hpp"
#include "gui/alphabets/tabla_alfabeto.hpp"
#include "gui/crypto/piezas_cifrado.hpp"
#include "gui/crypto/ventana_cifrado.hpp"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace zefra::gui {

class FrmCripPublica final : public VentanaCifrado {
    Q_OBJECT

  public:
    explicit FrmCripPublica(Contexto& contexto);

    // Shows the keys and starts a new process over the message, with no direction chosen.
    void fijaClaves(const ClavesRSA& claves);

  private:
    void paso(int k) override;
    void ocultaMarcos() override;
    void entradas(Documento& documento) const override;
    void paso1();
    void paso2();
    QWidget* construyeMarcos();
    QWidget* construyeClaves();
    // [m]^exponente in Zn with the program's power routine, which keeps the trace of the last.
    ResultadoRSA eleva(std::string_view digitos, int ancho, double exponente, int anchoSalida);

    ClavesRSA claves_;
    Alfabeto alfabeto_;  // loaded by PASO 1, shown in the grid
    Tabla tabla_ = tablaAlfabeto();
    int ancho_ = 2;  // the code width of the alphabet loaded by PASO 1

    std::array<QLabel*, 6> etiquetasClaves_{};  // p, q, n, φ(n), t, s
    std::array<QString, 6> rotulosClaves_;      // their captions

    MarcoDeTabla marcoTabla_{};  // both transcriptions, each with its lines
    QGroupBox* marcoCifrado_ = nullptr;
    QGroupBox* marcoDescifrado_ = nullptr;
    QLineEdit* formulaCifrado_ = nullptr;
    QLineEdit* formulaDescifrado_ = nullptr;
};

}  // namespace zefra::gui
