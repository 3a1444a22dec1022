// The descriptions of arithmetic in Zn: classes, inverses, Euler's function and powers.
#include "gui/shell/descripciones.hpp"

namespace zefra::gui {
namespace {

constexpr const char* kRepresentante = R"html(
<h3>Congruencias</h3>
<p>Sea <i>n</i> un entero positivo. Dos enteros <i>a</i> y <i>b</i> son <b>congruentes módulo
<i>n</i></b>, y se escribe <i>a</i> ≡ <i>b</i> (mod <i>n</i>), si <i>n</i> divide a
<i>a</i> − <i>b</i>; dicho de otro modo, si dan el mismo resto <i>r</i>, con
0 ≤ <i>r</i> &lt; <i>n</i>, al dividirlos entre <i>n</i> (véase la división entera en la
descripción del algoritmo de Euclides). Es una relación de equivalencia: reflexiva, simétrica
y transitiva.</p>

<h3>Clases y representantes</h3>
<p>La <b>clase</b> de <i>a</i> módulo <i>n</i> es el conjunto de los enteros congruentes con
<i>a</i>:</p>
<p align="center">[<i>a</i>] = { <i>a</i> + <i>k</i>·<i>n</i> : <i>k</i> ∈ ℤ } =
{ …, <i>a</i> − 2<i>n</i>, <i>a</i> − <i>n</i>, <i>a</i>, <i>a</i> + <i>n</i>,
<i>a</i> + 2<i>n</i>, … }.</p>
<p>Por la división entera, <i>a</i> = <i>q</i>·<i>n</i> + <i>r</i> con
0 ≤ <i>r</i> ≤ <i>n</i> − 1, de modo que [<i>a</i>] = [<i>r</i>]: cada clase tiene un único
<b>representante</b> <i>r</i> entre 0 y <i>n</i> − 1. Hay, pues, exactamente <i>n</i> clases, y
su conjunto es</p>
<p align="center">ℤ<sub><i>n</i></sub> = { [0], [1], [2], …, [<i>n</i> − 1] }.</p>
<p>Las ventanas de cálculo escriben Zn por ℤ<sub><i>n</i></sub>. Ejemplos en
ℤ<sub>10</sub>: 37 = 3·10 + 7, luego [37] = [7]; −33 = (−4)·10 + 7, luego [−33] = [7].</p>
<p>El programa divide como el operador resto de la mayoría de los lenguajes de programación,
truncando el cociente hacia cero, y el resto toma el signo del dividendo:
−33 = (−3)·10 + (−3). Con ese resto, −33 y 7 no dan el mismo resto (−3 y 7), aunque son
congruentes;
por eso, cuando el resto sale negativo, el programa le suma <i>n</i>:
[−33] = [−3] = [−3 + 10] = [7].</p>

<h3>Operaciones</h3>
<p>En ℤ<sub><i>n</i></sub> se suma y se multiplica a través de los representantes:</p>
<p align="center">[<i>x</i>] + [<i>y</i>] = [<i>x</i> + <i>y</i>], &nbsp;&nbsp;
[<i>x</i>]·[<i>y</i>] = [<i>x</i>·<i>y</i>].</p>
<p>Estas definiciones no dependen de los representantes elegidos: si
<i>x</i> ≡ <i>x</i>′ e <i>y</i> ≡ <i>y</i>′ (mod <i>n</i>), entonces
<i>x</i> + <i>y</i> ≡ <i>x</i>′ + <i>y</i>′ y <i>x</i>·<i>y</i> ≡ <i>x</i>′·<i>y</i>′
(mod <i>n</i>). Por ejemplo, en ℤ<sub>6</sub>: [4] + [5] = [9] = [3] y [4]·[5] = [20] = [2].</p>

<h3>Teorema</h3>
<p><b>ℤ<sub><i>n</i></sub>, con esta suma y este producto, es un anillo conmutativo con
unidad:</b></p>
<ul>
<li>la suma es asociativa y conmutativa, tiene elemento neutro [0] y cada [<i>x</i>] tiene
opuesto <nobr>−[<i>x</i>]</nobr> = [−<i>x</i>] = [<i>n</i> − <i>x</i>];</li>
<li>el producto es asociativo y conmutativo, y tiene elemento unidad [1];</li>
<li>el producto es distributivo respecto de la suma:
[<i>x</i>]·([<i>y</i>] + [<i>z</i>]) = [<i>x</i>]·[<i>y</i>] + [<i>x</i>]·[<i>z</i>].</li>
</ul>
<p>Todas estas propiedades se heredan de las de los enteros. A diferencia de ℤ, en
ℤ<sub><i>n</i></sub> puede haber divisores de cero: en ℤ<sub>6</sub>, [2]·[3] = [6] = [0] con
[2] ≠ [0] y [3] ≠ [0]. Para <i>n</i> ≥ 2, ℤ<sub><i>n</i></sub> es un cuerpo, es decir, todo
elemento distinto de [0] tiene inverso, si y solo si <i>n</i> es primo (véase la descripción
del inverso). ℤ<sub>1</sub> = { [0] } no es un cuerpo: en él [1] = [0].</p>
)html";

constexpr const char* kInverso = R"html(
<p>Un elemento [<i>a</i>] de ℤ<sub><i>n</i></sub> es <b>invertible</b> (o una unidad) si existe
[<i>b</i>] ∈ ℤ<sub><i>n</i></sub> con [<i>a</i>]·[<i>b</i>] = [1]. Ese [<i>b</i>] es único, se
llama el <b>inverso</b> de [<i>a</i>] y se escribe [<i>a</i>]<sup>−1</sup>.</p>

<h3>Teorema</h3>
<p>Para [<i>a</i>] ∈ ℤ<sub><i>n</i></sub> son equivalentes:</p>
<p style="margin-left: 24px">(i) [<i>a</i>] es invertible en ℤ<sub><i>n</i></sub>;<br>
(ii) existe [<i>b</i>] ∈ ℤ<sub><i>n</i></sub> tal que [<i>a</i>]·[<i>b</i>] = [1];<br>
(iii) existen enteros <i>b</i> y <i>k</i> tales que <i>a</i>·<i>b</i> = 1 + <i>k</i>·<i>n</i>;<br>
(iv) mcd(<i>a</i>, <i>n</i>) = 1.</p>
<p><b>Demostración.</b> (i) y (ii) dicen lo mismo. (ii) ⇔ (iii): [<i>a</i>]·[<i>b</i>] = [1]
significa que <i>a</i>·<i>b</i> ≡ 1 (mod <i>n</i>), es decir, que <i>n</i> divide a
<i>a</i>·<i>b</i> − 1. (iii) ⇒ (iv): todo divisor común de <i>a</i> y <i>n</i> divide a
<i>a</i>·<i>b</i> − <i>k</i>·<i>n</i> = 1. (iv) ⇒ (iii): por la identidad de Bézout hay enteros
<i>x</i><sub>0</sub>, <i>y</i><sub>0</sub> con <i>a</i>·<i>x</i><sub>0</sub> + <i>n</i>·<i>y</i><sub>0</sub> = 1;
basta tomar <i>b</i> = <i>x</i><sub>0</sub> y <i>k</i> = −<i>y</i><sub>0</sub>.</p>

<h3>Cálculo del inverso</h3>
<p>Si mcd(<i>a</i>, <i>n</i>) = 1 (las ventanas de cálculo escriben m.c.d.), se resuelve la
ecuación diofántica <i>a</i>·<i>X</i> + <i>n</i>·<i>Y</i> = 1 (véase «Ecuaciones
diofánticas»); su solución particular <i>x</i><sub>0</sub>, <i>y</i><sub>0</sub> da
[<i>a</i>]<sup>−1</sup> = [<i>x</i><sub>0</sub>]. Las recurrencias con que se obtiene dan
siempre |<i>x</i><sub>0</sub>| &lt; <i>n</i>, así que, si <i>x</i><sub>0</sub> es negativo,
<i>x</i><sub>0</sub> + <i>n</i> está entre 1 y <i>n</i> − 1 y es su representante. Si <i>a</i>
es negativo, antes se sustituye por su representante.</p>
<p><b>Ejemplo.</b> En ℤ<sub>26</sub>, mcd(7, 26) = 1 y 7·(−11) + 26·3 = 1, luego
[7]<sup>−1</sup> = [−11] = [15]. Comprobación: 7·15 = 105 = 1 + 4·26. En cambio, [13] no tiene
inverso en ℤ<sub>26</sub>, porque mcd(13, 26) = 13 ≠ 1.</p>

<h3>Consecuencias</h3>
<p>Los elementos invertibles de ℤ<sub><i>n</i></sub> son las clases [<i>a</i>] con
mcd(<i>a</i>, <i>n</i>) = 1; hay φ(<i>n</i>) de ellos (función de Euler). Si <i>n</i> es primo,
todo [<i>a</i>] ≠ [0] es invertible y ℤ<sub><i>n</i></sub> es un cuerpo.</p>
)html";

constexpr const char* kEuler = R"html(
<h3>Definición</h3>
<p>Para cada entero <i>n</i> ≥ 1, la <b>función de Euler</b> φ(<i>n</i>) es el número de enteros
<i>k</i> con 1 ≤ <i>k</i> ≤ <i>n</i> que son primos con <i>n</i>, es decir, con
mcd(<i>k</i>, <i>n</i>) = 1. Es también el número de elementos invertibles de
ℤ<sub><i>n</i></sub>. Las ventanas de cálculo escriben F.E.(<i>n</i>) por φ(<i>n</i>).</p>
<p>Ejemplos: φ(1) = 1; φ(12) = 4, pues los enteros entre 1 y 12 primos con 12 son 1, 5, 7 y 11;
φ(7) = 6.</p>

<h3>Primos y potencias de primos</h3>
<p>Si <i>p</i> es primo, todos los enteros de 1 a <i>p</i> − 1 son primos con <i>p</i>, luego
φ(<i>p</i>) = <i>p</i> − 1.</p>
<p>Si <i>p</i> es primo y <i>u</i> ≥ 1, entre 1 y <i>p</i><sup><i>u</i></sup> los únicos enteros
que no son primos con <i>p</i><sup><i>u</i></sup> son los múltiplos de <i>p</i>: <i>p</i>,
2<i>p</i>, 3<i>p</i>, …, <i>p</i><sup><i>u</i>−1</sup>·<i>p</i>; hay
<i>p</i><sup><i>u</i>−1</sup> de ellos. Por tanto</p>
<p align="center">φ(<i>p</i><sup><i>u</i></sup>) = <i>p</i><sup><i>u</i></sup> −
<i>p</i><sup><i>u</i>−1</sup> = <i>p</i><sup><i>u</i>−1</sup>·(<i>p</i> − 1).</p>
<p>Por ejemplo, φ(8) = 4·1 = 4 (los enteros 1, 3, 5, 7) y φ(9) = 3·2 = 6 (los enteros 1, 2, 4,
5, 7, 8).</p>

<h3>Teorema de Euler</h3>
<p><b>Si mcd(<i>a</i>, <i>n</i>) = 1, entonces
<i>a</i><sup>φ(<i>n</i>)</sup> ≡ 1 (mod <i>n</i>)</b>, es decir,
[<i>a</i>]<sup>φ(<i>n</i>)</sup> = [1] en ℤ<sub><i>n</i></sub>.</p>
<p><b>Demostración.</b> Sean [<i>r</i><sub>1</sub>], …, [<i>r</i><sub><i>m</i></sub>] los
<i>m</i> = φ(<i>n</i>) elementos invertibles de ℤ<sub><i>n</i></sub>. Como [<i>a</i>] es
invertible, los productos [<i>a</i>]·[<i>r</i><sub>1</sub>], …,
[<i>a</i>]·[<i>r</i><sub><i>m</i></sub>] también son invertibles y son distintos entre sí (si
[<i>a</i>]·[<i>r</i><sub><i>i</i></sub>] = [<i>a</i>]·[<i>r</i><sub><i>j</i></sub>], multiplicando
por [<i>a</i>]<sup>−1</sup> resulta [<i>r</i><sub><i>i</i></sub>] = [<i>r</i><sub><i>j</i></sub>]),
así que son los mismos elementos en otro orden. Multiplicándolos todos,
[<i>a</i>]<sup><i>m</i></sup>·[<i>r</i><sub>1</sub>]⋯[<i>r</i><sub><i>m</i></sub>] =
[<i>r</i><sub>1</sub>]⋯[<i>r</i><sub><i>m</i></sub>], y como ese producto es invertible se
puede simplificar: [<i>a</i>]<sup><i>m</i></sup> = [1].</p>
<p>Caso particular, el <b>pequeño teorema de Fermat</b>: si <i>p</i> es primo y no divide a
<i>a</i>, entonces <i>a</i><sup><i>p</i>−1</sup> ≡ 1 (mod <i>p</i>).</p>
<p>Consecuencias: si mcd(<i>a</i>, <i>n</i>) = 1, entonces
[<i>a</i>]<sup>−1</sup> = [<i>a</i>]<sup>φ(<i>n</i>)−1</sup>, y en una potencia
[<i>a</i>]<sup><i>b</i></sup> se puede cambiar <i>b</i> por el resto de dividir <i>b</i> entre
φ(<i>n</i>). Así lo hace el cálculo de potencias en ℤ<sub><i>n</i></sub> en los casos que
explica su descripción.</p>
)html";

constexpr const char* kTeoremasEuler = R"html(
<h3>La función de Euler es multiplicativa</h3>
<p><b>Teorema.</b> Si <i>m</i> y <i>n</i> son enteros positivos primos entre sí, entonces
φ(<i>m</i>·<i>n</i>) = φ(<i>m</i>)·φ(<i>n</i>).</p>
<p>La razón es el <b>teorema chino de los restos</b>: si mcd(<i>m</i>, <i>n</i>) = 1, asociar a
cada clase módulo <i>m</i>·<i>n</i> su clase módulo <i>m</i> y su clase módulo <i>n</i> es una
correspondencia biyectiva entre ℤ<sub><i>m</i>·<i>n</i></sub> y los pares de
ℤ<sub><i>m</i></sub> × ℤ<sub><i>n</i></sub>. Un entero es primo con <i>m</i>·<i>n</i> si y solo
si es primo con <i>m</i> y con <i>n</i>, así que los elementos invertibles se corresponden con
los pares de elementos invertibles, que son φ(<i>m</i>)·φ(<i>n</i>).</p>
<p>La hipótesis es necesaria: φ(4) = 2, pero φ(2)·φ(2) = 1.</p>

<h3>Fórmula del producto</h3>
<p><b>Teorema.</b> Si <i>p</i><sub>1</sub>, <i>p</i><sub>2</sub>, …, <i>p</i><sub><i>k</i></sub>
son los primos distintos que dividen a <i>n</i>, entonces</p>
<p align="center">φ(<i>n</i>) = <i>n</i>·(1 − 1/<i>p</i><sub>1</sub>)·(1 − 1/<i>p</i><sub>2</sub>)⋯(1 −
1/<i>p</i><sub><i>k</i></sub>) = <i>n</i>·<big>Π</big><sub><i>p</i> | <i>n</i></sub>&nbsp;(1 − 1/<i>p</i>).</p>
<p>En efecto, <i>n</i> es el producto de las potencias <i>p</i><sup><i>u</i></sup> de sus primos
distintos, que son primas entre sí dos a dos. Por la multiplicatividad, φ(<i>n</i>) es el
producto de los φ(<i>p</i><sup><i>u</i></sup>) = <i>p</i><sup><i>u</i>−1</sup>·(<i>p</i> − 1)
= <i>p</i><sup><i>u</i></sup>·(1 − 1/<i>p</i>), y el producto de las
<i>p</i><sup><i>u</i></sup> es <i>n</i>. Para <i>n</i> = 1 no hay ningún primo, el producto es
vacío y φ(1) = 1.</p>
<p>Ejemplos:<br>
φ(12) = 12·(1 − 1/2)·(1 − 1/3) = 12·(1/2)·(2/3) = 4;<br>
φ(360) = 360·(1 − 1/2)·(1 − 1/3)·(1 − 1/5) = 96, pues 360 = 2<sup>3</sup>·3<sup>2</sup>·5.</p>
<p>Un caso importante para el sistema RSA: si <i>p</i> y <i>q</i> son primos distintos,
φ(<i>p</i>·<i>q</i>) = (<i>p</i> − 1)·(<i>q</i> − 1).</p>

<h3>Suma sobre los divisores</h3>
<p><b>Teorema (Gauss).</b> Para todo <i>n</i> ≥ 1,</p>
<p align="center"><big>Σ</big><sub><i>c</i> | <i>n</i></sub>&nbsp;φ(<i>c</i>) = <i>n</i>,</p>
<p>donde la suma recorre los divisores positivos <i>c</i> de <i>n</i>. Basta agrupar los enteros
<i>k</i> de 1 a <i>n</i> según el valor de mcd(<i>k</i>, <i>n</i>): los que tienen
mcd(<i>k</i>, <i>n</i>) = <i>n</i>/<i>c</i> son exactamente φ(<i>c</i>). Por ejemplo, para
<i>n</i> = 12: φ(1) + φ(2) + φ(3) + φ(4) + φ(6) + φ(12) = 1 + 1 + 2 + 2 + 2 + 4 = 12.</p>
)html";

constexpr const char* kPotencias = R"html(
<p>Se quiere calcular [<i>a</i>]<sup><i>b</i></sup> en ℤ<sub><i>n</i></sub> con exponentes
<i>b</i> grandes. Multiplicar [<i>a</i>] por sí mismo exigiría <i>b</i> − 1 productos; el
método de los <b>cuadrados repetidos</b> necesita muchos menos.</p>

<h3>1. Reducción del exponente</h3>
<p>Si mcd(<i>a</i>, <i>n</i>) = 1, por el teorema de Euler [<i>a</i>]<sup>φ(<i>n</i>)</sup> = [1].
Si <i>b</i> = <i>c</i>·φ(<i>n</i>) + <i>r</i> con 0 ≤ <i>r</i> &lt; φ(<i>n</i>), entonces</p>
<p align="center">[<i>a</i>]<sup><i>b</i></sup> =
([<i>a</i>]<sup>φ(<i>n</i>)</sup>)<sup><i>c</i></sup>·[<i>a</i>]<sup><i>r</i></sup> =
[<i>a</i>]<sup><i>r</i></sup>,</p>
<p>así que <i>b</i> se puede cambiar por el resto <i>r</i> de dividirlo entre φ(<i>n</i>). El
programa hace esta reducción cuando mcd(<i>a</i>, <i>n</i>) = 1 y, además,
<i>n</i> ≤ 278&#8239;012 o <i>n</i> es primo. El límite 278&#8239;012 lo elige el programa: hasta
él, φ(<i>n</i>) se calcula por factorización en muy poco tiempo; si <i>n</i> es primo,
φ(<i>n</i>) = <i>n</i> − 1 sin más cálculo. Para saberlo, el programa comprueba siempre si
<i>n</i> es primo, con el algoritmo de «¿Es primo?» y su control del tiempo máximo (y recuerda la
respuesta para el último módulo).</p>

<h3>2. Cuadrados repetidos</h3>
<p>Las potencias de [<i>a</i>] cuyo exponente es una potencia de dos se obtienen elevando al
cuadrado una y otra vez, y reduciendo módulo <i>n</i> en cada paso:</p>
<p align="center">[<i>a</i>]<sup>2</sup> = [<i>a</i>]·[<i>a</i>], &nbsp;
[<i>a</i>]<sup>4</sup> = ([<i>a</i>]<sup>2</sup>)<sup>2</sup>, &nbsp;
[<i>a</i>]<sup>8</sup> = ([<i>a</i>]<sup>4</sup>)<sup>2</sup>, &nbsp; …</p>
<p>En general, si <i>e</i> = 2<sup><i>i</i></sup>, entonces
[<i>a</i>]<sup>2<i>e</i></sup> = ([<i>a</i>]<sup><i>e</i></sup>)<sup>2</sup>.</p>
<p>Aparte: si se guardaran estos cuadrados la primera vez que se calculan, bastarían en total a
lo sumo unos 2·log<sub>2</sub>&nbsp;<i>b</i> productos, los cuadrados y un producto por cada
cifra 1 de <i>b</i> en base 2. El programa no los guarda: para cada factor vuelve a empezar
desde [<i>a</i>], como se explica a continuación.</p>

<h3>3. Descomposición del exponente</h3>
<p>Se calculan [<i>a</i>]<sup>1</sup>, [<i>a</i>]<sup>2</sup>, [<i>a</i>]<sup>4</sup>, … hasta
el exponente <i>e</i> = 2<sup><i>i</i></sup> tal que
2<sup><i>i</i></sup> ≤ <i>b</i> &lt; 2<sup><i>i</i>+1</sup>, es decir, hasta que el exponente
siguiente pasaría de <i>b</i>. La potencia [<i>a</i>]<sup><i>e</i></sup> se guarda como factor,
se resta <i>e</i> de <i>b</i> y el proceso se repite, empezando otra vez desde [<i>a</i>], con
el exponente que queda, hasta que este vale 0. Así <i>b</i> queda escrito como suma de
potencias de dos distintas (su expresión en base 2), y [<i>a</i>]<sup><i>b</i></sup> es el
producto de los factores guardados, que se multiplican al final, reduciendo módulo <i>n</i> en
cada producto.</p>
<p>Antes de reducir el exponente y de elevar al cuadrado, el programa responde directamente
los casos inmediatos:
[1]<sup><i>b</i></sup> = [1] y [<i>a</i>]<sup>0</sup> = [1] (también [0]<sup>0</sup> = [1], por
convenio); [0]<sup><i>b</i></sup> = [0] si <i>b</i> ≥ 1; y [<i>a</i>]<sup>1</sup> = [<i>a</i>].</p>
<pre>
función potencia(a, b, n)              { a ≥ 0, b ≥ 0, n &gt; 0 }
    g ← mcd(a, n)
    primo ← esPrimo(n)                    { con su control del tiempo máximo }
    si g = 1 y (n ≤ 278 012 o primo) entonces
        f ← φ(n)
    si a = 1 o b = 0 entonces devolver 1 mod n
    si a = 0 entonces devolver 0
    si b = 1 entonces devolver a mod n
    si se ha calculado f entonces b ← b mod f
    k ← 0                                 { factores guardados }
    mientras b &gt; 0 hacer
        si se ha superado el tiempo máximo entonces terminar sin resultado
        x ← a;  e ← 1                     { x = [a]<sup>e</sup> }
        mientras 2·e ≤ b hacer
            x ← x·x;  si x ≥ n entonces x ← x mod n
            e ← 2·e
            si se ha superado el tiempo máximo entonces terminar sin resultado
        fin mientras
        k ← k + 1;  factor(k) ← x         { factor [a]<sup>e</sup> }
        b ← b − e
    fin mientras
    resultado ← 1
    para j = 1, …, k hacer
        resultado ← resultado·factor(j)
        si resultado ≥ n entonces resultado ← resultado mod n
        si se ha superado el tiempo máximo entonces terminar sin resultado
    fin para
    devolver resultado mod n
fin función
</pre>
<p>El cálculo de mcd(<i>a</i>, <i>n</i>), el de φ(<i>n</i>) y la reducción del exponente
comprueban también el tiempo máximo. El programa anota en la traza cada cuadrado y cada
factor.</p>

<h3>Ejemplos</h3>
<p>[2]<sup>10</sup> en ℤ<sub>1000</sub>: mcd(2, 1000) = 2, así que <i>b</i> no se reduce. Como
10 = 8 + 2, se calculan [2]<sup>2</sup> = [4], [2]<sup>4</sup> = [16] y
[2]<sup>8</sup> = [256], y después otra vez [2]<sup>2</sup> = [4]; el resultado es
[2]<sup>10</sup> = [256]·[4] = [1024] = [24].</p>
<p>[3]<sup>100</sup> en ℤ<sub>7</sub>: mcd(3, 7) = 1 y φ(7) = 6; como 100 = 16·6 + 4,
[3]<sup>100</sup> = [3]<sup>4</sup>. Luego [3]<sup>2</sup> = [9] = [2] y
[3]<sup>4</sup> = [2]<sup>2</sup> = [4], así que [3]<sup>100</sup> = [4].</p>

<h3>Coste</h3>
<p>Cada factor cuesta a lo sumo log<sub>2</sub>&nbsp;<i>b</i> cuadrados, y hay tantos factores como
cifras 1 tiene <i>b</i> en base&nbsp;2. Para <i>b</i> cercano a 10<sup>9</sup> bastan menos de 500
multiplicaciones módulo <i>n</i>, frente a casi 10<sup>9</sup> del método directo. Además, como
cada cuadrado y cada producto se reducen módulo <i>n</i>, los números con los que se trabaja no
crecen con <i>b</i>.</p>
)html";

constexpr BotonDescripcion kBotonesEuler[] = {
    {"btTeorEuler", "+ &TEOREMAS", "frTeorEuler"},
};

constexpr Descripcion kDescripciones[] = {
    {"frmDescripRepres", "LOS ENTEROS MODULO n", kRepresentante, 100},
    {"frdescripInversa", "Descripción del inverso en Zn", kInverso, 100},
    {"frdescripeuler", "DESCRIPCIÓN DE LA FUNCIÓN DE EULER", kEuler, 100, kBotonesEuler},
    {"frTeorEuler", "TEOREMA DE LA FUNCIÓN DE EULER", kTeoremasEuler, 100},
    {"frDescripPoten", "Descripción del cálculo de potencias en Zn", kPotencias, 100},
};

}  // namespace

std::span<const Descripcion> descripcionesModular() {
    return kDescripciones;
}

}  // namespace zefra::gui
