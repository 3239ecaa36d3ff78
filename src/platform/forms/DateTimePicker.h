#pragma once

// The date-time picker of the data-aware family: a date and time edit with an edit frame of its own.

#include <QDateTimeEdit>
#include <QMetaType>

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

Q_DECLARE_METATYPE(TFormBorderStyle)

// The edit frame of a picker: while Enabled, the picker draws a flat frame of its own in place of the
// style's border.
struct TwwEditFrame {
  bool Enabled = false;
};

// A date and time edit, 121 x 21 when created, with a single border (BorderStyle) or none, and an edit frame.
// Its Color is that of its edit field.
class TwwDBCustomDateTimePicker : public QDateTimeEdit, public TControl {
  Q_OBJECT
  Q_PROPERTY(TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)

 public:
  explicit TwwDBCustomDateTimePicker(TComponent* AOwner);

  QDateTime DateTime() const { return dateTime(); }
  void SetDateTime(const QDateTime& AValue) { setDateTime(AValue); }
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle AValue);
  const TwwEditFrame& Frame() const { return FFrame; }
  void SetFrameEnabled(bool AValue);

 protected:
  QPalette::ColorRole ColorRole() const override { return QPalette::Base; }
  void paintEvent(QPaintEvent* AEvent) override;

 private:
  TFormBorderStyle FBorderStyle = bsSingle;
  TwwEditFrame FFrame;
};

// The picker that forms place.
class TwwDBDateTimePicker : public TwwDBCustomDateTimePicker {
  Q_OBJECT

 public:
  using TwwDBCustomDateTimePicker::TwwDBCustomDateTimePicker;
};
