// What the cipher windows share: the message, the two directions, the step buttons with their
// result fields, and "Invertir proceso", "Inicializar", the file buttons and "Salir".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/crypto/afin.hpp"
#include "core/crypto/preparacion.hpp"
#include "core/files/documento.hpp"
#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QButtonGroup;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zefra::gui {

class Rejilla;
class TextoExacto;

class VentanaCifrado : public Ventana {
    Q_OBJECT

  public slots:
    // Resets the window (and unlocks the alphabet menu) and hides it.
    void salir() override;

  protected:
    // How one window names and uses the shared controls.
    struct Forma {
        const char* opciones;  // the options are "<opciones>(0)" and "<opciones>(1)"
        const char* invertir;  // the "Invertir proceso" button
        const char* abrir;     // the file buttons
        const char* guardar;
        const char* codigoFichero;  // the file chooser's request code
        bool bloqueaAlfabeto;       // a running process locks the choice of alphabet
        // The result field of each step; the last keeps its text exactly and is what is
        // saved and what "Invertir proceso" takes as the new message.
        std::vector<const char*> salidas;
        const char* descripcion = nullptr;  // the description its "Descripción" button opens
    };

    VentanaCifrado(Contexto& contexto, const QString& nombre, const QString& titulo, Forma forma);

    // Lays the window out: `cabecera` above the message, `marcos` (the step frames) at the right.
    void compone(QWidget* cabecera, QWidget* marcos);

    // The direction chosen (CODIFICAR or DECODIFICAR), if any.
    std::optional<Sentido> direccion() const;
    // Back to the start: empty fields, no direction, no step offered, no frame shown.
    void reinicia();
    // The same, keeping the message: a new process over it.
    void reiniciaProceso();
    // "Inicializar": reinicia, and the alphabet menu unlocked.
    void inicializa();
    // A process has begun: the alphabet may not change until it is reset.
    void bloqueaAlfabeto();

    // Step k has run: its button closes and the next step is offered (none after the last).
    void cierraPaso(int k);
    // A step's digits: kept whole for the next step, shown in its field as far as a person
    // reads them (a long message shows its first blocks and how many follow).
    void escribePaso(int k, std::string digitos, int ancho);
    const std::string& digitosPaso(int k) const { return digitos_[static_cast<std::size_t>(k)]; }

    QPushButton* botonPaso(int k) const { return pasos_[static_cast<std::size_t>(k)]; }
    QPlainTextEdit* salida(int k) const { return salidas_[static_cast<std::size_t>(k)]; }
    TextoExacto* resultado() const { return resultado_; }

    virtual void paso(int k) = 0;
    virtual void ocultaMarcos() = 0;
    // Adds to what "Copiar todo", "Guardar como…", PDF and print take out the keys the window
    // shows, as inputs.
    virtual void entradas(Documento& documento) const = 0;
    // The opening of step 1: the alphabet the window prepared shown in each of its tables (the
    // grids hide their empty rows) and announced, or, with none loaded, the tables emptied and
    // the message. True when there is one.
    bool muestraAlfabeto(const std::optional<AlfabetoCargado>& cargada,
                         std::initializer_list<std::pair<Tabla*, Rejilla*>> tablas);
    // Publishes the divisions behind [r]^-1 in Zn, when deciphering worked them out.
    void publicaEuclides(const ResultadoAfin& cifrado, double n, double r);

    Contexto& contexto_;
    TextoExacto* mensaje_;

  private:
    void eligeDireccion(int opcion);
    void desmarcaDirecciones();
    void invierte();
    void abreFichero();
    void guardaFichero();
    void vaciaPasos();
    // The window as it stands: the keys and direction, the message in each state and the
    // frame of the step shown.
    Documento documento() const;

    Forma forma_;
    std::vector<QPlainTextEdit*> salidas_;
    std::vector<std::string> digitos_;  // the whole digits of each step but the last
    std::vector<int> anchos_;           // and their block widths
    QWidget* marcos_ = nullptr;         // the zone where the frames of the steps take turns
    TextoExacto* resultado_ = nullptr;
    std::vector<QPushButton*> pasos_;
    QRadioButton* opciones_[2] = {};
    QButtonGroup* direcciones_ = nullptr;
    QPushButton* invertir_ = nullptr;
    QPushButton* inicializar_ = nullptr;
    QPushButton* abrir_ = nullptr;
    QPushButton* guardar_ = nullptr;
};

}  // namespace zefra::gui
