#include "ImagenesPrograma.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "Paleta.h"

namespace {

// A transparent picture of that size, drawn by ADibujar with antialiasing.
QImage Dibujada(int AAncho, int AAlto, const std::function<void(QPainter&)>& ADibujar) {
  QImage imagen(AAncho, AAlto, QImage::Format_ARGB32_Premultiplied);
  imagen.fill(Qt::transparent);
  QPainter pintor(&imagen);
  pintor.setRenderHint(QPainter::Antialiasing);
  ADibujar(pintor);
  pintor.end();
  return imagen.convertToFormat(QImage::Format_ARGB32);
}

// A shape filled with a light-to-dark gradient from top to bottom and edged with a darker rim.
void Relleno(QPainter& APintor, const QPainterPath& AForma, const QColor& AColor) {
  const QRectF caja = AForma.boundingRect();
  QLinearGradient degradado(caja.topLeft(), caja.bottomLeft());
  degradado.setColorAt(0, AColor.lighter(125));
  degradado.setColorAt(1, AColor.darker(110));
  APintor.setPen(QPen(AColor.darker(150), 2));
  APintor.setBrush(degradado);
  APintor.drawPath(AForma);
}

QPainterPath Disco() {
  QPainterPath disco;
  disco.addEllipse(QRectF(3, 3, 58, 58));
  return disco;
}

}  // namespace

QImage ImagenError() {
  return Dibujada(64, 64, [](QPainter& pintor) {
    Relleno(pintor, Disco(), Paleta::Rojo);
    pintor.setPen(QPen(Paleta::Papel, 7, Qt::SolidLine, Qt::RoundCap));
    pintor.drawLine(QPointF(21.5, 21.5), QPointF(42.5, 42.5));
    pintor.drawLine(QPointF(42.5, 21.5), QPointF(21.5, 42.5));
  });
}

QImage ImagenAdvertencia() {
  return Dibujada(64, 64, [](QPainter& pintor) {
    QPainterPath triangulo;
    triangulo.moveTo(32, 4);
    triangulo.lineTo(61, 57);
    triangulo.lineTo(3, 57);
    triangulo.closeSubpath();
    // Round the corners by stroking the outline with round joins around a smaller triangle.
    QPainterPathStroker redondeo;
    redondeo.setWidth(6);
    redondeo.setJoinStyle(Qt::RoundJoin);
    QPainterPath interior = QTransform().translate(32, 39).scale(0.9, 0.9).translate(-32, -39).map(triangulo);
    Relleno(pintor, interior.united(redondeo.createStroke(interior)), Paleta::Amarillo);
    pintor.setPen(QPen(Paleta::Tinta, 7, Qt::SolidLine, Qt::RoundCap));
    pintor.drawLine(QPointF(32, 22), QPointF(32, 38));
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(Paleta::Tinta);
    pintor.drawEllipse(QPointF(32, 48), 4, 4);
  });
}

QImage ImagenInformacion() {
  return Dibujada(64, 64, [](QPainter& pintor) {
    Relleno(pintor, Disco(), Paleta::Azul);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(Paleta::Papel);
    pintor.drawEllipse(QPointF(32, 18.5), 4.5, 4.5);
    pintor.setPen(QPen(Paleta::Papel, 8, Qt::SolidLine, Qt::RoundCap));
    pintor.drawLine(QPointF(32, 30), QPointF(32, 46));
  });
}

QImage ImagenInicioSesion() {
  return Dibujada(384, 76, [](QPainter& pintor) {
    const QColor teal(0x12, 0x7C, 0x84);
    QLinearGradient banda(0, 0, 384, 0);
    banda.setColorAt(0, teal.darker(125));
    banda.setColorAt(1, teal.lighter(115));
    pintor.fillRect(0, 0, 384, 76, banda);
    pintor.fillRect(0, 72, 384, 4, QColor(0xF2, 0x9A, 0x2E));
    // The suite's mark: a white tile with a teal T.
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(Paleta::Papel);
    pintor.drawRoundedRect(QRectF(16, 10, 52, 52), 9, 9);
    pintor.setBrush(teal);
    pintor.drawRect(QRectF(26, 20, 32, 8));
    pintor.drawRect(QRectF(37.5, 20, 9, 32));
    pintor.setBrush(QColor(0xF2, 0x9A, 0x2E));
    pintor.drawRect(QRectF(27, 54, 30, 3));
    QFont nombre(QStringLiteral("Sans Serif"));
    nombre.setPixelSize(34);
    nombre.setBold(true);
    pintor.setFont(nombre);
    pintor.setPen(Paleta::Papel);
    pintor.drawText(QRectF(84, 6, 290, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tarvolin"));
    QFont programa(QStringLiteral("Sans Serif"));
    programa.setPixelSize(16);
    pintor.setFont(programa);
    pintor.setPen(QColor(0xDF, 0xF1, 0xF2));
    pintor.drawText(QRectF(86, 44, 290, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Drevalino"));
  });
}
