// Converts a company of about 200 MB through MigrarBD against the bare gbak backup of the plain file (the
// fastest gbak can read it) and restore of the same file, and lists 100 companies through
// ObtenerEmpresasConfig against 100 bare gstat runs. The runs of all four take turns over the repetitions,
// and the medians are compared. The server on 127.0.0.1 must run, with QOV_SYSDBA_PASSWORD its password.
//
//   conversion_bench [--repeticiones=5] [Google Benchmark's options]

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "EmpresaGrande.h"
#include "ReporteMedianas.h"
#include "core/engine/FirebirdProc.h"
#include "fixtures/BasesDePrueba.h"
#include "fixtures/CarpetaDatos.h"
#include "fixtures/CarpetaTrabajo.h"
#include "platform/data/MemTable.h"
#include "platform/os/ProcessRunner.h"

namespace {

constexpr int Empresas = 100;

// The working and data folders, made once: the large company kept aside as a template, and a data
// folder listing 100 companies.
struct Entorno {
  CarpetaTrabajo carpeta;
  QString plantilla = carpeta.Raiz() + "/plantilla.fdb";
  QString listado = carpeta.Raiz() + "/listado/";

  Entorno() {
    CarpetaDatos::CrearEmpresa(plantilla, MovimientosGrandes);
    QStringList nombres;
    for (int i = 0; i < Empresas; ++i) nombres << QStringLiteral("EMPRESA %1").arg(i, 3, 10, QLatin1Char('0'));
    // Every database here is in ODS 12 for the real gstat, so Config counts as converted and the list is
    // read from its archived copy.
    QDir().mkpath(listado + "System");
    QDir().mkpath(listado + "ArchivarBDAnterior2019/System");
    CarpetaDatos::CrearConfig(listado + "System/Config.fdb", nombres);
    QFile::copy(listado + "System/Config.fdb", listado + "ArchivarBDAnterior2019/System/Config.fdb");
    const QString modelo = listado + "modelo.fdb";
    CarpetaDatos::CrearEmpresa(modelo, 5);
    for (const QString& nombre : nombres) QFile::copy(modelo, listado + nombre + ".fdb");
  }

  static Entorno& Uno() {
    static Entorno entorno;
    return entorno;
  }
};

// A fresh data folder holding a copy of the large company.
QString NuevaCarpetaDatos(const QString& ANombre) {
  Entorno& e = Entorno::Uno();
  return NuevaCarpetaDatos(e.carpeta.Raiz(), e.plantilla, ANombre);
}

void ConvertirConMigrarBD(benchmark::State& AEstado) {
  TCallerSilencioso caller;
  for (auto _ : AEstado) {
    AEstado.PauseTiming();
    const QString datos = NuevaCarpetaDatos("migrar");
    QDir(Entorno::Uno().carpeta.Log()).removeRecursively();
    TqovFirebirdProc proc;
    AEstado.ResumeTiming();
    proc.MigrarBD(caller, datos, "GRANDE", "SYSDBA", ClaveSysdbaServidor(), HerramientaFirebird3("gbak"), "", false);
  }
}

void RespaldarYRestaurarConGbak(benchmark::State& AEstado) {
  const QString gbak = HerramientaFirebird3("gbak");
  for (auto _ : AEstado) {
    AEstado.PauseTiming();
    const QString datos = NuevaCarpetaDatos("gbak");
    AEstado.ResumeTiming();
    ProcessHandle proceso = 0;
    if (EjecutarProceso({gbak,
                         {"-b", "-t", "-user", "SYSDBA", "-password", ClaveSysdbaServidor(),
                          datos + "GRANDE.fdb", datos + "GRANDE.fbk"}},
                        proceso) != 0 ||
        EjecutarProceso({gbak,
                         {"-c", "-replace", "-p", "8192", "-user", "SYSDBA", "-password", "quorbiled",
                          datos + "GRANDE.fbk", datos + "GRANDE_ODS12.fdb"}},
                        proceso) != 0)
      std::abort();
  }
}

void ListarConObtenerEmpresasConfig(benchmark::State& AEstado) {
  Entorno& e = Entorno::Uno();
  TCallerSilencioso caller;
  TqovFirebirdProc proc;
  TMemTable tabla;
  tabla.FieldDefs() = {{"SELECCIONADO", ftString, 20}, {"NOMBRE_CORTO", ftString, 50}};
  for (auto _ : AEstado) proc.ObtenerEmpresasConfig(caller, tabla, e.listado, "SYSDBA", ClaveSysdbaServidor(), "");
}

void SondearConGstat(benchmark::State& AEstado) {
  Entorno& e = Entorno::Uno();
  const QString gstat = HerramientaFirebird3("gstat");
  for (auto _ : AEstado)
    for (int i = 0; i < Empresas; ++i) {
      ProcessHandle proceso = 0;
      EjecutarProceso({gstat,
                       {"-h", e.listado + QStringLiteral("EMPRESA %1.fdb").arg(i, 3, 10, QLatin1Char('0'))},
                       {},
                       "tempVer.txt"},
                      proceso);
    }
}

}  // namespace

int main(int argc, char** argv) {
  int repeticiones = 5;
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], "--repeticiones=", 15) == 0) repeticiones = std::atoi(argv[i] + 15);
  RegistrarPorRepeticiones("RespaldarYRestaurarConGbak", RespaldarYRestaurarConGbak, benchmark::kSecond, repeticiones);
  RegistrarPorRepeticiones("ConvertirConMigrarBD", ConvertirConMigrarBD, benchmark::kSecond, repeticiones);
  RegistrarPorRepeticiones("SondearConGstat", SondearConGstat, benchmark::kMillisecond, repeticiones);
  RegistrarPorRepeticiones("ListarConObtenerEmpresasConfig", ListarConObtenerEmpresasConfig, benchmark::kMillisecond,
                           repeticiones);
  std::vector<char*> conIntercalado;
  IntercalarRepeticiones(argc, argv, conIntercalado);
  benchmark::Initialize(&argc, argv);
  Entorno::Uno();
  ReporteMedianas reporte;
  benchmark::RunSpecifiedBenchmarks(&reporte);
  reporte.Razon("ConvertirConMigrarBD", "RespaldarYRestaurarConGbak", 1.05);
  reporte.Razon("ListarConObtenerEmpresasConfig", "SondearConGstat", 1.2);
  benchmark::Shutdown();
  return 0;
}
