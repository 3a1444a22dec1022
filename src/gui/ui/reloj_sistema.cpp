#include "gui/ui/reloj_sistema.hpp"

#include <QDateTime>
#include <chrono>

namespace zefra::gui {
namespace {

constexpr std::int64_t kMicrosPorHora = 3'600'000'000;
constexpr std::int64_t kMicrosPorDia = 24 * kMicrosPorHora;

}  // namespace

double RelojSistema::segundosDesdeMedianoche() const {
    const std::int64_t micros = std::chrono::duration_cast<std::chrono::microseconds>(
                                    std::chrono::system_clock::now().time_since_epoch())
                                    .count();
    const std::int64_t hora = micros / kMicrosPorHora;
    if (hora != horaCacheada_) {
        horaCacheada_ = hora;
        desfaseMicros_ =
            static_cast<std::int64_t>(QDateTime::currentDateTime().offsetFromUtc()) * 1'000'000;
    }
    const std::int64_t local =
        ((micros + desfaseMicros_) % kMicrosPorDia + kMicrosPorDia) % kMicrosPorDia;
    return static_cast<double>(local) / 1e6;
}

}  // namespace zefra::gui
