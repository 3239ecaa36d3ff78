#pragma once

// The data-aware combo box: a combo box that shows and changes one field of a data source.

#include "platform/data/FieldDataLink.h"
#include "platform/forms/ComboBox.h"

// A combo box bound through a field data link to the field DataField of DataSource. Bound, it shows the
// field's text (in the pick-list style: chooses the item of that text), asks the record into edit state
// when the operator changes its text or choice (without edit state the field's value is shown again), and
// writes its text into the field when it is left and before the record is posted. Without a data source
// it is a plain combo box. ReadOnly is the control's own setting: a read-only combo box never changes its
// field.
class TwwDBComboBox : public TComboBox {
  Q_OBJECT
  Q_PROPERTY(TDataSource* DataSource READ DataSource WRITE SetDataSource)
  Q_PROPERTY(QString DataField READ DataField WRITE SetDataField)

 public:
  explicit TwwDBComboBox(TComponent* AOwner);

  TDataSource* DataSource() const { return FDataLink.DataSource(); }
  void SetDataSource(TDataSource* AValue) { FDataLink.SetDataSource(AValue); }
  const QString& DataField() const { return FDataLink.FieldName(); }
  void SetDataField(const QString& AValue) { FDataLink.SetFieldName(AValue); }
  TField* Field() const { return FDataLink.Field(); }
  TFieldDataLink& DataLink() { return FDataLink; }

  void SetReadOnly(bool AValue) override;
  void Change() override;
  void DoExit() override;

 private:
  void DataChange();

  TFieldDataLink FDataLink;
  bool FMostrando = false;  // the field's value is being shown: no change of the operator's
};
