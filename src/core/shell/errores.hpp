// Run-time errors of the routines, with the Spanish descriptions the error traps show.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace zefra {

enum class TipoError {
    Desbordamiento,
    DivisionPorCero,
    SubindiceFueraDeIntervalo,
    ArgumentoNoValido,
    TiposNoCoinciden,
    MemoriaInsuficiente,
};

// The description a trap shows after "La operación ha producido el siguiente error:".
std::string_view descripcion(TipoError tipo);

// An error raised inside a computation (overflow, division by zero, ...).
class ErrorEjecucion : public std::runtime_error {
  public:
    explicit ErrorEjecucion(TipoError tipo);
    TipoError tipo() const { return tipo_; }

  private:
    TipoError tipo_;
};

// An error already caught by a routine's own trap: it carries that routine's name so the
// window reports it with that prefix, and it passes unchanged through outer traps.
class ErrorAtrapado : public std::runtime_error {
  public:
    ErrorAtrapado(std::string prefijo, TipoError tipo);
    const std::string& prefijo() const { return prefijo_; }
    TipoError tipo() const { return tipo_; }

  private:
    std::string prefijo_;
    TipoError tipo_;
};

// Runs `cuerpo` under the trap of routine `prefijo`: a run-time error inside it leaves the
// routine without a result and is reported under that name.
template <class F>
auto conTrampa(std::string_view prefijo, F&& cuerpo) -> decltype(cuerpo()) {
    try {
        return std::forward<F>(cuerpo)();
    } catch (const ErrorEjecucion& e) {
        throw ErrorAtrapado(std::string(prefijo), e.tipo());
    } catch (const std::bad_alloc&) {
        throw ErrorAtrapado(std::string(prefijo), TipoError::MemoriaInsuficiente);
    }
}

}  // namespace zefra
