#include <gtest/gtest.h>

#include <QSysInfo>

#include "core/util/EquipoLocal.h"

TEST(EquipoLocal, OnlyTheNamesOfThisMachineAreLocal) {
  const QString propio = QSysInfo::machineHostName();
  const struct {
    QString Servidor;
    bool Local;
  } casos[] = {
      {"", true},
      {"localhost", true},
      {"LocalHost", true},
      {"localhost:3050", true},
      {"LOCALHOST/3050", true},
      {"127.0.0.1", true},
      {"127.0.0.1/3051", true},
      {"::1", true},
      {"[::1]", true},
      {"[::1]:3050", true},
      {"[::1]/3050", true},
      {propio, true},
      {propio.toUpper() + "/3050", true},
      {"respaldo-localhost.example.com", false},
      {"localhost.example.com", false},
      {"127.0.0.10", false},
      {"127.0.0.1.example.com:3050", false},
      {"x" + propio, false},
      {"[::1]x", false},
      {"::2", false},
      {"servidor/3050", false},
  };
  for (const auto& caso : casos) EXPECT_EQ(EsServidorDeEsteEquipo(caso.Servidor), caso.Local) << caso.Servidor.toStdString();
}
