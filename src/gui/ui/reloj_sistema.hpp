// The real clock: seconds since local midnight with microsecond resolution.
#pragma once

#include <cstdint>

#include "core/shell/tiempo.hpp"

namespace zefra::gui {

class RelojSistema final : public Reloj {
  public:
    double segundosDesdeMedianoche() const override;

  private:
    // The local offset from UTC, looked up again when the hour changes (summer time).
    mutable std::int64_t horaCacheada_ = -1;
    mutable std::int64_t desfaseMicros_ = 0;
};

}  // namespace zefra::gui
