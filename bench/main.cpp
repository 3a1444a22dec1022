// zefra-bench [--list | NAME...]: runs the named workloads (all without a name) with an
// unlimited time budget, checks each result, and prints "NAME SECONDS s" for each.
#include <chrono>
#include <cstdio>
#include <string>

#include "cargas.hpp"

namespace zefra::bench {

std::vector<Carga>& cargas() {
    static std::vector<Carga> todas;
    return todas;
}

Tiempo& tiempoIlimitado() {
    static const RelojBench reloj;
    static Tiempo tiempo = [] {
        Tiempo t(reloj);
        t.presupuesto.horas = "1000000";
        return t;
    }();
    return tiempo;
}

}  // namespace zefra::bench

namespace {

bool corre(const zefra::bench::Carga& carga) {
    const auto inicio = std::chrono::steady_clock::now();
    const bool correcta = carga.ejecuta();
    const double segundos =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    if (!correcta) {
        std::printf("%s WRONG RESULT\n", carga.nombre.c_str());
        return false;
    }
    std::printf("%s %.6f s\n", carga.nombre.c_str(), segundos);
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto& todas = zefra::bench::cargas();
    if (argc > 1 && std::string(argv[1]) == "--list") {
        for (const auto& c : todas)
            std::printf("%s\t%s\n", c.nombre.c_str(), c.descripcion.c_str());
        return 0;
    }
    bool bien = true;
    if (argc == 1) {
        for (const auto& c : todas)
            bien = corre(c) && bien;
        return bien ? 0 : 1;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string nombre = argv[i];
        bool hallada = false;
        for (const auto& c : todas) {
            if (c.nombre == nombre) {
                hallada = true;
                bien = corre(c) && bien;
            }
        }
        if (!hallada) {
            std::fprintf(stderr, "unknown workload: %s (see --list)\n", nombre.c_str());
            bien = false;
        }
    }
    return bien ? 0 : 1;
}
