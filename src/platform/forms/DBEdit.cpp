#include "platform/forms/DBEdit.h"

#include "platform/forms/Beep.h"

TwwDBEdit::TwwDBEdit(TComponent* AOwner) : TEdit(AOwner) {
  FDataLink.OnDataChange = [this] { DataChange(); };
  FDataLink.OnEditingChange = [this] { ActualizarSoloLectura(); };
  FDataLink.OnActiveChange = [this] { ActualizarSoloLectura(); };
  FDataLink.OnUpdateData = [this] { UpdateData(); };
}

void TwwDBEdit::SetDataSource(TDataSource* AValue) {
  FDataLink.SetDataSource(AValue);
  ActualizarSoloLectura();
}

void TwwDBEdit::SetReadOnly(bool AValue) {
  FDataLink.SetReadOnly(AValue);
  ActualizarSoloLectura();
}

void TwwDBEdit::ActualizarSoloLectura() { setReadOnly(ReadOnly() || (DataSource() && !FDataLink.Editing())); }

void TwwDBEdit::Reset() {
  FDataLink.Reset();
  SelectAll();
}

void TwwDBEdit::EditarRegistro() {
  if (DataSource()) FDataLink.Edit();
}

void TwwDBEdit::DataChange() {
  if (!DataSource()) return;
  const TField* campo = Field();
  if (!campo)
    SetText(QString());
  else
    SetText(Focused() && FDataLink.CanModify() ? campo->AsString() : campo->DisplayText());
}

void TwwDBEdit::UpdateData() { Field()->SetAsString(Text()); }

void TwwDBEdit::KeyDown(int& AKey, TShiftState AShift) {
  TEdit::KeyDown(AKey, AShift);
  if (AKey == VK_DELETE) EditarRegistro();
}

void TwwDBEdit::KeyPress(QChar& AKey) {
  TEdit::KeyPress(AKey);
  if (!DataSource() || AKey.isNull()) return;
  const bool imprimible = AKey.unicode() >= 32 && AKey.unicode() <= 255;
  if (imprimible && Field() && !Field()->IsValidChar(AKey)) {
    Beep();
    AKey = QChar();
  } else if (imprimible || AKey == QLatin1Char('\b')) {
    EditarRegistro();
  } else if (AKey == QChar(0x1B) && FDataLink.IsModified()) {
    // Esc first drops the change; once there is none it goes on to the form.
    Reset();
    AKey = QChar();
  }
}

void TwwDBEdit::Change() {
  if (DataSource()) FDataLink.Modified();
  TEdit::Change();
}

void TwwDBEdit::Undo() {
  EditarRegistro();
  TEdit::Undo();
}

void TwwDBEdit::CutToClipboard() {
  EditarRegistro();
  TEdit::CutToClipboard();
}

void TwwDBEdit::PasteFromClipboard() {
  EditarRegistro();
  TEdit::PasteFromClipboard();
}

void TwwDBEdit::DoEnter() {
  // The text to edit in place of the display text.
  if (DataSource() && FDataLink.CanModify()) FDataLink.Reset();
  TEdit::DoEnter();
}

void TwwDBEdit::DoExit() {
  try {
    FDataLink.UpdateRecord();
  } catch (...) {
    // The operator stays in the edit to mend the text.
    SelectAll();
    SetFocus();
    throw;
  }
  if (DataSource()) FDataLink.Reset();
  TEdit::DoExit();
}
