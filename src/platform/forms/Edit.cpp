#include "platform/forms/Edit.h"

#include <QKeyEvent>

#include "platform/forms/Application.h"

TEdit::TEdit(TComponent* AOwner) : QLineEdit(), TCustomEdit(this, AOwner) {
  SetBounds(0, 0, 121, 21);
  connect(this, &QLineEdit::textChanged, this, [this] { RunHandler([this] { Change(); }); });
}

int TEdit::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

void TEdit::SetSelLength(int AValue) { setSelection(SelStart(), AValue); }

void TEdit::SetPasswordChar(QChar AValue) {
  FPasswordChar = AValue;
  setEchoMode(AValue.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

void TEdit::ClearUndo() {
  // Setting the text anew starts a new undo history; the text, caret and modified flag stay.
  const QSignalBlocker bloqueo(this);
  const int caret = cursorPosition();
  const bool modificado = isModified();
  setText(text());
  setCursorPosition(caret);
  setModified(modificado);
}

void TEdit::CutToClipboard() {
  if (!IsPassword()) cut();
}

void TEdit::CopyToClipboard() {
  if (!IsPassword()) copy();
}

void TEdit::keyPressEvent(QKeyEvent* AEvent) {
  ProcessKey(*AEvent, [this](QKeyEvent& AKey) { QLineEdit::keyPressEvent(&AKey); });
}
