#pragma once

// The finders of a form's shared menus and the assigner that hands them to the form's components.

#include "controls/menus/EditPopupMenuQov.h"
#include "controls/menus/QueEsEstoPopupMenuQov.h"

// The first component owned by the form (in component order) of that menu class, or null.
template <class TMenu>
TMenu* BuscarMenu(const TComponent& AForm) {
  for (int i = 0; i < AForm.ComponentCount(); ++i)
    if (auto* menu = dynamic_cast<TMenu*>(AForm.Components(i)->Self())) return menu;
  return nullptr;
}

TqovEditPopupMenu* BuscarEditPopupMenu(const TComponent& AForm);
TqovQueEsEstoPopupMenu* BuscarQueEsEstoPopupMenu(const TComponent& AForm);

// Sets the published PopupMenu of every component owned by the form whose published PopupMenuStd is true:
// AContexto when its PopupMenuCtx is true, else AEdicion. A class that publishes PopupMenuStd without
// PopupMenuCtx or PopupMenu makes it raise EPropertyError.
void AsignarMenusAComponentes(TComponent& AForm, TPopupMenu& AEdicion, TPopupMenu& AContexto);

// Finds the form's menus of these two classes, creates the missing ones owned by the form, and assigns them
// (AsignarMenusAComponentes).
template <class TMenuEdicion, class TMenuContexto>
void AsignarMenusDeClases(TComponent& AForm) {
  TPopupMenu* edicion = BuscarMenu<TMenuEdicion>(AForm);
  TPopupMenu* contexto = BuscarMenu<TMenuContexto>(AForm);
  if (!edicion) edicion = new TMenuEdicion(&AForm);
  if (!contexto) contexto = new TMenuContexto(&AForm);
  AsignarMenusAComponentes(AForm, *edicion, *contexto);
}

// Gives the form's components the library's shared menus (AsignarMenusDeClases).
void AsignarPopupMenus(TComponent& AForm);
