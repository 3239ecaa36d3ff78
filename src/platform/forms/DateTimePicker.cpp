#include "platform/forms/DateTimePicker.h"

#include <QPainter>

TwwDBCustomDateTimePicker::TwwDBCustomDateTimePicker(TComponent* AOwner) : QDateTimeEdit(), TControl(this, AOwner) {
  setCalendarPopup(true);
  SetBounds(0, 0, 121, 21);
}

void TwwDBCustomDateTimePicker::SetBorderStyle(TFormBorderStyle AValue) {
  FBorderStyle = AValue;
  setFrame(AValue != bsNone);
  update();
}

void TwwDBCustomDateTimePicker::SetFrameEnabled(bool AValue) {
  FFrame.Enabled = AValue;
  update();
}

void TwwDBCustomDateTimePicker::paintEvent(QPaintEvent* AEvent) {
  QDateTimeEdit::paintEvent(AEvent);
  if (!FFrame.Enabled) return;
  QPainter pintor(this);
  pintor.setPen(palette().color(hasFocus() ? QPalette::Highlight : QPalette::Mid));
  pintor.drawRect(rect().adjusted(0, 0, -1, -1));
}
