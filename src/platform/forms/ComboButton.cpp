#include "platform/forms/ComboButton.h"

#include <QPainter>
#include <QStyleOption>

#include "platform/forms/Screen.h"

TwwComboButton::TwwComboButton(TComponent* AOwner) : QAbstractButton(), TControl(this, AOwner) {
  setFocusPolicy(Qt::NoFocus);
}

void TwwComboButton::SetGlyph(const QPixmap& AValue) {
  FGlyph = AValue;
  update();
}

void TwwComboButton::SetFlat(bool AValue) {
  FFlat = AValue;
  update();
}

void TwwComboButton::DrawPanel(QPainter& APainter, const QRect& ARect, bool ASunken) const {
  QStyleOptionButton opcion;
  opcion.initFrom(this);
  opcion.rect = ARect;
  opcion.state |= ASunken ? QStyle::State_Sunken : QStyle::State_Raised;
  style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &opcion, &APainter, this);
}

void TwwComboButton::DrawDropDownArrow(QPainter& APainter, const QRect& ARect, bool AEnabled) const {
  QStyleOption opcion;
  opcion.initFrom(this);
  opcion.rect = ARect;
  if (!AEnabled) opcion.state &= ~QStyle::State_Enabled;
  opcion.palette.setCurrentColorGroup(AEnabled ? QPalette::Active : QPalette::Disabled);
  style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &opcion, &APainter, this);
}

void TwwComboButton::DrawEllipsis(QPainter& APainter, const QRect& ARect, bool AEnabled, bool AFlat,
                                  bool ATransparent) const {
  if (!AFlat && !ATransparent) DrawPanel(APainter, ARect, isDown());
  // Three square dots of two pixels, two apart, across the middle.
  const int lado = qMax(1, ToQtPixels(2));
  const QPoint centro = ARect.center();
  const QColor color = palette().color(AEnabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
  for (int i = -1; i <= 1; ++i)
    APainter.fillRect(centro.x() - lado / 2 + i * 2 * lado, centro.y() - lado / 2, lado, lado, color);
}

QPixmap TwwComboButton::DropDownGlyph() const {
  const int lado = ToQtPixels(8);
  QPixmap glifo(QSize(lado, lado) * devicePixelRatio());
  glifo.setDevicePixelRatio(devicePixelRatio());
  glifo.fill(Qt::transparent);
  QPainter pintor(&glifo);
  DrawDropDownArrow(pintor, QRect(0, 0, lado, lado), true);
  return glifo;
}

void TwwComboButton::Paint(QPainter& APainter) {
  const QRect r = rect();
  if (!FFlat || FMouseInControl) DrawPanel(APainter, r, isDown());
  if (FEllipsis) return DrawEllipsis(APainter, r, isEnabled(), true, false);
  if (FGlyph.isNull()) return;
  const QSize tamaño = FGlyph.deviceIndependentSize().toSize();
  QRect destino(QPoint(0, 0), tamaño);
  destino.moveCenter(r.center());
  if (isDown()) destino.translate(1, 1);
  style()->drawItemPixmap(&APainter, destino, Qt::AlignCenter,
                          isEnabled() ? FGlyph : style()->generatedIconPixmap(QIcon::Disabled, FGlyph, nullptr));
}

void TwwComboButton::paintEvent(QPaintEvent* /*AEvent*/) {
  QPainter pintor(this);
  Paint(pintor);
}

void TwwComboButton::enterEvent(QEnterEvent* AEvent) {
  FMouseInControl = true;
  update();
  QAbstractButton::enterEvent(AEvent);
}

void TwwComboButton::leaveEvent(QEvent* AEvent) {
  FMouseInControl = false;
  update();
  QAbstractButton::leaveEvent(AEvent);
}

void TwwButtonEffects::SetFlat(bool AValue) {
  if (AValue == FFlat) return;
  FFlat = AValue;
  Refresh();
}

void TwwButtonEffects::SetTransparent(bool AValue) {
  if (AValue == FTransparent) return;
  FTransparent = AValue;
  Refresh();
}

void TwwButtonEffects::Refresh() {
  FButton.SetFlat(FFlat || FTransparent);
  FButton.update();
}
