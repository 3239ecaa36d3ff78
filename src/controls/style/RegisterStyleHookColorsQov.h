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

// The hook of the date-time pickers, which keep their own frame and background: the style paints the
// border only when the picker's edit frame is off and it has a border (BorderStyle not bsNone), and the
// background (the window colour) only while it has the focus or its edit frame is off; otherwise the
// picker's own colour shows.
class TQovDateTimeEditStyleHook : public TStyleHook {
 public:
  void EraseBackground(const QWidget& AControl, QColor& AColor) const override;
  bool PaintBorder(const QWidget& AControl) const override;
};

// Registers the hooks with the style engine, in this order: TqovEditStyleHookColor for TwwDBEdit,
// TwwDBComboBox and TwwDBLookupCombo, TQovDateTimeEditStyleHook for TwwDBCustomDateTimePicker and
// TwwDBDateTimePicker, TqovEditStyleHookColor for TqovEdit (and so for their descendants). Run by the
// library's start-up (InicializarControlesQov); running it again changes nothing.
void RegisterStyleHookColorsQov();
