#pragma once

// A square picture of one pixel size, drawn on a grid of 16 units that every size rounds to whole pixels, so that
// edges stay sharp at each size instead of coming from one scaled bitmap.

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

class Lienzo {
 public:
  explicit Lienzo(int ATamano);

  int Tamano() const { return FTamano; }
  // Pixels per unit.
  double Escala() const { return FTamano / 16.0; }
  // The pixel edge nearest to a position in units.
  int P(double AUnidades) const;
  // The width of thin rules: one pixel, two at 32 pixels.
  int Fino() const { return FTamano >= 32 ? 2 : 1; }
  // A stroke's width in whole pixels, at least one.
  int Grosor(double AUnidades) const;

  // Fills the pixels between the edges nearest to the corners.
  void Rellenar(double AX0, double AY0, double AX1, double AY1, const QColor& AColor);
  // A box between the pixel edges nearest to the corners, with a one-pixel border inside; a round box leaves its
  // four corner pixels out.
  void Caja(double AX0, double AY0, double AX1, double AY1, const QColor& ARelleno, const QColor& ABorde,
            bool ARedonda = false);
  // An ellipse inside the box between those edges, with a one-pixel border when the border is valid.
  void Elipse(double AX0, double AY0, double AX1, double AY1, const QColor& ARelleno, const QColor& ABorde = QColor());
  // A line through the points (units), of the width in units, its points on the stroke's pixel centres.
  void Trazo(const QList<QPointF>& APuntos, const QColor& AColor, double AAncho, bool ARedondo = false);
  // A closed shape through the points (units), with a one-pixel border when the border is valid.
  void Poligono(const QList<QPointF>& APuntos, const QColor& ARelleno, const QColor& ABorde = QColor());
  // Any shape in units, its points moved to the nearest pixel edges, filled, with a one-pixel border inside it
  // when the border is valid.
  void Camino(const QPainterPath& ACamino, const QColor& ARelleno, const QColor& ABorde = QColor());
  // A shape in pixels, filled, with a one-pixel border inside it when the border is valid.
  void Forma(const QPainterPath& AForma, const QColor& ARelleno, const QColor& ABorde = QColor());
  // Thin horizontal rules from AX0 to AX1, the first at AY0 and then one every APaso units rounded to whole
  // pixels, so the gaps stay even.
  void Renglones(double AX0, double AX1, double AY0, int ACuantos, double APaso, const QColor& AColor);
  // A vertical rule as thin as Renglones draws them, from AY0 to AY1.
  void Raya(double AX, double AY0, double AY1, const QColor& AColor);
  // Text in the pixel font, its top left corner at a pixel, each font dot ADots pixels wide.
  void Texto(const QString& ATexto, int AX, int AY, int ADots, const QColor& AColor);
  // Lays a picture over the canvas at a pixel, clearing a margin of pixels around it so that it stands out from
  // what lies beneath.
  void Encimar(const QImage& AImagen, int AX, int AY, int AMargen);

  QPainter& Pintor() { return FPintor; }
  // The finished picture; the canvas is done.
  QImage Imagen();

 private:
  // A position in units moved onto the centre line of a stroke of that width in pixels, so the stroke covers
  // whole pixels.
  double Centro(double AUnidades, int AGrosor) const;
  QPointF Punto(const QPointF& AUnidades, int AGrosor) const;
  // The shape in pixels, its points on the nearest pixel edges.
  QPainterPath Ajustado(const QPainterPath& ACamino) const;

  int FTamano;
  QImage FImagen;
  QPainter FPintor;
};

// The closed shape through the points.
QPainterPath Contorno(const QList<QPointF>& APuntos);
// The darker border colour that goes with a fill.
QColor Borde(const QColor& ARelleno);
// A lighter shade of a colour, for highlights.
QColor Claro(const QColor& AColor, int APorcentaje = 150);
