#include <gtest/gtest.h>

#include <QTest>

#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/ImprimirQt.h"
#include "fixtures/OidoDeTeclas.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Form.h"
#include "platform/forms/KeySynthesis.h"

namespace {

class Teclas : public PruebaDeVentanas {};

TEST_F(Teclas, VirtualKeysMapBothWays) {
  for (const int vk : {VK_BACK, VK_TAB, VK_RETURN, VK_ESCAPE, VK_SPACE, VK_PRIOR, VK_END, VK_DOWN, VK_DELETE, VK_APPS,
                       VK_F4, VK_F6, int('A'), int('7')})
    EXPECT_EQ(VirtualKeyFromQt(QtKeyFromVirtualKey(vk)), vk) << vk;
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Enter), VK_RETURN);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Backtab), VK_TAB);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Minus), 0);
}

TEST_F(Teclas, QueuedKeysReachTheFocusedControlInOrderOnceTheirTurnComes) {
  TForm forma(nullptr);
  auto* edicion = new TEdit(&forma);
  edicion->SetParent(&forma);
  forma.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&forma));
  edicion->SetFocus();
  OidoDeTeclas oido;
  edicion->installEventFilter(&oido);

  PostKey(QEvent::KeyPress, VK_CONTROL, ssCtrl);
  PostKey(QEvent::KeyPress, VK_DOWN, ssCtrl);
  PostKey(QEvent::KeyRelease, VK_DOWN, ssCtrl);
  PostKey(QEvent::KeyRelease, VK_CONTROL, {});
  EXPECT_TRUE(oido.Oidas.isEmpty());
  ProcesarEventos();
  EXPECT_EQ(oido.Oidas, (QStringList{"down 17 2", "down 40 2", "up 40 2", "up 17 0"}));
}

}  // namespace
