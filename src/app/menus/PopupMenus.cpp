#include "app/menus/PopupMenus.h"

#include "controls/menus/PopupMenusQov.h"

namespace PopupMenus {

TqovEditPopupMenu::TqovEditPopupMenu(TComponent* AOwner)
    : TqovEditPopupMenuBase(AOwner, {1057, 1058, 1059, 1060, 1061, 1062, 1230, 1234, true}) {}

TqovQueEsEstoPopupMenu::TqovQueEsEstoPopupMenu(TComponent* AOwner) : TqovQueEsEstoPopupMenuBase(AOwner, 1234, true) {}

TqovEditPopupMenu* BuscarEditPopupMenu(const TComponent& AForm) { return BuscarMenu<TqovEditPopupMenu>(AForm); }

TqovQueEsEstoPopupMenu* BuscarQueEsEstoPopupMenu(const TComponent& AForm) {
  return BuscarMenu<TqovQueEsEstoPopupMenu>(AForm);
}

}  // namespace PopupMenus

void AsignarPopupMenusConver(TComponent& AForm) {
  AsignarMenusDeClases<PopupMenus::TqovEditPopupMenu, PopupMenus::TqovQueEsEstoPopupMenu>(AForm);
}
