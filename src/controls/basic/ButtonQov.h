#pragma once

// The library's push button.

#include "controls/menus/PopupMenuPropsQov.h"
#include "platform/forms/Button.h"

// A push button 75 x 22 when created, which asks the menu assigner (AsignarPopupMenus) for the shared
// context-help menu.
class TqovButton : public TButton, public TPopupMenuPropsQov {
  Q_OBJECT
  Q_PROPERTY(bool PopupMenuStd READ PopupMenuStd WRITE SetPopupMenuStd)
  Q_PROPERTY(bool PopupMenuCtx READ PopupMenuCtx WRITE SetPopupMenuCtx)

 public:
  explicit TqovButton(TComponent* AOwner);
};
