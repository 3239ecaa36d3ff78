// Reads every row of a table of 100,000 account movements, once through TqovDAQuery and once with the
// client library's own fetch loop, and prints how many times the raw fetch the adapter takes.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <vector>

#include "ReporteRazon.h"
#include "core/dataaccess/DAIBCDatabase.h"
#include "core/dataaccess/DAIBCQuery.h"
#include "fixtures/BasesDePrueba.h"
#include "platform/fbclient/FbClient.h"

namespace {

const char* const Consulta = "SELECT ID, FECHA, FOLIO, CONCEPTO, IMPORTE, CANTIDAD, ESTATUS FROM MOVIMIENTOS";

// The database, made once for the whole run.
const QString& BaseDeDatos() {
  static QTemporaryDir carpeta;
  static const QString ruta = [] {
    const QString r = carpeta.filePath("movimientos.fdb");
    CrearBaseDatos(r,
                   "CREATE TABLE MOVIMIENTOS (ID INTEGER NOT NULL PRIMARY KEY, FECHA DATE, FOLIO VARCHAR(20), "
                   "CONCEPTO VARCHAR(60), IMPORTE NUMERIC(18, 2), CANTIDAD INTEGER, ESTATUS CHAR(1));\n"
                   "SET TERM ^ ;\n"
                   "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < 100000) DO BEGIN "
                   "INSERT INTO MOVIMIENTOS VALUES (:I, DATEADD(MOD(:I, 3650) DAY TO DATE '2015-01-01'), "
                   "'F-' || :I, 'Pago de la factura número ' || :I || ' de la compañía', :I * 1.25, MOD(:I, 97), "
                   "IIF(MOD(:I, 2) = 0, 'A', 'C')); I = I + 1; END END^\n"
                   "SET TERM ; ^\nCOMMIT;\n");
    return r;
  }();
  return ruta;
}

void LeerConTqovDAQuery(benchmark::State& AEstado) {
  TqovDADatabase bd;
  TqovDATransaction t;
  bd.SetDBName(BaseDeDatos());
  bd.SetDBParams({"user_name=SYSDBA", "password=masterkey"});
  bd.Options().Charset = "ISO8859_1";
  bd.SetDefaultTransaction(&t);
  t.SetDefaultDatabase(&bd);
  bd.Open();
  TqovDAQuery q;
  q.SetDatabase(&bd);
  q.SQL().SetText(Consulta);
  for (auto _ : AEstado) {
    q.ExecQuery();
    qint64 suma = 0;
    for (q.First(); !q.Eof(); q.Next()) suma += q.Field(0).AsInteger();
    benchmark::DoNotOptimize(suma);
    q.Close();
  }
}

// The client library alone: prepare, describe, fetch every row into its buffers.
void LeerConElCliente(benchmark::State& AEstado) {
  const TFbClientApi& api = TFbClientLibrary::Load("fbclient.dll").Api();
  ISC_STATUS_ARRAY estado;
  isc_db_handle bd = 0;
  const QByteArray ruta = BaseDeDatos().toLocal8Bit();
  const char dpb[] = {isc_dpb_version1,
                      isc_dpb_user_name,
                      6,
                      'S',
                      'Y',
                      'S',
                      'D',
                      'B',
                      'A',
                      isc_dpb_lc_ctype,
                      9,
                      'I',
                      'S',
                      'O',
                      '8',
                      '8',
                      '5',
                      '9',
                      '_',
                      '1'};
  if (api.isc_attach_database(estado, 0, ruta.constData(), &bd, sizeof dpb, dpb)) std::abort();
  isc_tr_handle tr = 0;
  const char tpb[] = {isc_tpb_version3, isc_tpb_read_committed, isc_tpb_rec_version, isc_tpb_nowait, isc_tpb_read};
  struct {
    isc_db_handle* bd;
    int largo;
    const char* tpb;
  } teb{&bd, sizeof tpb, tpb};
  if (api.isc_start_multiple(estado, &tr, 1, &teb)) std::abort();
  for (auto _ : AEstado) {
    isc_stmt_handle st = 0;
    std::vector<char> memoria(XSQLDA_LENGTH(7));
    XSQLDA* salida = reinterpret_cast<XSQLDA*>(memoria.data());
    salida->version = SQLDA_VERSION1;
    salida->sqln = 7;
    if (api.isc_dsql_allocate_statement(estado, &bd, &st) ||
        api.isc_dsql_prepare(estado, &tr, &st, 0, Consulta, 3, salida))
      std::abort();
    std::vector<std::vector<char>> datos(salida->sqld);
    std::vector<short> nulos(salida->sqld);
    for (int i = 0; i < salida->sqld; ++i) {
      XSQLVAR& v = salida->sqlvar[i];
      datos[i].resize(v.sqllen + 2);
      v.sqldata = datos[i].data();
      v.sqlind = &nulos[i];
    }
    if (api.isc_dsql_execute(estado, &tr, &st, 1, nullptr)) std::abort();
    qint64 suma = 0;
    while (api.isc_dsql_fetch(estado, &st, 1, salida) == 0)
      suma += *reinterpret_cast<ISC_LONG*>(salida->sqlvar[0].sqldata);
    benchmark::DoNotOptimize(suma);
    api.isc_dsql_free_statement(estado, &st, DSQL_drop);
  }
  api.isc_commit_transaction(estado, &tr);
  api.isc_detach_database(estado, &bd);
}

BENCHMARK(LeerConElCliente)->Unit(benchmark::kMillisecond);
BENCHMARK(LeerConTqovDAQuery)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  ReporteRazon reporte;
  benchmark::RunSpecifiedBenchmarks(&reporte);
  reporte.Razon("LeerConTqovDAQuery", "LeerConElCliente", 1.5);
  benchmark::Shutdown();
  return 0;
}
