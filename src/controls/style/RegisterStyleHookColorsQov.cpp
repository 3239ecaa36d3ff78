#include "controls/style/RegisterStyleHookColorsQov.h"

#include <QWidget>
#include <memory>

#include "platform/forms/Properties.h"

TColor ColorFondoEdicion(bool AHabilitado, bool ANoEditable) {
  return AHabilitado && !ANoEditable ? clWindow : clBtnFace;
}

void TqovEditStyleHookColor::EraseBackground(const QWidget& AControl, QColor& AColor) const {
  const bool noEditable = IsPublishedProp(AControl, "NoEditable") && GetPropValue(AControl, "NoEditable").toBool();
  AColor = ColorToQColor(ColorFondoEdicion(AControl.isEnabled(), noEditable));
}

void RegisterStyleHookColorsQov() {
  const auto gancho = std::make_shared<const TqovEditStyleHookColor>();
  for (const char* clase : {"TwwDBEdit", "TwwDBComboBox", "TwwDBLookupCombo", "TqovEdit"})
    TStyleEngine::RegisterStyleHook(QString::fromLatin1(clase), gancho);
}
