#include <QTest>
#include <memory>

#include "app/PruebaDeDialogos.h"
#include "app/dialogs/DlgTemplateFrm.h"
#include "app/dialogs/DlgTemplateFrmConver.h"
#include "app/menus/PopupMenus.h"
#include "controls/basic/ButtonQov.h"
#include "controls/edits/EditQov.h"
#include "controls/menus/PopupMenusQov.h"
#include "platform/forms/ModalSeam.h"
#include "platform/forms/Timer.h"

namespace {

using BasesDeDialogo = PruebaDeDialogos;

// A dialog on one of the bases with two edits, as a derived dialog builds it.
template <class TBase>
class ConEdiciones : public TBase {
 public:
  explicit ConEdiciones(TComponent* AOwner) : TBase(AOwner) {
    for (const char* nombre : {"edtUno", "edtDos"}) {
      auto* edicion = NuevoControl<TqovEdit>(*this, nombre);
      edicion->SetBounds(8, nombre[3] == 'U' ? 8 : 36, 200, 21);
    }
  }
  TqovEdit* Edicion(const char* ANombre) { return this->template findChild<TqovEdit*>(QLatin1String(ANombre)); }
};

// Shows the dialog modally; in it, Enter in the first edit moves to the second, and Esc cancels.
template <class TDialogo>
void EnterAvanzaYEscCancela(TDialogo& ADialogo) {
  OnModalShown = [&](QWidget&) {
    ADialogo.Edicion("edtUno")->SetFocus();
    QTest::keyClick(ADialogo.Edicion("edtUno"), Qt::Key_Return);
    EXPECT_EQ(ADialogo.focusWidget(), ADialogo.Edicion("edtDos"));
    QTest::keyClick(ADialogo.Edicion("edtDos"), Qt::Key_Escape);
  };
  EXPECT_EQ(ADialogo.ShowModal(), mrCancel);
}

TEST_F(BasesDeDialogo, TheLibrarysBaseTakesTheLibrarysMenusAndScalesByItsOwner) {
  TForm duena(nullptr);
  const std::unique_ptr<ConEdiciones<TDlgTemplateForm>> dialogo(NewForm<ConEdiciones<TDlgTemplateForm>>(&duena));
  EXPECT_EQ(dialogo->btnAceptar->Caption(), "&Aceptar");
  EXPECT_EQ(dialogo->btnAceptar->HelpContext(), 1001);
  EXPECT_EQ(dialogo->btnCancelar->HelpContext(), 1002);
  EXPECT_EQ(dialogo->ClientWidth(), dialogo->ScaleValue(362));
  EXPECT_TRUE(dialogo->AplicarEscalaVisual());
  EXPECT_FALSE(dialogo->EscalarByFormaPrincipal());
  EXPECT_FALSE(dialogo->tmrBringToFront->Enabled());
  EXPECT_EQ(dialogo->Edicion("edtUno")->PopupMenu(), BuscarEditPopupMenu(*dialogo));
  EXPECT_EQ(dialogo->btnAceptar->PopupMenu(), BuscarQueEsEstoPopupMenu(*dialogo));
  EXPECT_EQ(PopupMenus::BuscarEditPopupMenu(*dialogo), nullptr);
  EnterAvanzaYEscCancela(*dialogo);

  const std::unique_ptr<TDlgTemplateForm> sinDueno(NewForm<TDlgTemplateForm>(nullptr));
  EXPECT_FALSE(sinDueno->EscalarByFormaPrincipal());
}

TEST_F(BasesDeDialogo, TheProgramsBaseTakesTheProgramsMenus) {
  const std::unique_ptr<ConEdiciones<TqovDlgTemplateFormConver>> dialogo(
      NewForm<ConEdiciones<TqovDlgTemplateFormConver>>(nullptr));
  EXPECT_EQ(dialogo->btnAceptar->HelpContext(), 1001);
  EXPECT_EQ(dialogo->btnCancelar->HelpContext(), 1002);
  EXPECT_EQ(dialogo->Edicion("edtUno")->PopupMenu(), PopupMenus::BuscarEditPopupMenu(*dialogo));
  EXPECT_EQ(dialogo->btnAceptar->PopupMenu(), PopupMenus::BuscarQueEsEstoPopupMenu(*dialogo));
  EXPECT_EQ(BuscarEditPopupMenu(*dialogo), nullptr);
  EnterAvanzaYEscCancela(*dialogo);
}

}  // namespace
