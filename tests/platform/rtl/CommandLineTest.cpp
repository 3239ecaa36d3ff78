#include <gtest/gtest.h>

#include "fixtures/ImprimirQt.h"
#include "platform/rtl/CommandLine.h"

TEST(CommandLine, KeepsTheTextAsWrittenAndEveryValueAsOneArgument) {
  const QString clave = QStringLiteral("a b\"c$d;e&f`g");
  const CommandLine linea = CommandLine()
                                .Opciones(QStringLiteral("-b  -t -user "))
                                .Valor(QStringLiteral("SYSDBA"))
                                .Opciones(QStringLiteral(" -password "))
                                .Valor(clave)
                                .Opciones(QStringLiteral(" "))
                                .Citado(QStringLiteral("/datos Tarvolin/EMPRESA \"1\".fdb"));
  EXPECT_EQ(linea.Texto(),
            QStringLiteral("-b  -t -user SYSDBA -password a b\"c$d;e&f`g \"/datos Tarvolin/EMPRESA \"1\".fdb\""));
  EXPECT_EQ(linea.Argumentos(),
            (QStringList{"-b", "-t", "-user", "SYSDBA", "-password", clave, "/datos Tarvolin/EMPRESA \"1\".fdb"}));
}

TEST(CommandLine, AnEmptyValueIsStillAnArgument) {
  const CommandLine linea = CommandLine().Opciones(QStringLiteral("-password ")).Valor(QString());
  EXPECT_EQ(linea.Argumentos(), (QStringList{"-password", ""}));
}
