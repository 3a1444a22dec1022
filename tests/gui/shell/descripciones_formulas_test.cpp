// The description texts as a student reads them: no formula is split across two lines at the
// size a window opens with, and every worked example the program can compute says what the
// program's own routines compute.
#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextLayout>
#include <variant>

#include "comun/reloj_falso.hpp"
#include "core/alphabets/predefinidos.hpp"
#include "core/arithmetic/bases.hpp"
#include "core/arithmetic/diofantica.hpp"
#include "core/arithmetic/euclides.hpp"
#include "core/arithmetic/primitivas.hpp"
#include "core/crypto/afin.hpp"
#include "core/crypto/rsa.hpp"
#include "core/crypto/transcripcion.hpp"
#include "core/modular/euler.hpp"
#include "core/modular/inverso.hpp"
#include "core/modular/potencias.hpp"
#include "core/primes/factorizacion.hpp"
#include "core/primes/lista_primos.hpp"
#include "core/shell/numeros.hpp"
#include "gui/entorno.hpp"
#include "gui/shell/descripciones.hpp"
#include "gui/shell/fr_descripcion.hpp"

namespace zefra::pruebas {
namespace {

// The text holds the piece.
::testing::AssertionResult contiene(const QString& texto, const QString& trozo) {
    if (texto.contains(trozo)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "falta «" << trozo.toStdString() << "» en «" << texto.toStdString() << "»";
}
// The blanks that glue the parts of a formula, and those a line may break at.
bool protegido(QChar c) {
    return c == QChar::Nbsp || c == QChar(0x202F);
}
bool corte(QChar c) {
    return c.isSpace() && !protegido(c);
}

// The formulas of a block of text: the runs between two breakable blanks that hold a protected
// blank, without the protected blanks at their ends. Each is [start, end).
std::vector<std::pair<int, int>> formulas(const QString& texto) {
    std::vector<std::pair<int, int>> salida;
    for (int i = 0; i < texto.size();) {
        if (corte(texto[i])) {
            ++i;
            continue;
        }
        int fin = i;
        bool pegado = false;
        for (; fin < texto.size() && !corte(texto[fin]); ++fin)
            pegado = pegado || protegido(texto[fin]);
        int a = i;
        int b = fin;
        while (a < b && protegido(texto[a]))
            ++a;
        while (b > a && protegido(texto[b - 1]))
            --b;
        if (pegado && a < b) salida.emplace_back(a, b);
        i = fin;
    }
    return salida;
}

// The stretches of a block of text that are one formula whoever wrote them, each [start, end]:
// the two sides of a relation or operation sign set between blanks (a line break of the source
// included), a short pair such as (a, b), the inside of braces, "(mod n" and a minus sign with
// what it negates.
std::vector<std::pair<int, int>> piezas(const QString& texto) {
    static const QString b = QStringLiteral("[ \\t\\n\\x{a0}\\x{202f}]+");
    static const QString x = QStringLiteral("[^ \\t\\n\\x{a0}\\x{202f}\\x{2028}]");
    static const QRegularExpression patrones[] = {
        QRegularExpression(x + b + "(=|≡|≠|≈|≤|≥|<|>|\\+|−|±|·|×|/|⇔|⇒|→|∈|∉|\\||:)" + b + x),
        QRegularExpression(QStringLiteral("\\([^()\\s\\x{a0}]*,") + b +
                           QStringLiteral("[^()\\s\\x{a0}]*\\)")),
        QRegularExpression("\\{" + b + x),
        QRegularExpression(x + b + "\\}"),
        QRegularExpression(x + b + "\\(mod" + b + x),
        QRegularExpression(QStringLiteral("−\\x{2060}?") + x),
    };
    std::vector<std::pair<int, int>> salida;
    for (const QRegularExpression& patron : patrones) {
        // Overlapping matches too: "a = b = c" holds two signs that share b.
        for (qsizetype desde = 0;;) {
            const QRegularExpressionMatch m = patron.match(texto, desde);
            if (!m.hasMatch()) break;
            salida.emplace_back(m.capturedStart(), m.capturedEnd() - 1);
            desde = m.capturedStart() + 1;
        }
    }
    return salida;
}

// A plain text with every run of blanks as one space and no word joiners.
QString sinCortes(QString texto) {
    return texto.remove(QChar(0x2060)).simplified();
}

// The block holds a raised exponent.
bool conExponente(const QTextBlock& b) {
    for (auto f = b.begin(); !f.atEnd(); ++f) {
        if (f.fragment().charFormat().verticalAlignment() == QTextCharFormat::AlignSuperScript)
            return true;
    }
    return false;
}

class DescripcionesFormulas : public PruebaVentanas {};

// Run again by ctest at a scale of 200 % (QT_SCALE_FACTOR=2).
TEST_F(DescripcionesFormulas, NingunaFormulaSeCortaEntreDosLineas) {
    int vistas = 0;
    for (const auto temas : gui::todasLasDescripciones()) {
        for (const gui::Descripcion& d : temas) {
            const QString nombre = QString::fromUtf8(d.nombre);
            SCOPED_TRACE(d.nombre);
            auto& v = principal->contexto().abre<gui::FrDescripcion>(nombre);
            auto* texto = control<QTextBrowser>(&v, QStringLiteral("txDescripcion"));
            ASSERT_NE(texto, nullptr);
            QTextDocument* documento = texto->document();
            // Gluing changes where a line may break, never what the text says.
            QTextDocument escrito;
            escrito.setHtml(QString::fromUtf8(d.contenido));
            EXPECT_EQ(sinCortes(documento->toPlainText()), sinCortes(escrito.toPlainText()));
            documento->documentLayout()->documentSize();  // lays the whole text out
            for (QTextBlock b = documento->begin(); b.isValid(); b = b.next()) {
                const QTextLayout* capa = b.layout();
                ASSERT_GT(capa->lineCount(), 0);
                // Pseudocode in a fixed-pitch face, so that its columns line up; and room
                // between the lines of a paragraph with exponents, so that none touches the
                // line above.
                if (b.blockFormat().nonBreakableLines()) {
                    EXPECT_TRUE(QFontInfo(b.charFormat().font()).fixedPitch())
                        << b.text().toStdString();
                }
                if (conExponente(b)) {
                    for (int l = 1; l < capa->lineCount(); ++l) {
                        EXPECT_GE(capa->lineAt(l).y() - capa->lineAt(l - 1).y(),
                                  1.2 * capa->lineAt(l - 1).height())
                            << b.text().toStdString();
                    }
                }
                for (const auto& [inicio, fin] : piezas(b.text())) {
                    ++vistas;
                    EXPECT_EQ(capa->lineForTextPosition(inicio).lineNumber(),
                              capa->lineForTextPosition(fin).lineNumber())
                        << b.text().mid(inicio, fin - inicio + 1).toStdString() << " | "
                        << b.text().toStdString();
                }
                for (const auto& [inicio, fin] : formulas(b.text())) {
                    ++vistas;
                    const int primera = capa->lineForTextPosition(inicio).lineNumber();
                    const int ultima = capa->lineForTextPosition(fin - 1).lineNumber();
                    EXPECT_EQ(primera, ultima) << b.text().mid(inicio, fin - inicio).toStdString()
                                               << " | " << b.text().toStdString();
                }
            }
            pulsa(&v, "btsalir");
        }
    }
    EXPECT_GT(vistas, 300);  // the filter glued the formulas of the prose
}

// A description's text as read: an exponent written ^e, an index _i, and every run of blanks,
// the non-breaking ones and the breaks between table cells included, as one space.
QString lectura(const char* nombre) {
    static const QRegularExpression sup(QStringLiteral("<sup>(.*?)</sup>"));
    static const QRegularExpression sub(QStringLiteral("<sub>(.*?)</sub>"));
    QString html = QString::fromUtf8(gui::descripcion(QString::fromUtf8(nombre)).contenido);
    html.replace(sup, QStringLiteral("^\\1")).replace(sub, QStringLiteral("_\\1"));
    QTextDocument documento;
    documento.setHtml(html);
    return documento.toPlainText().simplified();
}

// A number as the descriptions write it: the minus sign, not a hyphen.
QString num(double x) {
    return QString::fromStdString(textoDecimal(x)).replace('-', QChar(0x2212));
}
QString num(const std::string& texto) {
    return QString::fromStdString(texto).replace('-', QChar(0x2212));
}

// The product of prime powers of the factor table: 2^3·3^2·5.
QString descomposicion(const TablaFactores& tabla) {
    QStringList potencias;
    for (int fila = 1; tabla.primo(fila) != TablaFactores::kVacia; ++fila) {
        potencias << num(tabla.primo(fila)) + (tabla.exponente(fila) == 1
                                                   ? QString()
                                                   : '^' + num(tabla.exponente(fila)));
    }
    return potencias.join(QChar(0x00B7));
}

class EjemplosDescripciones : public ::testing::Test {
  protected:
    RelojFalso reloj;
    Estado estado{reloj};
};

TEST_F(EjemplosDescripciones, EuclidesYDiofanticasDicenLoQueCalculaElPrograma) {
    const QString euclides = lectura("frmDescripción");
    const QString solucion = lectura("frdescalgsolpar");
    const QString diofanticas = lectura("frmDescripecuac");

    // mcd(252, 198): each division of the trace, and the gcd.
    const auto [g, traza] = Euclides(estado.tiempo, 252, 198);
    for (const auto& f : traza.filas) {
        if (!f.cociente) break;
        const QString division = num(f.dividendo) + " = " + num(*f.cociente) + QChar(0x00B7) +
                                 num(f.divisor) + " + " + num(*f.resto);
        EXPECT_TRUE(contiene(euclides, division));
        EXPECT_TRUE(contiene(solucion, division));
    }
    const auto& ultima = traza.filas.back();
    EXPECT_TRUE(contiene(euclides, "solo tiene el dividendo " + num(ultima.dividendo) +
                                       ", el máximo común divisor, y el divisor " +
                                       num(ultima.divisor)));
    EXPECT_TRUE(contiene(euclides, "luego mcd(252, 198) = " + num(*g)));
    EXPECT_TRUE(contiene(euclides, "mcm(252, 198) = 49 896 / 18 = " + num(mcm(252, 198, 18))));

    // 252·X + 198·Y = 18: the table of the recurrences and the particular solution.
    const auto r = Diofantica(estado.tiempo, 252, 198, 18);
    const auto& s = std::get<SolucionDiofantica>(*r.resultado);
    QString filas[] = {"i", " Q(i)", " A(i)", " B(i)"};  // the trace window's captions
    for (const auto& paso : r.pasos) {
        const QString celdas[] = {num(paso.i), paso.q ? num(*paso.q) : "", num(paso.a),
                                  num(paso.b)};
        for (int c = 0; c < 4; ++c)
            filas[c] += ' ' + celdas[c];
    }
    const int k = r.pasos.back().i;
    EXPECT_TRUE(contiene(solucion, (filas[0] + filas[1] + filas[2] + filas[3]).simplified()));
    EXPECT_TRUE(contiene(solucion, "así que k = " + num(k)));
    EXPECT_TRUE(contiene(solucion, "x_0 = B(" + num(k) + ") = " + num(s.x0)));
    EXPECT_TRUE(
        contiene(solucion, "y_0 = " + QString(QChar(0x2212)) + "A(" + num(k) + ") = " + num(s.y0)));
    EXPECT_TRUE(contiene(solucion, "252·" + num(s.x0) + " + 198·(" + num(s.y0) + ")"));

    // 12·X + 8·Y = 20: the gcd, the particular solution and the general one.
    EXPECT_TRUE(contiene(diofanticas, "d = mcd(12, 8) = " + num(*mcd(estado.tiempo, 12, 8))));
    const auto u = Diofantica(estado.tiempo, 12, 8, 20);
    const auto& t = std::get<SolucionDiofantica>(*u.resultado);
    EXPECT_TRUE(contiene(diofanticas, "X_0 = " + num(t.x0) + ", Y_0 = " + num(t.y0)));
    EXPECT_TRUE(contiene(diofanticas, "X = " + num(t.x0) + " + " + num(t.beta) + "K"));
    EXPECT_TRUE(contiene(diofanticas,
                         "Y = " + num(t.y0) + " " + QChar(0x2212) + ' ' + num(-t.alpha) + "K"));
    EXPECT_TRUE(contiene(diofanticas, "12·" + num(t.x0) + " + 8·(" + num(t.y0) + ") = 20"));
}

TEST_F(EjemplosDescripciones, PrimosYZnDicenLoQueCalculaElPrograma) {
    // The list up to 25.
    TablaPrimos primos;
    listaPrimos(estado.tiempo, 25, primos);
    QStringList lista;
    for (int p = 1; p <= primos.cuenta(); ++p)
        lista << num(primos.primo(p));
    const QString listaPrimos = lectura("frdescalglistaprimos");
    EXPECT_TRUE(contiene(listaPrimos, "El resultado es " + lista.join(", ") + ": " +
                                          num(primos.cuenta()) + " primos."));
    // The room of the table, and the bound from which the powers reduce the exponent.
    EXPECT_TRUE(contiene(QString(listaPrimos).remove(' '),
                         "tienesitiopara" + num(kPosicionesTablaPrimos - 2) + "deellos"));
    EXPECT_TRUE(contiene(lectura("frDescripPoten").remove(' '),
                         "Ellímite" + num(kMaximoModuloReducible) + "loeligeelprograma"));

    // The factorization of 360 (and of 8), wherever it is written, and φ(360) by its primes.
    ASSERT_TRUE(factorizaPrimos(estado.tiempo, estado.factores, 8));
    EXPECT_TRUE(contiene(lectura("frdescalgfactoriza"), "8 = " + descomposicion(estado.factores)));
    ASSERT_TRUE(factorizaPrimos(estado.tiempo, estado.factores, 360));
    const QString de360 = "360 = " + descomposicion(estado.factores);
    for (const char* nombre : {"frdescprimos", "frdescalgfactoriza", "frTeorEuler"})
        EXPECT_TRUE(contiene(lectura(nombre), de360)) << nombre;
    QString formula = QStringLiteral("φ(360) = 360");
    for (int fila = 1; estado.factores.primo(fila) != TablaFactores::kVacia; ++fila)
        formula += "·(1 − 1/" + num(estado.factores.primo(fila)) + ')';
    EXPECT_TRUE(
        contiene(lectura("frTeorEuler"),
                 formula + " = " + num(*funcionEuler(estado.tiempo, estado.memoriaModulo, 360))));

    // [7]^−1 in Z26 from the Diophantine solution.
    const auto b = *diofanticaInverso(estado.tiempo, 7, 26, 1).coeficientes;
    const QString inverso = lectura("frdescripInversa");
    EXPECT_TRUE(contiene(inverso, "7·(" + num(b.x) + ") + 26·" + num(b.y) + " = 1"));
    EXPECT_TRUE(contiene(inverso, "[7]^−1 = [" + num(b.x) + "] = [" +
                                      num(inversoZn(estado.tiempo, 26, 7).inverso->inverso) + ']'));

    // [3]^100 in Z7, with the exponent reduced by φ(7), and [2]^10 in Z1000 without.
    const QString potencias = lectura("frDescripPoten");
    const auto p3 = Calcupoten(estado.tiempo, estado.memoriaModulo, 3, 100, 7);
    const auto& reduccion = *p3.traza.reduccion;
    EXPECT_TRUE(contiene(potencias, "φ(7) = " + num(reduccion.phi) + "; como 100 = " +
                                        num((100 - reduccion.reducido) / reduccion.phi) + "·" +
                                        num(reduccion.phi) + " + " + num(reduccion.reducido) +
                                        ", [3]^100 = [3]^" + num(reduccion.reducido)));
    EXPECT_TRUE(contiene(potencias, "[3]^100 = [" + num(*p3.resultado) + "]."));
    const auto p2 = Calcupoten(estado.tiempo, estado.memoriaModulo, 2, 10, 1000);
    ASSERT_TRUE(p2.resultado);
    QStringList factores;
    for (const FactorPotencia& f : p2.traza.factores)
        factores << '[' + num(f.valor) + ']';
    EXPECT_TRUE(contiene(potencias, "[2]^10 = " + factores.join(QChar(0x00B7)) + " = [1024] = [" +
                                        num(*p2.traza.resultado) + "]."));
}

// "a, b, c y d".
QString enumera(QStringList partes) {
    const QString ultima = partes.takeLast();
    return partes.join(", ") + " y " + ultima;
}

TEST_F(EjemplosDescripciones, CambioDeBaseYCriptografiaDicenLoQueCalculaElPrograma) {
    // 45 in base 2, its expansion, and Horner's partial values, which are the quotients.
    const QString bases = lectura("frdescCambioBase");
    const Conversion binario = aBaseB(45, 2, "2", "45");
    EXPECT_TRUE(contiene(bases, "45 en base 2: " + num(binario.resultado) + '.'));
    EXPECT_TRUE(contiene(bases, num(binario.desarrollo)));
    QStringList parciales;
    QString anterior = "0";
    for (std::size_t c = 1; c <= binario.resultado.size(); ++c) {
        const std::string delante = binario.resultado.substr(0, c);
        parciales << num(aBase10(delante, 2, "2").resultado);
        EXPECT_TRUE(
            contiene(bases, parciales.back() + " = " + anterior + "·2 + " + QChar(delante.back())));
        anterior = parciales.back();
    }
    EXPECT_TRUE(contiene(bases, "va dando " + enumera(parciales)));

    // "hola" in "a-z" with the affine keys r = 5, s = 3.
    const Alfabeto& az = alfabetoMinusculas();
    const double n = moduloDe(az);
    const int ancho = anchoBloque(az);
    const std::string claro = transcribeADigitos("hola", az).texto;
    const auto cifrado = cifraAfin(estado.tiempo, claro, ancho, n, 5, 3, Sentido::Codificar);
    const auto inv = [&](double a) { return num(inversoZn(estado.tiempo, n, a).inverso->inverso); };
    const double phi = *funcionEuler(estado.tiempo, estado.memoriaModulo, n);
    const QString afin = lectura("frdescafin");
    for (const QString& trozo : QStringList{
             "«a-z», N = " + num(n), "«hola» da en el paso 1 las cifras " + num(claro),
             "las cifras " + num(cifrado.digitos) +
                 ", que el paso 3 convierte en el texto cifrado «" +
                 num(transcribeASimbolos(cifrado.digitos, ancho, az).texto) + "»",
             "[5]^−1 = [" + inv(5) + "] en ℤ_" + num(n), "[11]^−1 = [" + inv(11) + ']',
             "φ(N)·N pares de claves distintos: " + num(phi) + "·" + num(n) + " = " + num(phi * n)})
        EXPECT_TRUE(contiene(afin, trozo));

    // RSA with p = 11, q = 13, t = 7 on the same digits.
    const double p = *primoSiguiente(estado.tiempo, 11);
    const double q = *primoSiguiente(estado.tiempo, 13);
    const double phiN = *funcionEuler(estado.tiempo, estado.memoriaModulo, p * q);
    const double t = *exponenteCoprimo(estado.tiempo, 7, phiN);
    const double s = inversoZn(estado.tiempo, phiN, t).inverso->inverso;
    const int k = anchoBloqueRSA(p * q);
    const EntornoPotencia entorno{estado.tiempo, estado.memoriaModulo};
    const std::string c = potenciaPorBloques(entorno, claro, ancho, p * q, t, k).digitos;
    QStringList vuelta;
    for (std::size_t i = 0; i < c.size() / k; ++i) {
        vuelta << '[' + num(std::stod(c.substr(i * k, k))) + "]^" + num(s) + " = [" +
                      num(std::stod(claro.substr(i * ancho, ancho))) + ']';
    }
    const QString rsa = lectura("frdescRSA");
    for (const QString& trozo : QStringList{
             "n = 11·13 = " + num(p * q) + " y φ(143) = 10·12 = " + num(phiN),
             "s = " + num(s) + ", porque 7·" + num(s), "«hola» da las cifras " + num(claro),
             "tiene " + num(k) + " cifras", "el bloque 07 se cifra como " + num(c.substr(0, k)),
             "El texto cifrado es " + num(c), enumera(vuelta) + " devuelven " + num(claro)})
        EXPECT_TRUE(contiene(rsa, trozo));
}

}  // namespace
}  // namespace zefra::pruebas
