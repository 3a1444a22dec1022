# The core's folders depend on each other in one direction only:
#     shell → arithmetic → primes → modular → alphabets → crypto, with files beside crypto and
#     practice above crypto.
# A file may include its own folder and the folders before it; files may include every folder
# up to alphabets, practice every folder up to crypto. Nothing in the core includes Qt or the window layer, and every include of the
# core is rooted at the layer ("core/…"). The aggregate state (core/estado.hpp) stands above the
# folders: only the window layer includes it.
#
# Checks that, and that the graph drawn in docs/arquitectura.md is the one the includes make:
#     cmake -DRAIZ=<source dir> -P tests/capas_del_nucleo.cmake
# Redraws the graph in docs/arquitectura.md instead of checking it:
#     cmake -DRAIZ=<source dir> -DESCRIBE=ON -P tests/capas_del_nucleo.cmake

cmake_minimum_required(VERSION 3.25)
if(NOT RAIZ)
    message(FATAL_ERROR "RAIZ (the source directory) is missing")
endif()
get_filename_component(RAIZ "${RAIZ}" ABSOLUTE)

set(cadena shell arithmetic primes modular alphabets crypto)
set(permitidas_files shell arithmetic primes modular alphabets files)
set(permitidas_practice shell arithmetic primes modular alphabets crypto practice)
set(anteriores "")
foreach(carpeta IN LISTS cadena)
    list(APPEND anteriores ${carpeta})
    set(permitidas_${carpeta} ${anteriores})
endforeach()

set(faltas "")
set(aristas "")
file(GLOB_RECURSE fuentes RELATIVE ${RAIZ}/src/core ${RAIZ}/src/core/*.hpp ${RAIZ}/src/core/*.cpp)
list(LENGTH fuentes cuantas)
if(cuantas LESS 20)
    message(FATAL_ERROR "Only ${cuantas} sources under ${RAIZ}/src/core: is RAIZ the source dir?")
endif()
foreach(fuente IN LISTS fuentes)
    get_filename_component(carpeta ${fuente} DIRECTORY)
    if(carpeta STREQUAL "")
        continue()
    endif()
    if(NOT DEFINED permitidas_${carpeta})
        string(APPEND faltas "  src/core/${fuente}: the folder ${carpeta} is not in the chain\n")
        continue()
    endif()
    file(STRINGS ${RAIZ}/src/core/${fuente} inclusiones REGEX "^[ \t]*#[ \t]*include")
    foreach(linea IN LISTS inclusiones)
        if(linea MATCHES "include[ \t]*<")
            if(linea MATCHES "include[ \t]*<Q")
                string(APPEND faltas "  src/core/${fuente}: includes Qt (${linea})\n")
            endif()
            continue()
        endif()
        if(NOT linea MATCHES "include[ \t]*\"core/([a-z_]+)/")
            string(APPEND faltas "  src/core/${fuente}: ${linea} is not a folder of the core\n")
            continue()
        endif()
        set(destino ${CMAKE_MATCH_1})
        if(NOT destino IN_LIST permitidas_${carpeta})
            string(APPEND faltas "  src/core/${fuente}: ${carpeta} may not include ${destino}\n")
        endif()
        if(NOT destino STREQUAL carpeta)
            list(APPEND aristas "    ${carpeta} --> ${destino}")
        endif()
    endforeach()
endforeach()
list(REMOVE_DUPLICATES aristas)
list(SORT aristas)

if(faltas)
    message(FATAL_ERROR "The core's folders break their one-way chain:\n${faltas}")
endif()

# The graph as the architecture document draws it, between its two markers.
list(JOIN aristas "\n" cuerpo)
set(grafo "```mermaid\ngraph RL\n${cuerpo}\n```\n")
set(documento ${RAIZ}/docs/arquitectura.md)
file(READ ${documento} texto)
set(inicio "<!-- grafo del núcleo: lo escribe tests/capas_del_nucleo.cmake -->\n")
set(fin "<!-- fin del grafo -->")
string(FIND "${texto}" "${inicio}" desde)
string(FIND "${texto}" "${fin}" hasta)
if(desde EQUAL -1 OR hasta EQUAL -1 OR hasta LESS desde)
    message(FATAL_ERROR "docs/arquitectura.md has lost the markers of the core's graph")
endif()
string(LENGTH "${inicio}" largo)
math(EXPR desde "${desde} + ${largo}")
math(EXPR cuantos "${hasta} - ${desde}")
string(SUBSTRING "${texto}" ${desde} ${cuantos} dibujado)
if(NOT dibujado STREQUAL grafo)
    if(ESCRIBE)
        string(SUBSTRING "${texto}" 0 ${desde} antes)
        string(SUBSTRING "${texto}" ${hasta} -1 despues)
        file(WRITE ${documento} "${antes}${grafo}${despues}")
        message(STATUS "docs/arquitectura.md: graph redrawn")
    else()
        message(FATAL_ERROR "docs/arquitectura.md draws another graph than the includes make; "
                            "redraw it with -DESCRIBE=ON. The includes make:\n${grafo}")
    endif()
endif()
