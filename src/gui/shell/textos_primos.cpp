// The descriptions of prime numbers: definition, list of primes, primality and factorization.
#include "gui/shell/descripciones.hpp"

namespace zefra::gui {
namespace {

constexpr const char* kPrimos = R"html(
<h3>Números primos</h3>
<p>Un <b>número primo</b> es un entero positivo que tiene exactamente dos divisores positivos:
el 1 y él mismo.</p>
<p>Así, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, … son primos. El 1 <b>no</b> es primo, porque
tiene un solo divisor positivo. Un entero <i>n</i> &gt; 1 que no es primo se llama
<b>compuesto</b>: se puede escribir como <i>n</i> = <i>a</i>·<i>b</i> con
1 &lt; <i>a</i> &lt; <i>n</i> y 1 &lt; <i>b</i> &lt; <i>n</i>; por ejemplo, 12 = 3·4. El 2 es
el único primo par.</p>

<h3>Propiedades fundamentales</h3>
<ul>
<li>Todo entero <i>n</i> &gt; 1 tiene algún divisor primo: su menor divisor mayor que 1 es
primo.</li>
<li>Si <i>n</i> &gt; 1 es compuesto, tiene un divisor primo <i>p</i> ≤ √<i>n</i>: si
<i>n</i> = <i>a</i>·<i>b</i> con 1 &lt; <i>a</i> ≤ <i>b</i>, entonces
<i>a</i>·<i>a</i> ≤ <i>a</i>·<i>b</i> = <i>n</i>, y sirve cualquier divisor primo de <i>a</i>.
En esto se basan los algoritmos de este menú.</li>
<li><b>Lema de Euclides.</b> Si un primo <i>p</i> divide a un producto <i>a</i>·<i>b</i>,
entonces <i>p</i> divide a <i>a</i> o a <i>b</i>.</li>
<li><b>Teorema fundamental de la aritmética.</b> Todo entero <i>n</i> &gt; 1 se escribe como
producto de números primos, y esa escritura es única salvo el orden de los factores.
Agrupando los primos iguales, <i>n</i> es un producto de potencias de primos distintos; por
ejemplo, 360 = 2<sup>3</sup>·3<sup>2</sup>·5.</li>
<li><b>Teorema de Euclides.</b> Hay infinitos números primos: si
<i>p</i><sub>1</sub>, …, <i>p</i><sub><i>k</i></sub> fueran todos, el número
<i>p</i><sub>1</sub>·<i>p</i><sub>2</sub>⋯<i>p</i><sub><i>k</i></sub> + 1 no sería divisible por
ninguno de ellos y, sin embargo, tiene algún divisor primo.</li>
</ul>
)html";

constexpr const char* kListaPrimos = R"html(
<p>Dado un número <i>n</i>, el programa escribe todos los primos desde 2 hasta <i>n</i> y
cuántos son. Un <i>n</i> con decimales se redondea antes al entero más próximo (uno que acaba en
,5, al par), y <i>n</i> ha de ser menor que 2<sup>31</sup> = 2&#8239;147&#8239;483&#8239;648: uno
mayor da el error «Desbordamiento». La tabla donde se guardan los primos tiene sitio para
9&#8239;999&#8239;999 de ellos, el último 179&#8239;424&#8239;671, así que la lista está completa
para todo <i>n</i> &lt; 179&#8239;424&#8239;673, el primo siguiente. Con un <i>n</i> mayor, al
llegar a ese primo el programa da el error «El subíndice está fuera del intervalo» y muestra
los 9&#8239;999&#8239;999 primos hallados.</p>

<h3>Idea</h3>
<p>Todo entero es de la forma 6<i>m</i> + <i>j</i> con <i>j</i> = 0, 1, 2, 3, 4 o 5. Los números
6<i>m</i>, 6<i>m</i> + 2 y 6<i>m</i> + 4 son pares y 6<i>m</i> + 3 es múltiplo de 3; por tanto,
todo primo mayor que 3 es de la forma 6<i>m</i> − 1 o 6<i>m</i> + 1 (pues
6<i>m</i> + 5 = 6(<i>m</i> + 1) − 1). El programa escribe 2 y 3, y después solo examina los
<b>candidatos</b> 6<i>m</i> ± 1 para <i>m</i> = 1, 2, 3, …: 5, 7, 11, 13, 17, 19, 23, 25, …</p>
<p>Un candidato <i>c</i> es primo si ningún primo <i>q</i> ≤ √<i>c</i> lo divide, porque todo
compuesto tiene un divisor primo menor o igual que su raíz cuadrada. Como los primos se hallan
en orden creciente, cuando se examina <i>c</i> ya están guardados todos los primos menores que
<i>c</i>. Por eso <i>c</i> se divide solo entre los primos guardados a partir del 5 (ni 2 ni 3
dividen nunca a un candidato), y se para en el primer primo mayor que √<i>c</i>.</p>

<h3>Algoritmo</h3>
<pre>
procedimiento listaPrimos(n)
    k ← 0                        { primos guardados: primo(1), …, primo(k) }
    si n ≥ 2 entonces  k ← 1;  primo(1) ← 2;  escribir 2
    si n ≥ 3 entonces  k ← 2;  primo(2) ← 3;  escribir 3
    m ← 1
    repetir
        si se ha superado el tiempo máximo entonces terminar por tiempo
        para c = 6m − 1 y después c = 6m + 1 hacer
            si se ha superado el tiempo máximo entonces terminar por tiempo
            si c &gt; n entonces
                escribir el total k;  terminar
            esPrimo ← verdadero
            i ← 3                          { primo(3) = 5 }
            mientras i ≤ k hacer
                q ← primo(i)
                si q &gt; √c entonces salir del bucle
                si c mod q = 0 entonces
                    esPrimo ← falso;  salir del bucle
                i ← i + 1
            fin mientras
            si esPrimo entonces
                k ← k + 1;  primo(k) ← c;  escribir c
        fin para
        m ← m + 1
    fin repetir
fin procedimiento
</pre>

<h3>Ejemplo</h3>
<p>Para <i>n</i> = 25 los candidatos son 5, 7, 11, 13, 17, 19, 23 y 25; todos son primos salvo
el 25, que se descarta al dividirlo entre 5. El resultado es 2, 3, 5, 7, 11, 13, 17, 19, 23:
9 primos.</p>
<p>El tiempo máximo se comprueba al empezar cada bloque de dos candidatos y al examinar cada
candidato; las divisiones de un candidato duran muy poco y no se interrumpen. Si se supera, el
programa lo avisa, dice hasta qué número ha llegado y muestra los primos hallados hasta
entonces.</p>
)html";

constexpr const char* kEsPrimo = R"html(
<h3>División por tentativa</h3>
<p>Para saber si un entero <i>n</i> &gt; 1 es primo basta buscar divisores <i>v</i> con
2 ≤ <i>v</i> ≤ √<i>n</i>: si <i>n</i> = <i>a</i>·<i>b</i> con 1 &lt; <i>a</i> ≤ <i>b</i>,
entonces <i>a</i> ≤ √<i>n</i>. Si ninguno de esos <i>v</i> divide a <i>n</i>, <i>n</i> es
primo.</p>
<p>Además basta probar 2, 3 y los números de la forma 6<i>m</i> ± 1: el menor divisor mayor que
1 de <i>n</i> es primo, y todo primo mayor que 3 es de esa forma (los números 6<i>m</i>,
6<i>m</i> + 2, 6<i>m</i> + 3 y 6<i>m</i> + 4 son múltiplos de 2 o de 3). Así se hacen unas
√<i>n</i>/3 divisiones en lugar de √<i>n</i>.</p>

<h3>Algoritmo</h3>
<pre>
función esPrimo(n)
    si n ≥ 0 y (n no es entero o n = 1) entonces devolver falso
    si (n mod 3 = 0 y n ≠ 3) o (n mod 2 = 0 y n ≠ 2) entonces
        devolver falso                    { también n = 0 }
    si n &lt; 0 entonces
        error «Argumento o llamada a procedimiento no válida»
    v ← 6                                 { se prueban v − 1 y v + 1 }
    repetir
        si v &gt; √n + 1 entonces devolver verdadero
        si se ha superado el tiempo máximo entonces terminar sin resultado
        si n mod (v − 1) = 0 o n mod (v + 1) = 0 entonces
            devolver falso
        v ← v + 6
    fin repetir
fin función
</pre>
<p>Cada vuelta prueba la pareja <i>v</i> − 1, <i>v</i> + 1, con <i>v</i> = 6<i>m</i>; el límite
√<i>n</i> + 1 asegura que se prueban todos los números 6<i>m</i> ± 1 que no pasan de
√<i>n</i>. Un número que no es entero no es primo, y tampoco lo son 0 ni 1.</p>
<p>Los números negativos no son primos, por definición: un primo es un entero positivo. El
programa no llega a probarlos: el resto de un negativo lleva su signo, así que a uno que es
múltiplo de 2 o de 3 (resto 0) responde en la segunda comprobación que no es primo, y a los demás
los rechaza con el error «Argumento o llamada a procedimiento no válida». La ventana no admite
números mayores que 2<sup>53</sup> = 9&#8239;007&#8239;199&#8239;254&#8239;740&#8239;992, porque
por encima de ese valor no todos los enteros se pueden representar con exactitud.</p>

<h3>Coste</h3>
<p>En el peor caso, cuando <i>n</i> es primo, se hacen unas √<i>n</i>/3 divisiones: el coste es
del orden de <i>n</i><sup>1/2</sup>. Parece poco, pero crece muy deprisa con el número de
cifras: si <i>n</i> tiene <i>c</i> cifras, √<i>n</i> tiene unas <i>c</i>/2, y para un número de
100 cifras harían falta del orden de 10<sup>49</sup> divisiones.</p>

<h3>Números grandes</h3>
<p>Para los números de cientos de cifras que usa la criptografía, como los primos del sistema
RSA, la división por tentativa es inviable. Se usan entonces <b>tests probabilísticos</b>, que
se basan en las potencias en ℤ<sub><i>n</i></sub>: si <i>n</i> es primo y no divide a <i>a</i>,
entonces <i>a</i><sup><i>n</i>−1</sup> ≡ 1 (mod <i>n</i>) (pequeño teorema de Fermat). En el
test de Miller–Rabin, cada prueba con una base <i>a</i> elegida al azar tarda un tiempo que solo
crece como una potencia del número de cifras de <i>n</i>, y si <i>n</i> es compuesto la prueba
lo descubre con probabilidad al menos 3/4. Por tanto, si <i>n</i> es compuesto, la
probabilidad de que supere 50 pruebas independientes es como mucho 4<sup>−50</sup>. Existe también un test
determinista de coste polinómico (AKS, 2002), pero en la práctica es más lento.</p>
)html";

constexpr const char* kFactoriza = R"html(
<p>El programa descompone un entero <i>n</i> menor que 2<sup>31</sup> en producto de potencias
de primos distintos y escribe, para cada primo, una línea con el primo y su exponente. Por
ejemplo, 360 = 2<sup>3</sup>·3<sup>2</sup>·5 da tres líneas: el primo 2 con exponente 3, el 3
con exponente 2 y el 5 con exponente 1.</p>

<h3>Idea</h3>
<p>Se prueban los divisores <i>v</i> = 2, 3, 4, 5, … en orden. Cada vez que <i>v</i> divide a
lo que queda de <i>n</i>, se anota <i>v</i>, se divide <i>n</i> entre <i>v</i> y se vuelve a
probar el mismo <i>v</i>, hasta que deja de dividir; así se obtiene su exponente.</p>
<ul>
<li>Aunque se prueban todos los <i>v</i>, solo se anotan primos: cuando llega un <i>v</i>
compuesto, sus factores primos, que son menores que <i>v</i>, ya se han eliminado de <i>n</i>,
así que <i>v</i> no puede dividirlo.</li>
<li>Se para en cuanto <i>v</i><sup>2</sup> es mayor que lo que queda de <i>n</i>: lo que queda no
tiene divisores primos menores que <i>v</i>, y si fuera compuesto tendría uno menor o igual que
su raíz cuadrada. Por tanto, lo que queda, si es mayor que 1, es primo y es el último
factor.</li>
</ul>

<h3>Algoritmo</h3>
<pre>
procedimiento factoriza(n)
    m ← 0                           { primos distintos anotados }
    v ← 2
    mientras n &gt; 1 hacer
        si se ha superado el tiempo máximo entonces terminar por tiempo
        si v·v &gt; n entonces
            anota(n);  salir del bucle  { lo que queda es primo }
        si n mod v = 0 entonces
            anota(v)
            n ← n / v               { se vuelve a probar el mismo v }
        si no
            v ← v + 1
    fin mientras
    escribir, para j = 1, …, m, la línea primo(j)  exponente(j)
fin procedimiento

procedimiento anota(p)
    si m &gt; 0 y primo(m) = p entonces
        exponente(m) ← exponente(m) + 1
    si no
        m ← m + 1;  primo(m) ← p;  exponente(m) ← 1
fin procedimiento
</pre>

<h3>Ejemplos</h3>
<p>360: con <i>v</i> = 2 quedan 180, 90 y 45; con <i>v</i> = 3 quedan 15 y 5, y como
3·3 &gt; 5 se para: el 5 que queda es el último factor. Resultado:
360 = 2<sup>3</sup>·3<sup>2</sup>·5.</p>
<p>8: con <i>v</i> = 2 quedan 4 y 2; como 2·2 &gt; 2 se para, y el 2 que queda suma uno al
exponente del 2: 8 = 2<sup>3</sup>.</p>

<h3>Coste</h3>
<p>Los divisores probados no pasan de √<i>n</i>, así que para <i>n</i> &lt; 2<sup>31</sup> se
hacen como mucho unas 46&#8239;000 pruebas (√(2<sup>31</sup>) ≈ 46&#8239;341) y la
factorización es inmediata. Aun así, en cada vuelta se comprueba el tiempo máximo, como en los
demás algoritmos: si se supera, el programa lo avisa y no escribe resultado. La ventana de la
función de Euler descompone su módulo <i>n</i> con este mismo algoritmo para escribir la fórmula
de su razonamiento, y esa descomposición aparece también en esta ventana.</p>
<p>El programa solo descompone los enteros <i>n</i> ≥ 2; para 1, 0 y los negativos da un
resultado vacío. El 1 no tiene factores primos; el 0 es divisible por todos los primos y no
es producto de ellos; un negativo es −1 por la descomposición de su valor absoluto
(−12 = −2<sup>2</sup>·3), pero el programa no la escribe. Un número con decimales se redondea
antes al entero más próximo, y uno que acaba en ,5 al par: 12,5 se descompone como 12.</p>
)html";

constexpr Descripcion kDescripciones[] = {
    {"frdescprimos", "Definición de números primos", kPrimos, 100},
    {"frdescalglistaprimos", "Algoritmo Lista de Primos", kListaPrimos, 100},
    {"frdescalgesprimo", "Algoritmo que identifica si un numero es primo", kEsPrimo, 100},
    {"frdescalgfactoriza", "Algoritmo de factorización de un número", kFactoriza, 100},
};

}  // namespace

std::span<const Descripcion> descripcionesPrimos() {
    return kDescripciones;
}

}  // namespace zefra::gui
