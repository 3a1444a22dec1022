// Secondary results that some routines report to the window that shows them, also when another
// routine calls them (a primality verdict while Euler's function runs, say). A window that wants
// them sets the matching callback when it is created; an unset callback is simply not called.
#pragma once

#include <functional>
#include <string_view>
#include <utility>

namespace zefra {

struct Observadores {
    // The verdict text of the primality test, whenever it reaches one.
    std::function<void(std::string_view)> veredictoEsPrimo;
    // The lines of a completed factorization.
    std::function<void(std::string_view)> factorizacion;

    // Calls the callback when one is set.
    template <class F, class... Args>
    static void avisa(const F& callback, Args&&... args) {
        if (callback) callback(std::forward<Args>(args)...);
    }
};

}  // namespace zefra
