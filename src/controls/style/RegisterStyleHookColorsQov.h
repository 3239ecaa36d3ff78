#pragma once

// The style hooks of the library's edits, and the colour rule of a control that cannot be edited.

#include <QColor>

#include "platform/forms/Graphics.h"
#include "platform/forms/StyleEngine.h"

// The background of an edit field: the button face when the control is disabled or set as not editable,
// the window colour otherwise. The edits, combo boxes and grids of the library all follow it.
TColor ColorFondoEdicion(bool AHabilitado, bool ANoEditable);

// The hook of the library's edits and combo boxes: erases their edit background by ColorFondoEdicion,
// reading `NoEditable` when the control's class publishes it (a control without it counts as editable).
class TqovEditStyleHookColor : public TStyleHook {
 public:
  void EraseBackground(const QWidget& AControl, QColor& AColor) const override;
};

// Registers TqovEditStyleHookColor with the style engine for the classes TwwDBEdit, TwwDBComboBox,
// TwwDBLookupCombo and TqovEdit (and so for their descendants), in that order. Run by the library's
// start-up (InicializarControlesQov); running it again changes nothing.
void RegisterStyleHookColorsQov();
