// The private-key window for user alphabets whose codes leave gaps: the same affine cipher as
// the three-step window, in two steps, with a cipher text that stays a digit string.
// Enciphering: the text to digits, then the cipher on blocks. Deciphering: the inverse cipher
// on the typed digits, then the digits to symbols.
#pragma once

#include <array>
#include <optional>
#include <utility>

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

class FrPrivadaAlfaus final : public VentanaCifrado {
    Q_OBJECT

  public:
    explicit FrPrivadaAlfaus(Contexto& contexto);

    // The keys accepted by the key window, as the user typed them.
    void fijaClaves(const QString& r, const QString& s);

  private:
    void paso(int k) override;
    void ocultaMarcos() override;
    void paso1();
    void paso2();
    QWidget* construyeMarcos();
    // The classes of r and s in Zn, r prime to n; nothing (with its message shown) otherwise.
    std::optional<std::pair<double, double>> claves();
    // Shows the conversion table under this caption with the four lines of its step.
    void muestraTabla(const QString& titulo, const std::array<const char*, 4>& textos);

    Alfabeto alfabeto_;  // loaded by PASO 1, shown in the grid
    Tabla tabla_ = tablaAlfabeto();
    double n_ = 0;  // the modulus and code width loaded by PASO 1
    int ancho_ = 2;

    QLabel* lbclaver_ = nullptr;
    QLabel* lbclaves_ = nullptr;
    // The shared controls under the names the steps use.
    QPlainTextEdit* txmensajenum_ = nullptr;
    TextoExacto* txmensajecod_ = nullptr;
    QPushButton* btpaso1_ = nullptr;
    QPushButton* btpaso2_ = nullptr;

    QGroupBox* Frame2_ = nullptr;
    QGroupBox* frmpaso2privadaus_ = nullptr;
    QGroupBox* frmpaso2decoprivada_ = nullptr;
    Rejilla* Flexalfa1_ = nullptr;
    std::array<QLabel*, 4> lineasTabla_{};  // Label45, Label47, Label48, Label49
    QLineEdit* txpaso2codPublica_ = nullptr;
    QLineEdit* txpaso2decodPublica_ = nullptr;
};

}  // namespace zefra::gui
