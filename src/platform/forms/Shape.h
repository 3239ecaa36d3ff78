#pragma once

// The shape: a rectangle outlined with a pen.

#include "platform/forms/Control.h"

// The pen a shape is outlined with; a width of 0 draws the thinnest line.
struct TPen {
  int Width = 1;
  TColor Color = clBlack;
};

// A rectangle over the whole control, 65 x 65 when created, outlined with its pen.
class TShape : public TGraphicControl {
  Q_OBJECT

 public:
  explicit TShape(TComponent* AOwner);

  TPen& Pen() { return FPen; }
  const TPen& Pen() const { return FPen; }

 protected:
  void paintEvent(QPaintEvent* AEvent) override;

 private:
  TPen FPen;
};
