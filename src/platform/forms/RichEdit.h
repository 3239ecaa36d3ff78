#pragma once

// The rich edit: formatted text shown at a zoom.

#include <QTextEdit>

#include "platform/forms/Control.h"

// Formatted text over QTextEdit, 185 x 89 when created. As the system's rich edit, its text keeps the size of
// its font at 96 dpi when the form is scaled; Zoom (per cent) enlarges it.
class TRichEdit : public QTextEdit, public TControl {
  Q_OBJECT
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)

 public:
  explicit TRichEdit(TComponent* AOwner);

  int Zoom() const { return FZoom; }
  void SetZoom(int AValue);
  void ScaleForPPI(int ANewPPI) override;

 protected:
  void changeEvent(QEvent* AEvent) override;

 private:
  void ApplyZoom();

  int FZoom = 100;
  int FCurrentPPI = 96;  // the resolution the control's font is scaled to
};
