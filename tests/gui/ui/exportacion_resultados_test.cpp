// Copy and save of every result window of arithmetic, primes and Zn through its real menu entry,
// and the bounded solutions saved as text and CSV.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>

#include "gui/ui/exportacion_prueba.hpp"

namespace zefra::pruebas {
namespace {

// The window as "entry window button field…", the values typed, the button that opens the result
// window (none: the window itself) and that window, the saved text's title and inputs (lines
// joined by '|') and a part of what "Copiar todo" copies.
const char* const kCasos[][5] = {
    {"n_ejecucion frmEuclides btMcd txa txb", "84 36", "btTraza frTrazaEuclides",
     "TRAZA DEL ALGORITMO DE EUCLIDES|a: 84|b: 36|Calculado en: ALGORITMO DE EUCLIDES",
     "Dividendo\tDivisor\tCociente\tResto\n84\t36\t2\t12\n36\t12\t3\t0\n12\t0\t\t\n"},
    {"n_ejec_diof frmDiofanticas btDiofantica txCoefa txCoefB txindepc", "12 8 20",
     "btTrazaDiof frmTrazaDiof",
     "TRAZA DEL ALGORITMO: Búsqueda de una solución particular|a: 12|b: 8|c: 20|Calculado en: "
     "ECUACIONES DIOFÁNTICAS LINEALES DE 2 INCÓGNITAS",
     "i\t-1\t0\t1\nQ(i)\t\t\t1\nA(i)\t0\t1\t1\nB(i)\t1\t0\t1\n\nA ( i ) ="},
    {"n_baseb frmbaseb btcalculabaseb txelemzn txmodn2", "10 2", "",
     "Base 10 --> Base b|Entero en base 10: 10|Base para el cálculo: 2",
     "base: : 1010\n1·2^(3) + 0·2^(2) + 1·2^(1) + 0·2^(0) = 10"},
    {"n_base10 frmbase10 btcalculabase10 txelemzn txmodn2", "1010 2", "",
     "Base b --> Base 10|Entero en la base anterior: 1010|Base para el cálculo: 2",
     "Representación en base 10: 10\n1·2^(3)"},
    {"nfactorizacion frmfactoriza btfactoriza txnumf", "360", "",
     "Factorización de un número|número entero: 360",
     "Primo        Exponente\n2            3\n3            2\n5            1\n"},
    {"nrepres frmrepresZn btcalcurepres txmodn txclase", "7 -3", "btexplicainver frExplicaRepres",
     "Razonamiento del resultado. Representante Zn.|Módulo n: 7|a: -3", "[-3] = [4 - 7] = [ 4 ]"},
    {"nInvZn frmcalinver btcalcuinver txmodn2 txelemzn", "7 3", "btexplicainver frexplicainver",
     "Razonamiento del resultado. Función inversa.|Módulo n: 7|Elemento de Zn: 3",
     "INVERSA.\n\n Existe porque el  m.c.d.(7, 3) = 1"},
    {"nfuneuler frmfuneuler btcalcueuler txmodn3", "12", "btexplicainver frExplicaEuler",
     "Razonamiento de la solución: Función de Euler|Módulo n: 12",
     "12 = 2^2 * 3^1\nF.E.( 12 ) = 12 * (1 - 1/2) * (1 - 1/3)\nAdemás hay 4"},
    {"ncalcupoten frmcalcupoten btcalcupoten txn Txa Txb", "13 2 25",
     "btTrazaPotencia frTrazaPotencia",
     "Traza del cálculo de potencias en Zn|Módulo n: 13|a: 2|b: 25|Calculado en: Cálculo de "
     "potencias en Zn",
     "F.E.( 13 ).\n\nEsto es: \n\nb = b mod"},
};

class ExportacionResultados : public Exportacion {};

TEST_F(ExportacionResultados, CadaVentanaCopiaYGuardaSuTituloSusEntradasYSuResultado) {
    for (const auto& [forma, valores, resultado, cabecera, copia] : kCasos) {
        SCOPED_TRACE(forma);
        abre(forma);
        calcula(QString(valores).split(' '));
        const QStringList abreR = QString(resultado).split(' ');
        QWidget* r = *resultado ? abreCon(abreR[0], abreR[1]) : w;
        for (const char* n : {"copiarTodo", "guardarComo", "exportarPDF", "imprimir"})
            ASSERT_TRUE(r->findChild<QAction*>(n, Qt::FindDirectChildrenOnly)) << n;
        r->findChild<QAction*>("copiarTodo")->trigger();
        const QString copiado = QApplication::clipboard()->text();
        EXPECT_TRUE(copiado.contains(copia)) << copiado.toStdString();
        EXPECT_LT(copiado.count('\n'), 30);  // not the empty room of a trace's table
        guarda(r, "guardarComo", "r.txt", "*.txt", {}, forma == kCasos[0][0] ? nuevo : reemplaza);
        const QString guardado = sinFecha("r.txt", QString(cabecera).count('|') + 1);
        EXPECT_TRUE(guardado.startsWith(cabecera + QString("||"))) << guardado.toStdString();
        r->close();
    }
}

// The trace window shows the program's last Euclid run, whichever window made it, and its
// export names that run: an inverse and then an equation refill the open trace of a gcd.
TEST_F(ExportacionResultados, LaTrazaDeEuclidesExportadaNombraElCalculoQueMuestra) {
    abre("n_ejecucion frmEuclides btMcd txa txb");
    calcula({"1071", "462"});
    QWidget* traza = abreCon("btTraza", "frTrazaEuclides");
    const std::pair<const char*, const char*> casos[] = {
        {"nInvZn frmcalinver btcalcuinver txmodn2 txelemzn|26 7",
         "Módulo n: 26|Elemento de Zn: 7|Calculado en: INVERSO DE UN ELEMENTO DE Zn||Dividendo"
         "\tDivisor\tCociente\tResto|26\t7\t3\t5|"},
        {"n_ejec_diof frmDiofanticas btDiofantica txCoefa txCoefB txindepc|12 8 20",
         "a: 12|b: 8|c: 20|Calculado en: ECUACIONES DIOFÁNTICAS LINEALES DE 2 INCÓGNITAS||"
         "Dividendo\tDivisor\tCociente\tResto|12\t8\t1\t4|"}};
    for (const auto& [forma, cabecera] : casos) {
        abre(QString(forma).section('|', 0, 0));
        calcula(QString(forma).section('|', 1).split(' '));
        guarda(traza, "guardarComo", "t.txt", "*.txt");
        // The date follows the title and the inputs.
        const QString guardado =
            sinFecha("t.txt", QString(cabecera).section("||", 0, 0).count('|') + 2);
        EXPECT_TRUE(guardado.startsWith(QString("TRAZA DEL ALGORITMO DE EUCLIDES|") + cabecera))
            << guardado.toStdString();
        QFile::remove(QString::fromStdString(ruta("t.txt")));
    }
}

TEST_F(ExportacionResultados, LasSolucionesAcotadasSeGuardanComoTextoYCsv) {
    abre("n_ejec_diof frmDiofanticas btDiofantica txCoefa txCoefB txindepc");
    calcula({"12", "8", "20"});
    QWidget* r = abreCon("btRestriccionesDiof", "frmRestriccionesDiof");
    control<QCheckBox>(r, "Check1")->setChecked(true);
    control<QCheckBox>(r, "Check2")->setChecked(true);
    escribe(control<QLineEdit>(r, "txx0"), "0");
    escribe(control<QLineEdit>(r, "txx1"), "6");
    escribe(control<QLineEdit>(w, "txCoefa"), "99");  // typed after: not what the result answers
    pulsa(r, "btCalculaRestr");
    const QString soluciones = control<QLabel>(r, "soluciones")->text();
    guarda(r, "guardarComo", "acotadas", "*.txt");
    const QString texto = sinFecha("acotadas.txt", 6);
    EXPECT_TRUE(
        texto.startsWith("Restricciones|a: 12|b: 8|c: 20|La cota inferior para x: 0|"
                         "La cota superior para x: 6||" +
                         soluciones + '|'))
        << texto.toStdString();
    guarda(r, "guardarComo", "acotadas", "*.csv");
    EXPECT_EQ(leeFichero("acotadas.csv"),
              "Valor de k,-2,-1,0\r\n\"(x,y)=\",\"(1,1)\",\"(3,-2)\",\"(5,-5)\"\r\n");
}

}  // namespace
}  // namespace zefra::pruebas
