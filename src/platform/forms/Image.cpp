#include "platform/forms/Image.h"

#include <QPainter>

#include "platform/forms/Screen.h"

TImage::TImage(TComponent* AOwner) : QWidget(), TControl(this, AOwner) {
  FPicture.OnChange = [this] {
    AdjustSize();
    update();
  };
  SetBounds(0, 0, 105, 105);
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
  if (FAutoSize && !FPicture.Empty()) SetBounds(Left(), Top(), FPicture.Width(), FPicture.Height());
}

QRect TImage::DestRect() const {
  if (FPicture.Empty()) return {};
  // The picture's pixels are the system's.
  QSize tamaño(ToQtPixels(FPicture.Width()), ToQtPixels(FPicture.Height()));
  if (FStretch) tamaño = FProportional ? tamaño.scaled(size(), Qt::KeepAspectRatio) : size();
  QRect destino(QPoint(), tamaño);
  if (FStretch && FProportional) destino.moveCenter(rect().center());
  return destino;
}

void TImage::paintEvent(QPaintEvent* /*AEvent*/) {
  if (FPicture.Empty()) return;
  const auto* decodificada = dynamic_cast<const TWICImage*>(FPicture.Graphic());
  const bool porPixel = decodificada && decodificada->InterpolationMode() == wipmNearestNeighbor;
  QPainter pintor(this);
  pintor.setRenderHint(QPainter::SmoothPixmapTransform, !porPixel);
  pintor.drawImage(DestRect(), FPicture.Graphic()->Image());
}
