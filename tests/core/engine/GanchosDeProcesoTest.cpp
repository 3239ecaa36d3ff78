#include <gtest/gtest.h>

#include <QStringList>

#include "core/engine/GanchosDeProceso.h"
#include "core/settings/ConexionesQov.h"
#include "core/settings/XmlRegistryQov.h"
#include "fixtures/ImprimirQt.h"

namespace {

// One call sets every hook, and a later call with empty hooks clears them all.
TEST(GanchosDeProceso, UnaLlamadaEstableceYBorraTodos) {
  QStringList vistos;
  EstablecerGanchosDeProceso({[&](const QString& AMensaje) { vistos << AMensaje; },
                              [&](TCursor ACursor) { vistos << QString::number(ACursor); },
                              [&](const QString& AMensaje) { vistos << QStringLiteral("ajustes: ") + AMensaje; }});
  MostrarAdvertenciaConexiones(QStringLiteral("aviso"));
  Screen.SetCursor(crSQLWait);
  Screen.SetCursor(crDefault);
  MostrarAvisoAjustes(QStringLiteral("reparado"));
  EXPECT_EQ(vistos, (QStringList{QStringLiteral("aviso"), QStringLiteral("-17"), QStringLiteral("0"),
                                 QStringLiteral("ajustes: reparado")}));

  EstablecerGanchosDeProceso({});
  EXPECT_FALSE(MostrarAdvertenciaConexiones);
  EXPECT_FALSE(Screen.OnCursorChange);
  EXPECT_FALSE(MostrarAvisoAjustes);
}

}  // namespace
