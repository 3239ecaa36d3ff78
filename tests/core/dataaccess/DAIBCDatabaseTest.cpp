#include <gtest/gtest.h>

#include "core/dataaccess/DAIBCDatabase.h"
#include "core/dataaccess/DAIBCQuery.h"
#include "fixtures/ConexionDePrueba.h"
#include "fixtures/ImprimirQt.h"
#include "platform/fbclient/FbError.h"

namespace {

TEST(DAIBCDatabase, NewAdaptersHaveTheSuitesDefaults) {
  TqovDADatabase bd;
  EXPECT_EQ(bd.LibraryName(), "fbclient.dll");
  EXPECT_FALSE(bd.UseLoginPrompt());
  EXPECT_TRUE(bd.Options().EnableBCD);
  EXPECT_FALSE(bd.Options().KeepDesignConnected);
  ASSERT_EQ(bd.DataTypeMap().size(), 1);
  EXPECT_EQ(bd.DataTypeMap()[0].DBType, TFbValueKind::TextBlob);
  EXPECT_EQ(bd.DataTypeMap()[0].FieldType, ftMemo);
  EXPECT_FALSE(bd.TestConnected());
  bd.SetDatabaseName("127.0.0.1:/srv/datos/EMPRESA.fdb");  // DatabaseName and DBName are one property
  EXPECT_EQ(bd.DBName(), "127.0.0.1:/srv/datos/EMPRESA.fdb");
  bd.SetDBName("/srv/datos/OTRA.fdb");
  EXPECT_EQ(bd.DatabaseName(), "/srv/datos/OTRA.fdb");

  TqovDATransaction t;
  EXPECT_EQ(t.TPBMode(), tpbReadCommitted);
  EXPECT_EQ(t.TimeoutAction(), taRollback);
  EXPECT_EQ(t.TRParams().Count(), 0);
  t.SetTPBMode(tpbDefault);
  EXPECT_EQ(t.TPBMode(), tpbDefault);
  t.SetTPBMode(tpbRepeatableRead);
  EXPECT_EQ(t.TPBMode(), tpbRepeatableRead);
  EXPECT_EQ(t.IsolationLevel, iblSnapshot);
}

TEST(DAIBCDatabase, AClientLibraryThatIsNotThereFailsToConnect) {
  CarpetaTrabajo carpeta;
  const QString ruta = carpeta.Datos() + "E.fdb";
  CrearBaseDatos(ruta);
  TqovDADatabase bd;
  bd.SetLibraryName("libno-existe.so");
  bd.SetDBName(ruta);
  try {
    bd.Open();
    FAIL() << "connected";
  } catch (const EFbError& e) {
    EXPECT_TRUE(e.Message().contains("libno-existe.so")) << e.Message().toStdString();
  }
  EXPECT_FALSE(bd.Connected());
}

TEST(DAIBCDatabase, ServerVersionParts) {
  EXPECT_EQ(ParteDeVersionServidor("3.0.11.33637", 2), 11);
  EXPECT_EQ(ParteDeVersionServidor("3.0.11.33637", 3), 33637);
  EXPECT_THROW(ParteDeVersionServidor("3.0", 3), EListError);
  EXPECT_THROW(ParteDeVersionServidor("3.0.x.1", 2), EConvertError);
}

using Conexion = ConexionDePrueba;

TEST_F(Conexion, VersionsAndDatabaseInformation) {
  EXPECT_EQ(bd.ODSMajorVersion(), 12);
  EXPECT_EQ(bd.ODSMinorVersion(), 0);
  EXPECT_TRUE(bd.FBVersion().contains("V3.0")) << bd.FBVersion().toStdString();
  EXPECT_TRUE(bd.ClientVersion().contains("3.0")) << bd.ClientVersion().toStdString();
  const QString version = bd.ServerVersion();
  EXPECT_TRUE(version.startsWith("3.0.")) << version.toStdString();
  EXPECT_EQ(bd.ServerMajorVersion(), 3);
  EXPECT_EQ(bd.ServerMinorVersion(), 0);
  EXPECT_EQ(bd.ServerRelease(), version.section('.', 2, 2).toInt());
  EXPECT_EQ(bd.ServerBuild(), version.section('.', 3, 3).toInt());
  EXPECT_TRUE(bd.UserNames().contains("SYSDBA"));
  bd.Close();
  EXPECT_THROW(bd.ODSMajorVersion(), EDatabaseError);
}

// What the server says of the transaction it runs.
struct EstadoTransaccion {
  int aislamiento, espera, soloLectura;
};

EstadoTransaccion Estado(TqovDADatabase& ABd, TqovDATransaction& ATransaccion) {
  TqovDAQuery q;
  q.SetDatabase(&ABd);
  q.SetTransaction(&ATransaccion);
  q.SQL().SetText(
      "SELECT MON$ISOLATION_MODE, MON$LOCK_TIMEOUT, MON$READ_ONLY FROM MON$TRANSACTIONS "
      "WHERE MON$TRANSACTION_ID = CURRENT_TRANSACTION");
  q.ExecQuery();
  return {q.Field(0).AsInteger(), q.Field(1).AsInteger(), q.Field(2).AsInteger()};
}

TEST_F(Conexion, EveryModeStartsTheTransactionItsParameterBlockNames) {
  const struct {
    TTPBMode modo;
    QStringList parametros;
    EstadoTransaccion esperado;  // isolation: 1 snapshot, 2 read committed with record versions, 3 without
  } casos[] = {
      {tpbReadCommitted, {}, {2, 0, 0}},
      {tpbRepeatableRead, {}, {1, 0, 0}},
      {tpbReadCommitted, {"nowait", "read_committed"}, {2, 0, 0}},  // items already there are not repeated
      {tpbDefault, {"concurrency", "wait"}, {1, -1, 0}},
      {tpbDefault, {"read_committed", "no_rec_version", "wait", "read"}, {3, -1, 1}},
  };
  for (const auto& caso : casos) {
    TqovDATransaction t;
    t.SetDefaultDatabase(&bd);
    t.SetTPBMode(caso.modo);
    t.SetTRParams(caso.parametros);
    t.StartTransaction();
    const EstadoTransaccion estado = Estado(bd, t);
    EXPECT_EQ(estado.aislamiento, caso.esperado.aislamiento) << caso.parametros.join(',').toStdString();
    EXPECT_EQ(estado.espera, caso.esperado.espera) << caso.parametros.join(',').toStdString();
    EXPECT_EQ(estado.soloLectura, caso.esperado.soloLectura) << caso.parametros.join(',').toStdString();
    t.Commit();
  }
}

TEST_F(Conexion, EveryIsolationLevelStartsTheTransactionItNames) {
  const struct {
    TIsolationLevel nivel;
    TTPBMode modo;
    EstadoTransaccion esperado;  // isolation: 0 consistency (table stability), 1 snapshot, 2 read committed
  } casos[] = {
      {iblReadCommitted, tpbReadCommitted, {2, 0, 0}},    {iblSnapshot, tpbRepeatableRead, {1, 0, 0}},
      {iblReadOnlyReadCommitted, tpbDefault, {2, 0, 1}},  {iblTableStability, tpbDefault, {0, 0, 0}},
      {iblReadOnlyTableStability, tpbDefault, {0, 0, 1}},
  };
  for (const auto& caso : casos) {
    TqovDATransaction t;
    t.SetDefaultDatabase(&bd);
    t.IsolationLevel = caso.nivel;
    EXPECT_EQ(t.TPBMode(), caso.modo) << caso.nivel;
    t.StartTransaction();
    const EstadoTransaccion estado = Estado(bd, t);
    EXPECT_EQ(estado.aislamiento, caso.esperado.aislamiento) << caso.nivel;
    EXPECT_EQ(estado.espera, caso.esperado.espera) << caso.nivel;
    EXPECT_EQ(estado.soloLectura, caso.esperado.soloLectura) << caso.nivel;
    t.Commit();
  }
}

int Documentos(TqovDADatabase& ABd) {
  TqovDATransaction t;
  t.SetDefaultDatabase(&ABd);
  TqovDAQuery q;
  q.SetDatabase(&ABd);
  q.SetTransaction(&t);
  q.SQL().SetText("SELECT COUNT(*) FROM DOCTOS");
  q.ExecQuery();
  return q.Field(0).AsInteger();
}

TEST_F(Conexion, ResetEndsTheTransactionByItsTimeoutAction) {
  for (const TTransactionAction accion : {taRollback, taCommit}) {
    const int antes = Documentos(bd);
    transaccion.SetTimeoutAction(accion);
    TqovDAQuery q;
    q.SetDatabase(&bd);
    q.SQL().SetText("INSERT INTO DOCTOS (ID) VALUES (GEN_ID(GEN_CLIENTES, 1) + 100)");
    q.ExecQuery();
    EXPECT_TRUE(transaccion.InTransaction());
    transaccion.Reset();
    EXPECT_FALSE(transaccion.InTransaction());
    EXPECT_EQ(Documentos(bd), accion == taCommit ? antes + 1 : antes);
  }
}

TEST_F(Conexion, ClosingTheConnectionRollsBackItsTransaction) {
  TqovDAQuery q;
  q.SetDatabase(&bd);
  q.SQL().SetText("DELETE FROM DOCTOS");
  q.ExecQuery();
  bd.Close();
  EXPECT_FALSE(transaccion.InTransaction());
  bd.Open();
  EXPECT_EQ(Documentos(bd), 2);
}

TEST_F(Conexion, SavePoints) {
  transaccion.StartTransaction();
  transaccion.SetSavePoint("ANTES_DE_BORRAR");
  TqovDAQuery q;
  q.SetDatabase(&bd);
  q.SQL().SetText("DELETE FROM DOCTOS");
  q.ExecQuery();
  transaccion.RollBackToSavePoint("ANTES_DE_BORRAR");
  EXPECT_TRUE(transaccion.InTransaction());
  q.SQL().SetText("SELECT COUNT(*) FROM DOCTOS");
  q.ExecQuery();
  EXPECT_EQ(q.Field(0).AsInteger(), 2);
}

TEST_F(Conexion, CloseDataSetsClosesTheLastRegisteredFirst) {
  bd.CloseDataSets();  // with none open it does nothing
  QStringList cerrados;
  std::vector<std::unique_ptr<TqovDAQuery>> consultas;
  for (const char* nombre : {"uno", "dos", "tres"}) {
    auto q = std::make_unique<TqovDAQuery>();
    q->SetDatabase(&bd);
    q->SQL().SetText("SELECT ID FROM DOCTOS");
    q->BeforeClose = [&cerrados, nombre](TDataSet&) { cerrados << nombre; };
    q->Open();
    consultas.push_back(std::move(q));
  }
  bd.CloseDataSets();
  EXPECT_EQ(cerrados, (QStringList{"tres", "dos", "uno"}));
  for (const auto& q : consultas) EXPECT_FALSE(q->Active());
  EXPECT_TRUE(bd.Connected());
}

TEST_F(Conexion, MainDatabase) {
  TqovDATransaction suelta;
  EXPECT_EQ(suelta.MainDatabase(), nullptr);
  TqovDADatabase otra;
  otra.SetDefaultTransaction(&suelta);  // attached, with this one as its default transaction
  EXPECT_EQ(suelta.MainDatabase(), &otra);
  suelta.SetDefaultDatabase(&bd);
  EXPECT_EQ(suelta.MainDatabase(), &bd);
}

TEST_F(Conexion, ParamByNameReachesTheConnectionsOwnCommand) {
  bd.Command().SQL.SetText("UPDATE DOCTOS SET FOLIO = :FOLIO WHERE ID = :ID");
  bd.ParamByName("FOLIO").SetAsString("B-1");
  bd.ParamByName("ID").SetAsInteger(1);
  bd.Command().Execute();
  transaccion.Commit();
  TqovDAQuery q;
  q.SetDatabase(&bd);
  q.SQL().SetText("SELECT FOLIO FROM DOCTOS WHERE ID = 1");
  q.ExecQuery();
  EXPECT_EQ(q.Field(0).AsString(), "B-1");
  EXPECT_THROW(bd.ParamByName("NO_HAY"), EDatabaseError);
}

}  // namespace
