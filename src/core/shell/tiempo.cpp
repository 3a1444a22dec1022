#include "core/shell/tiempo.hpp"

#include "core/shell/errores.hpp"
#include "core/shell/numeros.hpp"

namespace zefra {
namespace {

constexpr double kSegundosDelDia = 86400;
constexpr double kIntervaloLatido = 0.1;
// The clock is read roughly once per millisecond of work, whatever a pass of the loop costs.
constexpr double kLecturaCorta = 0.0005;
constexpr double kLecturaLarga = 0.002;
constexpr std::uint32_t kPasoMaximo = 1u << 16;

double campo(const std::string& texto) {
    if (texto.empty()) return 0;
    const auto valor = leeNumero(texto);
    if (!valor) throw ErrorEjecucion(TipoError::TiposNoCoinciden);
    return *valor;
}

}  // namespace

double tiempoMaximo(const Presupuesto& p) {
    if (p.horas.empty() && p.minutos.empty() && p.segundos.empty()) return 60;
    return campo(p.horas) * 3600 + campo(p.minutos) * 60 + campo(p.segundos);
}

void Tiempo::fijaCampo(std::string Presupuesto::*campo, std::string texto) {
    presupuesto_.*campo = std::move(texto);
    try {
        maximo_ = zefra::tiempoMaximo(presupuesto_);
    } catch (const ErrorEjecucion&) {
        maximo_.reset();  // raised again by each routine that starts, as when it read the texts
    }
}

double Tiempo::tiempoMaximo() const {
    if (!maximo_) throw ErrorEjecucion(TipoError::TiposNoCoinciden);
    return *maximo_;
}

Cronometro::Cronometro(Tiempo& tiempo, Inicio inicio)
    : tiempo_(tiempo), presupuesto_(tiempo.tiempoMaximo()) {
    const double ahora = tiempo.ahora();
    if (!tiempo.inicial_ && inicio == Inicio::Publica) tiempo.inicial_ = ahora;
    inicio_ = tiempo.inicial_.value_or(ahora);
    ultimaLectura_ = ahora;
    creado_ = ahora;
    // A new computation (not a routine nested in one) starts free of an earlier stop.
    if (tiempo.enCurso_++ == 0) tiempo.detenido_ = false;
}

Cronometro::~Cronometro() {
    --tiempo_.enCurso_;
    if (latio_ && tiempo_.fin_) tiempo_.fin_();
}

bool Cronometro::leeReloj() {
    const double ahora = tiempo_.ahora();
    const double desdeUltima = ahora - ultimaLectura_;
    if (desdeUltima < kLecturaCorta && paso_ < kPasoMaximo) {
        paso_ *= 2;
    } else if (desdeUltima > kLecturaLarga && paso_ > 1) {
        paso_ /= 2;
    }
    pendientes_ = paso_;
    ultimaLectura_ = ahora;

    // Only a computation that has already run for a while beats, at most ten times a second.
    if (tiempo_.latido_ && ahora - creado_ > kIntervaloLatido &&
        (ahora - tiempo_.ultimoLatido_ > kIntervaloLatido || ahora < tiempo_.ultimoLatido_)) {
        tiempo_.ultimoLatido_ = ahora;
        latio_ = true;
        tiempo_.latido_();
    }
    if (tiempo_.cancelado_ || tiempo_.detenido_) return true;

    double transcurrido = ahora - inicio_;
    // The clock falls back to 0 at midnight: a computation running across it keeps counting.
    if (transcurrido < 0) transcurrido += kSegundosDelDia;
    return transcurrido > presupuesto_;
}

}  // namespace zefra
