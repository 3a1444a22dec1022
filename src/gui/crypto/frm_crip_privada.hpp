// The private-key window: enciphers or deciphers a message with the affine system over the
// active alphabet in three steps (transcription to digits, the cipher on blocks, transcription
// back to symbols), and feeds a result back as a new message in the other direction.
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

class FrmCripPrivada final : public VentanaCifrado {
    Q_OBJECT

  public:
    explicit FrmCripPrivada(Contexto& contexto);

    // The keys accepted by the key window, as the user typed them.
    void fijaClaves(const QString& r, const QString& s);

  private:
    void paso(int k) override;
    void ocultaMarcos() override;
    void paso1();
    void paso2();
    void paso3();
    QWidget* construyeMarcos();

    Alfabeto alfabeto_;  // loaded by PASO 1, shown in both grids
    Tabla tablaPaso1_ = tablaAlfabeto();
    Tabla tablaPaso3_ = tablaAlfabeto();
    double n_ = 0;  // the modulus and block width loaded by PASO 1
    int ancho_ = 2;

    QLineEdit* txclave_cpr_ = nullptr;
    QLineEdit* txclave_cps_ = nullptr;
    // The shared controls under the names the steps use.
    QPlainTextEdit* txmensajenum_ = nullptr;
    QPlainTextEdit* txmensajecod_ = nullptr;
    TextoExacto* txmensajefinal_ = nullptr;
    QPushButton* btpaso1_ = nullptr;
    QPushButton* btpaso2_ = nullptr;
    QPushButton* btpaso3_ = nullptr;

    QGroupBox* Frame1_ = nullptr;
    QGroupBox* frmpaso2_ = nullptr;
    QGroupBox* frmpaso2_deco_ = nullptr;
    QGroupBox* frmpaso3_ = nullptr;
    Rejilla* Flexalfa1_ = nullptr;
    Rejilla* FlexAlfa3_ = nullptr;
    QLineEdit* txpaso2cod_ = nullptr;
    QLineEdit* txpaso2decod_ = nullptr;
    QLabel* lbrsexplica_ = nullptr;
};

}  // namespace zefra::gui
