// The time budget under which every algorithm runs, and the start time shared by the routines
// nested inside one computation.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace zefra {

// Seconds since local midnight, with fractions of a second.
class Reloj {
  public:
    virtual ~Reloj() = default;
    virtual double segundosDesdeMedianoche() const = 0;
};

// The three budget fields as the user typed them.
struct Presupuesto {
    std::string horas;
    std::string minutos;
    std::string segundos;
};

// Budget in seconds: 60 when all three texts are empty; otherwise an empty text counts 0 and
// any other text must be numeric (else the type-mismatch error).
double tiempoMaximo(const Presupuesto& presupuesto);

// A budgeted routine's result: a value, or nothing when the budget ran out ("errTiempo").
template <class T>
using ConTiempo = std::optional<T>;

// Program-wide time state: the budget, read once whenever one of its texts changes, and the
// start-time holder.
class Tiempo {
  public:
    explicit Tiempo(const Reloj& reloj) : reloj_(reloj) {}

    const Presupuesto& presupuesto() const { return presupuesto_; }
    // One budget field has a new text (as typed); the budget is worked out again from the three.
    void fijaCampo(std::string Presupuesto::*campo, std::string texto);

    // The budget in seconds; the type-mismatch error when a field is not a number.
    double tiempoMaximo() const;
    double ahora() const { return reloj_.segundosDesdeMedianoche(); }

    // A computing button records the start of its computation.
    void marcaInicio() { inicial_ = ahora(); }
    // Empties the holder so that the first routine of a multi-step computation sets the start.
    void reiniciaTiempo() { inicial_.reset(); }
    const std::optional<double>& inicial() const { return inicial_; }

    // Called about ten times a second while a budgeted routine runs, so that the windows can
    // repaint themselves during a long computation.
    void fijaLatido(std::function<void()> latido) { latido_ = std::move(latido); }
    // Called when a routine that gave heartbeats ends, so the busy state can be lifted.
    void fijaFin(std::function<void()> fin) { fin_ = std::move(fin); }

    // The program is ending: a computation under way stops at its next reading of the clock,
    // as if its budget were spent, and so does every later one.
    void cancela() { cancelado_ = true; }

    // The student asked to stop: the computation under way stops at its next reading of the
    // clock, as if its budget were spent. The request holds until the next computation starts,
    // so the window can tell a stop from a time-out.
    void detiene() { detenido_ = true; }
    bool detenido() const { return detenido_; }

  private:
    friend class Cronometro;

    const Reloj& reloj_;
    Presupuesto presupuesto_;
    std::optional<double> maximo_ = 60;  // nothing while a field is not a number
    std::optional<double> inicial_;
    std::function<void()> latido_;
    std::function<void()> fin_;
    double ultimoLatido_ = 0;
    int enCurso_ = 0;  // time checks alive, nested ones included
    bool cancelado_ = false;
    bool detenido_ = false;
};

// How a routine takes its start: publishing writes the clock into an empty holder; private
// keeps it to itself and leaves the holder empty.
enum class Inicio { Publica, Privada };

// The time check of one run of a budgeted routine. Reads the budget and the start when built
// (a non-numeric budget field raises its error there) and reads the clock at the first check,
// then only every so often, so that a check inside a tight loop costs next to nothing.
class Cronometro {
  public:
    Cronometro(Tiempo& tiempo, Inicio inicio);
    ~Cronometro();
    Cronometro(const Cronometro&) = delete;
    Cronometro& operator=(const Cronometro&) = delete;

    // True when the elapsed time exceeds the budget (strictly).
    bool agotado() {
        if (--pendientes_ != 0) return false;
        return leeReloj();
    }

  private:
    bool leeReloj();

    Tiempo& tiempo_;
    double presupuesto_;
    double inicio_;
    double ultimaLectura_;
    double creado_;
    std::uint32_t paso_ = 1;
    std::uint32_t pendientes_ = 1;
    bool latio_ = false;
};

}  // namespace zefra
