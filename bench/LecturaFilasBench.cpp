// Reads every row of a narrow table (7 columns) and a wide one (20 columns, a text blob among them),
// 100,000 and 1,000,000 rows, four ways: through the suite's query adapter, every field's value and
// then every field's text, through the client library's own fetch loop, and with isql writing them to
// /dev/null. The client's side converts every column to the values a caller works with. The runs of
// the four take turns over the repetitions, and the medians are compared: the values against the
// client's, the texts against isql's, whose work is text too. Each adapter side and the client's then
// reads the whole table once more in a process of its own, which reports its peak memory, so that the
// memory per row can be set against the row's message.
//
//   lectura_filas_bench [--filas=100000,1000000] [--tablas=angosta,ancha] [--repeticiones=5]
//                       [Google Benchmark's options]
//
// The databases are made once and kept in the build folder. The program fails when the two sides do
// not read the same values.

#include <benchmark/benchmark.h>
#include <ibase.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryFile>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

#include "ReporteMedianas.h"
#include "core/dataaccess/DAIBCDatabase.h"
#include "core/dataaccess/DAIBCQuery.h"
#include "fixtures/BasesDePrueba.h"
#include "platform/fbclient/FbClient.h"
#include "platform/os/ProcessRunner.h"
#include "platform/rtl/RawBytes.h"

namespace {

struct Tabla {
  const char* Nombre;
  // Creates the table and fills it with %1 rows.
  const char* Crear;
  const char* Consulta;
};

const Tabla Tablas[] = {
    {"angosta",
     "CREATE TABLE MOVIMIENTOS (ID INTEGER NOT NULL PRIMARY KEY, FECHA DATE, FOLIO VARCHAR(20), "
     "CONCEPTO VARCHAR(60), IMPORTE NUMERIC(18, 2), CANTIDAD INTEGER, ESTATUS CHAR(1));\n"
     "SET TERM ^ ;\n"
     "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < %1) DO BEGIN "
     "INSERT INTO MOVIMIENTOS VALUES (:I, DATEADD(MOD(:I, 3650) DAY TO DATE '2015-01-01'), 'F-' || :I, "
     "'Pago de la factura número ' || :I || ' de la compañía', :I * 1.25, MOD(:I, 97), "
     "IIF(MOD(:I, 2) = 0, 'A', 'C')); I = I + 1; END END^\n"
     "SET TERM ; ^\nCOMMIT;\n",
     "SELECT ID, FECHA, FOLIO, CONCEPTO, IMPORTE, CANTIDAD, ESTATUS FROM MOVIMIENTOS"},
    {"ancha",
     "CREATE TABLE DOCUMENTOS (ID INTEGER NOT NULL PRIMARY KEY, SERIE CHAR(4), FOLIO INTEGER, FECHA DATE, "
     "HORA TIME, CAPTURA TIMESTAMP, CLIENTE VARCHAR(60), RFC VARCHAR(13), DIRECCION VARCHAR(100), "
     "CIUDAD VARCHAR(40), SUBTOTAL NUMERIC(18, 2), IVA NUMERIC(18, 2), TOTAL NUMERIC(18, 2), "
     "DESCUENTO DOUBLE PRECISION, PARTIDAS SMALLINT, REFERENCIA BIGINT, ESTATUS CHAR(1), PAGADO BOOLEAN, "
     "MONEDA VARCHAR(3), NOTAS BLOB SUB_TYPE TEXT);\n"
     "SET TERM ^ ;\n"
     "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < %1) DO BEGIN "
     "INSERT INTO DOCUMENTOS VALUES (:I, IIF(MOD(:I, 3) = 0, 'FAC', 'NC'), :I + 1000, "
     "DATEADD(MOD(:I, 3650) DAY TO DATE '2015-01-01'), DATEADD(MOD(:I, 86400) SECOND TO TIME '00:00:00'), "
     "DATEADD(:I SECOND TO TIMESTAMP '2015-01-01 08:00:00'), 'Cliente número ' || MOD(:I, 5000) || ' S.A. de C.V.', "
     "'XAXX0101010' || MOD(:I, 10), 'Calle ' || MOD(:I, 997) || ' número ' || :I || ', colonia Centro', "
     "'Ciudad ' || MOD(:I, 300), :I * 10.5, :I * 1.68, :I * 12.18, MOD(:I, 7) / 100.0, MOD(:I, 40) + 1, "
     ":I * 1000003, IIF(MOD(:I, 2) = 0, 'A', 'C'), MOD(:I, 2) = 0, 'MXN', "
     "'Observaciones del documento ' || :I); I = I + 1; END END^\n"
     "SET TERM ; ^\nCOMMIT;\n",
     "SELECT ID, SERIE, FOLIO, FECHA, HORA, CAPTURA, CLIENTE, RFC, DIRECCION, CIUDAD, SUBTOTAL, IVA, TOTAL, "
     "DESCUENTO, PARTIDAS, REFERENCIA, ESTATUS, PAGADO, MONEDA, NOTAS FROM DOCUMENTOS"},
};

const Tabla& TablaDeNombre(const QString& ANombre) {
  for (const Tabla& tabla : Tablas)
    if (ANombre == QLatin1String(tabla.Nombre)) return tabla;
  std::fprintf(stderr, "unknown table %s\n", qPrintable(ANombre));
  std::exit(2);
}

// The database of a table with so many rows, made the first time and kept in the build folder.
QString BaseDeDatos(const Tabla& ATabla, int AFilas) {
  const QString carpeta = QStringLiteral(QOV_BENCH_DATOS);
  const QString ruta = QStringLiteral("%1/%2_%3.fdb").arg(carpeta, QLatin1String(ATabla.Nombre)).arg(AFilas);
  if (QFile::exists(ruta)) return ruta;
  QDir().mkpath(carpeta);
  // Made under another name, so that an interrupted run leaves no half-filled database behind.
  const QString nueva = ruta + QStringLiteral(".nueva");
  QFile::remove(nueva);
  std::printf("Creating %s...\n", qPrintable(ruta));
  std::fflush(stdout);
  CrearBaseDatos(nueva, QString::fromUtf8(ATabla.Crear).arg(AFilas));
  QFile::rename(nueva, ruta);
  return ruta;
}

// What a side read: its rows, and a print of every value, the same on both sides when they read alike.
struct Lectura {
  qint64 Filas = 0;
  quint64 Huella = 0;
};

quint64 HuellaTexto(const QString& ATexto) {
  return static_cast<quint64>(ATexto.size()) * 131 + (ATexto.isEmpty() ? 0 : ATexto.back().unicode());
}

quint64 Huella(const QVariant& AValor) {
  switch (AValor.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
      return static_cast<quint64>(AValor.toLongLong());
    case QMetaType::Double:
      return std::bit_cast<quint64>(AValor.toDouble());
    case QMetaType::Bool:
      return AValor.toBool() ? 3 : 5;
    case QMetaType::QString:
      return HuellaTexto(AValor.toString());
    case QMetaType::QDate:
      return static_cast<quint64>(AValor.toDate().toJulianDay());
    case QMetaType::QTime:
      return static_cast<quint64>(AValor.toTime().msecsSinceStartOfDay());
    case QMetaType::QDateTime: {
      const QDateTime momento = AValor.toDateTime();
      return static_cast<quint64>(momento.date().toJulianDay()) * 86400000 + momento.time().msecsSinceStartOfDay();
    }
    default:
      return AValor.isNull() ? 7 : 11;
  }
}

// The size of a row's message as the client library lays it out: each value at its type's alignment,
// then its 16-bit NULL indicator.
int TamanoDelMensaje(const XSQLDA& ASalida) {
  int tamano = 0;
  for (int i = 0; i < ASalida.sqld; ++i) {
    const XSQLVAR& v = ASalida.sqlvar[i];
    const short tipo = static_cast<short>(v.sqltype & ~1);
    const int alineacion = tipo == SQL_TEXT || tipo == SQL_BOOLEAN    ? 1
                           : tipo == SQL_VARYING || tipo == SQL_SHORT ? 2
                           : tipo == SQL_INT64 || tipo == SQL_DOUBLE  ? 8
                                                                      : 4;
    tamano = (tamano + alineacion - 1) / alineacion * alineacion + v.sqllen + (tipo == SQL_VARYING ? 2 : 0);
    tamano = (tamano + 1) / 2 * 2 + 2;
  }
  return tamano;
}

// The client library alone: a statement prepared and fetched row by row into its buffers, each value
// converted as a caller of the library converts it (ISO8859_1 texts, CHAR without its trailing blanks,
// scaled numerics as doubles, a text blob read whole).
class Cliente {
 public:
  explicit Cliente(const QString& ARuta) : FApi(TFbClientLibrary::Load(QStringLiteral("fbclient.dll")).Api()) {
    const QByteArray ruta = QFile::encodeName(ARuta);
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
    Verificar(FApi.isc_attach_database(FEstado, 0, ruta.constData(), &FBd, sizeof dpb, dpb));
    const char tpb[] = {isc_tpb_version3, isc_tpb_read_committed, isc_tpb_rec_version, isc_tpb_nowait, isc_tpb_write};
    struct {
      isc_db_handle* Bd;
      int Largo;
      const char* Tpb;
    } teb{&FBd, sizeof tpb, tpb};
    Verificar(FApi.isc_start_multiple(FEstado, &FTr, 1, &teb));
  }

  ~Cliente() {
    FApi.isc_commit_transaction(FEstado, &FTr);
    FApi.isc_detach_database(FEstado, &FBd);
  }

  Lectura Leer(const char* ASql) {
    isc_stmt_handle sentencia = 0;
    const std::unique_ptr<XSQLDA> salida = Preparar(ASql, sentencia);
    std::vector<std::vector<char>> datos(salida->sqld);
    std::vector<short> nulos(salida->sqld);
    for (int i = 0; i < salida->sqld; ++i) {
      XSQLVAR& v = salida->sqlvar[i];
      datos[i].resize(v.sqllen + 2);
      v.sqldata = datos[i].data();
      v.sqlind = &nulos[i];
      v.sqltype = static_cast<short>(v.sqltype | 1);
    }
    Verificar(FApi.isc_dsql_execute(FEstado, &FTr, &sentencia, SQLDA_VERSION1, nullptr));
    Lectura lectura;
    while (FApi.isc_dsql_fetch(FEstado, &sentencia, SQLDA_VERSION1, salida.get()) == 0) {
      for (int i = 0; i < salida->sqld; ++i)
        lectura.Huella += Huella(nulos[i] == -1 ? QVariant() : Valor(salida->sqlvar[i]));
      ++lectura.Filas;
    }
    FApi.isc_dsql_free_statement(FEstado, &sentencia, DSQL_drop);
    return lectura;
  }

  int Mensaje(const char* ASql) {
    isc_stmt_handle sentencia = 0;
    const int tamano = TamanoDelMensaje(*Preparar(ASql, sentencia));
    FApi.isc_dsql_free_statement(FEstado, &sentencia, DSQL_drop);
    return tamano;
  }

 private:
  void Verificar(ISC_STATUS AResultado) {
    if (AResultado == 0) return;
    std::fprintf(stderr, "client library error %ld\n", static_cast<long>(FEstado[1]));
    std::exit(3);
  }

  std::unique_ptr<XSQLDA> Preparar(const char* ASql, isc_stmt_handle& ASentencia) {
    constexpr int Columnas = 20;
    std::unique_ptr<XSQLDA> salida(static_cast<XSQLDA*>(::operator new(XSQLDA_LENGTH(Columnas))));
    salida->version = SQLDA_VERSION1;
    salida->sqln = Columnas;
    Verificar(FApi.isc_dsql_allocate_statement(FEstado, &FBd, &ASentencia));
    Verificar(FApi.isc_dsql_prepare(FEstado, &FTr, &ASentencia, 0, ASql, 3, salida.get()));
    return salida;
  }

  static QDate Fecha(ISC_DATE AFecha) { return QDate::fromJulianDay(AFecha + 2400001); }
  static QTime Hora(ISC_TIME AHora) { return QTime::fromMSecsSinceStartOfDay(static_cast<int>(AHora / 10)); }

  QVariant Valor(const XSQLVAR& AVar) {
    const char* d = AVar.sqldata;
    const double escala = AVar.sqlscale < 0 ? std::pow(10.0, -AVar.sqlscale) : 0;
    switch (AVar.sqltype & ~1) {
      case SQL_TEXT: {
        int largo = AVar.sqllen;
        while (largo > 0 && d[largo - 1] == ' ') --largo;
        return QString::fromLatin1(d, largo);
      }
      case SQL_VARYING:
        return QString::fromLatin1(d + 2, ReadRaw<short>(d));
      case SQL_SHORT:
        return escala ? QVariant(ReadRaw<ISC_SHORT>(d) / escala) : QVariant(int{ReadRaw<ISC_SHORT>(d)});
      case SQL_LONG:
        return escala ? QVariant(ReadRaw<ISC_LONG>(d) / escala) : QVariant(int{ReadRaw<ISC_LONG>(d)});
      case SQL_INT64:
        return escala ? QVariant(static_cast<double>(ReadRaw<ISC_INT64>(d)) / escala)
                      : QVariant(qlonglong{ReadRaw<ISC_INT64>(d)});
      case SQL_FLOAT:
        return double{ReadRaw<float>(d)};
      case SQL_DOUBLE:
        return ReadRaw<double>(d);
      case SQL_TYPE_DATE:
        return Fecha(ReadRaw<ISC_DATE>(d));
      case SQL_TYPE_TIME:
        return Hora(ReadRaw<ISC_TIME>(d));
      case SQL_TIMESTAMP: {
        const auto momento = ReadRaw<ISC_TIMESTAMP>(d);
        return QDateTime(Fecha(momento.timestamp_date), Hora(momento.timestamp_time), Qt::UTC);
      }
      case SQL_BOOLEAN:
        return ReadRaw<FB_BOOLEAN>(d) != FB_FALSE;
      case SQL_BLOB:
        return QString::fromLatin1(Blob(ReadRaw<ISC_QUAD>(d)));
    }
    return {};
  }

  QByteArray Blob(ISC_QUAD AId) {
    isc_blob_handle blob = 0;
    Verificar(FApi.isc_open_blob2(FEstado, &FBd, &FTr, &blob, &AId, 0, nullptr));
    QByteArray contenido;
    char segmento[32768];
    for (;;) {
      unsigned short leidos = 0;
      const ISC_STATUS resultado = FApi.isc_get_segment(FEstado, &blob, &leidos, sizeof segmento, segmento);
      if (resultado != 0 && resultado != isc_segment) break;
      contenido.append(segmento, leidos);
    }
    FApi.isc_close_blob(FEstado, &blob);
    return contenido;
  }

  const TFbClientApi& FApi;
  ISC_STATUS_ARRAY FEstado{};
  isc_db_handle FBd = 0;
  isc_tr_handle FTr = 0;
};

// The suite's query adapter, as the suite sets it up (blobs read when their field is), walked from the
// first row to the last, every field's value read.
class Adaptador {
 public:
  explicit Adaptador(const QString& ARuta) {
    FBd.SetDBName(ARuta);
    FBd.SetDBParams({QStringLiteral("user_name=SYSDBA")});
    FBd.Options().Charset = QStringLiteral("ISO8859_1");
    FBd.SetDefaultTransaction(&FTransaccion);
    FTransaccion.SetDefaultDatabase(&FBd);
    FBd.Open();
  }

  Lectura Leer(const char* ASql) {
    return Recorrer(ASql, [](const TField& ACampo) { return Huella(ACampo.Value()); });
  }

  // Walks every row, adding up what ALeerCampo gives for each field.
  template <typename LeerCampo>
  Lectura Recorrer(const char* ASql, LeerCampo ALeerCampo) {
    TqovDAQuery consulta;
    consulta.SetDatabase(&FBd);
    consulta.SQL().SetText(QString::fromUtf8(ASql));
    consulta.ExecQuery();
    Lectura lectura;
    for (consulta.First(); !consulta.Eof(); consulta.Next()) {
      for (int i = 0; i < consulta.FieldCount(); ++i) lectura.Huella += ALeerCampo(consulta.Field(i));
      ++lectura.Filas;
    }
    return lectura;
  }

 private:
  TqovDADatabase FBd;
  TqovDATransaction FTransaccion;
};

// The same adapter, every field read as the text that shows it, as a caller that prints or exports the
// rows reads them.
class AdaptadorTexto : public Adaptador {
 public:
  using Adaptador::Adaptador;

  Lectura Leer(const char* ASql) {
    return Recorrer(ASql, [](const TField& ACampo) { return HuellaTexto(ACampo.AsString()); });
  }
};

// isql writing every row to /dev/null, as a second anchor. The embedded engine lets one process at a
// time open a database: no side holds it while isql runs.
void LeerConIsql(const QString& ARuta, const char* ASql) {
  static QTemporaryFile script;
  if (!script.isOpen() && !script.open()) std::exit(4);
  script.resize(0);
  script.write(ASql);
  script.write(";\n");
  script.flush();
  ProcessHandle proceso = 0;
  if (EjecutarProceso({HerramientaFirebird3(QStringLiteral("isql")),
                       {QStringLiteral("-q"), QStringLiteral("-user"), QStringLiteral("SYSDBA"), QStringLiteral("-ch"),
                        QStringLiteral("ISO8859_1"), QStringLiteral("-i"), script.fileName(), ARuta},
                       {},
                       QStringLiteral("/dev/null")},
                      proceso) != 0) {
    std::fprintf(stderr, "isql failed\n");
    std::exit(4);
  }
}

// The peak memory of this process so far, in bytes.
qint64 PicoDeMemoria() {
  QFile estado(QStringLiteral("/proc/self/status"));
  estado.open(QIODevice::ReadOnly);
  for (const QByteArray& linea : estado.readAll().split('\n'))
    if (linea.startsWith("VmHWM:")) return linea.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
  return 0;
}

// Run in a process of its own: one side reads the table once; prints its peak memory before and after
// the reading, and the row's message size.
int MedirMemoria(const QString& ALado, const Tabla& ATabla, int AFilas) {
  const QString ruta = BaseDeDatos(ATabla, AFilas);
  Cliente cliente(ruta);
  const int mensaje = cliente.Mensaje(ATabla.Consulta);
  AdaptadorTexto adaptador(ruta);
  const qint64 antes = PicoDeMemoria();
  const Lectura lectura = ALado == QLatin1String("adaptador") ? adaptador.Adaptador::Leer(ATabla.Consulta)
                          : ALado == QLatin1String("texto")   ? adaptador.Leer(ATabla.Consulta)
                                                              : cliente.Leer(ATabla.Consulta);
  std::printf("%lld %lld %d %lld\n", static_cast<long long>(antes), static_cast<long long>(PicoDeMemoria()), mensaje,
              static_cast<long long>(lectura.Filas));
  return 0;
}

struct Memoria {
  qint64 Antes = 0, Pico = 0;
  int Mensaje = 0;
};

Memoria MemoriaDe(const QString& ALado, const Tabla& ATabla, int AFilas) {
  QProcess proceso;
  proceso.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--memoria=") + ALado, QStringLiteral("--tabla=") + QLatin1String(ATabla.Nombre),
                 QStringLiteral("--filas=%1").arg(AFilas)});
  proceso.waitForFinished(-1);
  const QList<QByteArray> cifras = proceso.readAllStandardOutput().trimmed().split('\n').last().split(' ');
  if (proceso.exitCode() != 0 || cifras.size() != 4) {
    std::fprintf(stderr, "the memory run of %s failed\n", qPrintable(ALado));
    std::exit(5);
  }
  return {cifras[0].toLongLong(), cifras[1].toLongLong(), cifras[2].toInt()};
}

// One reading by a side, timed without its attachment to the database.
template <typename Lado>
void Medir(benchmark::State& AEstado, const QString& ARuta, const char* ASql) {
  for (auto _ : AEstado) {
    AEstado.PauseTiming();
    {
      Lado lado(ARuta);
      AEstado.ResumeTiming();
      benchmark::DoNotOptimize(lado.Leer(ASql));
      AEstado.PauseTiming();
    }
    AEstado.ResumeTiming();
  }
}

std::string Nombre(const char* ALado, const Tabla& ATabla, int AFilas) {
  return std::string(ALado) + "/" + ATabla.Nombre + "/" + std::to_string(AFilas);
}

QString Opcion(const QStringList& AArgumentos, const QString& ANombre, const QString& APorOmision) {
  for (const QString& argumento : AArgumentos)
    if (argumento.startsWith(ANombre + QLatin1Char('='))) return argumento.mid(ANombre.size() + 1);
  return APorOmision;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication aplicacion(argc, argv);
  const QStringList argumentos = aplicacion.arguments();
  const QString lado = Opcion(argumentos, QStringLiteral("--memoria"), QString());
  if (!lado.isEmpty())
    return MedirMemoria(lado, TablaDeNombre(Opcion(argumentos, QStringLiteral("--tabla"), QString())),
                        Opcion(argumentos, QStringLiteral("--filas"), QString()).toInt());

  QList<int> filas;
  for (const QString& n : Opcion(argumentos, QStringLiteral("--filas"), QStringLiteral("100000,1000000")).split(','))
    filas << n.toInt();
  const int repeticiones = Opcion(argumentos, QStringLiteral("--repeticiones"), QStringLiteral("5")).toInt();
  std::vector<const Tabla*> tablas;
  for (const QString& nombre :
       Opcion(argumentos, QStringLiteral("--tablas"), QStringLiteral("angosta,ancha")).split(','))
    tablas.push_back(&TablaDeNombre(nombre));

  // Every side reads each table once before any measurement, which also makes the databases and
  // warms the caches. The client and the adapter must read the same values, and the texts must be
  // those of the values.
  bool iguales = true;
  for (const Tabla* medida : tablas)
    for (const int n : filas) {
      const Tabla& tabla = *medida;
      const QString ruta = BaseDeDatos(tabla, n);
      const Lectura directa = Cliente(ruta).Leer(tabla.Consulta);
      const Lectura adaptada = Adaptador(ruta).Leer(tabla.Consulta);
      const Lectura textos = AdaptadorTexto(ruta).Leer(tabla.Consulta);
      const Lectura textosDeValores = Adaptador(ruta).Recorrer(
          tabla.Consulta, [](const TField& ACampo) { return HuellaTexto(ValueText(ACampo.Value())); });
      LeerConIsql(ruta, tabla.Consulta);
      if (directa.Filas != n || adaptada.Filas != n || directa.Huella != adaptada.Huella) {
        std::fprintf(stderr, "%s, %d rows: the client read %lld rows (%llx), the adapter %lld (%llx)\n", tabla.Nombre,
                     n, static_cast<long long>(directa.Filas), static_cast<unsigned long long>(directa.Huella),
                     static_cast<long long>(adaptada.Filas), static_cast<unsigned long long>(adaptada.Huella));
        iguales = false;
      }
      if (textos.Filas != n || textos.Huella != textosDeValores.Huella) {
        std::fprintf(stderr, "%s, %d rows: the adapter read %lld rows of texts (%llx), those of the values are %llx\n",
                     tabla.Nombre, n, static_cast<long long>(textos.Filas),
                     static_cast<unsigned long long>(textos.Huella),
                     static_cast<unsigned long long>(textosDeValores.Huella));
        iguales = false;
      }
      const auto registrar = [&](const char* ALado, auto ALeer) {
        benchmark::RegisterBenchmark(Nombre(ALado, tabla, n).c_str(), ALeer)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(repeticiones)
            ->DisplayAggregatesOnly(true);
      };
      const char* sql = tabla.Consulta;
      registrar("Cliente", [ruta, sql](benchmark::State& AEstado) { Medir<Cliente>(AEstado, ruta, sql); });
      registrar("Adaptador", [ruta, sql](benchmark::State& AEstado) { Medir<Adaptador>(AEstado, ruta, sql); });
      registrar("AdaptadorTexto",
                [ruta, sql](benchmark::State& AEstado) { Medir<AdaptadorTexto>(AEstado, ruta, sql); });
      registrar("Isql", [ruta, sql](benchmark::State& AEstado) {
        for (auto _ : AEstado) LeerConIsql(ruta, sql);
      });
    }
  if (!iguales) return 1;

  std::vector<char*> conIntercalado;
  IntercalarRepeticiones(argc, argv, conIntercalado);
  benchmark::Initialize(&argc, argv);
  ReporteMedianas reporte;
  benchmark::RunSpecifiedBenchmarks(&reporte);
  benchmark::Shutdown();

  for (const Tabla* medida : tablas)
    for (const int n : filas) {
      const Tabla& tabla = *medida;
      std::printf("%s table, %d rows:\n", tabla.Nombre, n);
      reporte.Razon(Nombre("Adaptador", tabla, n), Nombre("Cliente", tabla, n), n >= 1000000 ? 1.3 : 0);
      reporte.Razon(Nombre("Adaptador", tabla, n), Nombre("Isql", tabla, n));
      reporte.Razon(Nombre("AdaptadorTexto", tabla, n), Nombre("Isql", tabla, n), n >= 1000000 ? 0.7 : 0);
      const Memoria directa = MemoriaDe(QStringLiteral("cliente"), tabla, n);
      const Memoria adaptada = MemoriaDe(QStringLiteral("adaptador"), tabla, n);
      const Memoria textos = MemoriaDe(QStringLiteral("texto"), tabla, n);
      const double porFila = double((adaptada.Pico - adaptada.Antes) - (directa.Pico - directa.Antes)) / n;
      std::printf(
          "  peak memory: client %.0f MB, adapter %.0f MB, adapter reading texts %.0f MB; the adapter holds %.0f "
          "bytes per row, %.2f times the row's message of %d bytes (target: up to 1.50)\n",
          directa.Pico / 1e6, adaptada.Pico / 1e6, textos.Pico / 1e6, porFila, porFila / directa.Mensaje,
          directa.Mensaje);
    }
  return 0;
}
