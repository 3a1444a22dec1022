// The private-key window for user alphabets whose codes leave gaps: the same affine cipher as
// the three-step window, in two steps, with a cipher text that stays a digit string.
// Enciphering: the text to digits, then the cipher on blocks. Deciphering: the inverse cipher
// on the typed digits, then the digits to symbols.
#pragma once

#include <optional>

#include "core/alphabets/alfabeto.hpp"
#include "core/crypto/claves.hpp"
#include "gui/alphabets/tabla_alfabeto.hpp"
#include "gui/crypto/piezas_cifrado.hpp"
#include "gui/crypto/ventana_cifrado.hpp"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace zefra::gui {

class FrPrivadaAlfaus final : public VentanaCifrado {
    Q_OBJECT

  public:
    explicit FrPrivadaAlfaus(Contexto& contexto);

    // The keys accepted by the key window, shown as the user typed them.
    void fijaClaves(const ClavesAfines& claves);

  private:
    void paso(int k) override;
    void ocultaMarcos() override;
    void entradas(Documento& documento) const override;
    void paso1();
    void paso2();
    QWidget* construyeMarcos();
    // The classes of r and s in Zn, r prime to n; nothing (with its message shown) otherwise.
    std::optional<ClasesAfines> clases();

    ClavesAfines claves_;
    Alfabeto alfabeto_;  // loaded by PASO 1, shown in the grid
    Tabla tabla_ = tablaAlfabeto();
    double n_ = 0;  // the modulus and code width loaded by PASO 1
    int ancho_ = 2;

    QLabel* claveR_ = nullptr;
    QLabel* claveS_ = nullptr;

    MarcoDeTabla marcoTabla_{};  // both transcriptions, each with its lines
    QGroupBox* marcoCifrado_ = nullptr;
    QGroupBox* marcoDescifrado_ = nullptr;
    QLineEdit* formulaCifrado_ = nullptr;
    QLineEdit* formulaDescifrado_ = nullptr;
};

}  // namespace zefra::gui
