#include "controls/basic/EnterAsTabQov.h"

#include <QPushButton>

#include "platform/forms/Form.h"

TqovEnterAsTab::TqovEnterAsTab(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetEnabled(false);
  SetVisible(false);
}

bool TqovEnterAsTab::DialogKey(int AKey, TShiftState /*AShift*/) {
  TForm* forma = ParentForm();
  if (!forma || qobject_cast<QPushButton*>(forma->ActiveControl())) return false;
  if (AKey != VK_RETURN || !FEnterAsTab) return false;
  forma->DialogKey(VK_TAB, Qt::NoModifier);
  return true;
}
