#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/ActnList.h"
#include "platform/forms/Button.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Form.h"
#include "platform/forms/Timer.h"

namespace {

// Lets the event loop wait once, as it does while the operator does nothing: the application's idle work
// runs then.
void Ocio() {
  QTimer::singleShot(0, [] {});
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

class Acciones : public PruebaDeVentanas {
 protected:
  Acciones() {
    accion->SetActionList(lista);
    accion->SetCaption(QStringLiteral("&Aceptar"));
    boton->SetParent(&forma);
    edicion->SetParent(&forma);
  }

  TForm forma{nullptr};
  TActionList* lista = new TActionList(&forma);
  TAction* accion = new TAction(&forma);
  TButton* boton = new TButton(&forma);
  TEdit* edicion = new TEdit(&forma);
};

TEST_F(Acciones, AButtonFollowsItsActionAndRunsIt) {
  int ejecuciones = 0;
  accion->OnExecute = [&](QObject* Sender) {
    EXPECT_EQ(Sender, accion);
    ++ejecuciones;
  };
  boton->SetAction(accion);
  EXPECT_EQ(boton->Caption(), QStringLiteral("&Aceptar"));
  accion->SetEnabled(false);
  EXPECT_FALSE(boton->isEnabled());
  accion->SetEnabled(true);
  boton->Click();
  EXPECT_EQ(ejecuciones, 1);

  // An OnClick of its own takes the action's place.
  boton->OnClick = [&](QObject*) { ejecuciones += 10; };
  boton->Click();
  EXPECT_EQ(ejecuciones, 11);
}

TEST_F(Acciones, ActionsOfVisibleControlsUpdateWhileTheProgramWaits) {
  boton->SetAction(accion);
  accion->OnUpdate = [&](QObject*) { accion->SetEnabled(!edicion->Text().isEmpty()); };
  forma.Show();
  Ocio();
  EXPECT_FALSE(boton->isEnabled());
  edicion->SetText(QStringLiteral("algo"));
  Ocio();
  EXPECT_TRUE(boton->isEnabled());

  // The list's OnUpdate comes first, and when it handles the update the action's own does not run.
  lista->OnUpdate = [&](TAction* AAction, bool& AHandled) {
    EXPECT_EQ(AAction, accion);
    AAction->SetCaption(QStringLiteral("Listo"));
    AHandled = true;
  };
  edicion->SetText(QString());
  Ocio();
  EXPECT_EQ(boton->Caption(), QStringLiteral("Listo"));
  EXPECT_TRUE(boton->isEnabled());

  // A hidden control's action is left alone.
  boton->SetVisible(false);
  lista->OnUpdate = nullptr;
  Ocio();
  EXPECT_TRUE(accion->isEnabled());
}

TEST_F(Acciones, AnActionsShortcutWorksOnItsForm) {
  int ejecuciones = 0;
  accion->OnExecute = [&](QObject*) { ++ejecuciones; };
  accion->SetShortCut(QKeySequence(QStringLiteral("Ctrl+S")));
  forma.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&forma));
  edicion->SetFocus();
  QTest::keyClick(edicion, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(ejecuciones, 1);
}

TEST_F(Acciones, ATimerFiresWhileEnabledWithAHandler) {
  TTimer reloj(&forma);
  EXPECT_TRUE(reloj.Enabled());
  EXPECT_EQ(reloj.Interval(), 1000);
  EXPECT_FALSE(reloj.isActive());  // no OnTimer yet
  int tics = 0;
  reloj.SetInterval(10);
  reloj.SetOnTimer([&](QObject* Sender) {
    EXPECT_EQ(Sender, &reloj);
    if (++tics == 2) reloj.SetEnabled(false);
  });
  EXPECT_TRUE(reloj.isActive());
  QTRY_COMPARE(tics, 2);
  EXPECT_FALSE(reloj.isActive());
}

}  // namespace
