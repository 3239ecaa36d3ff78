#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <QTimer>

#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Button.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Form.h"
#include "platform/forms/ModalSeam.h"
#include "platform/forms/Screen.h"

namespace {

// A dialog with an edit and three buttons: OK (default), Cancel (cancel button) and No.
class Dialogo : public TForm {
 public:
  explicit Dialogo(TComponent* AOwner) : TForm(AOwner) {
    SetClientWidth(300);
    SetClientHeight(120);
    edit = Nuevo<TEdit>(8, 8);
    aceptar = Boton(QStringLiteral("Aceptar"), mrOk, 40);
    cancelar = Boton(QStringLiteral("Cancelar"), mrCancel, 70);
    no = Boton(QStringLiteral("&No"), mrNo, 100);
    aceptar->SetDefault(true);
    cancelar->SetCancel(true);
  }

  template <class T>
  T* Nuevo(int ALeft, int ATop) {
    auto* control = new T(this);
    control->SetParent(this);
    control->SetLeft(ALeft);
    control->SetTop(ATop);
    return control;
  }

  TButton* Boton(const QString& ACaption, TModalResult AResultado, int ATop) {
    auto* boton = Nuevo<TButton>(200, ATop);
    boton->SetCaption(ACaption);
    boton->SetModalResult(AResultado);
    return boton;
  }

  TEdit* edit;
  TButton* aceptar;
  TButton* cancelar;
  TButton* no;
};

class Formas : public PruebaDeVentanas {
 protected:
  // Shows the dialog modally, answered by ARespuesta.
  TModalResult Mostrar(Dialogo& ADialogo, const std::function<void(Dialogo&)>& ARespuesta) {
    OnModalShown = [&](QWidget&) { ARespuesta(ADialogo); };
    return ADialogo.ShowModal();
  }
};

struct CasoModal {
  const char* Nombre;
  std::function<void(Dialogo&)> Respuesta;
  TModalResult Esperado;
};

TEST_F(Formas, ModalResultsOfClicksKeysAndTheCloseBox) {
  const CasoModal casos[] = {
      {"click on OK", [](Dialogo& d) { QTest::mouseClick(d.aceptar, Qt::LeftButton); }, mrOk},
      {"click on No", [](Dialogo& d) { QTest::mouseClick(d.no, Qt::LeftButton); }, mrNo},
      {"Enter in the edit presses the default button", [](Dialogo& d) { QTest::keyClick(d.edit, Qt::Key_Return); },
       mrOk},
      {"Esc in the edit presses the cancel button", [](Dialogo& d) { QTest::keyClick(d.edit, Qt::Key_Escape); },
       mrCancel},
      {"Enter on a focused button presses it", [](Dialogo& d) { QTest::keyClick(d.no, Qt::Key_Return); }, mrNo},
      {"Shift+Enter is no dialog key",
       [](Dialogo& d) {
         QTest::keyClick(d.edit, Qt::Key_Return, Qt::ShiftModifier);
         EXPECT_EQ(d.ModalResult(), mrNone);
         d.close();
       },
       mrCancel},
      {"the close box", [](Dialogo& d) { d.close(); }, mrCancel},
  };
  for (const CasoModal& caso : casos) {
    SCOPED_TRACE(caso.Nombre);
    Dialogo dialogo(nullptr);
    EXPECT_EQ(Mostrar(dialogo, caso.Respuesta), caso.Esperado);
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_FALSE(dialogo.Modal());
  }
}

TEST_F(Formas, OnCloseCanKeepAModalFormOpen) {
  Dialogo dialogo(nullptr);
  int cierres = 0;
  dialogo.OnClose = [&](QObject*, TCloseAction& AAction) {
    if (++cierres == 1) AAction = caNone;
  };
  bool abiertaTrasElPrimero = false;
  const TModalResult resultado = Mostrar(dialogo, [&](Dialogo& d) {
    QTest::mouseClick(d.aceptar, Qt::LeftButton);
    // The next click comes once the loop has run OnClose and waits again.
    QTimer::singleShot(0, &d, [&] {
      abiertaTrasElPrimero = d.isVisible() && d.ModalResult() == mrNone;
      QTest::mouseClick(d.no, Qt::LeftButton);
    });
  });
  EXPECT_TRUE(abiertaTrasElPrimero);
  EXPECT_EQ(resultado, mrNo);
  EXPECT_EQ(cierres, 2);
}

TEST_F(Formas, AButtonWithoutResultRunsItsClickAndLeavesTheFormOpen) {
  Dialogo dialogo(nullptr);
  int clicks = 0;
  dialogo.no->SetModalResult(mrNone);
  dialogo.no->OnClick = [&](QObject* Sender) {
    EXPECT_EQ(Sender, dialogo.no);
    ++clicks;
  };
  const TModalResult resultado = Mostrar(dialogo, [&](Dialogo& d) {
    QTest::mouseClick(d.no, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(d.isVisible());
    QTest::mouseClick(d.cancelar, Qt::LeftButton);
  });
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(resultado, mrCancel);
}

TEST_F(Formas, AModalWindowNobodyAnswersIsClosedByTheSeam) {
  Dialogo dialogo(nullptr);
  EXPECT_EQ(Mostrar(dialogo, [](Dialogo&) {}), mrCancel);
}

TEST_F(Formas, CreationLoadsTheComponentsThenFiresOnCreate) {
  QStringList orden;
  struct Cargado : public TButton {
    Cargado(TComponent* AOwner, QStringList& AOrden) : TButton(AOwner), FOrden(AOrden) {}
    void Loaded() override { FOrden << QStringLiteral("Loaded"); }
    QStringList& FOrden;
  };
  struct ConCreate : public TForm {
    ConCreate(TComponent* AOwner, QStringList& AOrden) : TForm(AOwner) {
      new Cargado(this, AOrden);
      OnCreate = [&AOrden](QObject*) { AOrden << QStringLiteral("OnCreate"); };
    }
  };
  std::unique_ptr<ConCreate> forma(NewForm<ConCreate>(nullptr, orden));
  EXPECT_EQ(orden, (QStringList{"Loaded", "OnCreate"}));
  EXPECT_EQ(forma->CurrentPPI(), Screen.PixelsPerInch());
}

TEST_F(Formas, PositionIsAppliedAfterOnShowWithTheFinalSize) {
  Dialogo principal(nullptr);
  principal.SetBounds(100, 100, 400, 300);
  Dialogo dialogo(&principal);
  dialogo.SetPosition(poOwnerFormCenter);
  dialogo.OnShow = [&](QObject*) { dialogo.SetClientWidth(200); };
  dialogo.Show();
  const QRect dueña = principal.BoundsRect();
  EXPECT_EQ(dialogo.ClientWidth(), 200);
  EXPECT_EQ(dialogo.Left(), dueña.x() + (dueña.width() - dialogo.Width()) / 2);
  EXPECT_EQ(dialogo.Top(), dueña.y() + (dueña.height() - dialogo.Height()) / 2);
  EXPECT_EQ(dialogo.Position(), poDesigned);  // placed once

  Dialogo centrado(nullptr);
  centrado.SetPosition(poScreenCenter);
  centrado.Show();
  EXPECT_EQ(centrado.Left(), (Screen.Width() - centrado.Width()) / 2);
  EXPECT_EQ(centrado.Top(), (Screen.Height() - centrado.Height()) / 2);
}

TEST_F(Formas, ScalingMultipliesBoundsAndFontsAndKeepsTheAnchors) {
  Dialogo dialogo(nullptr);
  dialogo.edit->SetBounds(8, 8, 100, 21);
  dialogo.edit->SetAnchors(TAnchors(akLeft) | akTop | akRight);
  const int ppi = dialogo.CurrentPPI();
  const int alto = FontHeight(dialogo.font());
  dialogo.ScaleForPPI(ppi * 3 / 2);
  EXPECT_EQ(dialogo.CurrentPPI(), ppi * 3 / 2);
  EXPECT_DOUBLE_EQ(dialogo.ScaleFactor(), dialogo.CurrentPPI() / 96.0);
  EXPECT_EQ(dialogo.ClientWidth(), 450);
  EXPECT_EQ(dialogo.ClientHeight(), 180);
  EXPECT_EQ(dialogo.edit->BoundsRect(), QRect(12, 12, 150, 32));
  EXPECT_EQ(dialogo.aceptar->BoundsRect(), QRect(300, 60, 113, 38));
  EXPECT_EQ(FontHeight(dialogo.font()), MulDiv(alto, 3, 2));
  EXPECT_EQ(dialogo.ScaleValue(8), 12);

  // The anchored edit keeps its right margin (450 - 162 = 288) as the form widens.
  dialogo.SetClientWidth(500);
  EXPECT_EQ(dialogo.edit->BoundsRect(), QRect(12, 12, 200, 32));
}

TEST_F(Formas, ClosingAFormDoesWhatOnCloseSays) {
  const struct {
    TCloseAction Accion;
    bool Visible;
    bool Existe;
  } casos[] = {{caHide, false, true}, {caNone, true, true}, {caFree, false, false}};
  for (const auto& caso : casos) {
    SCOPED_TRACE(static_cast<int>(caso.Accion));
    QPointer<Dialogo> dialogo = new Dialogo(nullptr);
    dialogo->OnClose = [&](QObject*, TCloseAction& AAction) { AAction = caso.Accion; };
    dialogo->Show();
    dialogo->close();  // the close box
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(!dialogo.isNull(), caso.Existe);
    if (dialogo) {
      EXPECT_EQ(dialogo->Visible(), caso.Visible);
      delete dialogo.data();
    }
  }
}

TEST_F(Formas, ControlsLearnOfTheFocusAndOfTheirEnabledState) {
  struct Habilitable : public TEdit {
    using TEdit::TEdit;
    void EnabledChanged() override { Cambios << isEnabled(); }
    QList<bool> Cambios;
  };
  Dialogo dialogo(nullptr);
  auto* otra = new Habilitable(&dialogo);
  otra->SetParent(&dialogo);
  QStringList foco;
  dialogo.edit->OnEnter = [&](QObject* Sender) {
    foco << (Sender == dialogo.edit ? QStringLiteral("enter") : QStringLiteral("?"));
  };
  dialogo.edit->OnExit = [&](QObject*) { foco << QStringLiteral("exit"); };
  dialogo.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialogo));
  dialogo.edit->SetFocus();
  otra->SetFocus();
  EXPECT_EQ(foco, (QStringList{"enter", "exit"}));

  dialogo.SetEnabled(false);  // the parent's state reaches the control
  dialogo.SetEnabled(true);
  EXPECT_EQ(otra->Cambios, (QList<bool>{false, true}));
  EXPECT_TRUE(otra->Enabled());
}

TEST_F(Formas, TabOrderDecidesWhereTabGoes) {
  Dialogo dialogo(nullptr);
  dialogo.no->SetTabOrder(0);
  dialogo.edit->SetTabOrder(1);
  dialogo.aceptar->SetTabOrder(2);
  dialogo.cancelar->SetTabStop(false);
  dialogo.Show();
  dialogo.no->SetFocus();
  QStringList recorrido;
  for (int i = 0; i < 3; ++i) {
    dialogo.DialogKey(VK_TAB, Qt::NoModifier);
    recorrido << dialogo.focusWidget()->metaObject()->className() + QStringLiteral(":") +
                     (dynamic_cast<TButton*>(dialogo.focusWidget())
                          ? dynamic_cast<TButton*>(dialogo.focusWidget())->Caption()
                          : QString());
  }
  EXPECT_EQ(recorrido, (QStringList{"TEdit:", "TButton:Aceptar", "TButton:&No"}));
  EXPECT_FALSE(dialogo.cancelar->TabStop());
}

}  // namespace
