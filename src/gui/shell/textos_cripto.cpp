// The descriptions of the two cryptosystems: the affine cipher (private key) and RSA (public key).
#include "gui/shell/descripciones.hpp"

namespace zefra::gui {
namespace {

constexpr const char* kAfin = R"html(
<h3>El alfabeto como ℤ<sub><i>N</i></sub></h3>
<p>Para cifrar, el programa convierte el texto en números con la <b>tabla de conversión</b> del
alfabeto activo, que da a cada símbolo un código: en el alfabeto «a-z», de <i>a</i> a <i>n</i>
los códigos 00 a 13, <i>ñ</i> el 14, de <i>o</i> a <i>z</i> los códigos 15 a 26 y el espacio el
27. El <b>módulo</b> del alfabeto es <i>N</i> = el mayor código + 1 (en «a-z», <i>N</i> = 28), y
los códigos se tratan como elementos de ℤ<sub><i>N</i></sub>. Todos los códigos se escriben con
el mismo número <i>w</i> de cifras, con ceros a la izquierda: las cifras del mayor código, y al
menos 2.</p>

<h3>Cifrado y claves</h3>
<p>Las claves son dos enteros <i>r</i> y <i>s</i>, las claves privadas que pide la ventana
«Solicitud de claves r,s». Cada código <i>m</i> se cifra como</p>
<p align="center">C([<i>m</i>]) = [<i>r</i>]·[<i>m</i>] + [<i>s</i>], &nbsp;&nbsp; es decir,
&nbsp;&nbsp; <i>c</i> = (<i>r</i>·<i>m</i> + <i>s</i>) mod <i>N</i>.</p>
<p><b>Condición de la clave:</b> mcd(<i>r</i>, <i>N</i>) = 1. Con ella [<i>r</i>] tiene inverso
en ℤ<sub><i>N</i></sub> (véase la descripción del inverso), y C es una biyección de
ℤ<sub><i>N</i></sub> en sí mismo: si <i>r</i>·<i>m</i><sub>1</sub> + <i>s</i> ≡
<i>r</i>·<i>m</i><sub>2</sub> + <i>s</i> (mod <i>N</i>), multiplicando por
[<i>r</i>]<sup>−1</sup> resulta <i>m</i><sub>1</sub> ≡ <i>m</i><sub>2</sub>. Sin ella no se
podría descifrar: si <i>g</i> = mcd(<i>r</i>, <i>N</i>) &gt; 1, los códigos <i>m</i> y
<i>m</i> + <i>N</i>/<i>g</i> se cifran igual, pues <i>r</i>·<i>N</i>/<i>g</i> es múltiplo de
<i>N</i>; en «a-z», con <i>r</i> = 2, la <i>a</i> (00) y la <i>ñ</i> (14) darían lo mismo. El
programa rechaza una clave así con el mensaje «Clave r no válida ya que mcd(r,<i>N</i>) ha de
ser 1», y el botón «Búsqueda de posibles claves» lista valores válidos de <i>r</i> a partir de
una clave mínima. La clave <i>s</i> puede ser cualquier entero. Las dos se usan por su clase en
ℤ<sub><i>N</i></sub>, así que solo hay φ(<i>N</i>)·<i>N</i> pares de claves distintos: 12·28 =
336 en «a-z».</p>

<h3>Descifrado</h3>
<p>Despejando <i>m</i> en la congruencia del cifrado,</p>
<p align="center">D([<i>c</i>]) = [<i>r</i>]<sup>−1</sup>·([<i>c</i>] − [<i>s</i>]), &nbsp;&nbsp;
es decir, &nbsp;&nbsp; <i>m</i> = <i>r</i><sup>−1</sup>·(<i>c</i> − <i>s</i>) mod <i>N</i>.</p>
<p>El programa calcula [<i>r</i>]<sup>−1</sup> una sola vez, al descifrar el primer bloque, con
el algoritmo del inverso en ℤ<sub><i>N</i></sub>.</p>

<h3>Los pasos del programa</h3>
<pre>
procedimiento Afín(texto, r, s, sentido)
    N ← mayor código del alfabeto + 1
    w ← cifras del mayor código, y al menos 2
    PASO 1: cifras ← el código de cada símbolo del texto
            { un símbolo que no está en la tabla detiene el proceso }
    PASO 2: si mcd(r, N) ≠ 1 entonces avisar: clave no válida;  terminar
            para cada bloque m de w cifras hacer
                si sentido = codificar entonces
                    c ← (r·m + s) mod N
                si no
                    c ← r⁻¹·(m − s) mod N   { r⁻¹, en el primer bloque }
                añadir c, escrito con w cifras
            fin para
            avisar de cada bloque m ≥ N;  si no hay ninguno,
            escribir las cifras obtenidas
    PASO 3: cada bloque de w cifras ← su símbolo en la tabla
fin procedimiento
</pre>
<p>Para descifrar se siguen los mismos tres pasos, partiendo del texto cifrado.</p>

<h3>Alfabetos con huecos</h3>
<p>Un alfabeto cuyos códigos no son exactamente 0, 1, …, <i>N</i> − 1 tiene <b>huecos</b>:
códigos sin símbolo. El cifrado recorre todo ℤ<sub><i>N</i></sub>, así que puede dar un código
sin símbolo. Para un alfabeto de usuario con huecos, el programa abre otra ventana, de dos
pasos, en la que el texto cifrado queda como cadena de cifras: al codificar, el texto pasa a
cifras y se cifran los bloques; al decodificar, se descifran los bloques de las cifras escritas y
se pasan a símbolos. El alfabeto «ASCII» también tiene un hueco, el código 192, y se cifra en la
ventana de tres pasos: si un bloque cifrado resulta ser 192, el paso 3 avisa con «El código 192
no está asociado a ninguna palabra.», y el texto cifrado son las cifras del paso 2.</p>

<h3>Ejemplo</h3>
<p>Alfabeto «a-z», <i>N</i> = 28, claves <i>r</i> = 5 y <i>s</i> = 3; mcd(5, 28) = 1. El texto
«hola» da en el paso 1 las cifras 07151100, es decir, los bloques 07, 15, 11 y 00. En el paso 2,
5·7 + 3 = 38 ≡ 10, 5·15 + 3 = 78 ≡ 22, 5·11 + 3 = 58 ≡ 2 y 5·0 + 3 = 3, módulo 28: las cifras
10220203, que el paso 3 convierte en el texto cifrado «kvcd».</p>
<p>Para descifrar, [5]<sup>−1</sup> = [17] en ℤ<sub>28</sub>, pues 5·17 = 85 = 3·28 + 1, y
17·(10 − 3) = 119 ≡ 7, 17·(22 − 3) = 323 ≡ 15, 17·(2 − 3) = −17 ≡ 11 y 17·(3 − 3) = 0: de
nuevo 07151100, «hola».</p>

<h3>Debilidad</h3>
<p>Cada símbolo se cifra siempre igual: el sistema es una sustitución de un símbolo por otro, y
conserva las frecuencias del idioma. Con un texto cifrado algo largo, el <b>análisis de
frecuencias</b> lo descubre: en castellano, los símbolos más frecuentes son el espacio y las
letras <i>e</i>, <i>a</i>, <i>o</i>, y los más frecuentes del texto cifrado son muy
probablemente sus cifrados.</p>
<p>Bastan además <b>dos pares conocidos</b> de texto claro y cifrado, (<i>m</i><sub>1</sub>,
<i>c</i><sub>1</sub>) y (<i>m</i><sub>2</sub>, <i>c</i><sub>2</sub>): restando,
<i>c</i><sub>1</sub> − <i>c</i><sub>2</sub> ≡ <i>r</i>·(<i>m</i><sub>1</sub> −
<i>m</i><sub>2</sub>) (mod <i>N</i>), y si mcd(<i>m</i><sub>1</sub> − <i>m</i><sub>2</sub>,
<i>N</i>) = 1, <i>r</i> = (<i>c</i><sub>1</sub> − <i>c</i><sub>2</sub>)·(<i>m</i><sub>1</sub> −
<i>m</i><sub>2</sub>)<sup>−1</sup> y <i>s</i> = <i>c</i><sub>1</sub> −
<i>r</i>·<i>m</i><sub>1</sub>, módulo <i>N</i>. En el ejemplo, quien sepa que la <i>a</i> (00) se
cifra como <i>d</i> (03) sabe ya que <i>s</i> = 3; si sabe además que la <i>l</i> (11) se cifra
como <i>c</i> (02), de 11·<i>r</i> ≡ 2 − 3 ≡ 27 y [11]<sup>−1</sup> = [23] en ℤ<sub>28</sub>
obtiene <i>r</i> = 27·23 = 621 ≡ 5. Y con solo 336 pares de claves, probarlos todos es
inmediato.</p>
)html";

constexpr const char* kRSA = R"html(
<h3>Clave pública y clave privada</h3>
<p>En el sistema RSA cada persona publica una clave para que le cifren mensajes, y solo ella
conoce la clave que los descifra. La ventana «Establecer sistema RSA» construye las claves así:</p>
<ol>
<li>Se eligen dos primos distintos <i>p</i> y <i>q</i> (el botón «Buscar más cercano» da, para
cada valor escrito, el menor primo que no es menor que él).</li>
<li>Se calculan <i>n</i> = <i>p</i>·<i>q</i> y
φ(<i>n</i>) = (<i>p</i> − 1)·(<i>q</i> − 1), que la ventana escribe F.E. (n) (véase la
descripción de la función de Euler).</li>
<li>Se elige <i>t</i> con mcd(<i>t</i>, φ(<i>n</i>)) = 1 (el otro «Buscar más cercano» da el menor
valor desde el escrito que lo cumple).</li>
<li>Se calcula <i>s</i> = <i>t</i><sup>−1</sup> mod φ(<i>n</i>), el inverso de <i>t</i> en
ℤ<sub>φ(<i>n</i>)</sub>, que existe porque mcd(<i>t</i>, φ(<i>n</i>)) = 1.</li>
</ol>
<p>La clave pública es el par (<i>n</i>, <i>t</i>); la privada, <i>s</i>. Un bloque <i>m</i>,
con 0 ≤ <i>m</i> &lt; <i>n</i>, se cifra y se descifra con potencias en ℤ<sub><i>n</i></sub>:</p>
<p align="center">C([<i>m</i>]) = [<i>m</i>]<sup><i>t</i></sup>, &nbsp;&nbsp;
D([<i>c</i>]) = [<i>c</i>]<sup><i>s</i></sup>.</p>
<p>El programa calcula φ(<i>n</i>) con su función de Euler; si se eligiera <i>p</i> = <i>q</i>,
daría φ(<i>p</i><sup>2</sup>) = <i>p</i>·(<i>p</i> − 1), pero un módulo así se rompe con solo
calcular √<i>n</i>: los primos han de ser distintos.</p>

<h3>Por qué se recupera el mensaje</h3>
<p>Como <i>t</i>·<i>s</i> ≡ 1 (mod φ(<i>n</i>)), hay un entero <i>h</i> ≥ 0 con
<i>t</i>·<i>s</i> = 1 + <i>h</i>·φ(<i>n</i>). Hay que ver que
<i>m</i><sup><i>t</i>·<i>s</i></sup> ≡ <i>m</i> (mod <i>n</i>); como 0 ≤ <i>m</i> &lt; <i>n</i>,
el representante de la clase es entonces el propio <i>m</i>.</p>
<p><b>Si mcd(<i>m</i>, <i>n</i>) = 1</b>, por el teorema de Euler
<i>m</i><sup>φ(<i>n</i>)</sup> ≡ 1 (mod <i>n</i>), y</p>
<p align="center"><i>m</i><sup><i>t</i>·<i>s</i></sup> =
<i>m</i>·(<i>m</i><sup>φ(<i>n</i>)</sup>)<sup><i>h</i></sup> ≡ <i>m</i>·1 = <i>m</i>
(mod <i>n</i>).</p>
<p><b>Si mcd(<i>m</i>, <i>n</i>) ≠ 1</b>, es decir, si <i>p</i> o <i>q</i> divide a <i>m</i>, se
razona módulo cada primo, como en el teorema chino de los restos. Módulo <i>p</i>: si <i>p</i>
divide a <i>m</i>, los dos lados son ≡ 0; si no, por el pequeño teorema de Fermat
<i>m</i><sup><i>p</i>−1</sup> ≡ 1 (mod <i>p</i>), y como φ(<i>n</i>) =
(<i>p</i> − 1)·(<i>q</i> − 1),
<i>m</i><sup><i>t</i>·<i>s</i></sup> =
<i>m</i>·(<i>m</i><sup><i>p</i>−1</sup>)<sup><i>h</i>·(<i>q</i>−1)</sup> ≡ <i>m</i>
(mod <i>p</i>). Lo mismo vale módulo <i>q</i>. Así <i>p</i> y <i>q</i>, primos distintos, dividen
a <i>m</i><sup><i>t</i>·<i>s</i></sup> − <i>m</i>, y también su producto <i>n</i>.</p>

<h3>Los bloques del programa</h3>
<p>Al codificar, el texto pasa a cifras con la tabla de conversión del alfabeto activo, cada
símbolo con <i>w</i> cifras (las del mayor código, y al menos 2; véase la descripción del
criptosistema afín). Cada bloque es el código de un símbolo, y ha de ser menor que <i>n</i>: si
no, el programa lo rechaza con «El número '<i>m</i>' debe ser menor que '<i>n</i>'.», porque no
se podría recuperar (y lo mismo un bloque de un texto cifrado que no sea menor que <i>n</i>). El cifrado de cada bloque es menor que <i>n</i> y se escribe con tantas
cifras como tiene <i>n</i> − 1, con ceros a la izquierda; al decodificar, las cifras se leen en
bloques de ese tamaño y cada descifrado se escribe con <i>w</i> cifras, que después se pasan a
símbolos.</p>
<pre>
procedimiento RSA(texto, n, t, s, sentido)
    w ← cifras del mayor código del alfabeto, y al menos 2
    k ← número de cifras de n − 1
    si sentido = codificar entonces
        PASO 1: cifras ← el código de cada símbolo del texto
        PASO 2: para cada bloque m de w cifras hacer
                    si m ≥ n entonces rechazar m;  terminar
                    escribir [m]<sup>t</sup> en ℤn con k cifras
                fin para
    si no
        PASO 1: para cada bloque c de k cifras del texto hacer
                    si c ≥ n entonces rechazar c;  terminar
                    escribir [c]<sup>s</sup> en ℤn con w cifras
                fin para
        PASO 2: cada bloque de w cifras ← su símbolo en la tabla
fin procedimiento
</pre>
<p>Las potencias se calculan con el algoritmo de potencias en ℤ<sub><i>n</i></sub> (véase su
descripción), y la traza de ese cálculo muestra la del último bloque. Un bloque repetido se
eleva una sola vez, y entre bloque y bloque se comprueba el tiempo máximo.</p>

<h3>Ejemplo</h3>
<p><i>p</i> = 11 y <i>q</i> = 13: <i>n</i> = 11·13 = 143 y φ(143) = 10·12 = 120. Con
<i>t</i> = 7, mcd(7, 120) = 1, y <i>s</i> = 103, porque 7·103 = 721 = 6·120 + 1. Con el alfabeto
«a-z», el texto «hola» da las cifras 07151100; como <i>n</i> − 1 = 142 tiene 3 cifras, cada
bloque cifrado se escribe con 3. Por ejemplo, 7<sup>7</sup> = 5759·143 + 6, así que el bloque 07
se cifra como 006. El texto cifrado es 006115132000, y al descifrarlo,
[6]<sup>103</sup> = [7], [115]<sup>103</sup> = [15], [132]<sup>103</sup> = [11] y
[0]<sup>103</sup> = [0] devuelven 07151100, «hola». Los bloques 11 y 00 no son primos con 143
(11 divide a 143): vuelven igual, como asegura el segundo caso de arriba.</p>

<h3>Tamaño de las claves</h3>
<p>Quien conoce <i>p</i> y <i>q</i> calcula φ(<i>n</i>) y, con él, la clave privada <i>s</i>: la
seguridad de RSA descansa en que factorizar <i>n</i> sea inviable. En este programa
<i>n</i> &lt; 2<sup>31</sup>, porque las potencias se calculan con módulos de 32 bits (así el
producto de dos números menores que <i>n</i> cabe exacto en 64 bits). Es un tamaño de clase: un
<i>n</i> así tiene a lo sumo 10 cifras, y la ventana de factorización lo descompone al instante
con unas 46&#8239;000 divisiones como mucho, pues √(2<sup>31</sup>) ≈ 46&#8239;341. Las claves
reales usan un <i>n</i> de 2048 bits o más (unas 617 cifras decimales), con primos de unos 1024
bits hallados con tests probabilísticos como el de Miller–Rabin; para ellos no se conoce ningún
método de factorización practicable. Además, aquí cada bloque es un solo símbolo, así que, como
en el criptosistema afín, cada símbolo se cifra siempre igual y el análisis de frecuencias sigue
sirviendo; en la práctica se cifran bloques grandes con relleno aleatorio.</p>
)html";

constexpr Descripcion kDescripciones[] = {
    {"frdescafin", "Descripción del criptosistema afín", kAfin, 100},
    {"frdescRSA", "Descripción del sistema RSA", kRSA, 100},
};

}  // namespace

std::span<const Descripcion> descripcionesCripto() {
    return kDescripciones;
}

}  // namespace zefra::gui
