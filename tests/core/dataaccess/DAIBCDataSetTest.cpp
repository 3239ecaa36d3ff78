#include <gtest/gtest.h>

#include <QBuffer>

#include "core/dataaccess/DAIBCDataSet.h"
#include "core/dataaccess/DAIBCQuery.h"
#include "fixtures/ConexionDePrueba.h"
#include "fixtures/ImprimirQt.h"

namespace {

TEST(DAIBCDataSet, NewDataSetsHaveTheSuitesDefaults) {
  TqovDADataset d;
  EXPECT_FALSE(d.AutoCommit);
  EXPECT_TRUE(d.RefreshAfterPost);
  EXPECT_TRUE(d.LegacyFilterRecord);
  EXPECT_TRUE(d.DefaultValuesQov);
  const TqovDADatasetOptions& o = d.Options();
  EXPECT_TRUE(o.SetEmptyStrToNull);
  EXPECT_FALSE(o.SetFieldsReadOnly);
  EXPECT_FALSE(o.RequiredFields);
  EXPECT_TRUE(o.DefaultValues);
  EXPECT_FALSE(o.StrictUpdate);
  EXPECT_TRUE(o.AutoPrepare);
  EXPECT_FALSE(o.QueryRowsAffected);
  EXPECT_FALSE(o.CacheBlobs);
  EXPECT_FALSE(o.CacheArrays);
  EXPECT_TRUE(o.DeferredBlobRead);
  d.SelectSQL().SetText("SELECT * FROM T WHERE A = :A");
  EXPECT_NE(dynamic_cast<TqovDAParam*>(&d.Params().Items(0)), nullptr);

  TqovDAQuery q;
  EXPECT_FALSE(q.DefaultValuesQov);
  EXPECT_FALSE(q.Options().DefaultValues);
}

TEST(DAIBCDataSet, ParametersAreFoundByNameAndByPosition) {
  TqovDADataset d;
  d.SelectSQL().SetText("SELECT * FROM T WHERE A = :A AND B = :b AND C = :A");
  EXPECT_EQ(d.Params().Count(), 2);
  d.SetParamValue(1, 7);
  EXPECT_EQ(d.ParamByName("B").AsInteger(), 7);
  EXPECT_EQ(d.FindParam("NO_HAY"), nullptr);
  EXPECT_THROW(d.ParamByName("NO_HAY"), EDatabaseError);
  EXPECT_THROW(d.Params().Items(2), EListError);
}

TEST(DAIBCParam, LoadFromStreamTakesTheWholeStreamWhereverItStands) {
  QByteArray bytes("\x00\x01\xff cabecera y datos", 21);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  buffer.seek(7);
  TqovDAParam p;
  p.LoadFromStream(buffer);
  EXPECT_EQ(p.AsBlob(), bytes);
  EXPECT_TRUE(buffer.atEnd());
  QBuffer vacio;
  vacio.open(QIODevice::ReadOnly);
  p.LoadFromStream(vacio);
  EXPECT_TRUE(p.AsBlob().isEmpty());
  QBuffer salida;
  salida.open(QIODevice::WriteOnly);
  p.SetAsBlob("abc");
  p.SaveToStream(salida);
  EXPECT_EQ(salida.data(), "abc");
}

using DataSet = ConexionDePrueba;

TEST_F(DataSet, ParametersOfEveryTypeAndNullReachTheDatabase) {
  QByteArray foto(300000, '\0');
  for (int i = 0; i < foto.size(); ++i) foto[i] = static_cast<char>(i * 7);
  QBuffer flujo(&foto);
  flujo.open(QIODevice::ReadOnly);
  flujo.seek(1000);

  TqovDAQuery q;
  q.SetDatabase(&bd);
  q.SQL().SetText(
      "INSERT INTO DOCTOS (ID, FOLIO, IMPORTE, NOTAS, FOTO, FECHA, MOMENTO, ACTIVO, CANTIDAD, TIPO) "
      "VALUES (:ID, :FOLIO, :IMPORTE, :NOTAS, :FOTO, :FECHA, :MOMENTO, :ACTIVO, :CANTIDAD, :TIPO)");
  const TDateTime momento = DateTimeFromQDateTime(QDateTime(QDate(2024, 5, 10), QTime(13, 30, 5)));
  q.ParamByName("ID").SetAsInteger(10);
  q.ParamByName("FOLIO").SetAsString("Compañía");
  q.ParamByName("IMPORTE").SetAsFloat(1234.56);
  q.ParamByName("NOTAS").SetValue(QString("línea 1\r\nlínea 2"));
  q.ParamByName("FOTO").LoadFromStream(flujo);
  q.ParamByName("FECHA").SetAsDate(momento);
  q.ParamByName("MOMENTO").SetAsDateTime(momento);
  q.ParamByName("ACTIVO").SetAsString("S");
  q.ParamByName("CANTIDAD").SetValue(QVariant::fromValue<qlonglong>(9000000000LL));
  q.ParamByName("TIPO").SetValue(QVariant());
  q.ExecQuery();

  TqovDADataset d;
  d.SetDatabase(&bd);
  d.SelectSQL().SetText("SELECT * FROM DOCTOS WHERE ID = :ID");
  d.ParamByName("ID").SetAsInteger(10);
  d.Open();
  ASSERT_EQ(d.RecordCount(), 1);
  EXPECT_EQ(d.FieldByName("FOLIO").AsString(), "Compañía");
  EXPECT_EQ(d.FieldByName("IMPORTE").DataType(), ftBCD);
  EXPECT_DOUBLE_EQ(d.FieldByName("IMPORTE").AsFloat(), 1234.56);
  EXPECT_EQ(d.FieldByName("NOTAS").DataType(), ftMemo);
  EXPECT_EQ(d.FieldByName("NOTAS").AsString(), "línea 1\r\nlínea 2");
  EXPECT_EQ(d.FieldByName("FOTO").DataType(), ftBlob);
  EXPECT_EQ(d.FieldByName("FOTO").AsBytes(), foto);
  EXPECT_EQ(d.FieldByName("FECHA").DataType(), ftDate);
  EXPECT_DOUBLE_EQ(d.FieldByName("FECHA").AsDateTime(), 45422.0);
  EXPECT_DOUBLE_EQ(d.FieldByName("MOMENTO").AsDateTime(), momento);
  EXPECT_EQ(d.FieldByName("ACTIVO").AsString(), "S");
  EXPECT_EQ(d.FieldByName("CANTIDAD").DataType(), ftLargeint);
  EXPECT_EQ(d.FieldByName("CANTIDAD").AsLargeInt(), 9000000000LL);
  EXPECT_TRUE(d.FieldByName("TIPO").IsNull());
  EXPECT_EQ(d.FieldByName("MODIFICADO").AsInteger(), 1);

  int indice = 99;
  EXPECT_FALSE(d.FieldExist("NO_SUCH_FIELD", indice));
  EXPECT_EQ(indice, 99);
  EXPECT_EQ(d.FieldIndex("NO_SUCH_FIELD"), -1);
  EXPECT_TRUE(d.FieldExist("folio", indice));
  EXPECT_EQ(indice, 1);
}

TEST_F(DataSet, FixedLengthTextLosesItsTrailingBlanks) {
  EjecutarAparte("UPDATE DOCTOS SET TIPO = 'F' WHERE ID = 1");
  TqovDAQuery q;
  q.SetDatabase(&bd);
  q.SQL().SetText("SELECT TIPO FROM DOCTOS WHERE ID = 1");
  q.ExecQuery();
  EXPECT_EQ(q.Field(0).DataType(), ftFixedChar);
  EXPECT_EQ(q.Field(0).AsString(), "F");

  // Read again by the refresh statement, too.
  TqovDADataset d;
  d.SetDatabase(&bd);
  d.SelectSQL().SetText("SELECT ID, TIPO FROM DOCTOS WHERE ID = 1");
  d.RefreshSQL().SetText("SELECT TIPO FROM DOCTOS WHERE ID = :ID");
  d.Open();
  d.RefreshRecord();
  EXPECT_EQ(d.FieldByName("TIPO").AsString(), "F");
}

TEST_F(DataSet, DefaultsAreReadOnceForEachSelectText) {
  TqovDADataset d;
  d.SetDatabase(&bd);
  d.SelectSQL().SetText("SELECT ID, FOLIO, IMPORTE, FECHA FROM DOCTOS");
  d.Open();
  EXPECT_EQ(d.FieldByName("FOLIO").DefaultExpression(), "'SIN FOLIO'");
  EXPECT_EQ(d.FieldByName("IMPORTE").DefaultExpression(), "0");
  EXPECT_EQ(d.FieldByName("FECHA").DefaultExpression(), "");
  d.Close();
  transaccion.Commit();

  // The server's default changes; the same SELECT opened again keeps what was kept, without asking.
  EjecutarAparte("ALTER TABLE DOCTOS ALTER FOLIO SET DEFAULT 'OTRO'");
  d.Open();
  EXPECT_EQ(d.FieldByName("FOLIO").DefaultExpression(), "'SIN FOLIO'");
  d.Append();  // a new record starts from the kept default
  EXPECT_EQ(d.FieldByName("FOLIO").AsString(), "SIN FOLIO");
  d.Cancel();
  d.Close();

  // Another SELECT text asks the server again.
  d.SelectSQL().SetText("SELECT ID, FOLIO FROM DOCTOS");
  d.Open();
  EXPECT_EQ(d.FieldByName("FOLIO").DefaultExpression(), "'OTRO'");

  TqovDAQuery q;  // queries never read defaults
  q.SetDatabase(&bd);
  q.SQL().SetText("SELECT FOLIO FROM DOCTOS");
  q.ExecQuery();
  EXPECT_EQ(q.FieldByName("FOLIO").DefaultExpression(), "");
}

TEST_F(DataSet, APostedRecordIsReadAgainWithTheRefreshStatement) {
  // The trigger counts every update in MODIFICADO: only a record read again shows the new count.
  struct Caso {
    bool refrescar;
    bool conSql;
    bool leidoDeNuevo;
  };
  for (const Caso caso : {Caso{true, true, true}, Caso{false, true, false}, Caso{true, false, false}}) {
    TqovDADataset d;
    d.SetDatabase(&bd);
    d.SelectSQL().SetText("SELECT ID, FOLIO, MODIFICADO FROM DOCTOS WHERE ID = 1");
    d.UpdateSQL().SetText("UPDATE DOCTOS SET FOLIO = :FOLIO WHERE ID = :OLD_ID");
    if (caso.conSql) d.RefreshSQL().SetText("SELECT FOLIO, MODIFICADO FROM DOCTOS WHERE ID = :ID");
    d.RefreshAfterPost = caso.refrescar;
    d.Open();
    const int antes = d.FieldByName("MODIFICADO").AsInteger();
    d.Edit();
    d.FieldByName("FOLIO").SetAsString("A-1 bis");
    d.Post();
    EXPECT_EQ(d.FieldByName("FOLIO").AsString(), "A-1 bis");
    EXPECT_EQ(d.FieldByName("MODIFICADO").AsInteger(), caso.leidoDeNuevo ? antes + 1 : antes)
        << caso.refrescar << caso.conSql;
    d.Close();
    transaccion.Commit();
  }
}

TEST_F(DataSet, TheFilterHandlerIsCalledAfterEveryMove) {
  TqovDADataset d;
  d.SetDatabase(&bd);
  QList<int> llamadas;
  d.OnFilterRecord = [&llamadas](TDataSet& ds, bool&) { llamadas << ds.FieldByName("ID").AsInteger(); };
  d.SelectSQL().SetText("SELECT ID FROM DOCTOS ORDER BY ID");
  d.Open();
  d.Next();
  EXPECT_EQ(llamadas, (QList<int>{1, 2}));
  d.Close();

  llamadas.clear();
  d.LegacyFilterRecord = false;
  d.Open();
  d.Next();
  EXPECT_TRUE(llamadas.isEmpty());
  d.Close();

  d.LegacyFilterRecord = true;  // an empty data set has no record to call it for
  d.SelectSQL().SetText("SELECT ID FROM DOCTOS WHERE ID < 0");
  d.Open();
  d.First();
  EXPECT_TRUE(llamadas.isEmpty());
}

TEST_F(DataSet, ADataSetOpensOnlyOnAnOpenConnection) {
  TqovDADataset d;
  d.SetDatabase(&bd);
  d.SelectSQL().SetText("SELECT ID FROM DOCTOS");
  d.Open();  // its statement stays prepared
  bd.Close();
  EXPECT_FALSE(d.Active());
  EXPECT_THROW(d.Open(), EDatabaseError);
  EXPECT_FALSE(d.Active());
  bd.Open();  // a new attachment: the statement is prepared again on it
  d.Open();
  EXPECT_EQ(d.RecordCount(), 2);
}

}  // namespace
