#include "platform/forms/DBComboBox.h"

TwwDBComboBox::TwwDBComboBox(TComponent* AOwner) : TComboBox(AOwner) {
  FDataLink.OnDataChange = [this] { DataChange(); };
  FDataLink.OnUpdateData = [this] { Field()->SetAsString(Text()); };
}

void TwwDBComboBox::SetReadOnly(bool AValue) {
  FDataLink.SetReadOnly(AValue);
  TComboBox::SetReadOnly(AValue);
}

void TwwDBComboBox::DataChange() {
  if (!DataSource()) return;
  FMostrando = true;
  SetText(Field() ? Field()->AsString() : QString());
  FMostrando = false;
}

void TwwDBComboBox::Change() {
  if (DataSource() && !FMostrando) {
    // The operator's change holds only while the record is edited.
    if (FDataLink.Edit())
      FDataLink.Modified();
    else
      FDataLink.Reset();
  }
  TComboBox::Change();
}

void TwwDBComboBox::DoExit() {
  FDataLink.UpdateRecord();
  TComboBox::DoExit();
}
