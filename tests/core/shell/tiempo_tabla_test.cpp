// The time budget and its clock, and the table of text cells the traces are written to.
#include "core/shell/tabla.hpp"
#include "core/shell/tiempo.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/shell/prueba_nucleo.hpp"

namespace zefra {
namespace {

using pruebas::errorDe;

using CronometroPrueba = pruebas::PruebaNucleo;

TEST_F(CronometroPrueba, TiempoMaximoPresupuestoCeroYComprobacionesBaratas) {
    const struct {
        Presupuesto campos;
        double segundos;
    } casos[] = {
        // All three empty, 60 s, is the main window's case.
        {{"0", "0", ""}, 0},     {{"", "1.5", ""}, 90}, {{"", "", "-5"}, -5},
        {{"1", "2", "3"}, 3723}, {{"", "", " 2 "}, 2},  {{"0,5", "", ""}, 1800},
    };
    for (const auto& [campos, segundos] : casos) {
        EXPECT_DOUBLE_EQ(tiempoMaximo(campos), segundos)
            << campos.horas << '|' << campos.minutos << '|' << campos.segundos;
    }
    for (const Presupuesto& p : {Presupuesto{"x", "", ""}, {"", "1:30", ""}, {"", "", " "}})
        EXPECT_EQ(errorDe([&] { tiempoMaximo(p); }), TipoError::TiposNoCoinciden) << p.minutos;

    presupuesto("2", 0);
    reloj.ahora += 2;
    Cronometro cronometro(tiempo, Inicio::Publica);
    // The check is strict, and many quick passes make it read the clock rarely...
    const int lecturas = reloj.lecturas;
    for (int i = 0; i < 100000; ++i)
        ASSERT_FALSE(cronometro.agotado()) << i;
    EXPECT_LT(reloj.lecturas - lecturas, 40);
    // ...yet once the budget is passed the loop stops within a bounded number of passes.
    reloj.ahora += 0.5;
    for (int pasadas = 0; !cronometro.agotado();)
        ASSERT_LT(++pasadas, 1 << 17);
}

TEST_F(CronometroPrueba, InicioPublicoPrivadoYRutinasAnidadas) {
    tiempo.fijaCampo(&Presupuesto::segundos, "1");
    {
        Cronometro privado(tiempo, Inicio::Privada);
        EXPECT_FALSE(tiempo.inicial());  // a private start leaves the holder empty
        reloj.ahora += 1.5;
        EXPECT_TRUE(privado.agotado());
    }
    tiempo.fijaCampo(&Presupuesto::segundos, "10");
    Cronometro exterior(tiempo, Inicio::Publica);  // writes the empty holder
    ASSERT_EQ(tiempo.inicial(), reloj.ahora);
    reloj.ahora += 8;
    Cronometro interior(tiempo, Inicio::Privada);  // takes the start from the holder
    reloj.ahora += 3;
    EXPECT_TRUE(interior.agotado() && exterior.agotado());
}

TEST_F(CronometroPrueba, LatidosYFinDeUnCalculoLargoYUnoQueCruzaLaMedianoche) {
    int latidos = 0, fines = 0;
    tiempo.fijaLatido([&] { ++latidos; });
    tiempo.fijaFin([&] { ++fines; });
    Cronometro(tiempo, Inicio::Publica).agotado();
    EXPECT_EQ(latidos + fines, 0);  // a quick computation never beats, nor ends the busy state
    reloj.paso = 0.05;
    {
        Cronometro lento(tiempo, Inicio::Publica);
        for (int i = 0; i < 40; ++i)
            lento.agotado();
        EXPECT_TRUE(latidos >= 5 && latidos <= 21) << latidos;
        EXPECT_EQ(fines, 0);
    }
    EXPECT_EQ(fines, 1);
    {  // a stop asked at a beat ends the run and its nested routines; the next run starts free
        presupuesto("100000", 0.05);
        Cronometro externo(tiempo, Inicio::Publica), interno(tiempo, Inicio::Privada);
        tiempo.fijaLatido([this] { tiempo.detiene(); });
        while (!interno.agotado()) {
        }
        EXPECT_TRUE(externo.agotado() && tiempo.detenido());
    }
    EXPECT_FALSE(Cronometro(tiempo, Inicio::Publica).agotado());

    reloj.ahora = 86399;
    presupuesto("5", 0);
    Cronometro cronometro(tiempo, Inicio::Publica);
    reloj.ahora = 2;  // 00:00:02, three seconds later
    EXPECT_FALSE(cronometro.agotado());
    reloj.ahora = 10;
    reloj.paso = 1;
    for (int pasadas = 0; !cronometro.agotado();)
        ASSERT_LT(++pasadas, 1 << 17);
}

TEST(Tabla, SubindicesRedimensionesYAvisos) {
    Tabla tabla(2, 3);
    tabla.fija(0, 0, "a");
    tabla.fija(1, 2, "b");
    tabla.fija(1, 0, "c");
    for (const auto& [f, c] : {std::pair{2, 0}, {0, 3}, {-1, 0}, {0, -1}}) {
        EXPECT_EQ(errorDe([&] { tabla.fija(f, c, "y"); }), TipoError::SubindiceFueraDeIntervalo);
        EXPECT_EQ(errorDe([&] { tabla.texto(f, c); }), TipoError::SubindiceFueraDeIntervalo);
    }
    tabla.redimensiona(3, 2);  // the cells that stay inside keep their text
    EXPECT_EQ(tabla.texto(0, 0) + tabla.texto(1, 0) + tabla.texto(2, 1), "ac");
    tabla.redimensiona(3, 3);
    EXPECT_EQ(tabla.texto(1, 2), "");  // the cut cell does not come back
    EXPECT_EQ(errorDe([&] { tabla.redimensiona(-1, 2); }), TipoError::SubindiceFueraDeIntervalo);
    struct Registro final : Tabla::Observador {  // "c" row column, "d" new size, "x" the end
        void celdaCambiada(int f, int c) override { sucesos += 'c' + std::to_string(f * 10 + c); }
        void dimensionesCambiadas() override { sucesos += 'd'; }
        void tablaDestruida() override { sucesos += 'x'; }
        std::string sucesos;
    } registro, otro;
    {
        Tabla tabla(2, 2);
        tabla.fijaObservador(&registro);
        tabla.fija(1, 1, "7");
        tabla.fija(1, 1, "7");
        tabla.fija(0, 1, "");
        tabla.redimensiona(4, 2);
        tabla.fijaObservador(&otro);  // the first one hears nothing more
        tabla.fija(0, 0, "x");
    }
    EXPECT_EQ(registro.sucesos, "c11d");
    EXPECT_EQ(otro.sucesos, "c0x");
}

}  // namespace
}  // namespace zefra
