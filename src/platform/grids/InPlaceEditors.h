#pragma once

// The registry of a data-aware grid's in-place controls: check boxes and the edit controls of a form that
// edit a column's cells.

#include <QString>
#include <QStringList>
#include <QVector>

class QWidget;
class TComponent;
class TCustomEdit;

enum TInPlaceKind { ipCheckBox, ipCustomEdit };

// One column's in-place control, as the grid's control-type list gives it in one text:
// "FIELD;CheckBox;ticked value;unticked value" or "FIELD;CustomEdit;control name".
struct TInPlaceEditor {
  QString FieldName;
  TInPlaceKind Kind = ipCheckBox;
  QString CheckedValue;
  QString UncheckedValue;
  QString ControlName;
};

// The grid's control types, looked up by field name (ignoring case). A custom edit control is found by
// name among the components of the grid's owner, or of the owner's form when SearchOwnerForm.
class TInPlaceEditors {
 public:
  QStringList ControlType() const;
  // Texts of another kind, or without a field, are ignored.
  void SetControlType(const QStringList& AValue);

  const TInPlaceEditor* Find(const QString& AFieldName) const;
  // The edit control of a custom-edit column; null when the column has none or it is not found.
  TCustomEdit* CustomEdit(const QString& AFieldName, const TComponent& AGrid, bool ASearchOwnerForm) const;

 private:
  QVector<TInPlaceEditor> FEditors;
};
