#include "platform/forms/RichEdit.h"

#include <QEvent>

TRichEdit::TRichEdit(TComponent* AOwner) : QTextEdit(), TControl(this, AOwner) { SetBounds(0, 0, 185, 89); }

void TRichEdit::SetZoom(int AValue) {
  FZoom = AValue;
  ApplyZoom();
}

void TRichEdit::ScaleForPPI(int ANewPPI) {
  // Known before the form's font, which this control takes, changes with the new resolution.
  FCurrentPPI = ANewPPI;
  TControl::ScaleForPPI(ANewPPI);
  ApplyZoom();
}

void TRichEdit::changeEvent(QEvent* AEvent) {
  QTextEdit::changeEvent(AEvent);
  if (AEvent->type() == QEvent::FontChange) ApplyZoom();
}

void TRichEdit::ApplyZoom() {
  QFont fuente = font();
  fuente.setPointSizeF(fuente.pointSizeF() * 96 / FCurrentPPI * (FZoom > 0 ? FZoom : 100) / 100);
  document()->setDefaultFont(fuente);
}
