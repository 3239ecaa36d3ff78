#include "platform/data/FieldDataLink.h"

void TFieldDataLink::SetFieldName(const QString& AValue) {
  if (FFieldName == AValue) return;
  FFieldName = AValue;
  ActualizarCampo();
  ActualizarEdicion();
  RecordChanged(nullptr);
}

void TFieldDataLink::SetReadOnly(bool AValue) {
  FReadOnly = AValue;
  ActualizarEdicion();
}

bool TFieldDataLink::Edit() {
  if (CanModify() && DataSource()) DataSource()->Edit();
  return FEditing;
}

void TFieldDataLink::ActiveChanged() {
  ActualizarCampo();
  ActualizarEdicion();
  if (OnActiveChange) OnActiveChange();
  RecordChanged(nullptr);
}

void TFieldDataLink::DataSetChanged() {
  // The fields may be others now.
  ActualizarCampo();
  ActualizarEdicion();
  RecordChanged(nullptr);
}

void TFieldDataLink::RecordChanged(TField* AField) {
  // The control's own write is not echoed back to it.
  if (FEscribiendo || (AField && AField != FField)) return;
  // Showing the field's value is no change of the control's.
  if (OnDataChange) OnDataChange();
  FModified = false;
}

void TFieldDataLink::UpdateData() {
  if (!FModified) return;
  FModified = false;
  if (!FField) return;
  if (FEditing) {
    FEscribiendo = true;
    try {
      if (OnUpdateData) OnUpdateData();
    } catch (...) {
      FEscribiendo = false;
      FModified = true;
      throw;
    }
    FEscribiendo = false;
  } else {
    RecordChanged(nullptr);
  }
}

void TFieldDataLink::ActualizarCampo() { FField = Active() ? DataSet()->FindField(FFieldName) : nullptr; }

void TFieldDataLink::ActualizarEdicion() {
  const TDataSetState estado = Active() ? DataSet()->State() : dsInactive;
  const bool editando = (estado == dsEdit || estado == dsInsert) && CanModify();
  if (editando == FEditing) return;
  FEditing = editando;
  if (OnEditingChange) OnEditingChange();
}
