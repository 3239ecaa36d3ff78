// Reads every cell of a table of 100,000 rows and 5 columns (an integer, two texts, a real and a date)
// two ways: through the grid model's data(), as the view asks for what it draws, and straight from the
// data set with RowValue, turned into the same texts. The runs take turns over the repetitions and the
// medians are compared (target: the model within 1.3 times the data set). It also measures the heap that a
// model over the table takes, once built and once every cell has been read: the memory it adds per row
// (target: none).
//
//   modelo_rejilla_bench [--filas=100000] [--repeticiones=7] [Google Benchmark's options]
//
// The program fails when the two sides do not read the same texts.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QCoreApplication>
#include <QDate>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <vector>

#include "ReporteMedianas.h"
#include "platform/data/MemTable.h"
#include "platform/grids/DBGridModel.h"

namespace {

QString Opcion(const QStringList& AArgumentos, const QString& ANombre, const QString& APorOmision) {
  for (const QString& a : AArgumentos)
    if (a.startsWith(ANombre + QLatin1Char('='))) return a.mid(ANombre.size() + 1);
  return APorOmision;
}

void Llenar(TMemTable& ATabla, int AFilas) {
  ATabla.FieldDefs() = {{"ID", ftInteger, 0},
                        {"NOMBRE_CORTO", ftString, 50},
                        {"CONCEPTO", ftString, 60},
                        {"IMPORTE", ftFloat, 0},
                        {"FECHA", ftDate, 0}};
  ATabla.Open();
  for (int i = 0; i < AFilas; ++i) {
    ATabla.Append();
    ATabla.Field(0).SetAsInteger(i);
    ATabla.Field(1).SetAsString(QStringLiteral("EMPRESA%1").arg(i % 997));
    ATabla.Field(2).SetAsString(QStringLiteral("Pago de la factura número %1 de la compañía").arg(i));
    ATabla.Field(3).SetAsFloat(i * 1.25);
    ATabla.Field(4).SetValue(QDate(2015, 1, 1).addDays(i % 3650));
    ATabla.Post();
  }
}

TGridColumns Columnas(const TDataSet& ATabla) {
  TGridColumns columnas;
  for (int i = 0; i < ATabla.FieldCount(); ++i) {
    TGridColumn c;
    c.FieldName = c.Title = ATabla.Field(i).FieldName();
    c.DisplayWidth = 10;
    columnas << c;
  }
  return columnas;
}

// A fingerprint of every text read, so that the work is not optimised away and both sides can be compared.
struct Lectura {
  quint64 Huella = 0;
  void Sumar(const QString& ATexto) { Huella = Huella * 31 + qHash(ATexto); }
};

Lectura LeerDelModelo(const TDBGridModel& AModelo) {
  Lectura l;
  const int filas = AModelo.rowCount();
  const int columnas = AModelo.columnCount();
  for (int r = 0; r < filas; ++r)
    for (int c = 0; c < columnas; ++c) l.Sumar(AModelo.data(AModelo.index(r, c)).toString());
  return l;
}

Lectura LeerDelDataSet(TDataSet& ATabla) {
  Lectura l;
  const int filas = ATabla.RecordCount();
  const int campos = ATabla.FieldCount();
  for (int r = 0; r < filas; ++r)
    for (int f = 0; f < campos; ++f) l.Sumar(ValueText(ATabla.RowValue(r, f)));
  return l;
}

size_t HeapEnUso() { return mallinfo2().uordblks; }

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication aplicacion(argc, argv);
  const QStringList argumentos = aplicacion.arguments();
  const int filas = Opcion(argumentos, QStringLiteral("--filas"), QStringLiteral("100000")).toInt();
  const int repeticiones = Opcion(argumentos, QStringLiteral("--repeticiones"), QStringLiteral("7")).toInt();

  TMemTable tabla;
  Llenar(tabla, filas);
  TDataSource fuente;
  fuente.SetDataSet(&tabla);

  // The heap a model adds: built over the table, then once every cell has been read. The data set is read
  // first, so that what reading itself keeps (the formats' caches) is counted on neither side.
  const Lectura delDataSet = LeerDelDataSet(tabla);
  const size_t antes = HeapEnUso();
  auto modelo = std::make_unique<TDBGridModel>();
  modelo->SetColumns(Columnas(tabla));
  modelo->SetDataSource(&fuente);
  const size_t construido = HeapEnUso();
  const Lectura delModelo = LeerDelModelo(*modelo);
  const size_t leido = HeapEnUso();
  if (modelo->rowCount() != filas || delModelo.Huella != delDataSet.Huella) {
    std::fprintf(stderr, "the model shows %d rows (%llx), the data set %d (%llx)\n", modelo->rowCount(),
                 static_cast<unsigned long long>(delModelo.Huella), filas,
                 static_cast<unsigned long long>(delDataSet.Huella));
    return 1;
  }

  const auto registrar = [&](const char* ANombre, auto ALeer) {
    benchmark::RegisterBenchmark(ANombre, ALeer)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(repeticiones)
        ->DisplayAggregatesOnly(true);
  };
  registrar("Modelo", [&](benchmark::State& AEstado) {
    for (auto _ : AEstado) benchmark::DoNotOptimize(LeerDelModelo(*modelo).Huella);
  });
  registrar("DataSet", [&](benchmark::State& AEstado) {
    for (auto _ : AEstado) benchmark::DoNotOptimize(LeerDelDataSet(tabla).Huella);
  });

  std::vector<char*> conIntercalado;
  IntercalarRepeticiones(argc, argv, conIntercalado);
  benchmark::Initialize(&argc, argv);
  ReporteMedianas reporte;
  benchmark::RunSpecifiedBenchmarks(&reporte);
  benchmark::Shutdown();

  std::printf("%d rows x 5 columns, every cell as its text:\n", filas);
  reporte.Razon("Modelo", "DataSet", 1.3);
  std::printf(
      "  heap the model adds: %lld bytes once built, %lld bytes after every cell was read: %.3f bytes per row "
      "(target: none)\n",
      static_cast<long long>(construido) - static_cast<long long>(antes),
      static_cast<long long>(leido) - static_cast<long long>(antes),
      (static_cast<double>(leido) - static_cast<double>(antes)) / filas);
  return 0;
}
