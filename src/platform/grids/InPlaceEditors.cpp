#include "platform/grids/InPlaceEditors.h"

#include "platform/forms/CustomEdit.h"
#include "platform/forms/Form.h"

QStringList TInPlaceEditors::ControlType() const {
  QStringList textos;
  for (const TInPlaceEditor& e : FEditors)
    textos << (e.Kind == ipCheckBox
                   ? QStringList{e.FieldName, QStringLiteral("CheckBox"), e.CheckedValue, e.UncheckedValue}
                   : QStringList{e.FieldName, QStringLiteral("CustomEdit"), e.ControlName})
                  .join(QLatin1Char(';'));
  return textos;
}

void TInPlaceEditors::SetControlType(const QStringList& AValue) {
  FEditors.clear();
  for (const QString& texto : AValue) {
    const QStringList partes = texto.split(QLatin1Char(';'));
    TInPlaceEditor e;
    e.FieldName = partes.value(0).trimmed();
    const QString tipo = partes.value(1).trimmed();
    if (e.FieldName.isEmpty()) continue;
    if (tipo.compare(QLatin1String("CheckBox"), Qt::CaseInsensitive) == 0) {
      e.Kind = ipCheckBox;
      e.CheckedValue = partes.value(2);
      e.UncheckedValue = partes.value(3);
    } else if (tipo.compare(QLatin1String("CustomEdit"), Qt::CaseInsensitive) == 0) {
      e.Kind = ipCustomEdit;
      e.ControlName = partes.value(2).trimmed();
    } else {
      continue;
    }
    FEditors << e;
  }
}

const TInPlaceEditor* TInPlaceEditors::Find(const QString& AFieldName) const {
  for (const TInPlaceEditor& e : FEditors)
    if (e.FieldName.compare(AFieldName, Qt::CaseInsensitive) == 0) return &e;
  return nullptr;
}

TCustomEdit* TInPlaceEditors::CustomEdit(const QString& AFieldName, const TComponent& AGrid,
                                         bool ASearchOwnerForm) const {
  const TInPlaceEditor* e = Find(AFieldName);
  if (!e || e->Kind != ipCustomEdit) return nullptr;
  const TComponent* dueño = AGrid.Owner();
  if (ASearchOwnerForm && dueño) dueño = OwnerForm(dueño);
  if (!dueño) return nullptr;
  TComponent* control = dueño->FindComponent(e->ControlName);
  return control ? dynamic_cast<TCustomEdit*>(control) : nullptr;
}
