#include "gui/shell/emblema.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <numbers>

#include "gui/ui/accesibilidad.hpp"

namespace zefra::gui {
namespace {

const QColor kAzul(0x1f, 0x4e, 0x8c);
const QColor kNaranja(0xe0, 0x7a, 0x1f);

}  // namespace

Emblema::Emblema(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("emblema"));
    esImagen(this, QStringLiteral("Emblema: el reloj de las clases de Z12"));
    setMinimumSize(120, 120);
}

// Twelve residues on a circle, with the orbit of 5 (5·k mod 12) drawn as a star: a picture of
// an invertible element of Z12 visiting every class.
void Emblema::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double lado = std::min(width(), height()) - 8.0;
    const QPointF centro(width() / 2.0, height() / 2.0);
    const double radio = lado / 2.0 - 14;

    p.setPen(QPen(kAzul, 3));
    p.setBrush(QColor(0xf4, 0xf7, 0xfb));
    p.drawEllipse(centro, lado / 2.0, lado / 2.0);

    const auto punto = [&](int k) {
        const double angulo = k * std::numbers::pi / 6 - std::numbers::pi / 2;
        return centro + QPointF(radio * std::cos(angulo), radio * std::sin(angulo));
    };
    QPainterPath estrella;
    estrella.moveTo(punto(0));
    for (int k = 1; k <= 12; ++k)
        estrella.lineTo(punto((5 * k) % 12));
    p.setPen(QPen(kNaranja, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(estrella);

    QFont letra = font();
    letra.setBold(true);
    const double radioPunto = lado / 17;
    letra.setPixelSize(std::max(8, static_cast<int>(radioPunto * 1.1)));
    p.setFont(letra);
    for (int k = 0; k < 12; ++k) {
        const QPointF c = punto(k);
        p.setPen(Qt::NoPen);
        p.setBrush(kAzul);
        p.drawEllipse(c, radioPunto, radioPunto);
        p.setPen(Qt::white);
        p.drawText(QRectF(c.x() - radioPunto, c.y() - radioPunto, 2 * radioPunto, 2 * radioPunto),
                   Qt::AlignCenter, QString::number(k));
    }
}

QIcon iconoZefra() {
    QIcon icono;
    Emblema emblema(nullptr);
    for (const int lado : {16, 32, 48, 64, 128, 256}) {
        emblema.resize(lado, lado);
        QPixmap imagen(lado, lado);
        imagen.fill(Qt::transparent);
        emblema.render(&imagen, QPoint(), QRegion(), QWidget::DrawChildren);
        icono.addPixmap(imagen);
    }
    return icono;
}

Candado::Candado(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("candado"));
    esImagen(this, QStringLiteral("Un candado"));
    setMinimumSize(80, 100);
}

void Candado::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double ancho = std::min(width() * 1.0, height() * 0.8) - 10;
    const QPointF origen((width() - ancho) / 2.0, height() - ancho - 5);

    p.setPen(QPen(kAzul, ancho / 9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF arco(origen.x() + ancho * 0.2, origen.y() - ancho * 0.45, ancho * 0.6,
                      ancho * 0.9);
    p.drawArc(arco, 0, 180 * 16);

    p.setPen(Qt::NoPen);
    p.setBrush(kAzul);
    p.drawRoundedRect(QRectF(origen, QSizeF(ancho, ancho * 0.8)), 8, 8);
    p.setBrush(kNaranja);
    const QPointF ojo(origen.x() + ancho / 2, origen.y() + ancho * 0.35);
    p.drawEllipse(ojo, ancho / 10, ancho / 10);
    p.drawRect(QRectF(ojo.x() - ancho / 30, ojo.y(), ancho / 15, ancho * 0.25));
}

}  // namespace zefra::gui
