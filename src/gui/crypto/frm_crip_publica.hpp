// The public-key window: enciphers a message with the public key (n, t) or deciphers a digit
// string with the private key s, in two steps, and feeds a result back in the other direction.
#pragma once

#include "alphabets/alfabeto.hpp"
#include "ui/contexto.hpp"
#include "ui/ventana.hpp"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zefra::gui {

class Rejilla;
class TextoExacto;

// The six values of the RSA set-up, as that window shows them.
struct ClavesRSA {
    QString p, q, n, phi, t, s;
};

class FrmCripPublica final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmCripPublica(Contexto& contexto);

    // Shows the keys and starts with no direction chosen.
    void fijaClaves(const ClavesRSA& claves);

  public slots:
    void salir() override;

  private slots:
    void eligeDireccion(int opcion);
    void paso1();
    void paso2();
    void invertir();
    void abreFichero();
    void guardaFichero();

  private:
    QWidget* construyeMarcos();
    QWidget* construyeClaves();
    void reiniciaCripPublica();
    void ocultaMarcos();
    void muestraTabla(const QString& paso, std::initializer_list<const char*> lineas);
    int direccion() const;
    void desmarcaDirecciones();
    double valor(const QLabel* etiqueta) const;

    Contexto& contexto_;
    Tabla tabla_ = tablaAlfabeto();
    int ancho_ = 2;  // the code width of the alphabet loaded by PASO 1

    TextoExacto* txmensaje_ = nullptr;
    QPlainTextEdit* txmensajenum_ = nullptr;
    TextoExacto* txmensajecod_ = nullptr;
    QRadioButton* opciones_[2] = {};
    QButtonGroup* direcciones_ = nullptr;
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
