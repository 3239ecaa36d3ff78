#pragma once

// The data-aware edit: an edit that shows and changes one field of a data source.

#include "platform/data/FieldDataLink.h"
#include "platform/forms/Edit.h"

// An edit bound through a field data link to the field DataField of DataSource. Bound, it shows the field's
// text (its display text while it does not have the focus), takes only the keys the field accepts, asks the
// record into edit state when the operator starts changing it (it cannot be typed into otherwise), and
// writes its text into the field when it is left and before the record is posted. Esc drops a change not
// yet written. Without a data source it is a plain edit. ReadOnly is the control's own setting: a read-only
// edit never changes its field.
class TwwDBEdit : public TEdit {
  Q_OBJECT
  Q_PROPERTY(TDataSource* DataSource READ DataSource WRITE SetDataSource)
  Q_PROPERTY(QString DataField READ DataField WRITE SetDataField)

 public:
  explicit TwwDBEdit(TComponent* AOwner);

  TDataSource* DataSource() const { return FDataLink.DataSource(); }
  void SetDataSource(TDataSource* AValue);
  const QString& DataField() const { return FDataLink.FieldName(); }
  void SetDataField(const QString& AValue) { FDataLink.SetFieldName(AValue); }
  TField* Field() const { return FDataLink.Field(); }
  TFieldDataLink& DataLink() { return FDataLink; }
  const TFieldDataLink& DataLink() const { return FDataLink; }

  bool ReadOnly() const override { return FDataLink.ReadOnly(); }
  void SetReadOnly(bool AValue) override;
  // Shows the field's text again, all of it selected; a change not yet written is dropped.
  void Reset();

  void KeyDown(int& AKey, TShiftState AShift) override;
  void KeyPress(QChar& AKey) override;
  void Change() override;
  void Undo() override;
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  void DoEnter() override;
  void DoExit() override;

 private:
  // Asks the record into edit state, when the edit is bound.
  void EditarRegistro();
  void DataChange();
  void UpdateData();
  // The text can be changed only when the edit is not read-only and, bound, while its record is edited.
  void ActualizarSoloLectura();

  TFieldDataLink FDataLink;
};
