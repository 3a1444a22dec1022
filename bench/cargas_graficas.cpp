// The chart of π(x) over the longest list of primes the table holds: it must open at once and
// cost little memory, since it samples the list instead of drawing ten million points.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <chrono>
#include <cstdio>
#include <memory>

#include "cargas.hpp"
#include "core/primes/lista_primos.hpp"
#include "gui/graficas/graficas.hpp"
#include "gui/primes/frm_sol_lista_primos.hpp"
#include "gui/shell/frm_principal.hpp"

namespace zefra::bench {
namespace {

// The bound whose list fills the table: 9,999,999 primes.
constexpr std::int32_t kTopeLista = 179424672;
constexpr int kPrimosLista = 9999999;

// Resident memory of this process in bytes, from /proc.
double memoriaResidente() {
    QFile estado(QStringLiteral("/proc/self/statm"));
    if (!estado.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> campos = estado.readAll().split(' ');
    return campos.value(1).toDouble() * 4096;
}

std::unique_ptr<gui::FrmPrincipal> principal;
gui::FrmSolListaPrimos* lista = nullptr;
double memoriaAntes = 0;
double segundos = 0;

void prepara() {
    principal = std::make_unique<gui::FrmPrincipal>(estadoIlimitado());
    lista = &principal->contexto().ventana<gui::FrmSolListaPrimos>();
    lista->empieza("179424672");
    listaPrimos(tiempoIlimitado(), kTopeLista, lista->tabla());
    lista->fijaCuenta(lista->tabla().cuenta());
    lista->show();
    QApplication::processEvents();
    memoriaAntes = memoriaResidente();
}

bool abre() {
    const auto inicio = std::chrono::steady_clock::now();
    lista->findChild<QAbstractButton*>(QStringLiteral("btGrafica"))->click();
    auto* grafica = principal->contexto().existente<gui::FrGraficaPrimos>();
    QApplication::processEvents();
    if (grafica) grafica->grab();  // until it is drawn
    segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    const double mas = (memoriaResidente() - memoriaAntes) / 1e6;
    std::printf("  chart opened in %.3f s, %.1f MB more memory (at most 1 s and 50 MB)\n", segundos,
                mas);
    const bool bien = grafica && grafica->isVisible() && lista->tabla().cuenta() == kPrimosLista &&
                      grafica->datos().filas.size() == gui::FrGraficaPrimos::kMaximoPuntos &&
                      grafica->datos().filas.back()[1] == "9999999" && mas < 50;
    principal.reset();
    return bien;
}

const Registro grafica{{"plot-primes-10m",
                        "chart of π(x), x/ln x and li(x) for the list of 9,999,999 primes, opened "
                        "from its window (the list made beforehand)",
                        abre, "", 1.0, prepara}};

}  // namespace
}  // namespace zefra::bench
