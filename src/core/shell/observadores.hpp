// Secondary results that some routines report to the window that shows them. A window that
// wants them sets the matching callback when it is created; an unset callback is simply not
// called.
#pragma once

#include <functional>
#include <utility>

namespace zefra {

struct Observadores {
    // The modulus of the active alphabet, whenever it is published: the key window of the
    // private-key system states it.
    std::function<void(double)> moduloAlfabeto;

    // Calls the callback when one is set.
    template <class F, class... Args>
    static void avisa(const F& callback, Args&&... args) {
        if (callback) callback(std::forward<Args>(args)...);
    }
};

}  // namespace zefra
