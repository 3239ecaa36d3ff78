#include <gtest/gtest.h>

#include "controls/AplicacionControles.h"
#include "controls/dialogs/MessageForm.h"
#include "core/settings/ConexionesQov.h"
#include "core/settings/XmlRegistryQov.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Label.h"
#include "platform/forms/ModalSeam.h"
#include "platform/forms/Screen.h"

namespace {

class InicioControles : public PruebaDeControles {};

TEST_F(InicioControles, TheProfileWarningAndTheCursorReachTheScreen) {
  QStringList vistos;
  OnModalShown = [&](QWidget& AVentana) {
    auto& dialogo = dynamic_cast<TMessageForm&>(AVentana);
    vistos << dialogo.Caption() << dialogo.findChild<TLabel*>(QStringLiteral("Message"))->Caption();
    dialogo.close();
  };
  MostrarAdvertenciaConexiones(QStringLiteral("El nombre de la conexión no es válido."));
  MostrarAvisoAjustes(QStringLiteral("El archivo de configuración estaba dañado."));
  EXPECT_EQ(vistos, (QStringList{"Drevalino", "El nombre de la conexión no es válido.", "Drevalino",
                                 "El archivo de configuración estaba dañado."}));

  Screen.SetCursor(crHourGlass);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  Screen.SetCursor(crSQLWait);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
  Screen.SetCursor(crDefault);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
