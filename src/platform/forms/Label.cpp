#include "platform/forms/Label.h"

#include <QEvent>
#include <QPainter>

#include "platform/forms/TextDrawing.h"

namespace {

TDrawTextFlags Banderas(bool AWordWrap, TAlignment AAlignment = taLeftJustify) {
  TDrawTextFlags banderas = AWordWrap ? dtExpandTabs | dtWordBreak : TDrawTextFlags(dtExpandTabs);
  if (AAlignment == taRightJustify) banderas |= dtRight;
  if (AAlignment == taCenter) banderas |= dtCenter;
  return banderas;
}

}  // namespace

TLabel::TLabel(TComponent* AOwner) : QLabel(), TControl(this, AOwner) { AdjustBounds(); }

void TLabel::SetCaption(const QString& AValue) {
  FCaption = AValue;
  // QLabel keeps the text for the accelerator of its buddy; the label draws it itself.
  setText(DisplayText(AValue));
  AdjustBounds();
  update();
}

void TLabel::SetAutoSize(bool AValue) {
  FAutoSize = AValue;
  AdjustBounds();
}

void TLabel::SetWordWrap(bool AValue) {
  FWordWrap = AValue;
  AdjustBounds();
  update();
}

void TLabel::SetAlignment(TAlignment AValue) {
  FAlignment = AValue;
  update();
}

void TLabel::AdjustBounds() {
  if (!FAutoSize) return;
  const QString texto = FCaption.isEmpty() ? QStringLiteral(" ") : FCaption;
  const QRect medida = CalcTextRect(font(), texto, QRect(0, 0, Width(), 0), Banderas(FWordWrap));
  SetBounds(Left(), Top(), medida.width(), medida.height());
}

void TLabel::paintEvent(QPaintEvent* /*AEvent*/) {
  QPainter pintor(this);
  pintor.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  DrawText(pintor, FCaption, rect(), Banderas(FWordWrap, FAlignment));
}

void TLabel::changeEvent(QEvent* AEvent) {
  QLabel::changeEvent(AEvent);
  if (AEvent->type() == QEvent::FontChange) AdjustBounds();
}
