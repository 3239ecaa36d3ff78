#include <gtest/gtest.h>

#include "core/dataaccess/DAIBCStoredProc.h"
#include "fixtures/ConexionDePrueba.h"
#include "fixtures/ImprimirQt.h"

namespace {

TEST(DAIBCStoredProc, LockErrorsAreTheFourLockCodes) {
  for (const int codigo : {335544336, 335544345, 335544451, 335544510}) EXPECT_TRUE(EsErrorDeBloqueo(codigo)) << codigo;
  for (const int codigo : {0, 335544349, 335544665, 335544344}) EXPECT_FALSE(EsErrorDeBloqueo(codigo)) << codigo;
}

TEST(DAIBCStoredProc, NewProceduresHaveTheSuitesDefaults) {
  TqovDAStoredProc p;
  EXPECT_FALSE(p.AutoCommit);
  EXPECT_TRUE(p.Options().DescribeParams);
}

using Procedimiento = ConexionDePrueba;

TEST_F(Procedimiento, PreparesOnFirstUseAndGivesItsOutputsByPositionAndName) {
  TqovDAStoredProc p;
  p.SetDatabase(&bd);
  p.SetTransaction(&transaccion);
  p.SetStoredProcName("CALCULA");
  EXPECT_FALSE(p.Prepared());
  p.ParamByName("IN_A").SetAsInteger(21);
  EXPECT_TRUE(p.Prepared());
  EXPECT_EQ(p.ParamByName("IN_A").AsInteger(), 21);  // not prepared again: the value stays
  p.ExecProc();
  ASSERT_NE(p.Fields(0), nullptr);
  EXPECT_EQ(p.Fields(0)->Name(), "OUT_X");
  EXPECT_EQ(p.Fields(0)->AsInteger(), 42);
  ASSERT_NE(p.Fields(1), nullptr);
  EXPECT_EQ(p.Fields(1)->AsString(), "doble de 21");
  EXPECT_EQ(p.Fields(2), nullptr);
  EXPECT_EQ(p.Fields(-1), nullptr);
  EXPECT_EQ(p.FieldIndex("OUT_Y"), 1);
  EXPECT_EQ(p.FieldIndex("out_y"), -1);
  EXPECT_EQ(p.FieldIndex("IN_A"), -1);
  EXPECT_EQ(p.FieldByName("OUT_Y").AsString(), "doble de 21");

  // Another value, the same prepared procedure.
  p.ParamByName("IN_A").SetAsInteger(5);
  p.ExecQuery();
  EXPECT_EQ(p.GetField(0)->AsInteger(), 10);
}

TEST_F(Procedimiento, AProcedureThatIsNotThereFailsOnPrepare) {
  TqovDAStoredProc p;
  p.SetDatabase(&bd);
  p.SetStoredProcName("NO_EXISTE");
  try {
    p.ParamByName("X");
    FAIL() << "prepared";
  } catch (const EFbError& e) {
    EXPECT_NE(ObtenerCodigoError(e), 0);
  }
}

TEST_F(Procedimiento, TwoTransactionsUpdatingOneRowGiveALockError) {
  TqovDADatabase otra;
  TqovDATransaction suya;
  Conectar(otra, suya);
  TqovDAQuery primera, segunda;
  primera.SetDatabase(&bd);
  segunda.SetDatabase(&otra);
  for (TqovDAQuery* q : {&primera, &segunda}) q->SQL().SetText("UPDATE DOCTOS SET FOLIO = 'X' WHERE ID = 1");
  primera.ExecQuery();
  try {
    segunda.ExecQuery();
    FAIL() << "no conflict";
  } catch (const EFbError& e) {
    // Firebird 3.0 reports the no-wait update conflict first as a deadlock.
    EXPECT_EQ(ObtenerCodigoError(e), 335544336) << e.Message().toStdString();
    EXPECT_TRUE(EsErrorDeBloqueo(ObtenerCodigoError(e)));
  }

  // A duplicate key is no lock error.
  TqovDAQuery duplicado;
  duplicado.SetDatabase(&bd);
  duplicado.SQL().SetText("INSERT INTO DOCTOS (ID) VALUES (2)");
  try {
    duplicado.ExecQuery();
    FAIL() << "inserted";
  } catch (const EFbError& e) {
    EXPECT_EQ(ObtenerCodigoError(e), 335544665);
    EXPECT_FALSE(EsErrorDeBloqueo(ObtenerCodigoError(e)));
  }
}

}  // namespace
