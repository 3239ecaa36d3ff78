#include "platform/forms/Shape.h"

#include <QPainter>
#include <algorithm>

#include "platform/forms/Screen.h"

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 65, 65); }

void TShape::paintEvent(QPaintEvent* /*AEvent*/) {
  QPainter pintor(this);
  // The pen's width is in the system's pixels, 0 being the thinnest line, one pixel; the outline lies inside.
  const qreal ancho = std::max(1, FPen.Width) / Screen.PixelScale();
  pintor.setPen(QPen(ColorToQColor(FPen.Color), ancho, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  pintor.drawRect(QRectF(rect()).adjusted(ancho / 2, ancho / 2, -ancho / 2, -ancho / 2));
}
