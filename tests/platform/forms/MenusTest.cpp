#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QTest>

#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Button.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Form.h"
#include "platform/forms/Menus.h"

namespace {

class Menus : public PruebaDeVentanas {
 protected:
  Menus() {
    forma.SetBounds(0, 0, 300, 200);
    edicion->SetParent(&forma);
    uno->SetCaption(QStringLiteral("&Uno"));
    uno->SetHelpContext(1107);
    separador->SetCaption(QStringLiteral("-"));
    menu->Add(uno);
    menu->Add(separador);
    edicion->SetPopupMenu(menu);
  }

  // A right click over the control, as the window system reports it.
  static void ClickDerecho(QWidget& AControl) {
    QContextMenuEvent evento(QContextMenuEvent::Mouse, QPoint(5, 5), AControl.mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(&AControl, &evento);
  }

  TForm forma{nullptr};
  TEdit* edicion = new TEdit(&forma);
  TPopupMenu* menu = new TPopupMenu(&forma);
  TMenuItem* uno = new TMenuItem(menu);
  TMenuItem* separador = new TMenuItem(menu);
};

TEST_F(Menus, ARightClickOpensTheControlsMenuAndRemembersTheControl) {
  QList<TComponent*> abiertoSobre;
  menu->OnPopup = [&](QObject* Sender) {
    EXPECT_EQ(Sender, menu);
    abiertoSobre << menu->PopupComponent();
  };
  forma.Show();
  ClickDerecho(*edicion);
  EXPECT_EQ(abiertoSobre, QList<TComponent*>{edicion});
  EXPECT_TRUE(menu->isVisible());
  menu->hide();

  // A control without a menu of its own keeps the widget's.
  edicion->SetPopupMenu(nullptr);
  EXPECT_EQ(edicion->contextMenuPolicy(), Qt::DefaultContextMenu);
}

TEST_F(Menus, TheRememberedControlNeverDangles) {
  menu->SetPopupComponent(edicion);
  delete edicion;
  EXPECT_EQ(menu->PopupComponent(), nullptr);
}

TEST_F(Menus, ItemsCarryCaptionHelpAndImageAndRunTheirClick) {
  EXPECT_EQ(uno->text(), QStringLiteral("&Uno"));
  EXPECT_EQ(uno->HelpContext(), 1107);
  EXPECT_EQ(uno->ImageIndex(), -1);
  EXPECT_TRUE(separador->isSeparator());
  ASSERT_EQ(menu->Count(), 2);
  EXPECT_EQ(menu->Items(1), separador);

  QList<QObject*> clicks;
  uno->OnClick = [&](QObject* Sender) { clicks << Sender; };
  uno->trigger();
  EXPECT_EQ(clicks, QList<QObject*>{uno});
}

TEST_F(Menus, AnItemsShortcutWorksAnywhereOnTheForm) {
  int clicks = 0;
  uno->OnClick = [&](QObject*) { ++clicks; };
  uno->SetShortCut(QKeySequence(QStringLiteral("Ctrl+U")));
  forma.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&forma));
  edicion->SetFocus();
  QTest::keyClick(edicion, Qt::Key_U, Qt::ControlModifier);
  EXPECT_EQ(clicks, 1);
}

TEST_F(Menus, AnErrorInOnPopupKeepsTheMenuClosed) {
  QStringList errores;
  Application->OnException = [&](const QString& AMensaje) { errores << AMensaje; };
  menu->OnPopup = [](QObject*) { throw Exception(QStringLiteral("sin menú")); };
  menu->Popup(10, 10);
  EXPECT_FALSE(menu->isVisible());
  EXPECT_EQ(errores, QStringList{"sin menú"});
}

}  // namespace
