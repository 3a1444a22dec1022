// The last run of each traced routine — Euclid's divisions, the Diophantine recurrence, a power
// in Zn — whichever window made it, with what was computed: the trace windows show these. A
// window that runs one of the routines publishes the trace it got back.
#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "core/arithmetic/diofantica.hpp"
#include "core/arithmetic/euclides.hpp"
#include "core/modular/traza_potencia.hpp"

namespace zefra::gui {

// The inputs of a document, caption and value, in order (as the exports take them).
using Entradas = std::vector<std::pair<std::string, std::string>>;

// A trace with the inputs it was computed from and the title of the window that asked.
template <class T>
struct Publicada {
    T traza;
    Entradas entradas;
    QString ventana;

    // The inputs as an export heads the trace: each input, then the window.
    Entradas encabezado() const {
        Entradas e = entradas;
        if (!ventana.isEmpty()) e.emplace_back("Calculado en", ventana.toStdString());
        return e;
    }
};

class Trazas final : public QObject {
    Q_OBJECT

  public:
    const Publicada<TrazaEuclides>& euclides() const { return euclides_; }
    const Publicada<std::vector<PasoDiofantica>>& diofantica() const { return diofantica_; }
    const Publicada<TrazaPotencia>& potencia() const { return potencia_; }

    void publica(Publicada<TrazaEuclides> p) {
        euclides_ = std::move(p);
        emit euclidesCambiada();
    }
    void publica(Publicada<std::vector<PasoDiofantica>> p) {
        diofantica_ = std::move(p);
        emit diofanticaCambiada();
    }
    void publica(Publicada<TrazaPotencia> p) {
        potencia_ = std::move(p);
        emit potenciaCambiada();
    }

  signals:
    void euclidesCambiada();
    void diofanticaCambiada();
    void potenciaCambiada();

  private:
    Publicada<TrazaEuclides> euclides_;
    Publicada<std::vector<PasoDiofantica>> diofantica_;
    Publicada<TrazaPotencia> potencia_;
};

}  // namespace zefra::gui
