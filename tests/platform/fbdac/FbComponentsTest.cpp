#include <gtest/gtest.h>

#include "fixtures/BasesDePrueba.h"
#include "fixtures/CarpetaTrabajo.h"
#include "fixtures/ImprimirQt.h"
#include "platform/data/ClientDataSet.h"
#include "platform/fbdac/FbCommand.h"
#include "platform/fbdac/FbConnection.h"
#include "platform/fbdac/FbQuery.h"
#include "platform/fbdac/FbTransaction.h"
#include "platform/rtl/FormatSettings.h"

namespace {

TEST(FbCommand, ParameterMarksOutsideLiteralsNamesAndComments) {
  const struct {
    const char* sql;
    const char* servidor;
    QStringList nombres;
  } casos[] = {
      {"SELECT * FROM T WHERE A = :A AND B=:B_2", "SELECT * FROM T WHERE A = ? AND B=?", {"A", "B_2"}},
      {"UPDATE T SET X = ':NO' WHERE \"Y:Z\" = :Y", "UPDATE T SET X = ':NO' WHERE \"Y:Z\" = ?", {"Y"}},
      {"SELECT 'it''s :NO' FROM T -- :NO\nWHERE A = :A /* :NO */",
       "SELECT 'it''s :NO' FROM T -- :NO\nWHERE A = ? /* :NO */",
       {"A"}},
      {"SELECT :\"Mi param\", :A, :A FROM RDB$DATABASE", "SELECT ?, ?, ? FROM RDB$DATABASE", {"Mi param", "A", "A"}},
      {"SELECT 1 FROM T WHERE A = :1", "SELECT 1 FROM T WHERE A = :1", {}},
  };
  for (const auto& caso : casos) {
    QStringList nombres;
    EXPECT_EQ(MarcarParametros(QString::fromUtf8(caso.sql), nombres), QString::fromUtf8(caso.servidor)) << caso.sql;
    EXPECT_EQ(nombres, caso.nombres) << caso.sql;
  }
}

TEST(FbCommand, ANewTextKeepsTheValuesOfTheParametersWhoseNamesStay) {
  TFbCommand c;
  c.SQL.SetText("SELECT * FROM T WHERE A = :A AND B = :B");
  c.Params().ParamByName("A").SetAsInteger(1);
  c.Params().ParamByName("B").SetAsString("b");
  c.SQL.SetText("SELECT * FROM T WHERE B = :B AND C = :C");
  ASSERT_EQ(c.Params().Count(), 2);
  EXPECT_EQ(c.Params().Items(0).AsString(), "b");
  EXPECT_TRUE(c.Params().Items(1).IsNull());
  EXPECT_EQ(c.Params().FindParam("A"), nullptr);

  c.SetParamCheck(false);  // parameters given by code stay whatever the text
  c.Params().Add("P");
  c.SQL.SetText("EXECUTE PROCEDURE X(?)");
  EXPECT_NE(c.Params().FindParam("P"), nullptr);
}

TEST(FbTransaction, ParameterBlockOfEachIsolationLevel) {
  TFbTransaction t;
  const auto bloque = [](std::initializer_list<int> items) {
    QByteArray b;
    for (const int i : items) b += static_cast<char>(i);
    return b;
  };
  EXPECT_EQ(t.Tpb(),
            bloque({isc_tpb_version3, isc_tpb_read_committed, isc_tpb_rec_version, isc_tpb_nowait, isc_tpb_write}));
  t.IsolationLevel = iblSnapshot;
  t.Params.Assign({"nowait", "no_auto_undo"});
  EXPECT_EQ(t.Tpb(),
            bloque({isc_tpb_version3, isc_tpb_concurrency, isc_tpb_nowait, isc_tpb_write, isc_tpb_no_auto_undo}));
  t.IsolationLevel = iblCustom;
  t.Params.Assign({"consistency", "wait"});
  EXPECT_EQ(t.Tpb(), bloque({isc_tpb_version3, isc_tpb_consistency, isc_tpb_wait}));
}

// A connection to a fresh database (embedded engine) with its default transaction.
class Componentes : public ::testing::Test {
 protected:
  void SetUp() override {
    CrearBaseDatos(ruta,
                   "INSERT INTO CLIENTES VALUES (2, 'Dos', 20);\n"
                   "CREATE TABLE DOCS (ID INTEGER NOT NULL PRIMARY KEY, NOTAS BLOB SUB_TYPE TEXT, "
                   "FOTO BLOB SUB_TYPE BINARY, CHICO SMALLINT, IMPORTE NUMERIC(9, 2), FLOTANTE FLOAT, FECHA DATE, "
                   "HORA TIME, MOMENTO TIMESTAMP, ACTIVO BOOLEAN, CLAVE CHAR(3), NOMBRE VARCHAR(5), GRANDE BIGINT);\n"
                   "INSERT INTO DOCS (ID, NOTAS, FOTO, CLAVE) VALUES (1, 'nota uno', x'0102', 'A');\n"
                   "INSERT INTO DOCS (ID, NOTAS) VALUES (2, 'nota dos');\n"
                   "COMMIT;\n");
    AbrirBaseDatos(bd, t, ruta);
  }

  int Clientes() {
    TFbQuery q;
    q.SetConnection(&bd);
    q.SQL().SetText("SELECT COUNT(*) FROM CLIENTES");
    q.Open();
    return q.Field(0).AsInteger();
  }

  CarpetaTrabajo carpeta;
  const QString ruta = carpeta.Datos() + "E.fdb";
  TFbConnection bd;
  TFbTransaction t;
};

TEST_F(Componentes, ClosingTheConnectionClosesItsDataSetsAndEndsItsTransactions) {
  TFbQuery q;
  q.SetConnection(&bd);
  q.SQL().SetText("SELECT * FROM CLIENTES");
  q.Open();
  EXPECT_TRUE(t.Active());
  bd.Close();
  EXPECT_FALSE(q.Active());
  EXPECT_FALSE(t.Active());
  EXPECT_THROW(q.Open(), EDatabaseError);
  EXPECT_THROW(t.StartTransaction(), EDatabaseError);
}

TEST_F(Componentes, PostsAndDeletesRunTheirStatementsAndCommitWithAutoCommit) {
  TFbQuery q;
  q.SetConnection(&bd);
  q.SQL().SetText("SELECT ID, NOMBRE FROM CLIENTES ORDER BY ID");
  q.SQLInsert.SetText("INSERT INTO CLIENTES (ID, NOMBRE) VALUES (:ID, :NOMBRE)");
  q.SQLUpdate.SetText("UPDATE CLIENTES SET NOMBRE = :NOMBRE WHERE ID = :OLD_ID");
  q.SQLDelete.SetText("DELETE FROM CLIENTES WHERE ID = :OLD_ID");
  q.Open();
  q.Append();
  q.FieldByName("ID").SetAsInteger(3);
  q.FieldByName("NOMBRE").SetAsString("Tres");
  q.Post();
  q.First();
  q.Delete();
  t.Rollback();  // each change was committed as it was made: the rollback undoes nothing
  EXPECT_EQ(Clientes(), 2);

  // With StrictUpdate an update that finds no row is an error, and the record stays in edit mode.
  q.Last();
  TFbCommand borrar;
  borrar.SetConnection(&bd);
  borrar.SQL.SetText("DELETE FROM CLIENTES WHERE ID = 3");
  borrar.Execute();
  q.Edit();
  q.FieldByName("NOMBRE").SetAsString("Otro");
  EXPECT_THROW(q.Post(), EDatabaseError);
  EXPECT_EQ(q.State(), dsEdit);
}

TEST_F(Componentes, APostOrDeleteWithoutItsStatementRaisesAndChangesNothing) {
  TFbQuery q;
  q.SetConnection(&bd);
  q.SQL().SetText("SELECT ID, NOMBRE FROM CLIENTES ORDER BY ID");
  q.Open();
  q.Edit();
  q.FieldByName("NOMBRE").SetAsString("Cambiado");
  EXPECT_THROW(q.Post(), EDatabaseError);
  EXPECT_EQ(q.State(), dsEdit);
  q.Cancel();
  EXPECT_EQ(q.FieldByName("NOMBRE").AsString(), "Compañía del Año");

  q.Append();
  q.FieldByName("ID").SetAsInteger(3);
  EXPECT_THROW(q.Post(), EDatabaseError);
  q.Cancel();
  EXPECT_EQ(q.RecordCount(), 2);

  EXPECT_THROW(q.Delete(), EDatabaseError);
  EXPECT_EQ(q.RecordCount(), 2);
  EXPECT_EQ(q.FieldByName("ID").AsInteger(), 1);
  EXPECT_EQ(Clientes(), 2);
}

TEST_F(Componentes, ADeferredBlobIsReadWhenItsFieldIsInTheTransactionThatFetchedItsRow) {
  const QString terminada = "No se puede leer el campo 'NOTAS': terminó la transacción en que se leyó su registro.";
  for (const bool diferido : {true, false}) {
    TFbQuery q;
    q.Options().DeferredBlobRead = diferido;
    q.SetConnection(&bd);
    q.SQL().SetText("SELECT ID, NOTAS, FOTO FROM DOCS ORDER BY ID");
    q.Open();
    EXPECT_EQ(q.FieldByName("NOTAS").AsString(), "nota uno");
    t.CommitRetaining();  // the transaction goes on
    EXPECT_EQ(q.FieldByName("FOTO").AsBytes(), QByteArray("\x01\x02", 2));
    t.Commit();
    EXPECT_EQ(q.FieldByName("NOTAS").AsString(), "nota uno");  // read already: kept
    q.Next();
    EXPECT_TRUE(q.FieldByName("FOTO").IsNull());  // a NULL blob has nothing to read
    t.StartTransaction();                         // another transaction is not the one that fetched the row
    if (diferido) {
      try {
        q.FieldByName("NOTAS").AsString();
        ADD_FAILURE() << "read after its transaction ended";
      } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), terminada);
      }
    } else {
      EXPECT_EQ(q.FieldByName("NOTAS").AsString(), "nota dos");  // read with its row
    }
    t.Commit();
  }
}

TEST_F(Componentes, TheRowsOfAQueryKeepEveryValueWrittenAsItWasWritten) {
  TFbQuery q;
  q.SetConnection(&bd);
  q.SQL().SetText("SELECT * FROM DOCS WHERE ID = 1");
  q.Open();
  TDataSetProvider proveedor;
  proveedor.SetDataSet(&q);
  TClientDataSet cliente;
  cliente.SetProvider(&proveedor);
  cliente.Open();
  q.Close();
  EXPECT_EQ(cliente.FieldByName("CLAVE").AsString(), "A");

  const QDateTime momento(QDate(2024, 5, 10), QTime(13, 30, 5, 123));
  // Values that take the form of their column in the row, and values that do not: these are kept
  // apart as they were written, for the database to judge when they are sent.
  const struct {
    const char* campo;
    QVariant valor;
  } casos[] = {
      {"CHICO", -7},
      {"CHICO", 70000},
      {"IMPORTE", 12.5},
      {"IMPORTE", 12.345},
      {"IMPORTE", 1e12},
      {"FLOTANTE", 0.5},
      {"FLOTANTE", 0.1},
      {"GRANDE", qlonglong(-9000000000LL)},
      {"FECHA", QDate(2024, 5, 10)},
      {"HORA", QTime(13, 30, 5, 123)},
      {"MOMENTO", momento},
      {"ACTIVO", true},
      {"CLAVE", QString("AB")},
      {"CLAVE", QString("AB ")},
      {"CLAVE", QString("ABCD")},
      {"NOMBRE", QString("Año")},
      {"NOMBRE", QString("\u0132sel")},  // not in ISO8859_1
      {"NOMBRE", QString("demasiado largo")},
      {"NOTAS", QString("otra nota")},
      {"FOTO", QByteArray("\x00\xff", 2)},
  };
  for (const auto& caso : casos) {
    cliente.Edit();
    cliente.FieldByName(caso.campo).SetValue(caso.valor);
    cliente.Post();
    const QVariant leido = cliente.FieldByName(caso.campo).Value();
    if (caso.valor.typeId() == QMetaType::QDateTime) {
      EXPECT_EQ(leido.toDateTime().date(), momento.date());
      EXPECT_EQ(leido.toDateTime().time(), momento.time());
    } else {
      EXPECT_EQ(leido, caso.valor) << caso.campo;
    }
  }
  EXPECT_EQ(cliente.FieldByName("ID").AsInteger(), 1);
  EXPECT_EQ(cliente.FieldByName("CHICO").AsInteger(), 70000);
}

TEST_F(Componentes, EveryTypeReadsAsTheTextThatShowsItsValue) {
  const TFormatSettings anterior = FormatSettings;
  FormatSettings = TFormatSettings::Create(QStringLiteral("es-MX"));
  FormatSettings.DateSeparator = QLatin1Char('/');
  FormatSettings.TimeSeparator = QLatin1Char(':');
  FormatSettings.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
  FormatSettings.ShortTimeFormat = QStringLiteral("hh:nn:ss");
  const struct {
    const char* expresion;
    const char* texto;
  } casos[] = {
      {"CAST(NULL AS INTEGER)", ""},
      {"CAST(-32768 AS SMALLINT)", "-32768"},
      {"CAST(-2147483648 AS INTEGER)", "-2147483648"},
      {"CAST(-9223372036854775808 AS BIGINT)", "-9223372036854775808"},
      {"CAST(12.50 AS NUMERIC(9, 2))", "12.5"},
      {"CAST(-0.05 AS NUMERIC(4, 2))", "-0.05"},
      {"CAST(0 AS NUMERIC(18, 2))", "0"},
      {"CAST(0.00001 AS NUMERIC(18, 6))", "0.00001"},
      {"CAST(0.000001 AS NUMERIC(18, 6))", "1E-6"},
      {"CAST(123456789012.34 AS NUMERIC(18, 2))", "123456789012.34"},
      // every digit, also beyond the 15 that a real keeps
      {"CAST(1234567890123456.78 AS NUMERIC(18, 2))", "1234567890123456.78"},
      {"CAST(-92233720368547758.08 AS NUMERIC(18, 2))", "-92233720368547758.08"},
      {"CAST(0.1 AS DOUBLE PRECISION)", "0.1"},
      {"CAST(2 AS DOUBLE PRECISION) / 3", "0.666666666666667"},
      {"CAST(1E-7 AS DOUBLE PRECISION)", "1E-7"},
      {"CAST(1E300 AS DOUBLE PRECISION)", "1E300"},
      {"CAST(2.5 AS FLOAT)", "2.5"},
      {"CAST(0.1 AS FLOAT)", "0.100000001490116"},
      {"DATE '0001-01-01'", "01/01/0001"},
      {"DATE '1600-02-29'", "29/02/1600"},
      {"DATE '1899-12-30'", "30/12/1899"},
      {"DATE '2000-02-29'", "29/02/2000"},
      {"DATE '9999-12-31'", "31/12/9999"},
      {"TIME '00:00:00'", "00:00:00"},
      {"TIME '12:34:56.5'", "12:34:56"},
      {"TIME '23:59:59.9999'", "23:59:59"},
      {"TIMESTAMP '0001-01-01 00:00:00'", "01/01/0001 00:00:00"},
      {"TIMESTAMP '2024-02-29 17:03:09'", "29/02/2024 17:03:09"},
      {"TIMESTAMP '9999-12-31 23:59:59.9999'", "31/12/9999 23:59:59"},
      {"TRUE", "True"},
      {"FALSE", "False"},
      {"CAST('ab ' AS CHAR(5))", "ab"},
      {"CAST(' a ' AS VARCHAR(5))", " a "},
      {"CAST('Compañía' AS VARCHAR(10))", "Compañía"},
      {"CAST('ab' AS VARCHAR(3) CHARACTER SET OCTETS)", "ab"},
      {"CAST('nota' AS BLOB SUB_TYPE TEXT)", "nota"},
  };
  for (const auto& caso : casos) {
    TFbQuery q;
    q.SetConnection(&bd);
    q.SQL().SetText(QStringLiteral("SELECT %1 FROM RDB$DATABASE").arg(QString::fromUtf8(caso.expresion)));
    q.Open();
    EXPECT_EQ(q.Field(0).AsString(), QString::fromUtf8(caso.texto)) << caso.expresion;
  }

  // A change of the formats shows in the next text.
  TFbQuery q;
  q.SetConnection(&bd);
  q.SQL().SetText("SELECT DATE '2000-02-29', TIMESTAMP '2024-02-29 17:03:09' FROM RDB$DATABASE");
  q.Open();
  FormatSettings.ShortDateFormat = QStringLiteral("yyyy-mm-dd");
  FormatSettings.TimeSeparator = QLatin1Char('.');
  EXPECT_EQ(q.Field(0).AsString(), "2000-02-29");
  EXPECT_EQ(q.Field(1).AsString(), "2024-02-29 17.03.09");
  FormatSettings = anterior;
}

TEST_F(Componentes, ADetailFollowsItsMaster) {
  TDataSet maestro;
  maestro.FieldDefs() = {{"ID", ftInteger, 0}};
  maestro.Open();
  for (const int id : {1, 2}) {
    maestro.Append();
    maestro.FieldByName("ID").SetAsInteger(id);
    maestro.Post();
  }
  maestro.First();
  TDataSource fuente;
  fuente.SetDataSet(&maestro);
  TFbQuery detalle;
  detalle.SetConnection(&bd);
  detalle.SQL().SetText("SELECT NOMBRE FROM CLIENTES WHERE ID = :ID");
  detalle.SetMasterSource(&fuente);
  detalle.Open();
  EXPECT_EQ(detalle.FieldByName("NOMBRE").AsString(), "Compañía del Año");
  maestro.Next();
  EXPECT_EQ(detalle.FieldByName("NOMBRE").AsString(), "Dos");
}

}  // namespace
