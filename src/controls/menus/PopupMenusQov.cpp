#include "controls/menus/PopupMenusQov.h"

#include "platform/forms/Properties.h"

namespace {

template <class TMenu>
TMenu* Buscar(const TComponent& AForm) {
  for (int i = 0; i < AForm.ComponentCount(); ++i)
    if (auto* menu = dynamic_cast<TMenu*>(AForm.Components(i)->Self())) return menu;
  return nullptr;
}

}  // namespace

TqovEditPopupMenu* BuscarEditPopupMenu(const TComponent& AForm) { return Buscar<TqovEditPopupMenu>(AForm); }

TqovQueEsEstoPopupMenu* BuscarQueEsEstoPopupMenu(const TComponent& AForm) {
  return Buscar<TqovQueEsEstoPopupMenu>(AForm);
}

void AsignarPopupMenus(TComponent& AForm) {
  TPopupMenu* menu = BuscarEditPopupMenu(AForm);
  TPopupMenu* ctx = BuscarQueEsEstoPopupMenu(AForm);
  if (!menu) menu = new TqovEditPopupMenu(&AForm);
  if (!ctx) ctx = new TqovQueEsEstoPopupMenu(&AForm);
  const int cuantos = AForm.ComponentCount();
  for (int i = 0; i < cuantos; ++i) {
    QObject& componente = *AForm.Components(i)->Self();
    if (!IsPublishedProp(componente, "PopupMenuStd") || !GetPropValue(componente, "PopupMenuStd").toBool()) continue;
    SetObjectProp(componente, "PopupMenu", GetPropValue(componente, "PopupMenuCtx").toBool() ? ctx : menu);
  }
}
