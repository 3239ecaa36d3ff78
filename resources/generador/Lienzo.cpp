#include "Lienzo.h"

#include <cmath>

#include "FuentePixel.h"

Lienzo::Lienzo(int ATamano) : FTamano(ATamano), FImagen(ATamano, ATamano, QImage::Format_ARGB32_Premultiplied) {
  FImagen.fill(Qt::transparent);
  FPintor.begin(&FImagen);
  FPintor.setRenderHint(QPainter::Antialiasing);
}

int Lienzo::P(double AUnidades) const { return static_cast<int>(std::lround(AUnidades * Escala())); }

int Lienzo::Grosor(double AUnidades) const { return std::max(1, static_cast<int>(std::lround(AUnidades * Escala()))); }

double Lienzo::Centro(double AUnidades, int AGrosor) const {
  const double pixeles = AUnidades * Escala();
  return AGrosor % 2 ? std::floor(pixeles) + 0.5 : std::round(pixeles);
}

QPointF Lienzo::Punto(const QPointF& AUnidades, int AGrosor) const {
  return {Centro(AUnidades.x(), AGrosor), Centro(AUnidades.y(), AGrosor)};
}

void Lienzo::Rellenar(double AX0, double AY0, double AX1, double AY1, const QColor& AColor) {
  FPintor.fillRect(QRect(QPoint(P(AX0), P(AY0)), QPoint(P(AX1) - 1, P(AY1) - 1)), AColor);
}

void Lienzo::Caja(double AX0, double AY0, double AX1, double AY1, const QColor& ARelleno, const QColor& ABorde,
                  bool ARedonda) {
  const int x0 = P(AX0), y0 = P(AY0), x1 = P(AX1) - 1, y1 = P(AY1) - 1;
  FPintor.fillRect(QRect(QPoint(x0 + 1, y0 + 1), QPoint(x1 - 1, y1 - 1)), ARelleno);
  const int r = ARedonda ? 1 : 0;
  FPintor.fillRect(QRect(QPoint(x0 + r, y0), QPoint(x1 - r, y0)), ABorde);
  FPintor.fillRect(QRect(QPoint(x0 + r, y1), QPoint(x1 - r, y1)), ABorde);
  FPintor.fillRect(QRect(QPoint(x0, y0 + 1), QPoint(x0, y1 - 1)), ABorde);
  FPintor.fillRect(QRect(QPoint(x1, y0 + 1), QPoint(x1, y1 - 1)), ABorde);
}

void Lienzo::Elipse(double AX0, double AY0, double AX1, double AY1, const QColor& ARelleno, const QColor& ABorde) {
  QPainterPath elipse;
  elipse.addEllipse(QRectF(QPointF(P(AX0), P(AY0)), QPointF(P(AX1), P(AY1))));
  Forma(elipse, ARelleno, ABorde);
}

void Lienzo::Trazo(const QList<QPointF>& APuntos, const QColor& AColor, double AAncho, bool ARedondo) {
  const int grosor = Grosor(AAncho);
  QPolygonF linea;
  for (const QPointF& punto : APuntos) linea << Punto(punto, grosor);
  FPintor.setPen(QPen(AColor, grosor, Qt::SolidLine, ARedondo ? Qt::RoundCap : Qt::SquareCap,
                      ARedondo ? Qt::RoundJoin : Qt::MiterJoin));
  FPintor.setBrush(Qt::NoBrush);
  FPintor.drawPolyline(linea);
}

void Lienzo::Poligono(const QList<QPointF>& APuntos, const QColor& ARelleno, const QColor& ABorde) {
  Camino(Contorno(APuntos), ARelleno, ABorde);
}

QPainterPath Lienzo::Ajustado(const QPainterPath& ACamino) const {
  QPainterPath pixeles = ACamino;
  for (int i = 0; i < pixeles.elementCount(); ++i) {
    const QPainterPath::Element elemento = pixeles.elementAt(i);
    pixeles.setElementPositionAt(i, P(elemento.x), P(elemento.y));
  }
  return pixeles;
}

void Lienzo::Camino(const QPainterPath& ACamino, const QColor& ARelleno, const QColor& ABorde) {
  Forma(Ajustado(ACamino), ARelleno, ABorde);
}

void Lienzo::Forma(const QPainterPath& AForma, const QColor& ARelleno, const QColor& ABorde) {
  if (!ABorde.isValid()) {
    FPintor.fillPath(AForma, ARelleno);
    return;
  }
  // The border is the band of one pixel inside the outline: a stroke two pixels wide centred on it, less what
  // lies outside.
  QPainterPathStroker trazo;
  trazo.setWidth(2);
  trazo.setJoinStyle(Qt::MiterJoin);
  FPintor.fillPath(AForma, ABorde);
  FPintor.fillPath(AForma.subtracted(trazo.createStroke(AForma)), ARelleno);
}

void Lienzo::Renglones(double AX0, double AX1, double AY0, int ACuantos, double APaso, const QColor& AColor) {
  const int paso = std::max(2, static_cast<int>(std::lround(APaso * Escala())));
  for (int i = 0; i < ACuantos; ++i) FPintor.fillRect(P(AX0), P(AY0) + i * paso, P(AX1) - P(AX0), Fino(), AColor);
}

void Lienzo::Raya(double AX, double AY0, double AY1, const QColor& AColor) {
  FPintor.fillRect(P(AX), P(AY0), Fino(), P(AY1) - P(AY0), AColor);
}

void Lienzo::Texto(const QString& ATexto, int AX, int AY, int ADots, const QColor& AColor) {
  DibujarTextoPixel(FPintor, ATexto, AX, AY, ADots, AColor);
}

void Lienzo::Encimar(const QImage& AImagen, int AX, int AY, int AMargen) {
  FPintor.end();
  // Every pixel of the canvas within the margin of the picture loses as much as the picture covers there.
  QImage fondo = FImagen.convertToFormat(QImage::Format_ARGB32);
  const auto cubre = [&](int AXCanvas, int AYCanvas) {
    const int x = AXCanvas - AX, y = AYCanvas - AY;
    return x >= 0 && y >= 0 && x < AImagen.width() && y < AImagen.height() ? qAlpha(AImagen.pixel(x, y)) : 0;
  };
  for (int y = 0; y < FTamano; ++y)
    for (int x = 0; x < FTamano; ++x) {
      int cubierto = 0;
      for (int dy = -AMargen; dy <= AMargen; ++dy)
        for (int dx = -AMargen; dx <= AMargen; ++dx)
          if (dx * dx + dy * dy <= AMargen * AMargen + AMargen) cubierto = std::max(cubierto, cubre(x + dx, y + dy));
      QColor color = fondo.pixelColor(x, y);
      color.setAlpha(color.alpha() * (255 - cubierto) / 255);
      fondo.setPixelColor(x, y, color);
    }
  FImagen = fondo.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  FPintor.begin(&FImagen);
  FPintor.setRenderHint(QPainter::Antialiasing);
  FPintor.drawImage(AX, AY, AImagen);
}

QImage Lienzo::Imagen() {
  FPintor.end();
  return FImagen.convertToFormat(QImage::Format_ARGB32);
}

QPainterPath Contorno(const QList<QPointF>& APuntos) {
  QPainterPath contorno;
  contorno.addPolygon(QPolygonF(APuntos));
  contorno.closeSubpath();
  return contorno;
}

QColor Borde(const QColor& ARelleno) { return ARelleno.darker(165); }

QColor Claro(const QColor& AColor, int APorcentaje) { return AColor.lighter(APorcentaje); }
