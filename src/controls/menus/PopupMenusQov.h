#pragma once

// The finders of a form's shared menus and the assigner that hands them to the form's components.

#include "controls/menus/EditPopupMenuQov.h"
#include "controls/menus/QueEsEstoPopupMenuQov.h"

// The first component owned by the form (in component order) of that menu class, or null.
TqovEditPopupMenu* BuscarEditPopupMenu(const TComponent& AForm);
TqovQueEsEstoPopupMenu* BuscarQueEsEstoPopupMenu(const TComponent& AForm);

// Gives the form's components their shared menus: finds the form's edit and context-help menus, creating
// the missing ones owned by the form, then sets the published PopupMenu of every owned component whose
// published PopupMenuStd is true: the context-help menu when its PopupMenuCtx is true, else the edit
// menu. A class that publishes PopupMenuStd without PopupMenuCtx or PopupMenu makes it raise
// EPropertyError.
void AsignarPopupMenus(TComponent& AForm);
