#include "controls/menus/PopupMenusQov.h"

#include "platform/forms/Properties.h"

TqovEditPopupMenu* BuscarEditPopupMenu(const TComponent& AForm) { return BuscarMenu<TqovEditPopupMenu>(AForm); }

TqovQueEsEstoPopupMenu* BuscarQueEsEstoPopupMenu(const TComponent& AForm) {
  return BuscarMenu<TqovQueEsEstoPopupMenu>(AForm);
}

void AsignarMenusAComponentes(TComponent& AForm, TPopupMenu& AEdicion, TPopupMenu& AContexto) {
  const int cuantos = AForm.ComponentCount();
  for (int i = 0; i < cuantos; ++i) {
    QObject& componente = *AForm.Components(i)->Self();
    if (!IsPublishedProp(componente, "PopupMenuStd") || !GetPropValue(componente, "PopupMenuStd").toBool()) continue;
    SetObjectProp(componente, "PopupMenu", GetPropValue(componente, "PopupMenuCtx").toBool() ? &AContexto : &AEdicion);
  }
}

void AsignarPopupMenus(TComponent& AForm) { AsignarMenusDeClases<TqovEditPopupMenu, TqovQueEsEstoPopupMenu>(AForm); }
