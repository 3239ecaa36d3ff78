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

void ClearLineEditUndo(QLineEdit& AEdit) {
  // Setting the text anew starts a new undo history.
  const QSignalBlocker bloqueo(&AEdit);
  const int caret = AEdit.cursorPosition();
  const bool modificado = AEdit.isModified();
  AEdit.setText(AEdit.text());
  AEdit.setCursorPosition(caret);
  AEdit.setModified(modificado);
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
