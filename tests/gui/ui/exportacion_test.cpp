// Copy, save, PDF and print of a result, through the real windows: the list of primes, a
// description and a grid, their text and CSV read back, the clipboard, the PDF's text, the
// refusal of a PDF too long, and every failed save leaving the old file as it was; then every
// result window of arithmetic, primes and Zn through its real menu entry, and the bounded
// solutions saved as text and CSV.
#include <QPdfWriter>

#include "core/shell/tabla.hpp"
#include "gui/conductor.hpp"
#include "gui/ui/documento_pdf.hpp"
#include "gui/ui/exportacion.hpp"

namespace zefra::pruebas {
namespace {

// The context menu of a text view.
constexpr const char* kMenuTexto =
    "&Copiar Ctrl+C|&Seleccionar todo||Copiar &todo|&Guardar como… Ctrl+S|E&xportar a PDF…|"
    "&Imprimir… Ctrl+P";

class Exportacion : public Conductor {};

TEST_F(Exportacion, ListaDePrimosSeCopiaSeGuardaComoTextoYCsvPeroNoSiPasaDeQuinientasPaginas) {
    abre("nListaprimos frmListaPrimos btaceptolista txttopeprimo");
    calcula({"30"});
    QWidget* lista = abierta("frmSolListaPrimos");
    EXPECT_EQ(menuDe(control<QWidget>(lista, "txtSolListaPrimos")).join('|'), kMenuTexto);

    guarda(lista, "guardarComo", "primos", "*.txt");
    EXPECT_EQ(sinFecha("primos.txt", 3),
              "LISTA DE NUMEROS PRIMOS|Números primos hasta: 30|Número total de primos: 10||"
              "2|3|5|7|11|13|17|19|23|29|");
    guarda(lista, "guardarComo", "primos", "*.csv");
    EXPECT_EQ(leeFichero("primos.csv"), "2\r\n3\r\n5\r\n7\r\n11\r\n13\r\n17\r\n19\r\n23\r\n29\r\n");
    // A list of more than 500 pages is neither exported nor printed.
    calcula({"1000000"});
    aceptaTodo();
    lista->findChild<QAction*>("exportarPDF")->trigger();
    lista->findChild<QAction*>("imprimir")->trigger();
    const QStringList avisos = mensajesVistos().mid(2);  // after the two saves' confirmations
    ASSERT_EQ(avisos.size(), 2);
    EXPECT_TRUE(avisos[0].contains(
        QRegularExpression("^El resultado ocuparía 1[0-9]{3} páginas, más de las 500 que se "
                           "pueden exportar a PDF o imprimir.\nUse «Guardar como…»")))
        << avisos[0].toStdString();
    EXPECT_EQ(avisos[1], avisos[0]);
    EXPECT_FALSE((ventana("frmlistdirec") && ventana("frmlistdirec")->isVisible()) ||
                 ventana("dialogoImprimir"));
}

// Every failed save says so and leaves the old file as it was; a description and a trace saved
// in their formats; a save over a file that is there asks first, and the chooser offers only the
// asking window's own name in the format asked for.
TEST_F(Exportacion, GuardarFallaSinDanoPreguntaAntesDeReemplazarYSugiereElNombreDeLaVentana) {
    accion("n_descripcion")->trigger();
    QWidget* descripcion = abierta("frmDescripción");
    const QString sitio = carpeta.path() + '/';
    for (const auto& [accion, f] :
         {std::pair{"guardarComo", "viejo.txt"}, std::pair{"exportarPDF", "viejo.pdf"}}) {
        creaFichero(f, "intacto");
        std::filesystem::permissions(ruta(f), std::filesystem::perms::owner_read);
        guarda(descripcion, accion, f, {},
               "No se ha guardado: no hay permiso para escribir en «" + sitio + f + "».",
               reemplaza);
    }
    std::filesystem::create_directory(ruta("carpeta.txt"));
    guarda(descripcion, "guardarComo", "carpeta.txt", "*.txt",
           "No se ha guardado: «" + sitio +
               "carpeta.txt» es una carpeta. Escriba el nombre de un archivo.");
    EXPECT_EQ(leeFichero("viejo.txt") + leeFichero("viejo.pdf"), "intactointacto");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(carpeta.path().toStdString()),
                            std::filesystem::directory_iterator()),
              3);  // nothing half-written beside them
    auto* texto = control<QTextBrowser>(descripcion, "txDescripcion");
    // A right click lands on the text's viewport: the same menu as the menu key.
    EXPECT_EQ(menuDe(texto->viewport()).join('|'), kMenuTexto);
    abre("n_ejecucion frmEuclides btMcd txa txb");
    calcula({"84", "36"});
    QWidget* traza = abreCon("btTraza", "frTrazaEuclides");
    const struct {
        QWidget* en;
        const char *accion, *fichero, *filtro;
        Reemplazo reemplazo;
        const char *sugerido, *queda;  // the name offered; the start of the file afterwards
    } pasos[] = {
        {descripcion, "guardarComo", "euclides.txt", "*.txt", nuevo, "", "Descripción del algo"},
        {descripcion, "exportarPDF", "euclides.pdf", "*.pdf", nuevo, "euclides.pdf", "%PDF"},
        {traza, "guardarComo", "euclides.csv", "*.csv", nuevo, "", "Dividendo,"},
        {traza, "exportarPDF", "euclides.csv", "*.pdf", conserva, "euclides.pdf", "Dividendo,"},
        {descripcion, "guardarComo", "euclides.csv", "*.txt", conserva, "euclides.txt", "Divi"},
        {traza, "exportarPDF", "euclides.csv", "*.pdf", reemplaza, "euclides.pdf", "%PDF"},
        {traza, "guardarComo", "euclides.csv", "*.txt", reemplaza, "euclides.csv", "Dividendo,"},
    };
    for (const auto& p : pasos) {
        SCOPED_TRACE(std::string(p.accion) + ' ' + p.filtro);
        QString sugerido;
        guarda(p.en, p.accion, p.fichero, p.filtro, {}, p.reemplazo, &sugerido);
        EXPECT_TRUE(sugerido == p.sugerido && leeFichero(p.fichero).starts_with(p.queda))
            << sugerido.toStdString();
    }
    const QString guardado = sinFecha("euclides.txt", 1);  // plain text, not HTML
    EXPECT_TRUE(guardado.startsWith("Descripción del algoritmo de euclides||") &&
                guardado.contains(texto->toPlainText().split('\n').front()) &&
                !guardado.contains("<p"));
    const QString pdf = textoPdf("euclides.pdf").simplified();
    EXPECT_TRUE(pdf.startsWith("Descripción del algoritmo de euclides Fecha: ") &&
                pdf.contains("mcd(") && pdf.contains("Página 1 de "))
        << pdf.toStdString();
}

TEST_F(Exportacion, UnPdfNoCortaNingunaLineaNiUnNumeroLargoYUnaRejillaGuardaSusEncabezados) {
    abre("ncalcupoten frmcalcupoten btcalcupoten txn Txa Txb");
    calcula({"2147483629", "1234567890", "987654321"});
    QWidget* traza = abreCon("btTrazaPotencia", "frTrazaPotencia");
    guarda(traza, "exportarPDF", "potencia", "*.pdf");
    const std::string largo = QString("0123456789").repeated(155).left(1548).toStdString();
    // A number with no blank to break at, and a table wider than a page.
    Documento d{"RSA", {{"Mensaje", largo}}, "hoy", {BloqueTraza{"Mensaje:\n" + largo}}};
    d.bloques.emplace_back(gui::bloquePlano(largo.c_str()));
    d.bloques.emplace_back(
        BloqueTabla{1, 12, false, false, [](int, int) { return "9876543210987"; }});
    ASSERT_EQ(gui::exportaPdf(d, QString::fromStdString(ruta("largo.pdf"))), "");
    const QRegularExpression blancos("\\s+"), pie("Página\\s+\\d+\\s+de\\s+\\d+");
    for (const auto& [fichero, contenido, veces] :
         {std::tuple{"potencia.pdf", texto(traza, "txTrazaPotencia"), 1},
          std::tuple{"largo.pdf", QString::fromStdString("Mensaje:" + largo), 2},
          std::tuple{"largo.pdf", QString("9876543210987").repeated(12), 1}}) {
        // Every character of the text, in order, whatever the line breaks and page feet.
        const QString pdf = textoPdf(fichero).remove(pie).remove(blancos);
        EXPECT_EQ(pdf.count(QString(contenido).remove(blancos)), veces) << fichero;
    }
    Documento corto{"TEXTO", {}, "hoy", {}};  // one line more than a page holds
    for (QString t = "0"; gui::paginasEnA4(corto) < 2; t += "\n0")
        corto.bloques = {gui::bloquePlano(t)};
    ASSERT_EQ(gui::exportaPdf(corto, QString::fromStdString(ruta("corto.pdf"))), "");
    EXPECT_GE(textoPdf("corto.pdf").split('\f').value(1).count('0'), 3);  // not one alone
    QPdfWriter sinSitio(carpeta.filePath("no-hay/x.pdf"));  // a device that cannot be opened
    EXPECT_FALSE(gui::pintaPaginas(corto, sinSitio));

    // A grid copies its selection and is saved with its headings.
    Tabla tabla(4, 3);
    const char* celdas[] = {"", "q", "r", "oculta", "", "", "1", "1", "4", "2", "2", "0"};
    for (int i = 0; i < 12; ++i)
        tabla.fija(i / 3, i % 3, celdas[i]);
    QWidget marco;
    marco.setWindowTitle("TRAZA");
    auto* rejilla = new gui::Rejilla(tabla, 2, 1, &marco);
    gui::equipaExportacion(marco, principal->contexto(),
                           [rejilla] {
                               return Documento{"TRAZA", {{"a", "12"}}, {}, {rejilla->bloque()}};
                           },
                           {rejilla});
    marco.show();
    rejilla->setFocus();
    QTest::keyClick(rejilla, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(rejilla, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "\tq\tr\n1\t1\t4\n2\t2\t0\n");
    rejilla->setCurrentIndex(rejilla->model()->index(1, 1));
    QTest::keyClick(rejilla, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "\tr\n2\t0\n");
    marco.findChild<QAction*>("copiarTodo")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "\tq\tr\n1\t1\t4\n2\t2\t0\n");
    guarda(&marco, "guardarComo", "traza", "*.csv");
    EXPECT_EQ(leeFichero("traza.csv"), ",q,r\r\n1,1,4\r\n2,2,0\r\n");
    guarda(&marco, "guardarComo", "traza.txt", "*.csv");  // the name's extension decides
    EXPECT_EQ(sinFecha("traza.txt", 2), "TRAZA|a: 12||\tq\tr|1\t1\t4|2\t2\t0|");
}

// The window as "entry window button field…", the values typed, the button that opens the result
// window (none: the window itself) and that window, the saved text's title and inputs (lines
// joined by '|') and a part of what "Copiar todo" copies.
// clang-format off
const char* const kCasos[][5] = {
    {"n_ejecucion frmEuclides btMcd txa txb", "84 36", "btTraza frTrazaEuclides",
     "TRAZA DEL ALGORITMO DE EUCLIDES|a: 84|b: 36|Calculado en: ALGORITMO DE EUCLIDES",
     "Dividendo\tDivisor\tCociente\tResto\n84\t36\t2\t12\n36\t12\t3\t0\n12\t0\t\t\n"},
    {"n_ejec_diof frmDiofanticas btDiofantica txCoefa txCoefB txindepc", "12 8 20", "btTrazaDiof frmTrazaDiof",
     "TRAZA DEL ALGORITMO: Búsqueda de una solución particular|a: 12|b: 8|c: 20|Calculado en: "
     "ECUACIONES DIOFÁNTICAS LINEALES DE 2 INCÓGNITAS", "i\t-1\t0\t1\nQ(i)\t\t\t1\nA(i)\t0\t1\t1\nB(i)\t1\t0\t1\n\nA ( i ) ="},
    {"n_baseb frmbaseb btcalculabaseb txelemzn txmodn2", "10 2", "", "Base 10 --> Base b|Entero en base 10: 10|Base para el cálculo: 2",
     "base: : 1010\n1·2^(3) + 0·2^(2) + 1·2^(1) + 0·2^(0) = 10"},
    {"n_base10 frmbase10 btcalculabase10 txelemzn txmodn2", "1010 2", "",
     "Base b --> Base 10|Entero en la base anterior: 1010|Base para el cálculo: 2", "Representación en base 10: 10\n1·2^(3)"},
    {"nfactorizacion frmfactoriza btfactoriza txnumf", "360", "", "Factorización de un número|número entero: 360",
     "Primo        Exponente\n2            3\n3            2\n5            1\n"},
    {"nrepres frmrepresZn btcalcurepres txmodn txclase", "7 -3", "btexplicainver frExplicaRepres",
     "Razonamiento del resultado. Representante Zn.|Módulo n: 7|a: -3", "[-3] = [4 - 7] = [ 4 ]"},
    {"nInvZn frmcalinver btcalcuinver txmodn2 txelemzn", "7 3", "btexplicainver frexplicainver",
     "Razonamiento del resultado. Función inversa.|Módulo n: 7|Elemento de Zn: 3", "INVERSA.\n\n Existe porque el  m.c.d.(7, 3) = 1"},
    {"nfuneuler frmfuneuler btcalcueuler txmodn3", "12", "btexplicainver frExplicaEuler",
     "Razonamiento de la solución: Función de Euler|Módulo n: 12",
     "12 = 2^2 * 3^1\nF.E.( 12 ) = 12 * (1 - 1/2) * (1 - 1/3)\nAdemás hay 4"},
    {"ncalcupoten frmcalcupoten btcalcupoten txn Txa Txb", "13 2 25", "btTrazaPotencia frTrazaPotencia",
     "Traza del cálculo de potencias en Zn|Módulo n: 13|a: 2|b: 25|Calculado en: Cálculo de potencias en Zn",
     "F.E.( 13 ).\n\nEsto es: \n\nb = b mod"},
};
// clang-format on

TEST_F(Exportacion, CadaVentanaCopiaYGuardaSuTituloSusEntradasYSuResultado) {
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
        // What it copies, and not the empty room of a trace's table.
        EXPECT_TRUE(copiado.contains(copia) && copiado.count('\n') < 30) << copiado.toStdString();
        guarda(r, "guardarComo", "r.txt", "*.txt", {}, forma == kCasos[0][0] ? nuevo : reemplaza);
        const QString guardado = sinFecha("r.txt", QString(cabecera).count('|') + 1);
        EXPECT_TRUE(guardado.startsWith(cabecera + QString("||"))) << guardado.toStdString();
        r->close();
    }
}

// The trace window shows the program's last Euclid run, whichever window made it, and its
// export names that run: an inverse and then an equation refill the open trace of a gcd.
TEST_F(Exportacion, LaTrazaDeEuclidesNombraElCalculoQueMuestraYLasSolucionesAcotadasSeGuardan) {
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
    // The bounded solutions of the last equation, 12·X + 8·Y = 20, saved as text and CSV.
    QWidget* r = abreCon("btRestriccionesDiof", "frmRestriccionesDiof");
    escribe(control<QLineEdit>(w, "txCoefa"), "99");  // typed after: not what the result answers
    rellena(r, {"txx0", "txx1", "txy1"}, {"0", "6", "1"}, "btCalculaRestr");  // typing marks
    const QString soluciones = control<QLabel>(r, "soluciones")->text();
    guarda(r, "guardarComo", "acotadas", "*.txt");
    const QString texto = sinFecha("acotadas.txt", 7);
    EXPECT_TRUE(
        texto.startsWith("Restricciones|a: 12|b: 8|c: 20|La cota inferior para x: 0|"
                         "La cota superior para x: 6|La cota superior para y: 1||" +
                         soluciones + '|'))
        << texto.toStdString();
    guarda(r, "guardarComo", "acotadas", "*.csv");
    EXPECT_EQ(leeFichero("acotadas.csv"),
              "Valor de k,-2,-1,0\r\n\"(x,y)=\",\"(1,1)\",\"(3,-2)\",\"(5,-5)\"\r\n");
}

}  // namespace
}  // namespace zefra::pruebas
