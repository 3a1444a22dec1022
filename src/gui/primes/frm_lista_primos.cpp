#include "gui/primes/frm_lista_primos.hpp"

#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/primes/lista_primos.hpp"
#include "core/shell/numeros.hpp"
#include "gui/primes/frm_sol_lista_primos.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {
namespace {

// During a long run the result list is brought up to date this often (milliseconds).
constexpr qint64 kRefresco = 250;

// Whatever ends a run — completion, timeout or error — the list then shows the whole table.
struct MuestraLaTabla {
    FrmSolListaPrimos& resultado;
    ~MuestraLaTabla() { resultado.muestraTabla(); }
};

}  // namespace

FrmListaPrimos::FrmListaPrimos(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmListaPrimos"),
              QStringLiteral("LISTA DE NUMEROS PRIMOS")),
      contexto_(contexto) {
    tope_ = new QLineEdit(this);
    tope_->setObjectName(QStringLiteral("txttopeprimo"));
    auto* etiqueta = new QLabel(
        QStringLiteral("&Especifica hasta qué número quieres que busque números primos:"), this);
    etiqueta->setObjectName(QStringLiteral("Label1"));
    etiqueta->setBuddy(tope_);

    auto* acepto = new QPushButton(QStringLiteral("&ACEPTAR"), this);
    acepto->setObjectName(QStringLiteral("btaceptolista"));
    acepto->setDefault(true);
    connect(acepto, &QPushButton::clicked, this, &FrmListaPrimos::acepta);

    auto* botones = filaDeBotones(this, {acepto});
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(etiqueta);
    columna->addWidget(tope_);
    columna->addStretch();
    columna->addLayout(botones);
}

void FrmListaPrimos::acepta() {
    auto& resultado = contexto_.ventana<FrmSolListaPrimos>();
    resultado.empieza({});  // a refused bound leaves no earlier list
    const bool completo = atrapaErrores(this, "btListaPrimos", [&] {
        const auto tope = leeNumero(textoDe(tope_));
        if (!tope) return mensaje(this, "Ha de ser un valor numérico");
        if (!longitudAdmitida(this, tope_, "El número no puede superar los once dígitos")) {
            return;
        }
        auto& tiempo = contexto_.estado.tiempo;
        tiempo.marcaInicio();
        resultado.empieza(textoDe(tope_));
        const MuestraLaTabla alTerminar{resultado};
        // A long run shows its window early and lets the list grow in it as it goes.
        QElapsedTimer desdeRefresco;
        desdeRefresco.start();
        const FinLista fin = listaPrimos(tiempo, *tope, resultado.tabla(), [&](int cuenta) {
            if (desdeRefresco.elapsed() < kRefresco) return;
            desdeRefresco.restart();
            resultado.muestraHasta(cuenta);
            if (!resultado.isVisible()) Contexto::muestra(resultado);
        });
        resultado.muestraTabla();
        if (fin.agotado) {
            // The largest prime found, the list's last line: the last candidate tried may not
            // be prime at all.
            const TablaPrimos& tabla = resultado.tabla();
            const bool detenido = tiempo.detenido();
            mensajeTiempoAgotado(this, tiempo, "Se ha excedido del tiempo del resultado.");
            mensaje(this, std::string(detenido ? "Se ha llegado hasta el número primo: "
                                               : "Se ha llegado en el tiempo especificado hasta "
                                                 "el número primo: ") +
                              (tabla.cuenta() > 0 ? textoDecimal(tabla.primo(tabla.cuenta()))
                                                  : std::string()));
        }
        resultado.fijaCuenta(resultado.tabla().cuenta());
        Contexto::muestra(resultado);
    });
    // After an error the list shows what had been found; its count matches it.
    if (!completo) resultado.fijaCuenta(resultado.tabla().cuenta());
}

}  // namespace zefra::gui
