#include "platform/grids/GridColumn.h"

#include <QStringList>

#include "platform/rtl/FloatFormat.h"

TGridColumn TGridColumn::FromSelected(const QString& AText) {
  const QStringList partes = AText.split(QLatin1Char('\t'));
  TGridColumn columna;
  columna.FieldName = partes.value(0);
  columna.DisplayWidth = StrToInt(partes.value(1));
  columna.Title = partes.value(2);
  columna.ReadOnly = partes.value(3).compare(QLatin1String("T"), Qt::CaseInsensitive) == 0;
  return columna;
}

QString TGridColumn::ToSelected() const {
  return QStringLiteral("%1\t%2\t%3\t%4").arg(FieldName).arg(DisplayWidth).arg(Title, ReadOnly ? "T" : "F");
}
