// The private-key window: enciphers or deciphers a message with the affine system over the
// active alphabet in three steps (transcription to digits, the cipher on blocks, transcription
// back to symbols), and feeds a result back as a new message in the other direction.
#pragma once

#include "core/alphabets/alfabeto.hpp"
#include "core/crypto/claves.hpp"
#include "gui/alphabets/tabla_alfabeto.hpp"
#include "gui/crypto/ventana_cifrado.hpp"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace zefra::gui {

class Rejilla;

class FrmCripPrivada final : public VentanaCifrado {
    Q_OBJECT

  public:
    explicit FrmCripPrivada(Contexto& contexto);

    // The keys accepted by the key window, shown as the user typed them.
    void fijaClaves(const ClavesAfines& claves);

  private:
    void paso(int k) override;
    void ocultaMarcos() override;
    void entradas(Documento& documento) const override;
    void paso1();
    void paso2();
    void paso3();
    QWidget* construyeMarcos();

    ClavesAfines claves_;
    Alfabeto alfabeto_;  // loaded by PASO 1, shown in both grids
    Tabla tablaPaso1_ = tablaAlfabeto();
    Tabla tablaPaso3_ = tablaAlfabeto();
    double n_ = 0;  // the modulus and block width loaded by PASO 1
    int ancho_ = 2;

    QLineEdit* claveR_ = nullptr;
    QLineEdit* claveS_ = nullptr;

    QGroupBox* marcoTranscripcion_ = nullptr;
    QGroupBox* marcoCifrado_ = nullptr;
    QGroupBox* marcoDescifrado_ = nullptr;
    QGroupBox* marcoVuelta_ = nullptr;  // the transcription back to symbols
    Rejilla* tablaTranscripcion_ = nullptr;
    Rejilla* tablaVuelta_ = nullptr;
    QLineEdit* formulaCifrado_ = nullptr;
    QLineEdit* formulaDescifrado_ = nullptr;
    QLabel* explicacionClaves_ = nullptr;
};

}  // namespace zefra::gui
