#include "platform/forms/Image.h"

#include <QPainter>

#include "platform/forms/Screen.h"

TImage::TImage(TComponent* AOwner) : QWidget(), TControl(this, AOwner) { SetBounds(0, 0, 105, 105); }

void TImage::SetPicture(const QImage& AValue) {
  FPicture = AValue;
  AdjustSize();
  update();
}

void TImage::SetStretch(bool AValue) {
  FStretch = AValue;
  update();
}

void TImage::SetProportional(bool AValue) {
  FProportional = AValue;
  update();
}

void TImage::SetAutoSize(bool AValue) {
  FAutoSize = AValue;
  AdjustSize();
}

void TImage::AdjustSize() {
  if (FAutoSize && !FPicture.isNull()) SetBounds(Left(), Top(), FPicture.width(), FPicture.height());
}

QRect TImage::DestRect() const {
  if (FPicture.isNull()) return {};
  // The picture's pixels are the system's.
  QSize tamaño(ToQtPixels(FPicture.width()), ToQtPixels(FPicture.height()));
  if (FStretch) tamaño = FProportional ? tamaño.scaled(size(), Qt::KeepAspectRatio) : size();
  QRect destino(QPoint(), tamaño);
  if (FStretch && FProportional) destino.moveCenter(rect().center());
  return destino;
}

void TImage::paintEvent(QPaintEvent* /*AEvent*/) {
  QPainter pintor(this);
  pintor.setRenderHint(QPainter::SmoothPixmapTransform);
  pintor.drawImage(DestRect(), FPicture);
}
