#include "shell/tiempo.hpp"

#include <gtest/gtest.h>

#include "arithmetic/numeros.hpp"
#include "comun/reloj_falso.hpp"
#include "core/shell/error_de.hpp"

namespace zefra {
namespace {

using pruebas::errorDe;

TEST(TiempoMaximo, CamposVaciosMezcladosYNoNumericos) {
    fijaSeparadorDecimal(',');
    const struct {
        Presupuesto campos;
        double segundos;
    } casos[] = {
        {{"", "", ""}, 60},      {{"0", "0", ""}, 0},   {{"1", "", ""}, 3600},
        {{"", "1,5", ""}, 90},   {{"", "1.5", ""}, 90}, {{"", "", "-5"}, -5},
        {{"1", "2", "3"}, 3723}, {{"", "", " 2 "}, 2},  {{"0,5", "", ""}, 1800},
    };
    for (const auto& [campos, segundos] : casos) {
        EXPECT_DOUBLE_EQ(tiempoMaximo(campos), segundos)
            << campos.horas << '|' << campos.minutos << '|' << campos.segundos;
    }
    for (const Presupuesto& p : {Presupuesto{"x", "", ""}, {"", "1:30", ""}, {"", "", " "}})
        EXPECT_EQ(errorDe([&] { tiempoMaximo(p); }), TipoError::TiposNoCoinciden) << p.minutos;
}

class CronometroPrueba : public ::testing::Test {
  protected:
    void presupuesto(const char* segundos) {
        tiempo.presupuesto.segundos = segundos;
        tiempo.marcaInicio();
    }
    pruebas::RelojFalso reloj;
    Tiempo tiempo{reloj};
};

TEST_F(CronometroPrueba, PresupuestoCeroYExactamenteElPresupuesto) {
    presupuesto("0");
    reloj.ahora += 0.000001;
    EXPECT_TRUE(Cronometro(tiempo, Inicio::Publica).agotado());  // the first check reads the clock
    presupuesto("2");
    reloj.ahora += 2;
    Cronometro cronometro(tiempo, Inicio::Publica);
    for (int i = 0; i < 100000; ++i)
        ASSERT_FALSE(cronometro.agotado()) << i;  // the check is strict
}

TEST_F(CronometroPrueba, LeePocoElRelojPeroSeDetieneEnCuantoSeSupera) {
    presupuesto("2");
    Cronometro cronometro(tiempo, Inicio::Publica);
    // Many quick passes make the check read the clock rarely...
    for (int i = 0; i < 100000; ++i)
        ASSERT_FALSE(cronometro.agotado());
    // ...yet once the budget is passed the loop stops within a bounded number of passes.
    reloj.ahora += 2.5;
    for (int pasadas = 0; !cronometro.agotado();)
        ASSERT_LT(++pasadas, 1 << 17);
    presupuesto("1");
    reloj.paso = 0.3;  // slow passes: every one is checked
    Cronometro lento(tiempo, Inicio::Publica);
    int pasadas = 0;
    while (!lento.agotado())
        ++pasadas;
    EXPECT_LE(pasadas, 4);
}

TEST_F(CronometroPrueba, InicioPublicoPrivadoYRutinasAnidadas) {
    tiempo.presupuesto.segundos = "1";
    {
        Cronometro privado(tiempo, Inicio::Privada);
        EXPECT_FALSE(tiempo.inicial());  // a private start leaves the holder empty
        reloj.ahora += 1.5;
        EXPECT_TRUE(privado.agotado());
    }
    tiempo.presupuesto.segundos = "10";
    Cronometro exterior(tiempo, Inicio::Publica);  // writes the empty holder
    ASSERT_EQ(tiempo.inicial(), reloj.ahora);
    reloj.ahora += 8;
    Cronometro interior(tiempo, Inicio::Privada);  // takes the start from the holder
    reloj.ahora += 3;
    EXPECT_TRUE(interior.agotado());
    EXPECT_TRUE(exterior.agotado());
    tiempo.presupuesto.minutos = "uno";  // the budget is read when a routine starts
    EXPECT_EQ(errorDe([this] { Cronometro(tiempo, Inicio::Publica); }),
              TipoError::TiposNoCoinciden);
}

TEST_F(CronometroPrueba, UnCalculoQueCruzaLaMedianocheSigueMidiendo) {
    reloj.ahora = 86399;
    presupuesto("5");
    Cronometro cronometro(tiempo, Inicio::Publica);
    reloj.ahora = 2;  // 00:00:02, three seconds later
    EXPECT_FALSE(cronometro.agotado());
    reloj.ahora = 10;
    reloj.paso = 1;
    for (int pasadas = 0; !cronometro.agotado();)
        ASSERT_LT(++pasadas, 1 << 17);
}

TEST_F(CronometroPrueba, LatidosDuranteUnCalculoLargoYElFinTrasEllos) {
    int latidos = 0, fines = 0;
    tiempo.fijaLatido([&] { ++latidos; });
    tiempo.fijaFin([&] { ++fines; });
    Cronometro(tiempo, Inicio::Publica).agotado();
    EXPECT_EQ(latidos, 0);  // a quick computation never beats, nor ends the busy state
    EXPECT_EQ(fines, 0);
    reloj.paso = 0.05;
    {
        Cronometro lento(tiempo, Inicio::Publica);
        for (int i = 0; i < 40; ++i)
            lento.agotado();
        EXPECT_GE(latidos, 5);
        EXPECT_LE(latidos, 21);
        EXPECT_EQ(fines, 0);
    }
    EXPECT_EQ(fines, 1);
}

}  // namespace
}  // namespace zefra
