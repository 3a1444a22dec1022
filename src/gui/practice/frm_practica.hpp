// The practice window: the student works an exercise by hand in a grid of steps and the
// program checks each step, gives hints and shows its own solution. One window per type of
// exercise, all of this class; the exercises and their checks are the core's.
#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "core/files/documento.hpp"
#include "core/practice/practica.hpp"
#include "core/shell/tabla.hpp"
#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace zefra::gui {

class Rejilla;

// The entries of the "Practicar" menu: the window of each type, its menu entry and caption.
struct TipoPractica {
    practica::TipoEjercicio tipo;
    const char* ventana;
    const char* entrada;
    const char* titulo;  // with its Alt letter
};
const std::vector<TipoPractica>& tiposPractica();

// Adds the menu "Practicar", one entry per type of exercise, to the main window's menu bar.
void anadeMenuPracticar(QMenuBar* barra, Contexto& contexto);

class FrmPractica final : public Ventana {
    Q_OBJECT

  public:
    // `nombre` is the window's name in tiposPractica().
    FrmPractica(Contexto& contexto, const QString& nombre);

  protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private slots:
    void nuevo();
    void propio();
    void comprueba();
    void pista();
    void solucion();

  private:
    // Where a cell's value came from: the statement, the student, or "Ver solución".
    enum class Origen { Dada, Alumno, Solucion };

    // Whether the sheet may be replaced: at once when nothing was typed into it (or it was
    // solved), otherwise only when the student says so.
    bool puedeDescartar();
    // Shows `ejercicio` with an empty sheet.
    void plantea(const practica::Ejercicio& ejercicio);
    void construyeRespuestas();
    practica::Trabajo trabajo() const;
    // Writes the verdicts of `correccion` beside the cells and answers.
    void muestra(const practica::Correccion& correccion);
    void actualizaAciertos();
    QVariant aspecto(int fila, int columna, int rol) const;
    Documento documento() const;

    Contexto& contexto_;
    practica::TipoEjercicio tipo_;
    practica::Ejercicio ejercicio_;
    practica::Hoja hoja_;
    std::vector<std::vector<Origen>> origen_;
    std::vector<Origen> origenRespuestas_;
    int nivelAnterior_ = 0;  // the level shown before a change the student may cancel
    std::optional<practica::Correccion> correccion_;
    std::optional<std::pair<int, int>> marcador_;  // cells right, of all to fill in
    int pistas_ = 0;
    bool resuelto_ = false;

    Tabla tabla_{1, 1};
    QComboBox* nivel_;
    QLineEdit* numero_;
    QLabel* enunciado_;
    Rejilla* pasos_;
    QGridLayout* rejillaRespuestas_;
    std::vector<QLineEdit*> respuestas_;
    std::vector<QLabel*> veredictos_;
    QLabel* pista_;
    QLabel* aciertos_;
    QPushButton* comprobar_;
    QPushButton* botonPista_;
    QPushButton* botonSolucion_;
    QPushButton* traza_;
};

}  // namespace zefra::gui
