#pragma once

// The link of a data-aware control to one field of a data source.

#include <QString>
#include <functional>

#include "platform/data/DataSet.h"

// Binds a control to the field named FieldName of its data source's data set. The control is told when
// the field's value is to be shown anew (OnDataChange: another record, a change of the field, a post or a
// cancel), when editing starts or ends (OnEditingChange) and when the link opens or closes
// (OnActiveChange); it asks the record into edit state with Edit, marks its own change with Modified, and
// writes that change into the field when the data set asks (OnUpdateData, at UpdateRecord and before a
// post). A change is written only while the record is being edited; otherwise it is dropped and the
// field's value is shown again.
class TFieldDataLink : public TDataLink {
  Q_OBJECT

 public:
  const QString& FieldName() const { return FFieldName; }
  void SetFieldName(const QString& AValue);
  // The field, while the data set is open and has one of that name.
  TField* Field() const { return FField; }
  // The link's own read-only setting: the control shows the field but never changes it.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool AValue);
  // Whether the control may change the field: the link is not read-only and the field can be modified.
  bool CanModify() const { return !FReadOnly && FField && FField->CanModify(); }
  // True while the record is being edited or inserted and the control may change the field.
  bool Editing() const { return FEditing; }
  // Brings the record into edit state when the control may change the field and the data source allows
  // it; returns Editing.
  bool Edit();
  // The control's value differs from the field's.
  void Modified() { FModified = true; }
  bool IsModified() const { return FModified; }
  // Drops the control's change and shows the field's value again.
  void Reset() { RecordChanged(nullptr); }

  std::function<void()> OnDataChange;
  std::function<void()> OnEditingChange;
  std::function<void()> OnUpdateData;
  std::function<void()> OnActiveChange;

 protected:
  void ActiveChanged() override;
  void DataSetChanged() override;
  void DataSetScrolled() override { RecordChanged(nullptr); }
  void RecordChanged(TField* AField) override;
  void StateChanged() override { ActualizarEdicion(); }
  void UpdateData() override;

 private:
  void ActualizarCampo();
  void ActualizarEdicion();

  QString FFieldName;
  TField* FField = nullptr;
  bool FReadOnly = false;
  bool FEditing = false;
  bool FModified = false;
  bool FEscribiendo = false;  // the control is writing its change into the field
};
