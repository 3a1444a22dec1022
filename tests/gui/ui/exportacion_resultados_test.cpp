// Copy and save of every result window of arithmetic, primes and Zn through its real menu entry,
// and a grid and a trace saved as text and CSV and exported to PDF.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>

#include "gui/ui/exportacion_prueba.hpp"

namespace zefra::pruebas {
namespace {

struct Caso {
    const char* entrada;  // the menu entry, the window, its fields and its button
    const char* ventana;
    QStringList campos;
    const char* boton;
    QStringList valores;
    const char* abre;  // the button that opens the result window (none: the window itself)
    const char* resultado;
    const char* cabecera;  // the saved text's title and inputs, lines joined by '|'
    const char* copiado;   // a part of what "Copiar todo" copies
};

const Caso kCasos[] = {
    {"n_ejecucion",
     "frmEuclides",
     {"txa", "txb"},
     "btMcd",
     {"84", "36"},
     "btTraza",
     "frTrazaEuclides",
     "TRAZA DEL ALGORITMO DE EUCLIDES|a: 84|b: 36",
     "84\t36"},
};

class ExportacionResultados : public Exportacion {};

TEST_F(ExportacionResultados, CadaVentanaCopiaYGuardaSuTituloSusEntradasYSuResultado) {
    for (const Caso& c : kCasos) {
        SCOPED_TRACE(c.resultado);
        abre(c.entrada, c.ventana, c.campos, c.boton);
        calcula(c.valores);
        QWidget* r = c.abre ? abreCon(c.abre, c.resultado) : w;
        for (const char* n : {"copiarTodo", "guardarComo", "exportarPDF", "imprimir"})
            ASSERT_TRUE(r->findChild<QAction*>(n, Qt::FindDirectChildrenOnly)) << n;
        r->findChild<QAction*>("copiarTodo")->trigger();
        const QString copiado = QApplication::clipboard()->text();
        EXPECT_TRUE(copiado.contains(c.copiado)) << copiado.toStdString();
        guarda(r, "guardarComo", "r.txt", "*.txt");
        const QString cabecera = QString(c.cabecera);
        const QString guardado = sinFecha("r.txt", cabecera.count('|') + 1);
        EXPECT_TRUE(guardado.startsWith(cabecera + "||")) << guardado.toStdString();
        r->close();
    }
}

}  // namespace
}  // namespace zefra::pruebas
