#pragma once

// The program's own pair of context menus and their assigner, for the dialogs on the program's dialog base.

#include "controls/menus/EditPopupMenuQov.h"
#include "controls/menus/QueEsEstoPopupMenuQov.h"

// Kept apart from the library's menus of the same names: the finders of each look for their own classes
// only, so that a library menu on the same form is neither found nor reused.
namespace PopupMenus {

// The program's edit menu: the library's items with the program's help topics; the menu owns its image
// list. Its calculator item always opens the system's calculator.
class TqovEditPopupMenu : public TqovEditPopupMenuBase {
  Q_OBJECT

 public:
  explicit TqovEditPopupMenu(TComponent* AOwner);
};

// The program's context-help menu; the menu owns its image list.
class TqovQueEsEstoPopupMenu : public TqovQueEsEstoPopupMenuBase {
  Q_OBJECT

 public:
  explicit TqovQueEsEstoPopupMenu(TComponent* AOwner);
};

// The first of the form's components of this module's menu classes, or null.
TqovEditPopupMenu* BuscarEditPopupMenu(const TComponent& AForm);
TqovQueEsEstoPopupMenu* BuscarQueEsEstoPopupMenu(const TComponent& AForm);

}  // namespace PopupMenus

// Gives the form's components this module's menus: finds them among the form's components, creating the
// missing ones owned by the form, then sets the PopupMenu of every component whose PopupMenuStd is true
// (the context-help menu when its PopupMenuCtx is true, else the edit menu).
void AsignarPopupMenusConver(TComponent& AForm);
