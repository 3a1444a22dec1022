// One rule over every computing window: a refused input clears what the window showed, in it
// and in the windows that explain its result, and disables what acts on that result.
#include <QComboBox>

#include "gui/conductor.hpp"

namespace zefra::pruebas {
namespace {

using ResultadoRechazado = Conductor;

TEST_F(ResultadoRechazado, NadaDeUnResultadoAnteriorQuedaJuntoAlMensaje) {
    // Lists separated by '|', items by blanks: the menu entry, the window, its button and the
    // fields typed; a valid input; a refused one (the windows' own tests check its message);
    // what must then show nothing: a view of the window, "ventana/vista" of another, a button
    // of the window after '!' disabled.
    const char* const casos[] = {
        "n_ejecucion frmEuclides btMcd txa txb|12 8|x 8|txmcd txmcm !btTraza",
        "n_ejec_diof frmDiofanticas btDiofantica txCoefa txCoefB txindepc|12 8 20|12 8 1e3|"
        "txX txY txsolgen alpha beta !btTrazaDiof !btRestriccionesDiof",
        "n_baseb frmbaseb btcalculabaseb txelemzn txmodn2|987654321 7|9007199254740993 7|txinver "
        "txq",
        "n_base10 frmbase10 btcalculabase10 txelemzn txmodn2|1010 2|1010 11|txinver txq",
        "nListaprimos frmListaPrimos btaceptolista txttopeprimo|25|x|"
        "frmSolListaPrimos/txtSolListaPrimos frmSolListaPrimos/txnumprimos",
        "nesprimo frmesprimo btesprimo txtesprimo|7|9007199254740993|lbsolesprimo",
        "nfactorizacion frmfactoriza btfactoriza txnumf|12|doce|txfactorizacion",
        "nrepres frmrepresZn btcalcurepres txmodn txclase|10 37|10 x|"
        "txsolrepres frExplicaRepres/lbExplicaRepres",
        "nInvZn frmcalinver btcalcuinver txmodn2 txelemzn|26 7|26 x|"
        "txinver frexplicainver/lbExplicaInverso",
        "nfuneuler frmfuneuler btcalcueuler txmodn3|12|0|txsoleuler frExplicaEuler/txPrimosEuler "
        "frExplicaEuler/lbn frExplicaEuler/lbFEulern frExplicaEuler/lbExplicaEuler "
        "frExplicaEuler/txDescomEuler frExplicaEuler/txFormulaEuler",
        "ncalcupoten frmcalcupoten btcalcupoten txn Txa Txb|7 3 5|7 x 5|"
        "txr frTrazaPotencia/txTrazaPotencia !btTrazaPotencia",
        "ncripprivada frmpedirclaves btbusquedacp_r txclavemin_r|1|x|Dpopcionesclave",
    };
    // Whether a view shows nothing (a drop-down list no item) or a button is disabled.
    const auto vacio = [this](const QString& nombre) {
        if (nombre.startsWith('!')) return !boton(nombre.mid(1))->isEnabled();
        const QWidget* en = nombre.contains('/') ? ventana(nombre.section('/', 0, 0)) : w;
        const QString vista = nombre.section('/', -1);
        const auto* lista = qobject_cast<const QComboBox*>(control<QWidget>(en, vista));
        return lista ? lista->count() == 0 : texto(en, vista).isEmpty();
    };
    aceptaTodo();
    for (const QString caso : casos) {
        const QStringList partes = caso.split('|');
        abre(partes[0]);
        calcula(partes[1].split(' '));
        if (w->objectName() == "frmcalcupoten") abreCon("btTrazaPotencia", "frTrazaPotencia");
        const qsizetype vistos = mensajesVistos().size();
        for (const bool rechazado : {false, true}) {  // the valid input shows them all
            if (rechazado) calcula(partes[2].split(' '));
            for (const QString& nombre : partes[3].split(' '))
                EXPECT_EQ(vacio(nombre), rechazado)
                    << caso.toStdString() << ' ' << nombre.toStdString();
        }
        // Refused with one message, not an error trap.
        ASSERT_EQ(mensajesVistos().size(), vistos + 1) << caso.toStdString();
        EXPECT_FALSE(mensajesVistos().back().contains("La operación")) << caso.toStdString();
    }
}

}  // namespace
}  // namespace zefra::pruebas
