#include <gtest/gtest.h>

#include "controls/AplicacionControles.h"
#include "controls/basic/ButtonQov.h"
#include "controls/basic/LabelQov.h"
#include "controls/menus/PopupMenusQov.h"
#include "fixtures/ImprimirQt.h"
#include "fixtures/MensajeDeError.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Properties.h"

namespace {

// An edit that asks for the shared edit menu, as the library's edits do.
class EdicionQov : public TEdit, public TPopupMenuPropsQov {
  Q_OBJECT
  Q_PROPERTY(bool PopupMenuStd READ PopupMenuStd WRITE SetPopupMenuStd)
  Q_PROPERTY(bool PopupMenuCtx READ PopupMenuCtx WRITE SetPopupMenuCtx)

 public:
  explicit EdicionQov(TComponent* AOwner) : TEdit(AOwner), TPopupMenuPropsQov(true, false) {}
};

// A control that publishes PopupMenuStd alone.
class SinCtx : public QObject, public TComponent {
  Q_OBJECT
  Q_PROPERTY(bool PopupMenuStd READ PopupMenuStd)

 public:
  explicit SinCtx(TComponent* AOwner) : QObject(), TComponent(this, AOwner) {}
  bool PopupMenuStd() const { return true; }
};

class Asignador : public PruebaDeControles {
 protected:
  TForm forma{nullptr};
};

TEST_F(Asignador, EveryComponentGetsTheMenuItAsksFor) {
  auto* edicion = new EdicionQov(&forma);
  auto* boton = new TqovButton(&forma);
  auto* etiqueta = new TqovLabel(&forma);
  auto* propio = new TPopupMenu(&forma);
  auto* conSuMenu = new TqovButton(&forma);
  conSuMenu->SetPopupMenuStd(false);
  conSuMenu->SetPopupMenu(propio);
  auto* simple = new TEdit(&forma);  // publishes no PopupMenuStd

  AsignarPopupMenus(forma);
  TqovEditPopupMenu* menu = BuscarEditPopupMenu(forma);
  TqovQueEsEstoPopupMenu* ctx = BuscarQueEsEstoPopupMenu(forma);
  ASSERT_NE(menu, nullptr);
  ASSERT_NE(ctx, nullptr);
  EXPECT_EQ(menu->Owner(), &forma);
  EXPECT_EQ(edicion->PopupMenu(), menu);
  EXPECT_EQ(boton->PopupMenu(), ctx);
  EXPECT_EQ(etiqueta->PopupMenu(), ctx);
  EXPECT_EQ(conSuMenu->PopupMenu(), propio);
  EXPECT_EQ(simple->PopupMenu(), nullptr);
  ASSERT_EQ(ctx->Count(), 1);
  EXPECT_EQ(ctx->Items(0)->Caption(), QStringLiteral("¿&Qué es esto?"));
  EXPECT_EQ(ctx->Items(0)->HelpContext(), 1384);
  EXPECT_EQ(ctx->Items(0)->ImageIndex(), 6);
}

TEST_F(Asignador, ASecondAssignmentCreatesNoSecondMenu) {
  auto* diseñado = new TqovEditPopupMenu(&forma);  // placed on the form beforehand: reused
  new EdicionQov(&forma);
  AsignarPopupMenus(forma);
  const int componentes = forma.ComponentCount();
  AsignarPopupMenus(forma);
  EXPECT_EQ(forma.ComponentCount(), componentes);
  EXPECT_EQ(BuscarEditPopupMenu(forma), diseñado);
  int menus = 0;
  for (int i = 0; i < forma.ComponentCount(); ++i)
    menus += dynamic_cast<TPopupMenu*>(forma.Components(i)->Self()) != nullptr;
  EXPECT_EQ(menus, 2);
}

TEST_F(Asignador, AMissingPropertyRaises) {
  new SinCtx(&forma);
  EXPECT_EQ(MensajeDeError<EPropertyError>([this] { AsignarPopupMenus(forma); }),
            QStringLiteral("Property PopupMenuCtx does not exist"));
}

}  // namespace

#include "AsignarPopupMenusTest.moc"
