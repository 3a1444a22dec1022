// The description of the change of base: positional notation and the division algorithm.
#include "gui/shell/descripciones.hpp"

namespace zefra::gui {
namespace {

constexpr const char* kCambioBase = R"html(
<h3>Notación posicional</h3>
<p>Sea <i>b</i> ≥ 2 un entero, la <b>base</b>. Todo entero <i>N</i> ≥ 0 se escribe de una sola
manera como</p>
<p align="center"><i>N</i> = <i>c</i><sub><i>k</i></sub>·<i>b</i><sup><i>k</i></sup> +
<i>c</i><sub><i>k</i>−1</sub>·<i>b</i><sup><i>k</i>−1</sup> + ⋯ +
<i>c</i><sub>1</sub>·<i>b</i><sup>1</sup> + <i>c</i><sub>0</sub>·<i>b</i><sup>0</sup>,</p>
<p>con <b>cifras</b> <i>c</i><sub><i>j</i></sub> entre 0 y <i>b</i> − 1 y la primera
<i>c</i><sub><i>k</i></sub> distinta de 0 (salvo para <i>N</i> = 0, que se escribe 0). La
escritura de <i>N</i> en base <i>b</i> es la lista de sus cifras,
<i>c</i><sub><i>k</i></sub><i>c</i><sub><i>k</i>−1</sub>⋯<i>c</i><sub>1</sub><i>c</i><sub>0</sub>:
cada cifra vale según el lugar que ocupa. La base 10 es la de todos los días; la base 2, la de
los ordenadores. El programa trabaja con las bases 2 a 10, cuyas cifras son las de 0 a 9.</p>

<h3>De base 10 a base <i>b</i>: divisiones sucesivas</h3>
<p>Dividiendo <i>N</i> entre <i>b</i>, <i>N</i> = <i>q</i>·<i>b</i> + <i>r</i> con
0 ≤ <i>r</i> &lt; <i>b</i>. En la escritura de arriba todos los términos salvo
<i>c</i><sub>0</sub> son múltiplos de <i>b</i>, así que, por la unicidad de la división entera,
el resto <i>r</i> es la última cifra <i>c</i><sub>0</sub> y el cociente es el número que se
escribe con las demás cifras,
<i>q</i> = <i>c</i><sub><i>k</i></sub>⋯<i>c</i><sub>1</sub>. Repitiendo con el cociente salen,
de derecha a izquierda, todas las cifras; el proceso acaba cuando el cociente es 0, porque los
cocientes decrecen. Así lo hace el programa:</p>
<pre>
función aBaseB(N, b)                  { 0 ≤ N &lt; 2<sup>31</sup>,  2 ≤ b ≤ 10 }
    cifras ← ""
    repetir
        cifras ← (N mod b) delante de cifras
        N ← N div b
    hasta que N = 0
    devolver cifras
fin función
</pre>
<p>El bucle se hace al menos una vez, de modo que 0 se escribe 0. Debajo del resultado, el
programa escribe el desarrollo de las cifras en potencias de la base, que permite comprobarlo.</p>

<h3>De base <i>b</i> a base 10</h3>
<p>Se evalúa la suma de arriba. El programa lo hace por la <b>regla de Horner</b>, que evita
calcular las potencias: multiplica lo acumulado por la base y suma la cifra siguiente,</p>
<p align="center"><i>N</i> = (⋯((<i>c</i><sub><i>k</i></sub>·<i>b</i> +
<i>c</i><sub><i>k</i>−1</sub>)·<i>b</i> + <i>c</i><sub><i>k</i>−2</sub>)·<i>b</i> + ⋯)·<i>b</i> +
<i>c</i><sub>0</sub>.</p>
<pre>
función aBase10(cifras, b)
    N ← 0
    para cada cifra c de cifras, de izquierda a derecha, hacer
        N ← N·b + c
    fin para
    devolver N
fin función
</pre>
<p>Antes, la ventana comprueba que todos los caracteres son cifras de 0 a 9 y que cada cifra es
menor que la base: en base 2 no existe la cifra 2. El valor se calcula como número real y se
escribe como todos los resultados, con 15 cifras significativas como mucho: una lista de cifras
muy larga da un valor aproximado.</p>

<h3>Los números con decimales</h3>
<p>La parte fraccionaria también tiene escritura posicional, con potencias negativas de la base:
en base 2, 0,1 vale 1·2<sup>−1</sup> = 0,5. Se obtiene multiplicando por la base en lugar de
dividir, y puede no terminar nunca aunque en base 10 sea finita: 0,1 en base 2 es
0,000110011001…, con el bloque 0011 repetido sin fin. El programa no hace este cambio: el
número y la base han de ser enteros, y un valor con decimales se rechaza con el mensaje «El valor
ha de ser un número entero.» (de base 10 a base <i>b</i>) o «Los dígitos han de ser cifras del
0 al 9.» (de base <i>b</i> a base 10). Una base con decimales recibe «La base ha de ser un número
entero.».</p>

<h3>Ejemplo</h3>
<p>45 en base 2. Las divisiones sucesivas entre 2 son</p>
<table align="center" border="0" cellspacing="0" cellpadding="1">
<tr><td align="right">45</td><td align="center">&nbsp;=&nbsp;</td><td>22·2 + 1</td></tr>
<tr><td align="right">22</td><td align="center">&nbsp;=&nbsp;</td><td>11·2 + 0</td></tr>
<tr><td align="right">11</td><td align="center">&nbsp;=&nbsp;</td><td>5·2 + 1</td></tr>
<tr><td align="right">5</td><td align="center">&nbsp;=&nbsp;</td><td>2·2 + 1</td></tr>
<tr><td align="right">2</td><td align="center">&nbsp;=&nbsp;</td><td>1·2 + 0</td></tr>
<tr><td align="right">1</td><td align="center">&nbsp;=&nbsp;</td><td>0·2 + 1</td></tr>
</table>
<p>y los restos, leídos de abajo arriba, dan 45 en base 2: 101101. El programa escribe su
desarrollo:</p>
<p align="center">1·2^(5) + 0·2^(4) + 1·2^(3) + 1·2^(2) + 0·2^(1) + 1·2^(0) = 45</p>
<p>es decir, 32 + 8 + 4 + 1 = 45. De vuelta, la regla de Horner con las cifras 1, 0, 1, 1, 0, 1
va dando 1, 2, 5, 11, 22 y 45: los mismos cocientes, en orden inverso.</p>
)html";

constexpr Descripcion kDescripciones[] = {
    {"frdescCambioBase", "Descripción del cambio de base", kCambioBase, 100},
};

}  // namespace

std::span<const Descripcion> descripcionesBases() {
    return kDescripciones;
}

}  // namespace zefra::gui
