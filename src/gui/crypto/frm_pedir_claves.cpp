#include "gui/crypto/frm_pedir_claves.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/alphabets/activo.hpp"
#include "core/alphabets/ranuras.hpp"
#include "core/arithmetic/euclides.hpp"
#include "core/crypto/claves.hpp"
#include "core/crypto/preparacion.hpp"
#include "core/shell/numeros.hpp"
#include "gui/crypto/fr_privada_alfaus.hpp"
#include "gui/crypto/frm_crip_privada.hpp"
#include "gui/shell/fr_descripcion.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/resultado.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {

FrmPedirClaves::FrmPedirClaves(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmpedirclaves"),
              QStringLiteral("Solicitud de claves r,s")),
      contexto_(contexto) {
    fraseModulo_ = etiqueta(this, "lbpedirclaves1", {});
    fraseModulo_->setWordWrap(true);
    fraseModulo_->setText(aQt(textoModuloClaves(contexto.estado.alfabeto.modulo)));
    connect(&contexto.avisos, &Avisos::moduloAlfabeto, this,
            [this](double n) { fraseModulo_->setText(aQt(textoModuloClaves(n))); });

    claveR_ = new QComboBox(this);
    claveR_->setObjectName(QStringLiteral("Dpopcionesclave"));
    claveR_->setEditable(true);
    claveR_->setInsertPolicy(QComboBox::NoInsert);
    claveR_->setMaxVisibleItems(15);
    claveR_->setCompleter(nullptr);  // a typed "2" is 2, not the key "23" it begins
    claveS_ = campo(this, "txclave_s");
    claveMinima_ = campo(this, "txclavemin_r");

    auto* claves = new QGridLayout;
    fila(claves, 0, QStringLiteral("&r :"), claveR_);
    fila(claves, 1, QStringLiteral("&s :"), claveS_);
    claves->setColumnStretch(1, 1);

    auto* explicacion = etiqueta(
        this, "Label3",
        QStringLiteral("Se da la posibilidad de que se muestre en el desplegable de arriba, "
                       "valores de r que sean válidos. Para ello, poner en \"clave mínima\" un "
                       "número base para el cálculo de los mismos y pulsar el botón."));
    explicacion->setWordWrap(true);
    auto* busqueda = boton(this, "btbusquedacp_r", QStringLiteral("&Búsqueda de posibles claves"));
    connect(busqueda, &QPushButton::clicked, this, &FrmPedirClaves::buscaClaves);
    auto* minimo = new QHBoxLayout;
    auto* etiquetaMinimo = new QLabel(QStringLiteral("clave &mínima"), this);
    etiquetaMinimo->setBuddy(claveMinima_);
    minimo->addWidget(etiquetaMinimo);
    minimo->addWidget(claveMinima_, 1);
    minimo->addWidget(busqueda);

    auto* continuar = boton(this, "btseguircprivada", QStringLiteral("&Continuar"));
    continuar->setDefault(true);
    connect(continuar, &QPushButton::clicked, this, &FrmPedirClaves::continua);
    auto* botones = new QHBoxLayout;
    botones->addWidget(botonDescripcion(this, contexto, "frdescafin"));
    botones->addStretch();
    botones->addWidget(continuar);
    auto* salir = botonSalir(this);
    salir->setText(QStringLiteral("Sa&lir"));  // Alt+S belongs to the key s
    botones->addWidget(salir);

    auto* columna = new QVBoxLayout(this);
    columna->addWidget(fraseModulo_);
    columna->addSpacing(6);
    columna->addLayout(claves);
    columna->addSpacing(6);
    columna->addWidget(explicacion);
    columna->addLayout(minimo);
    columna->addStretch();
    columna->addLayout(botones);
    resize(480, 300);
}

void FrmPedirClaves::vaciaLista() {
    vaciaResultado({claveR_});
}

void FrmPedirClaves::salir() {
    vaciaLista();
    Ventana::salir();
}

void FrmPedirClaves::buscaClaves() {
    vaciaLista();  // the keys of an earlier search go, even when this one is refused
    atrapaErrores(this, "btbusquedacp_r", [this] {
        const auto minimo = leeNumero(textoDe(claveMinima_));
        if (!minimo) return mensaje(this, "El valor de 'clave mínima' ha de ser numérico.");
        if (*minimo > kMaximaClaveMinima) {
            return mensaje(this, "El valor de clave mínima queda limitado a 2147483547");
        }
        if (*minimo < kMinimaClaveMinima) {
            return mensaje(this, "El valor de clave mínima no puede ser menor que -2147483547");
        }
        claveR_->setEditText({});
        claveR_->clear();
        auto& estado = contexto_.estado;
        estado.tiempo.marcaInicio();
        const auto busqueda = zefra::buscaClaves(estado.tiempo, *minimo, estado.alfabeto.modulo);
        for (const double clave : busqueda.claves)
            claveR_->addItem(aQt(textoDecimal(clave)));
        claveR_->setCurrentIndex(-1);
        claveR_->setEditText({});
        if (busqueda.tiempoAgotado) mensajeTiempoAgotado(this, contexto_.estado.tiempo);
    });
}

void FrmPedirClaves::continua() {
    atrapaErrores(this, "btseguircprivada", [this] {
        auto& estado = contexto_.estado;
        const ClavesAfines claves{aCore(claveR_->currentText().trimmed()),
                                  aCore(claveS_->text().trimmed())};
        const double n = estado.alfabeto.modulo;
        if (!esNumerico(claves.r) || !esNumerico(claves.s)) {
            return mensaje(this, "Se le ha de poner un valor numérico a las dos claves");
        }
        const auto clases = clasesDeClaves(claves, n);
        if (!clases) return mensaje(this, kMensajeClavesEnteras);
        estado.tiempo.marcaInicio();
        const auto g = mcd(estado.tiempo, clases->r, n);
        if (!g || *g != 1) return mensaje(this, mensajeClaveNoValida(n));

        // The three-step window turns every value 0 … n − 1 back into a symbol, so it serves
        // the predefined alphabets and user alphabets whose codes are exactly those; the others
        // go to the window whose cipher text stays a digit string.
        bool tresPasos = true;
        if (!esPredefinido(estado.alfabeto.nombre)) {
            const auto ranura = ranuraDe(estado.ranuras, estado.alfabeto.nombre);
            if (!ranura) return mensaje(this, kMensajeAlfabetoNoCargado);
            const auto consecutivos = codigosConsecutivos(
                estado.tiempo, estado.ranuras[static_cast<std::size_t>(*ranura)].alfabeto);
            if (!consecutivos)
                mensajeTiempoAgotado(this, estado.tiempo,
                                     "Se ha excedido del tiempo especificado.");
            tresPasos = consecutivos.value_or(false);
        }
        if (tresPasos) {
            contexto_.abre<FrmCripPrivada>().fijaClaves(claves);
        } else {
            contexto_.abre<FrPrivadaAlfaus>().fijaClaves(claves);
        }
        claveMinima_->clear();
        claveR_->setEditText({});
        claveS_->clear();
        vaciaLista();
    });
}

}  // namespace zefra::gui
