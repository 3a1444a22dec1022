// Echoes from one window's computation to another window that shows part of it: the primality
// verdict reached while Euler's function or a power runs, Euler's list as it grows, the modulus
// of the active alphabet. The traces of the last runs are published to `Trazas`. Results a window
// needs for itself come back from the core as values, never through here.
#pragma once

#include <QObject>
#include <QString>

namespace zefra::gui {

class Avisos final : public QObject {
    Q_OBJECT

  signals:
    // The verdict text of the primality test, whenever a computation reaches one.
    void veredictoEsPrimo(const QString& veredicto);
    // The lines of a completed factorization of `numero` (as typed).
    void factorizacion(const QString& numero, const QString& lineas);
    // Euler's list of the numbers prime to n (or what stands for it), and whether the routine
    // finished with it.
    void primosEuler(const QString& lista, bool terminada);
    // The modulus of the active alphabet, whenever it is published.
    void moduloAlfabeto(double n);
};

}  // namespace zefra::gui
