// The four chart windows: each opens from its window once there is something to draw, draws
// the series and points its data asks for, follows a new computation, and exports.
#include <QChart>
#include <QScatterSeries>
#include <QXYSeries>

#include "gui/conductor.hpp"
#include "gui/graficas/graficas.hpp"

namespace zefra::pruebas {
namespace {

class Graficas : public Conductor {
  protected:
    // The chart opened with btGrafica of `en`: it must show beside it.
    gui::VentanaGrafica* abreGrafica(QWidget* en, const QString& nombre) {
        EXPECT_TRUE(boton(en, "btGrafica")->isEnabled());
        pulsa(en, "btGrafica");
        return static_cast<gui::VentanaGrafica*>(abierta(nombre));
    }
    // Per series, its number of points, joined by ','.
    static QString puntos(const gui::VentanaGrafica* g) {
        QStringList cuenta;
        for (const QAbstractSeries* s : g->grafica().series()) {
            const auto* xy = qobject_cast<const QXYSeries*>(s);
            cuenta << QString::number(xy ? xy->count() : -1);
        }
        return cuenta.join(',');
    }
    // What each series is called in the legend.
    static QString leyenda(const gui::VentanaGrafica* g) {
        QStringList nombres;
        for (const QAbstractSeries* serie : g->grafica().series())
            nombres << serie->name();
        return nombres.join('|');
    }
    // The marker size of the first series of points (0 without one).
    static qreal marca(const gui::VentanaGrafica* g) {
        for (const QAbstractSeries* s : g->grafica().series())
            if (const auto* p = qobject_cast<const QScatterSeries*>(s)) return p->markerSize();
        return 0;
    }
    // The bounds window over 12·x + 8·y = c, with 0 ≤ x ≤ `x1` typed (which ticks them) and
    // computed.
    QWidget* acota(const char* c, const char* x1, const char* mensaje = nullptr) {
        abre("n_ejec_diof frmDiofanticas btDiofantica txCoefa txCoefB txindepc");
        if (mensaje) esperaMensaje(mensaje);
        calcula({"12", "8", c});
        QWidget* r = abreCon("btRestriccionesDiof", "frmRestriccionesDiof");
        EXPECT_FALSE(boton(r, "btGrafica")->isEnabled());
        if (mensaje) esperaMensaje("No existe solución con estas restricciones");
        rellena(r, {"txx0", "txx1"}, {"0", x1}, "btCalculaRestr");
        return r;
    }
};

TEST_F(Graficas, CadaGraficaDibujaSusSeriesYSigueAlNuevoCalculoTambienLaRectaDiofantica) {
    // The window, the window that has the chart button (none: the window itself) and the
    // chart, two computations, the points per series after each, and a part of the notes.
    // π(x) is a step at each prime; 7 generates Z*(2^31 − 1): the cycle is drawn only as far as
    // 2000 powers.
    // clang-format off
    const char* const casos[][7] = {
        {"nListaprimos frmListaPrimos btaceptolista txttopeprimo", "frmSolListaPrimos frGraficaPrimos", "30", "100",
         "20,10,10", "50,25,25", "25 primos hasta 97."},
        {"nfuneuler frmfuneuler btcalcueuler txmodn3", "frGraficaEuler", "12", "100000", "2,7,5", "2,2764,236",
         "Se dibujan 3000 valores de k"},
        {"ncalcupoten frmcalcupoten btcalcupoten txn Txa Txb", "frGraficaPotencias", "13 2 25", "2147483647 7 5", "24,0,12,12",
         "2000,0,2000,0", "Se dibujan solo las primeras 2000 potencias (k = 0 … 1999)."},
    };
    // clang-format on
    for (const auto& [forma, graficas, valores, siguientes, antes, despues, nota] : casos) {
        SCOPED_TRACE(graficas);
        abre(forma);
        const QStringList donde = QString(graficas).split(' ');
        EXPECT_TRUE(donde.size() > 1 || !boton(w, "btGrafica")->isEnabled());
        calcula(QString(valores).split(' '));
        auto* g = abreGrafica(donde.size() > 1 ? abierta(donde[0]) : w, donde.back());
        EXPECT_EQ(puntos(g), antes);
        const qreal marcaAntes = marca(g);
        calcula(QString(siguientes).split(' '));
        EXPECT_TRUE(g->isVisible() && puntos(g) == despues) << puntos(g).toStdString();
        // Only the many points of the large Euler chart get smaller markers.
        EXPECT_EQ(marca(g) < marcaAntes, donde.back() == "frGraficaEuler") << marca(g);
        EXPECT_TRUE(texto(g, "lbNotas").contains(nota)) << texto(g, "lbNotas").toStdString();
        QTest::keyClick(g->findChild<QWidget*>("vistaGrafica"), Qt::Key_Escape);
        EXPECT_FALSE(g->isVisible());
    }
    // The order of a unit, the tail and cycle of a non-unit, as lbOrden says them.
    calcula({"13", "2", "25"});
    auto* g = abreGrafica(w, "frGraficaPotencias");
    EXPECT_EQ(texto(g, "lbOrden"), "El orden de [2] en Z13 es 12 (divide a φ(13) = 12)");
    calcula({"12", "2", "5"});
    EXPECT_EQ(texto(g, "lbOrden"),
              "[2] no es una unidad de Z12 (mcd(2, 12) = 2): la cola antes del ciclo tiene 2 "
              "potencias ([2]^0 … [2]^1) y el ciclo, que empieza en [2]^2, tiene longitud 2.");
    EXPECT_EQ(puntos(g), "6,2,2,2");
    EXPECT_EQ(leyenda(g),
              "Recorrido en orden de k|Cola, antes del ciclo|Primera vuelta del "
              "ciclo|Vueltas siguientes");
    // A refused input leaves nothing to draw.
    esperaMensaje("Los valores han de ser positivos (>0)");
    calcula({"-12", "2", "5"});
    EXPECT_FALSE(boton(w, "btGrafica")->isEnabled());

    // The Diophantine line with its bounds, and without integer points.
    QWidget* r = acota("20", "10");
    g = abreGrafica(r, "frGraficaDiofantica");
    // The box, the line, 4 solutions outside and the 5 inside 0 ≤ x ≤ 10 (x odd).
    EXPECT_TRUE(puntos(g) == "-1,2,4,5" &&
                texto(g, "lbNotas").contains("5 de ellas cumplen las cotas"));
    EXPECT_EQ(leyenda(g), "Cotas|12·x + 8·y = 20|Fuera de las cotas|Dentro de las cotas");
    g->findChild<QAction*>("copiarTodo")->trigger();  // each point says whether it is inside
    EXPECT_TRUE(QApplication::clipboard()->text().contains("\n-3\t-1\t4\tno\n-2\t1\t1\tsí\n"));
    // 12·x + 8·y = 2 has no integer point: the box and the line, and the words that say it.
    acota("2", "10", "No existe solución para la ecuación ya que el mcd(A,B) no divide a C");
    EXPECT_TRUE(boton(r, "btGrafica")->isEnabled() && puntos(g) == "-1,2");
    EXPECT_EQ(texto(g, "lbNotas"),
              "La recta 12·x + 8·y = 2 no pasa por ningún punto de "
              "coordenadas enteras: la ecuación no tiene solución entera.");
}

TEST_F(Graficas, ExportaLosDatosLaImagenYLaPaginaYPreguntaAntesDeReemplazar) {
    abre("ncalcupoten frmcalcupoten btcalcupoten txn Txa Txb");
    calcula({"7", "2", "3"});
    auto* g = abreGrafica(w, "frGraficaPotencias");
    EXPECT_EQ(menuDe(g->findChild<QWidget*>("vistaGrafica")),
              QStringList({"Copiar &todo", "&Guardar como… Ctrl+S", "E&xportar a PDF…",
                           "&Imprimir… Ctrl+P"}));
    g->findChild<QAction*>("copiarTodo")->trigger();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("k\t[a]^k\tparte\n0\t1\tciclo\n"));
    const std::string csv =
        "k,[a]^k,parte\r\n0,1,ciclo\r\n1,2,ciclo\r\n2,4,ciclo\r\n"
        "3,1,repetición\r\n4,2,repetición\r\n5,4,repetición\r\n";
    guarda(g, "guardarComo", "g.csv", "*.csv");
    EXPECT_EQ(leeFichero("g.csv"), csv);
    guarda(g, "guardarComo", "g", "*.png");
    EXPECT_EQ(leeFichero("g.png").substr(0, 4), "\x89PNG");
    guarda(g, "guardarComo", "g.svg", "*.svg");
    EXPECT_NE(leeFichero("g.svg").find("<svg"), std::string::npos);
    guarda(g, "exportarPDF", "g.pdf", "*.pdf");
    const QString pdf = textoPdf("g.pdf");
    for (const char* parte : {"Potencias de [2] en Z7", "Módulo n: 7", "a: 2", "El orden de [2]"})
        EXPECT_TRUE(pdf.contains(parte)) << parte;
    // An existing file is replaced only on "Sí"; "No" (the default) keeps it as it was.
    calcula({"7", "3", "3"});
    for (const bool si : {false, true}) {
        guarda(g, "guardarComo", "g.csv", "*.csv", {}, si ? reemplaza : conserva);
        EXPECT_EQ(leeFichero("g.csv") == csv, !si);
    }
    aceptaTodo();  // the print dialog cancelled: nothing is printed, nothing said
    const qsizetype vistos = mensajesVistos().size();
    g->findChild<QAction*>("imprimir")->trigger();
    EXPECT_EQ(mensajesVistos().mid(vistos), QStringList{"[ventana modal] dialogoImprimir"});
}

}  // namespace
}  // namespace zefra::pruebas
