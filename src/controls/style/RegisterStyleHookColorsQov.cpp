#include "controls/style/RegisterStyleHookColorsQov.h"

#include <QWidget>
#include <memory>
#include <utility>

#include "platform/forms/DateTimePicker.h"
#include "platform/forms/Properties.h"

TColor ColorFondoEdicion(bool AHabilitado, bool ANoEditable) {
  return AHabilitado && !ANoEditable ? clWindow : clBtnFace;
}

void TqovEditStyleHookColor::EraseBackground(const QWidget& AControl, QColor& AColor) const {
  const bool noEditable = IsPublishedProp(AControl, "NoEditable") && GetPropValue(AControl, "NoEditable").toBool();
  AColor = ColorToQColor(ColorFondoEdicion(AControl.isEnabled(), noEditable));
}

namespace {

// The picker's edit frame is on.
bool MarcoHabilitado(const QWidget& AControl) {
  const auto* selector = dynamic_cast<const TwwDBCustomDateTimePicker*>(&AControl);
  return selector && selector->Frame().Enabled;
}

}  // namespace

void TQovDateTimeEditStyleHook::EraseBackground(const QWidget& AControl, QColor& AColor) const {
  if (AControl.hasFocus() || !MarcoHabilitado(AControl)) AColor = ColorToQColor(clWindow);
}

bool TQovDateTimeEditStyleHook::PaintBorder(const QWidget& AControl) const {
  return !MarcoHabilitado(AControl) && IsPublishedProp(AControl, "BorderStyle") &&
         GetPropValue(AControl, "BorderStyle").value<TFormBorderStyle>() != bsNone;
}

void RegisterStyleHookColorsQov() {
  const auto edicion = std::make_shared<const TqovEditStyleHookColor>();
  const auto fecha = std::make_shared<const TQovDateTimeEditStyleHook>();
  const std::pair<const char*, std::shared_ptr<const TStyleHook>> registro[] = {
      {"TwwDBEdit", edicion},
      {"TwwDBComboBox", edicion},
      {"TwwDBLookupCombo", edicion},
      {"TwwDBCustomDateTimePicker", fecha},
      {"TwwDBDateTimePicker", fecha},
      {"TqovEdit", edicion},
  };
  for (const auto& [clase, gancho] : registro) TStyleEngine::RegisterStyleHook(QString::fromLatin1(clase), gancho);
}
