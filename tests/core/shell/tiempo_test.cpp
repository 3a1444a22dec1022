#include "shell/tiempo.hpp"

#include <gtest/gtest.h>

#include "arithmetic/numeros.hpp"
#include "comun/reloj_falso.hpp"
#include "shell/errores.hpp"

namespace zefra {
namespace {

using pruebas::RelojFalso;

struct CasoPresupuesto {
    Presupuesto campos;
    double segundos;
};

TEST(TiempoMaximo, CamposVaciosYMezclados) {
    fijaSeparadorDecimal(',');
    const CasoPresupuesto casos[] = {
        {{"", "", ""}, 60},      {{"0", "0", ""}, 0},   {{"1", "", ""}, 3600},
        {{"", "1,5", ""}, 90},   {{"", "1.5", ""}, 90}, {{"", "", "-5"}, -5},
        {{"1", "2", "3"}, 3723}, {{"", "", " 2 "}, 2},  {{"0,5", "", ""}, 1800},
    };
    for (const auto& c : casos) {
        EXPECT_DOUBLE_EQ(tiempoMaximo(c.campos), c.segundos)
            << c.campos.horas << '|' << c.campos.minutos << '|' << c.campos.segundos;
    }
}

TEST(TiempoMaximo, UnCampoNoNumericoEsErrorDeTipos) {
    for (const Presupuesto& p :
         {Presupuesto{"x", "", ""}, Presupuesto{"", "1:30", ""}, Presupuesto{"", "", " "}}) {
        try {
            tiempoMaximo(p);
            ADD_FAILURE() << "no error";
        } catch (const ErrorEjecucion& e) {
            EXPECT_EQ(e.tipo(), TipoError::TiposNoCoinciden);
        }
    }
}

class CronometroPrueba : public ::testing::Test {
  protected:
    RelojFalso reloj;
    Tiempo tiempo{reloj};
};

TEST_F(CronometroPrueba, LaPrimeraComprobacionLeeSiempreElReloj) {
    tiempo.presupuesto.segundos = "0";
    tiempo.marcaInicio();
    reloj.ahora += 0.000001;
    Cronometro cronometro(tiempo, Inicio::Publica);
    EXPECT_TRUE(cronometro.agotado());
}

TEST_F(CronometroPrueba, ExactamenteElPresupuestoNoDetiene) {
    tiempo.presupuesto.segundos = "2";
    tiempo.marcaInicio();
    reloj.ahora += 2;
    Cronometro cronometro(tiempo, Inicio::Publica);
    for (int i = 0; i < 100000; ++i)
        ASSERT_FALSE(cronometro.agotado()) << i;
}

TEST_F(CronometroPrueba, DetieneEnCuantoSeSuperaAunqueLeaPocoElReloj) {
    tiempo.presupuesto.segundos = "2";
    tiempo.marcaInicio();
    Cronometro cronometro(tiempo, Inicio::Publica);
    // Many quick passes make the check read the clock rarely...
    for (int i = 0; i < 100000; ++i)
        ASSERT_FALSE(cronometro.agotado());
    // ...yet once the budget is passed the loop stops within a bounded number of passes.
    reloj.ahora += 2.5;
    int pasadas = 0;
    while (!cronometro.agotado())
        ASSERT_LT(++pasadas, 1 << 17);
}

TEST_F(CronometroPrueba, UnaPasadaLentaSeCompruebaCadaVez) {
    tiempo.presupuesto.segundos = "1";
    tiempo.marcaInicio();
    reloj.paso = 0.3;  // every reading of the clock is 0.3 s after the previous one
    Cronometro cronometro(tiempo, Inicio::Publica);
    int pasadas = 0;
    while (!cronometro.agotado())
        ++pasadas;
    EXPECT_LE(pasadas, 4);
}

TEST_F(CronometroPrueba, InicioPublicoEscribeElContenedorVacio) {
    ASSERT_FALSE(tiempo.inicial());
    Cronometro cronometro(tiempo, Inicio::Publica);
    ASSERT_TRUE(tiempo.inicial());
    EXPECT_EQ(*tiempo.inicial(), 36000);
}

TEST_F(CronometroPrueba, InicioPrivadoDejaVacioElContenedor) {
    tiempo.presupuesto.segundos = "1";
    Cronometro cronometro(tiempo, Inicio::Privada);
    EXPECT_FALSE(tiempo.inicial());
    reloj.ahora += 1.5;
    EXPECT_TRUE(cronometro.agotado());
}

TEST_F(CronometroPrueba, RutinasAnidadasCompartenElInicio) {
    tiempo.presupuesto.segundos = "10";
    tiempo.reiniciaTiempo();
    Cronometro exterior(tiempo, Inicio::Publica);  // sets the common start at 10:00:00
    reloj.ahora += 8;
    Cronometro interior(tiempo, Inicio::Privada);  // takes it from the holder, not the clock
    reloj.ahora += 3;
    EXPECT_TRUE(interior.agotado());
    EXPECT_TRUE(exterior.agotado());
    EXPECT_EQ(*tiempo.inicial(), 36000);
}

TEST_F(CronometroPrueba, ElPresupuestoSeLeeAlEmpezarYUnCampoMaloFalla) {
    tiempo.presupuesto.minutos = "uno";
    EXPECT_THROW(Cronometro(tiempo, Inicio::Publica), ErrorEjecucion);
}

TEST_F(CronometroPrueba, UnCalculoQueCruzaLaMedianocheSigueMidiendo) {
    tiempo.presupuesto.segundos = "5";
    reloj.ahora = 86399;
    tiempo.marcaInicio();
    Cronometro cronometro(tiempo, Inicio::Publica);
    reloj.ahora = 2;  // 00:00:02, three seconds later
    EXPECT_FALSE(cronometro.agotado());
    reloj.ahora = 10;
    reloj.paso = 1;
    int pasadas = 0;
    while (!cronometro.agotado())
        ASSERT_LT(++pasadas, 1 << 17);
}

TEST_F(CronometroPrueba, ElLatidoLlegaDuranteUnCalculoLargo) {
    int latidos = 0;
    tiempo.fijaLatido([&] { ++latidos; });
    reloj.paso = 0.05;
    Cronometro cronometro(tiempo, Inicio::Publica);
    for (int i = 0; i < 40; ++i)
        cronometro.agotado();
    EXPECT_GE(latidos, 5);
    EXPECT_LE(latidos, 21);
}

TEST_F(CronometroPrueba, ElFinLlegaSoloTrasUnCalculoQueDioLatidos) {
    int latidos = 0;
    int fines = 0;
    tiempo.fijaLatido([&] { ++latidos; });
    tiempo.fijaFin([&] { ++fines; });
    {
        Cronometro rapido(tiempo, Inicio::Publica);
        rapido.agotado();
    }
    EXPECT_EQ(latidos, 0);  // a quick computation never beats
    EXPECT_EQ(fines, 0);
    const int antes = fines;
    reloj.paso = 0.2;
    {
        Cronometro lento(tiempo, Inicio::Publica);
        for (int i = 0; i < 5; ++i)
            lento.agotado();
    }
    EXPECT_EQ(fines, antes + 1);
}

}  // namespace
}  // namespace zefra
