#include <memory>

#include "app/PruebaDeDialogos.h"
#include "app/dialogs/DlgLogin.h"
#include "app/menus/PopupMenus.h"
#include "controls/basic/ButtonQov.h"
#include "controls/edits/DBComboBoxQov.h"
#include "controls/edits/DBEditQov.h"
#include "controls/edits/EditQov.h"
#include "controls/menus/PopupMenusQov.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/VirtualImageList.h"

namespace {

using MenusDelPrograma = PruebaDeDialogos;

QList<int> Ayudas(const TPopupMenu& AMenu) {
  QList<int> ayudas;
  for (int i = 0; i < AMenu.Count(); ++i)
    if (AMenu.Items(i)->Caption() != "-") ayudas << AMenu.Items(i)->HelpContext();
  return ayudas;
}

TEST_F(MenusDelPrograma, TheSignInsControlsGetTheProgramsMenusWithTheProgramsHelpTopics) {
  const std::unique_ptr<TqovDlgLogin> dialogo(NewForm<TqovDlgLogin>(nullptr));
  auto* edicion = dynamic_cast<PopupMenus::TqovEditPopupMenu*>(dialogo->edtPassword->PopupMenu());
  ASSERT_NE(edicion, nullptr);
  EXPECT_EQ(Ayudas(*edicion), QList<int>({1057, 1058, 1059, 1060, 1061, 1062, 1230, 1234}));
  auto* contexto = dynamic_cast<PopupMenus::TqovQueEsEstoPopupMenu*>(dialogo->btnAceptar->PopupMenu());
  ASSERT_NE(contexto, nullptr);
  EXPECT_EQ(Ayudas(*contexto), QList<int>{1234});
  // The profile list keeps its own menu.
  EXPECT_EQ(dialogo->cmbxConexion->PopupMenu(), dialogo->ppmnConexion);
  // Each menu owns its image list.
  EXPECT_EQ(dynamic_cast<TComponent*>(edicion->Images())->Owner(), edicion);
  EXPECT_EQ(dynamic_cast<TComponent*>(contexto->Images())->Owner(), contexto);
}

TEST_F(MenusDelPrograma, TheLibrarysMenusAndTheProgramsAreNeverTakenForEachOther) {
  TForm forma(nullptr);
  auto* edicion = new TqovEdit(&forma);
  AsignarPopupMenus(forma);
  TPopupMenu* deLaLibreria = edicion->PopupMenu();
  EXPECT_EQ(Ayudas(*deLaLibreria).back(), 1384);
  AsignarPopupMenusConver(forma);
  ASSERT_NE(PopupMenus::BuscarEditPopupMenu(forma), nullptr);
  EXPECT_EQ(edicion->PopupMenu(), PopupMenus::BuscarEditPopupMenu(forma));
  AsignarPopupMenus(forma);
  EXPECT_EQ(edicion->PopupMenu(), deLaLibreria);
}

}  // namespace
