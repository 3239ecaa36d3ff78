#pragma once

// The library's label.

#include "controls/menus/PopupMenuPropsQov.h"
#include "platform/forms/Label.h"

// A label with a help topic of its own, which asks the menu assigner (AsignarPopupMenus) for the shared
// context-help menu.
class TqovLabel : public TLabel, public TPopupMenuPropsQov {
  Q_OBJECT
  Q_PROPERTY(bool PopupMenuStd READ PopupMenuStd WRITE SetPopupMenuStd)
  Q_PROPERTY(bool PopupMenuCtx READ PopupMenuCtx WRITE SetPopupMenuCtx)
  Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)

 public:
  explicit TqovLabel(TComponent* AOwner);
};
