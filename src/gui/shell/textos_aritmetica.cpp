// The descriptions of Euclid's algorithm and of linear Diophantine equations.
#include "gui/shell/descripciones.hpp"

namespace zefra::gui {
namespace {

constexpr const char* kEuclides = R"html(
<h3>Máximo común divisor</h3>
<p>El <b>máximo común divisor</b> de dos enteros <i>a</i> y <i>b</i>, no ambos nulos, es el
mayor entero positivo que divide tanto a <i>a</i> como a <i>b</i>; se escribe
mcd(<i>a</i>, <i>b</i>), y las ventanas de cálculo lo escriben m.c.d. Un número y su opuesto
tienen los mismos divisores, así que mcd(<i>a</i>, <i>b</i>) = mcd(|<i>a</i>|, |<i>b</i>|);
además, mcd(<i>a</i>, 0) = |<i>a</i>| si <i>a</i> ≠ 0. Como todo entero divide a 0, 0 y 0 no
tienen un mayor divisor común: <b>por convenio</b> se toma mcd(0, 0) = 0, y así lo da el
programa. Basta, pues, estudiar el caso <i>a</i> ≥ <i>b</i> &gt; 0.</p>

<h3>La división entera</h3>
<p>Dados dos enteros <i>u</i> y <i>v</i> con <i>v</i> &gt; 0, existen dos únicos enteros
<i>q</i> (el cociente) y <i>r</i> (el resto) tales que</p>
<p align="center"><i>u</i> = <i>q</i>·<i>v</i> + <i>r</i>, &nbsp;&nbsp; 0 ≤ <i>r</i> &lt; <i>v</i>.</p>
<p>El cociente <i>q</i> es el mayor entero que no pasa de <i>u</i>/<i>v</i>, también cuando
<i>u</i> es negativo: 37 = 3·10 + 7 y −33 = (−4)·10 + 7.</p>
<p>Los divisores comunes de <i>u</i> y <i>v</i> son exactamente los divisores comunes de
<i>v</i> y <i>r</i>: todo divisor común de <i>u</i> y <i>v</i> divide a
<i>r</i> = <i>u</i> − <i>q</i>·<i>v</i>, y todo divisor común de <i>v</i> y <i>r</i> divide a
<i>u</i> = <i>q</i>·<i>v</i> + <i>r</i>. Por tanto</p>
<p align="center">mcd(<i>u</i>, <i>v</i>) = mcd(<i>v</i>, <i>r</i>).</p>

<h3>El algoritmo</h3>
<p>Llamamos <i>r</i><sub>−1</sub> = <i>a</i> y <i>r</i><sub>0</sub> = <i>b</i>, y dividimos cada
resto entre el siguiente mientras el último resto obtenido no sea 0:</p>
<table align="center" border="0" cellspacing="0" cellpadding="1">
<tr><td align="right"><i>r</i><sub>−1</sub></td><td align="center">&nbsp;=&nbsp;</td>
<td><i>Q</i>(1)·<i>r</i><sub>0</sub> + <i>r</i><sub>1</sub>,</td>
<td>&nbsp;&nbsp; 0 ≤ <i>r</i><sub>1</sub> &lt; <i>r</i><sub>0</sub></td></tr>
<tr><td align="right"><i>r</i><sub>0</sub></td><td align="center">&nbsp;=&nbsp;</td>
<td><i>Q</i>(2)·<i>r</i><sub>1</sub> + <i>r</i><sub>2</sub>,</td>
<td>&nbsp;&nbsp; 0 ≤ <i>r</i><sub>2</sub> &lt; <i>r</i><sub>1</sub></td></tr>
<tr><td></td><td align="center">⋮</td><td></td><td></td></tr>
<tr><td align="right"><i>r</i><sub><i>i</i>−2</sub></td><td align="center">&nbsp;=&nbsp;</td>
<td><i>Q</i>(<i>i</i>)·<i>r</i><sub><i>i</i>−1</sub> + <i>r</i><sub><i>i</i></sub>,</td>
<td>&nbsp;&nbsp; 0 ≤ <i>r</i><sub><i>i</i></sub> &lt; <i>r</i><sub><i>i</i>−1</sub></td></tr>
<tr><td></td><td align="center">⋮</td><td></td><td></td></tr>
<tr><td align="right"><i>r</i><sub><i>k</i>−1</sub></td><td align="center">&nbsp;=&nbsp;</td>
<td><i>Q</i>(<i>k</i>+1)·<i>r</i><sub><i>k</i></sub> + 0</td><td></td></tr>
</table>
<p>Los restos son enteros no negativos que decrecen estrictamente,
<i>r</i><sub>0</sub> &gt; <i>r</i><sub>1</sub> &gt; <i>r</i><sub>2</sub> &gt; ⋯, así que tras
a lo sumo <i>b</i> divisiones aparece un resto 0 y el algoritmo termina. Llamamos <i>k</i> al
número de divisiones con resto distinto de cero: la división <i>k</i> + 1 es la exacta, y
<i>Q</i>(<i>i</i>) es el cociente de la división <i>i</i>, como lo escribe la traza de las
ecuaciones diofánticas. Aplicando la propiedad anterior a cada división,</p>
<p align="center">mcd(<i>a</i>, <i>b</i>) = mcd(<i>r</i><sub>−1</sub>, <i>r</i><sub>0</sub>) =
mcd(<i>r</i><sub>0</sub>, <i>r</i><sub>1</sub>) = ⋯ =
mcd(<i>r</i><sub><i>k</i></sub>, 0) = <i>r</i><sub><i>k</i></sub>.</p>
<p><b>El último resto distinto de cero, <i>r</i><sub><i>k</i></sub>, es el máximo común divisor
mcd(<i>a</i>, <i>b</i>).</b> Si ya la primera división es exacta (<i>k</i> = 0), ese resto es
<i>r</i><sub>0</sub> = <i>b</i>.</p>

<h3>Ejemplo</h3>
<p>Cálculo de mcd(252, 198):</p>
<table align="center" border="0" cellspacing="0" cellpadding="1">
<tr><td align="right">252</td><td align="center">&nbsp;=&nbsp;</td><td>1·198 + 54</td></tr>
<tr><td align="right">198</td><td align="center">&nbsp;=&nbsp;</td><td>3·54 + 36</td></tr>
<tr><td align="right">54</td><td align="center">&nbsp;=&nbsp;</td><td>1·36 + 18</td></tr>
<tr><td align="right">36</td><td align="center">&nbsp;=&nbsp;</td><td>2·18 + 0</td></tr>
</table>
<p>Aquí <i>k</i> = 3. El último resto distinto de cero es 18, luego mcd(252, 198) = 18. Cada
línea es una fila de la traza de la ventana de ejecución: dividendo, divisor, cociente y resto.
La traza acaba con una fila más, que solo tiene el dividendo 18, el máximo común divisor, y el
divisor 0: la división que ya no se hace.</p>

<h3>Mínimo común múltiplo</h3>
<p>Conocido el máximo común divisor de dos enteros no nulos, su mínimo común múltiplo es</p>
<p align="center">mcm(<i>a</i>, <i>b</i>) = |<i>a</i>·<i>b</i>| / mcd(<i>a</i>, <i>b</i>);</p>
<p>en el ejemplo, mcm(252, 198) = 49&#8239;896 / 18 = 2772.</p>
)html";

constexpr const char* kPseudoEuclides = R"html(
<p>Cálculo de mcd(<i>a</i>, <i>b</i>) tal como lo hace el programa. <b>a div b</b> y
<b>a mod b</b> son el cociente y el resto de la división entera de <i>a</i> entre <i>b</i>.</p>
<pre>
función mcd(a, b)
    a ← |a|
    b ← |b|
    si a = 0 entonces devolver b     { mcd(0, b) = b; por convenio, mcd(0, 0) = 0 }
    si b = 0 entonces devolver a     { mcd(a, 0) = a }
    si b &gt; a entonces intercambiar a y b
    anotar en la traza una fila con a, b
    mientras b &gt; 0 hacer
        si se ha superado el tiempo máximo entonces terminar sin resultado
        q ← a div b
        r ← a mod b
        completar la fila con q, r
        a ← b
        b ← r
        anotar en la traza una fila con a, b   { la última: el mcd y 0 }
    fin mientras
    devolver a                       { el último resto distinto de 0 }
fin función
</pre>
<p>Cada vuelta del bucle es una división de la cadena; al salir, <i>a</i> guarda el último resto
distinto de cero, y la última fila de la traza solo tiene ese máximo común divisor y 0. El tiempo máximo es el que se fija en la ventana principal; si se supera, el
cálculo se detiene sin resultado.</p>
)html";

constexpr const char* kDiofanticas = R"html(
<h3>Ecuaciones diofánticas lineales</h3>
<p>Una <b>ecuación diofántica lineal</b> con dos incógnitas es una ecuación</p>
<p align="center"><i>A</i>·<i>X</i> + <i>B</i>·<i>Y</i> = <i>C</i></p>
<p>con coeficientes <i>A</i>, <i>B</i>, <i>C</i> enteros, de la que solo interesan las
soluciones enteras <i>X</i>, <i>Y</i>. Suponemos que <i>A</i> y <i>B</i> no son ambos 0 (si lo
fueran, la ecuación diría 0 = <i>C</i>: sin solución si <i>C</i> ≠ 0, y con todo par como
solución si <i>C</i> = 0) y llamamos <i>d</i> = mcd(<i>A</i>, <i>B</i>). Dos enteros son
<b>primos entre sí</b> cuando su máximo común divisor es 1.</p>

<h3>Existencia de solución</h3>
<p><b>Teorema.</b> La ecuación tiene solución entera si y solo si <i>d</i> divide a
<i>C</i>.</p>
<p>Si <i>X</i>, <i>Y</i> son enteros que la cumplen, <i>d</i> divide a <i>A</i> y a <i>B</i>,
luego divide a <i>A</i>·<i>X</i> + <i>B</i>·<i>Y</i> = <i>C</i>. Recíprocamente, por la
<b>identidad de Bézout</b> hay enteros <i>x</i><sub>0</sub>, <i>y</i><sub>0</sub> con
<i>A</i>·<i>x</i><sub>0</sub> + <i>B</i>·<i>y</i><sub>0</sub> = <i>d</i>, que se obtienen con
los cocientes del algoritmo de Euclides (botón «Algoritmo»). Si <i>C</i> = <i>m</i>·<i>d</i>,
entonces <i>X</i><sub>0</sub> = <i>m</i>·<i>x</i><sub>0</sub>,
<i>Y</i><sub>0</sub> = <i>m</i>·<i>y</i><sub>0</sub> es una <b>solución particular</b>. Si
<i>C</i> = 0, basta tomar <i>X</i><sub>0</sub> = <i>Y</i><sub>0</sub> = 0.</p>

<h3>Solución general</h3>
<p><b>Teorema.</b> Si (<i>X</i><sub>0</sub>, <i>Y</i><sub>0</sub>) es una solución particular,
todas las soluciones enteras son</p>
<p align="center"><i>X</i> = <i>X</i><sub>0</sub> + <i>K</i>·(<i>B</i>/<i>d</i>), &nbsp;&nbsp;
<i>Y</i> = <i>Y</i><sub>0</sub> − <i>K</i>·(<i>A</i>/<i>d</i>), &nbsp;&nbsp;
para todo entero <i>K</i>.</p>
<p>Son soluciones, porque al sustituir, los términos en <i>K</i> se cancelan:
<i>A</i>·<i>K</i>·<i>B</i>/<i>d</i> − <i>B</i>·<i>K</i>·<i>A</i>/<i>d</i> = 0. Y no hay otras:
si (<i>X</i>, <i>Y</i>) es solución y <i>B</i> ≠ 0 (el caso <i>B</i> = 0 es inmediato), restando
las dos igualdades y dividiendo entre <i>d</i> queda</p>
<p align="center">(<i>A</i>/<i>d</i>)·(<i>X</i> − <i>X</i><sub>0</sub>) =
(<i>B</i>/<i>d</i>)·(<i>Y</i><sub>0</sub> − <i>Y</i>).</p>
<p>Al dividir entre <i>d</i> la identidad de Bézout
<i>A</i>·<i>x</i><sub>0</sub> + <i>B</i>·<i>y</i><sub>0</sub> = <i>d</i> resulta
(<i>A</i>/<i>d</i>)·<i>x</i><sub>0</sub> + (<i>B</i>/<i>d</i>)·<i>y</i><sub>0</sub> = 1, así que
todo divisor común de <i>A</i>/<i>d</i> y <i>B</i>/<i>d</i> divide a 1: son primos entre sí. Como
un número que divide a un producto y es primo con uno de los factores divide al otro,
<i>B</i>/<i>d</i>, que divide al lado izquierdo, divide a
<i>X</i> − <i>X</i><sub>0</sub>: <i>X</i> − <i>X</i><sub>0</sub> = <i>K</i>·(<i>B</i>/<i>d</i>)
para algún entero <i>K</i>, y entonces <i>Y</i><sub>0</sub> − <i>Y</i> =
<i>K</i>·(<i>A</i>/<i>d</i>).</p>

<h3>Ejemplo</h3>
<p>12·<i>X</i> + 8·<i>Y</i> = 20. Aquí <i>d</i> = mcd(12, 8) = 4, que divide a 20, así que hay
solución. Como 12·1 + 8·(−1) = 4 y 20 = 5·4, una solución particular, la que da el programa, es
<i>X</i><sub>0</sub> = 5, <i>Y</i><sub>0</sub> = −5, pues 12·5 + 8·(−5) = 20, y la solución
general es</p>
<p align="center"><i>X</i> = 5 + 2<i>K</i>, &nbsp;&nbsp; <i>Y</i> = −5 − 3<i>K</i>, &nbsp;&nbsp;
<i>K</i> entero.</p>
<p>En cambio, 12·<i>X</i> + 8·<i>Y</i> = 3 no tiene solución entera, porque 4 no divide a 3.
El programa escribe el parámetro <i>K</i> (<i>t</i> cuando <i>C</i> = 0); la ventana de
restricciones, que lista las soluciones entre unas cotas, lo llama <i>k</i>.</p>
)html";

constexpr const char* kSolucionParticular = R"html(
<p>Se busca una solución <i>x</i><sub>0</sub>, <i>y</i><sub>0</sub> de
<i>A</i>·<i>X</i> + <i>B</i>·<i>Y</i> = mcd(<i>A</i>, <i>B</i>). Suponemos <i>A</i> &gt; 0 y
<i>B</i> &gt; 0; al final se explica cómo se tratan los signos y los ceros.</p>

<h3>1. Los cocientes de Euclides</h3>
<p>Con <i>r</i><sub>−1</sub> = <i>A</i> y <i>r</i><sub>0</sub> = <i>B</i>, el algoritmo de
Euclides hace las divisiones</p>
<p align="center"><i>r</i><sub><i>i</i>−2</sub> = <i>Q</i>(<i>i</i>)·<i>r</i><sub><i>i</i>−1</sub>
+ <i>r</i><sub><i>i</i></sub>, &nbsp;&nbsp; <i>i</i> = 1, 2, 3, …</p>
<p>Sea <i>k</i> el número de divisiones con resto distinto de cero: la división <i>k</i> + 1 es
exacta y <i>r</i><sub><i>k</i></sub> = mcd(<i>A</i>, <i>B</i>).</p>

<h3>2. Las recurrencias</h3>
<p>Con los cocientes <i>Q</i>(1), …, <i>Q</i>(<i>k</i>) (el de la última división, la exacta,
no se usa) se calculan, para <i>i</i> = 1, 2, …, <i>k</i>,</p>
<table align="center" border="0" cellspacing="0" cellpadding="1">
<tr><td><i>A</i>(<i>i</i>) = <i>A</i>(<i>i</i>−1)·<i>Q</i>(<i>i</i>) + <i>A</i>(<i>i</i>−2),</td>
<td>&nbsp;&nbsp; con <i>A</i>(−1) = 0 y <i>A</i>(0) = 1;</td></tr>
<tr><td><i>B</i>(<i>i</i>) = <i>B</i>(<i>i</i>−1)·<i>Q</i>(<i>i</i>) + <i>B</i>(<i>i</i>−2),</td>
<td>&nbsp;&nbsp; con <i>B</i>(−1) = 1 y <i>B</i>(0) = 0.</td></tr>
</table>
<p>(No hay que confundir las sucesiones <i>A</i>(<i>i</i>) y <i>B</i>(<i>i</i>) con los
coeficientes <i>A</i> y <i>B</i>.)</p>

<h3>3. La solución particular</h3>
<p align="center"><i>x</i><sub>0</sub> = (−1)<sup><i>k</i>+1</sup>·<i>B</i>(<i>k</i>),
&nbsp;&nbsp; <i>y</i><sub>0</sub> = (−1)<sup><i>k</i></sup>·<i>A</i>(<i>k</i>)</p>
<p>cumplen <i>A</i>·<i>x</i><sub>0</sub> + <i>B</i>·<i>y</i><sub>0</sub> =
mcd(<i>A</i>, <i>B</i>). Es decir: si <i>k</i> es par, <i>x</i><sub>0</sub> = −<i>B</i>(<i>k</i>)
e <i>y</i><sub>0</sub> = <i>A</i>(<i>k</i>); si <i>k</i> es impar,
<i>x</i><sub>0</sub> = <i>B</i>(<i>k</i>) e <i>y</i><sub>0</sub> = −<i>A</i>(<i>k</i>).</p>

<h3>¿Por qué funciona?</h3>
<p>Por inducción se comprueba que, para todo <i>i</i> ≥ 0,</p>
<p align="center"><i>A</i>(<i>i</i>)·<i>B</i>(<i>i</i>−1) − <i>A</i>(<i>i</i>−1)·<i>B</i>(<i>i</i>)
= (−1)<sup><i>i</i></sup>:</p>
<p>para <i>i</i> = 0 vale 1·1 − 0·0 = 1, y al sustituir <i>A</i>(<i>i</i>+1) y
<i>B</i>(<i>i</i>+1) por sus recurrencias, los términos en <i>Q</i>(<i>i</i>+1) se cancelan y
queda el valor para <i>i</i> cambiado de signo.</p>
<p>Sea <i>d</i> = mcd(<i>A</i>, <i>B</i>) = <i>r</i><sub><i>k</i></sub>, y usemos también el
cociente <i>Q</i>(<i>k</i>+1) de la división exacta para calcular <i>A</i>(<i>k</i>+1) y
<i>B</i>(<i>k</i>+1). Otra inducción da, para <i>i</i> = 0, 1, …, <i>k</i> + 1,</p>
<p align="center"><i>A</i> = <i>A</i>(<i>i</i>)·<i>r</i><sub><i>i</i>−1</sub> +
<i>A</i>(<i>i</i>−1)·<i>r</i><sub><i>i</i></sub>, &nbsp;&nbsp;
<i>B</i> = <i>B</i>(<i>i</i>)·<i>r</i><sub><i>i</i>−1</sub> +
<i>B</i>(<i>i</i>−1)·<i>r</i><sub><i>i</i></sub>:</p>
<p>para <i>i</i> = 0 es <i>A</i> = 1·<i>A</i> + 0·<i>B</i> y <i>B</i> = 0·<i>A</i> + 1·<i>B</i>,
y de <i>i</i> a <i>i</i> + 1 basta escribir
<i>r</i><sub><i>i</i>−1</sub> = <i>Q</i>(<i>i</i>+1)·<i>r</i><sub><i>i</i></sub> +
<i>r</i><sub><i>i</i>+1</sub> y agrupar. Con <i>i</i> = <i>k</i> + 1, como
<i>r</i><sub><i>k</i>+1</sub> = 0, queda <i>A</i> = <i>A</i>(<i>k</i>+1)·<i>d</i> y
<i>B</i> = <i>B</i>(<i>k</i>+1)·<i>d</i>, es decir, <i>A</i>(<i>k</i>+1) = <i>A</i>/<i>d</i> y
<i>B</i>(<i>k</i>+1) = <i>B</i>/<i>d</i>. Entonces la primera igualdad, con
<i>i</i> = <i>k</i> + 1 y multiplicada por (−1)<sup><i>k</i>+1</sup>·<i>d</i>, es justamente
<i>A</i>·(−1)<sup><i>k</i>+1</sup><i>B</i>(<i>k</i>) + <i>B</i>·(−1)<sup><i>k</i></sup><i>A</i>(<i>k</i>)
= <i>d</i>.</p>
<p><i>Comentario, que no hace falta para lo demás:</i> los cocientes escriben <i>A</i>/<i>B</i>
como <b>fracción continua</b>, <i>A</i>/<i>B</i> = <i>Q</i>(1) + 1/(<i>Q</i>(2) + 1/(<i>Q</i>(3) + ⋯)),
y al cortarla tras <i>Q</i>(<i>i</i>) se obtiene la fracción <i>A</i>(<i>i</i>)/<i>B</i>(<i>i</i>),
que se llama su <b>reducida</b> <i>i</i>-ésima; la última, con todos los cocientes, es
<i>A</i>/<i>B</i> simplificada, (<i>A</i>/<i>d</i>)/(<i>B</i>/<i>d</i>). En el ejemplo,
252/198 = 1 + 1/(3 + 1/(1 + 1/2)) = 14/11, y las reducidas son 1/1, 4/3, 5/4 y 14/11.</p>

<h3>Ejemplo</h3>
<p>252·<i>X</i> + 198·<i>Y</i> = 18. Las divisiones son 252 = 1·198 + 54, 198 = 3·54 + 36,
54 = 1·36 + 18 y 36 = 2·18 + 0, así que <i>k</i> = 3 y los cocientes que se usan son 1, 3 y 1:</p>
<table align="center" border="1" cellspacing="0" cellpadding="4">
<tr><td><i>i</i></td><td>−1</td><td>0</td><td>1</td><td>2</td><td>3</td></tr>
<tr><td><i>Q</i>(<i>i</i>)</td><td></td><td></td><td>1</td><td>3</td><td>1</td></tr>
<tr><td><i>A</i>(<i>i</i>)</td><td>0</td><td>1</td><td>1</td><td>4</td><td>5</td></tr>
<tr><td><i>B</i>(<i>i</i>)</td><td>1</td><td>0</td><td>1</td><td>3</td><td>4</td></tr>
</table>
<p>Como <i>k</i> = 3 es impar, <i>x</i><sub>0</sub> = <i>B</i>(3) = 4 e
<i>y</i><sub>0</sub> = −<i>A</i>(3) = −5. Comprobación: 252·4 + 198·(−5) = 1008 − 990 = 18.</p>

<h3>De mcd(<i>A</i>, <i>B</i>) a <i>C</i>, los signos y los ceros</h3>
<p>Si <i>d</i> divide a <i>C</i> y <i>m</i> = <i>C</i>/<i>d</i>, el par
<i>X</i><sub>0</sub> = <i>m</i>·<i>x</i><sub>0</sub>, <i>Y</i><sub>0</sub> = <i>m</i>·<i>y</i><sub>0</sub>
es solución de <i>A</i>·<i>X</i> + <i>B</i>·<i>Y</i> = <i>C</i>. Si un coeficiente es negativo,
se resuelve la ecuación con |<i>A</i>| y |<i>B</i>| y se cambia el signo de la incógnita
correspondiente, pues <i>A</i>·<i>X</i> = |<i>A</i>|·(−<i>X</i>) cuando <i>A</i> &lt; 0.</p>
<p>Las fórmulas valen también con un coeficiente nulo. Si <i>A</i> = 0, la primera división ya
es exacta, <i>k</i> = 0, y resulta <i>x</i><sub>0</sub> = 0, <i>y</i><sub>0</sub> = 1. Si
<i>B</i> = 0, no hay ninguna división: <i>d</i> = <i>A</i>, y con <i>k</i> = −1 resulta
<i>x</i><sub>0</sub> = <i>B</i>(−1) = 1, <i>y</i><sub>0</sub> = 0.</p>
)html";

constexpr const char* kPseudoDiofanticas = R"html(
<p>Resolución de <i>A</i>·<i>X</i> + <i>B</i>·<i>Y</i> = <i>C</i> tal como la hace el programa.
<b>a div b</b> y <b>a mod b</b> son el cociente y el resto de la división entera.</p>
<pre>
{ antes de llamarlo, la ventana responde a 0·X + 0·Y = 0 con el mensaje
  «Todo par de enteros (X, Y) es solución de 0·X + 0·Y = 0.» }
procedimiento Diofántica(A, B, C)
    si A = 0 y B = 0 y C ≠ 0 entonces
        avisar: la ecuación no tiene solución;  terminar
    sA ← 1;  sB ← 1                      { signos de A y de B }
    si A &lt; 0 entonces  sA ← −1;  A ← −A
    si B &lt; 0 entonces  sB ← −1;  B ← −B
    d ← mcd(A, B)                        { algoritmo de Euclides, con su traza }
    si C ≠ 0 y C mod d ≠ 0 entonces
        avisar: no hay solución, d no divide a C;  terminar
    si d = 0 entonces                    { 0·X + 0·Y = 0, que la ventana no envía }
        error «División por cero»;  terminar
    si C = 0 entonces
        X0 ← 0;  Y0 ← 0
    si no
        m ← C / d
        si B = 0 entonces
            x0 ← 1;  y0 ← 0              { A·1 + 0·0 = A = d, sin divisiones }
        si no
            a ← A;  b ← B
            q ← a div b;  r ← a mod b
            A1 ← 1;  A2 ← 0              { A(0) y A(−1) }
            B1 ← 0;  B2 ← 1              { B(0) y B(−1) }
            k ← 0
            mientras r &gt; 0 hacer
                si se ha superado el tiempo máximo entonces terminar sin resultado
                (A1, A2) ← (A1·q + A2, A1)  { A(k+1) = A(k)·q(k+1) + A(k−1) }
                (B1, B2) ← (B1·q + B2, B1)  { B(k+1) = B(k)·q(k+1) + B(k−1) }
                k ← k + 1
                anotar en la traza la columna k: Q(k) = q, A(k) = A1, B(k) = B1
                a ← b;  b ← r
                q ← a div b;  r ← a mod b
            fin mientras
            { ahora A1 = A(k) y B1 = B(k) }
            si k es par entonces
                x0 ← −B1;  y0 ← A1
            si no
                x0 ← B1;  y0 ← −A1
        X0 ← m·x0·sA                     { de vuelta a los signos de A y B }
        Y0 ← m·y0·sB
    escribir la solución particular X0, Y0
    escribir la solución general, con el parámetro t si C = 0 y K si no:
        X = X0 + sA·(B/d)·K
        Y = Y0 − sB·(A/d)·K,   para todo entero K
fin procedimiento
</pre>
<p>El bucle repite las divisiones de Euclides: en cada vuelta usa el cociente de la división
anterior y calcula el cociente y el resto de la siguiente, de modo que el cociente de la
división exacta no llega a usarse. El signo (−1)<sup><i>k</i>+1</sup> de <i>x</i><sub>0</sub> y
(−1)<sup><i>k</i></sup> de <i>y</i><sub>0</sub> se elige según la paridad de <i>k</i>. En la
solución general, <i>A</i> y <i>B</i> son ya positivos; con los signos originales es la misma
familia de soluciones que da la descripción, cambiando <i>K</i> por −<i>K</i> si hace falta.</p>
<p>La ecuación 0·<i>X</i> + 0·<i>Y</i> = 0 la cumple todo par de enteros, y así lo dice la
ventana, con el mensaje «Todo par de enteros (<i>X</i>, <i>Y</i>) es solución de
0·<i>X</i> + 0·<i>Y</i> = 0.», sin llamar al procedimiento. Si este la recibiera, no tendría
entre qué dividir: su línea «si <i>d</i> = 0» la corta con el error «División por cero». Cuando
<i>C</i> ≠ 0, las divisiones se hacen con enteros de 32 bits, y un dato que no cabe en ellos da
el error «Desbordamiento». En la traza, cada columna <i>k</i> lleva el cociente
<i>Q</i>(<i>k</i>) y los valores <i>A</i>(<i>k</i>) y <i>B</i>(<i>k</i>).</p>
)html";

constexpr BotonDescripcion kBotonesEuclides[] = {
    {"btpseudo", "&pseudo", "frmimplemeucl"},
};

constexpr BotonDescripcion kBotonesDiofanticas[] = {
    {"btalgsolpart", "&Algoritmo", "frdescalgsolpar"},
    {"btalgecudiof", "&pseudo", "frmalgecudiof"},
};

constexpr Descripcion kDescripciones[] = {
    {"frmDescripción", "Descripción del algoritmo de euclides", kEuclides, 100, kBotonesEuclides},
    {"frmimplemeucl", "PSEUDOCODIGO DEL ALGORITMO DE EUCLIDES", kPseudoEuclides, 72},
    {"frmDescripecuac", "Descripción del algoritmo de ecuaciones diofánticas", kDiofanticas, 100,
     kBotonesDiofanticas},
    {"frdescalgsolpar", "ALGORITMO PARA EL CÁLCULO DE UNA SOLUCIÓN PARTICULAR", kSolucionParticular,
     100},
    {"frmalgecudiof", "ALGORITMO DE ECUACIONES DIOFANTICAS", kPseudoDiofanticas, 76},
};

}  // namespace

std::span<const Descripcion> descripcionesAritmetica() {
    return kDescripciones;
}

}  // namespace zefra::gui
