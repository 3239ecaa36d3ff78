#pragma once

// A column of a data-aware grid: its field, width in characters, title, read-only setting and check box.

#include <QString>
#include <QVector>

// One column as the grid's column list gives it: "FIELD<TAB>width<TAB>title<TAB>flags", the flags "T" when
// the column is read-only. A check-box column shows its field as a box, ticked when the value is
// CheckedValue; a click writes CheckedValue or UncheckedValue.
struct TGridColumn {
  QString FieldName;
  int DisplayWidth = 0;
  QString Title;
  bool ReadOnly = false;
  bool CheckBox = false;
  QString CheckedValue;
  QString UncheckedValue;

  // Raises EConvertError when the width is not an integer.
  static TGridColumn FromSelected(const QString& AText);
  QString ToSelected() const;
};

using TGridColumns = QVector<TGridColumn>;
