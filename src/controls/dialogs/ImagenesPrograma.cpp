#include "controls/dialogs/ImagenesPrograma.h"

#include <QPainter>
#include <QPolygonF>

namespace {

constexpr int Lado = 64;

enum class TSigno { Cruz, Admiracion, Informacion };

// A sign on a coloured shape, drawn smooth: a white cross or "i" on a circle, a dark "!" on a triangle.
QImage Dibujar(const QColor& AFondo, TSigno ASigno) {
  QImage imagen(Lado, Lado, QImage::Format_ARGB32_Premultiplied);
  imagen.fill(Qt::transparent);
  QPainter pintor(&imagen);
  pintor.setRenderHint(QPainter::Antialiasing);
  pintor.setPen(QPen(AFondo.darker(130), 2));
  pintor.setBrush(AFondo);
  if (ASigno == TSigno::Admiracion)
    pintor.drawPolygon(QPolygonF({QPointF(32, 4), QPointF(61, 58), QPointF(3, 58)}));
  else
    pintor.drawEllipse(QRectF(3, 3, 58, 58));
  const QColor trazo = ASigno == TSigno::Admiracion ? QColor(0x30, 0x30, 0x30) : QColor(Qt::white);
  pintor.setPen(QPen(trazo, 7, Qt::SolidLine, Qt::RoundCap));
  switch (ASigno) {
    case TSigno::Cruz:
      pintor.drawLine(QPointF(21, 21), QPointF(43, 43));
      pintor.drawLine(QPointF(43, 21), QPointF(21, 43));
      break;
    case TSigno::Admiracion:
      pintor.drawLine(QPointF(32, 22), QPointF(32, 40));
      pintor.drawPoint(QPointF(32, 50));
      break;
    case TSigno::Informacion:
      pintor.drawPoint(QPointF(32, 17));
      pintor.drawLine(QPointF(32, 29), QPointF(32, 47));
      break;
  }
  return imagen;
}

}  // namespace

QImage ImagenPrograma(const QString& ANombre) {
  if (ANombre == QLatin1String("MSG_ERROR")) return Dibujar(QColor(0xD3, 0x2F, 0x2F), TSigno::Cruz);
  if (ANombre == QLatin1String("MSG_WARNING")) return Dibujar(QColor(0xF9, 0xC7, 0x2B), TSigno::Admiracion);
  if (ANombre == QLatin1String("MSG_INFO")) return Dibujar(QColor(0x1E, 0x6F, 0xC8), TSigno::Informacion);
  return {};
}
