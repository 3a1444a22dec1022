// zefra-bench [--list | NAME...]: runs the named workloads (all without a name) with an
// unlimited time budget, checks each result, and prints "NAME SECONDS s" for each, preceded by
// how the time compares with the workload's target or reference when it has one. The window
// workloads run on Qt's offscreen platform unless another is chosen.
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <map>
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
        t.fijaCampo(&Presupuesto::horas, "1000000");
        return t;
    }();
    return tiempo;
}

Estado& estadoIlimitado() {
    static const RelojBench reloj;
    static Estado estado(reloj);
    estado.tiempo.fijaCampo(&Presupuesto::horas, "1000000");
    return estado;
}

}  // namespace zefra::bench

namespace {

// The times measured in this run, so that a workload can be set beside its reference.
std::map<std::string, double> medidos;

// Prints the workload's target, and its ratio to the reference when that ran before it.
void objetivo(const zefra::bench::Carga& carga, double segundos) {
    if (!carga.referencia.empty()) {
        const auto ref = medidos.find(carga.referencia);
        if (ref == medidos.end()) {
            std::printf("%s: target at most %.2f x %s (run it first to compare)\n",
                        carga.nombre.c_str(), carga.objetivo, carga.referencia.c_str());
        } else {
            const double razon = segundos / ref->second;
            std::printf("%s: %.3f x %s (target at most %.2f): %s\n", carga.nombre.c_str(), razon,
                        carga.referencia.c_str(), carga.objetivo,
                        razon <= carga.objetivo ? "met" : "MISSED");
        }
    } else if (carga.objetivo > 0) {
        std::printf("%s: target under %.3f s: %s\n", carga.nombre.c_str(), carga.objetivo,
                    segundos < carga.objetivo ? "met" : "MISSED");
    }
}

bool corre(const zefra::bench::Carga& carga) {
    if (carga.prepara) carga.prepara();
    const auto inicio = std::chrono::steady_clock::now();
    bool correcta = carga.ejecuta();
    const double segundos =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    if (carga.comprueba) correcta = carga.comprueba() && correcta;
    if (!correcta) {
        std::printf("%s WRONG RESULT\n", carga.nombre.c_str());
        return false;
    }
    medidos[carga.nombre] = segundos;
    objetivo(carga, segundos);
    std::printf("%s %.6f s\n", carga.nombre.c_str(), segundos);
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QApplication aplicacion(argc, argv);
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
