#include <gtest/gtest.h>

#include <QTest>

#include "controls/AplicacionControles.h"
#include "controls/basic/ButtonQov.h"
#include "controls/basic/EnterAsTabQov.h"
#include "controls/basic/LabelQov.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Edit.h"
#include "platform/forms/ModalSeam.h"
#include "platform/forms/Properties.h"

namespace {

class ControlesBasicos : public PruebaDeControles {};

TEST_F(ControlesBasicos, TheLibrarysButtonAndLabelAskForTheContextHelpMenu) {
  TForm forma(nullptr);
  TqovButton boton(&forma);
  TqovLabel etiqueta(&forma);
  EXPECT_EQ(boton.Width(), 75);
  EXPECT_EQ(boton.Height(), 22);
  for (QObject* control : {static_cast<QObject*>(&boton), static_cast<QObject*>(&etiqueta)}) {
    EXPECT_TRUE(GetPropValue(*control, "PopupMenuStd").toBool());
    EXPECT_TRUE(GetPropValue(*control, "PopupMenuCtx").toBool());
    EXPECT_TRUE(IsPublishedProp(*control, "PopupMenu"));
    EXPECT_EQ(GetPropValue(*control, "HelpContext").toInt(), 0);
  }
  // A plain label has no help topic of its own.
  TLabel simple(&forma);
  EXPECT_FALSE(IsPublishedProp(simple, "HelpContext"));
}

// A dialog with two edits, a button and the Enter-as-Tab component; the OK button is the default.
class DialogoEnterTab : public TForm {
 public:
  explicit DialogoEnterTab(TComponent* AOwner) : TForm(AOwner) {
    for (TControl* c : {static_cast<TControl*>(primera), static_cast<TControl*>(segunda),
                        static_cast<TControl*>(aceptar), static_cast<TControl*>(enterTab)})
      c->SetParent(this);
    aceptar->SetDefault(true);
    aceptar->SetModalResult(mrOk);
  }
  TEdit* primera = new TEdit(this);
  TEdit* segunda = new TEdit(this);
  TqovButton* aceptar = new TqovButton(this);
  TqovEnterAsTab* enterTab = new TqovEnterAsTab(this);
};

struct CasoEnter {
  const char* Nombre;
  bool EnterAsTab;
  bool EnElBoton;
  const char* FocoTras;  // "segunda", or empty when the dialog closed
  TModalResult Resultado;
};

TEST_F(ControlesBasicos, EnterMovesLikeTabUnlessAButtonHasTheFocus) {
  const CasoEnter casos[] = {
      {"Enter in an edit moves to the next control", true, false, "segunda", mrCancel},
      {"Enter on a button presses it", true, true, "", mrOk},
      {"without EnterAsTab Enter presses the default button", false, false, "", mrOk},
  };
  for (const CasoEnter& caso : casos) {
    SCOPED_TRACE(caso.Nombre);
    DialogoEnterTab dialogo(nullptr);
    EXPECT_FALSE(dialogo.enterTab->Enabled());
    EXPECT_FALSE(dialogo.enterTab->Visible());
    dialogo.enterTab->SetEnterAsTab(caso.EnterAsTab);
    QString foco;
    OnModalShown = [&](QWidget&) {
      QWidget* destino = caso.EnElBoton ? static_cast<QWidget*>(dialogo.aceptar) : dialogo.primera;
      destino->setFocus();
      QTest::keyClick(destino, Qt::Key_Return);
      if (dialogo.ModalResult() == mrNone) {
        foco = dialogo.ActiveControl() == dialogo.segunda ? QStringLiteral("segunda") : QStringLiteral("otro");
        dialogo.Close();
      }
    };
    EXPECT_EQ(dialogo.ShowModal(), caso.Resultado);
    EXPECT_EQ(foco, QLatin1String(caso.FocoTras));
  }
}

}  // namespace
