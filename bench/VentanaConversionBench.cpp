// Converts a company of about 200 MB through the main window (offscreen) against the bare engine's MigrarBD on
// the same file, and measures how long the window goes without handling an event: a 10 ms timer runs during
// the window's run, and the longest gap between two of its ticks is reported. The runs take turns over the
// repetitions and the medians are compared. The server on 127.0.0.1 must run, with QOV_SYSDBA_PASSWORD its
// password.
//
//   ventana_conversion_bench [--repeticiones=3] [--movimientos=550000] [Google Benchmark's options]

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <clocale>
#include <cstring>
#include <vector>

#include "EmpresaGrande.h"
#include "ReporteMedianas.h"
#include "app/main/ParvenkoFrm.h"
#include "controls/basic/ButtonQov.h"
#include "controls/inicio/InicioControlesQov.h"
#include "fixtures/BasesDePrueba.h"
#include "fixtures/CarpetaDatos.h"
#include "fixtures/CarpetaTrabajo.h"
#include "platform/forms/Application.h"
#include "platform/forms/Edit.h"

namespace {

int Movimientos = MovimientosGrandes;

// The working folder, whose gstat reports the fixtures' databases of page size 4096 as ODS 11.2, the large
// company kept aside as a template, and the installed older server (the real gbak).
struct Entorno {
  CarpetaTrabajo carpeta;
  QString plantilla = carpeta.Raiz() + "/plantilla.fdb";
  QString gbak = InstalarServidorAnterior(carpeta.Raiz() + "/firebird anterior", HerramientaFirebird3("isql"));

  Entorno() {
    carpeta.UsarGstat(HerramientaDePrueba("gstat-ods11"));
    CarpetaDatos::CrearEmpresa(plantilla, Movimientos);
  }

  // A data folder with the large company and a converted Config that lists it, so that the run converts
  // the company alone, as MigrarBD does.
  QString NuevosDatos(const QString& ANombre) const {
    const QString datos = NuevaCarpetaDatos(carpeta.Raiz(), plantilla, ANombre);
    QDir().mkpath(datos + "System");
    QDir().mkpath(datos + "ArchivarBDAnterior2019/System");
    CarpetaDatos::CrearConfig(datos + "ArchivarBDAnterior2019/System/Config.fdb", {"GRANDE"});
    CarpetaDatos::CrearConfig(datos + "System/Config.fdb", {"GRANDE"}, 8192);
    QDir(carpeta.Log()).removeRecursively();
    return datos;
  }

  static Entorno& Uno() {
    static Entorno entorno;
    return entorno;
  }
};

void ConvertirConMigrarBD(benchmark::State& AEstado) {
  TCallerSilencioso caller;
  for (auto _ : AEstado) {
    AEstado.PauseTiming();
    Entorno& e = Entorno::Uno();
    const QString datos = e.NuevosDatos("migrar");
    TqovFirebirdProc proc;
    AEstado.ResumeTiming();
    proc.MigrarBD(caller, datos, "GRANDE", "SYSDBA", ClaveSysdbaServidor(), e.gbak, "", false);
  }
}

void ConvertirConLaVentana(benchmark::State& AEstado) {
  double hueco = 0;
  for (auto _ : AEstado) {
    AEstado.PauseTiming();
    Entorno& e = Entorno::Uno();
    const QString datos = e.NuevosDatos("ventana");
    auto* ventana = NewForm<TParvenkoFrm>(nullptr);
    ventana->SetDatosConexion(datos, QString(), "SYSDBA", ClaveSysdbaServidor());
    ventana->Show();
    ventana->edtGbak->SetText(e.gbak);
    if (ventana->NumSeleccionados() != 1) std::abort();
    QElapsedTimer reloj;
    qint64 anterior = 0;
    qint64 mayor = 0;
    QTimer tic;
    tic.setInterval(10);
    QObject::connect(&tic, &QTimer::timeout, [&] {
      const qint64 ahora = reloj.elapsed();
      mayor = std::max(mayor, ahora - anterior);
      anterior = ahora;
    });
    AEstado.ResumeTiming();
    reloj.start();
    tic.start();
    ventana->btnMigrarBD->click();
    AEstado.PauseTiming();
    tic.stop();
    mayor = std::max(mayor, reloj.elapsed() - anterior);
    hueco = std::max(hueco, static_cast<double>(mayor));
    if (!QFile::exists(datos + "ArchivarBDAnterior2019/GRANDE.fdb")) std::abort();
    delete ventana;
    AEstado.ResumeTiming();
  }
  AEstado.counters["hueco_max_ms"] = hueco;
}

}  // namespace

int main(int argc, char** argv) {
  int repeticiones = 3;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--repeticiones=", 15) == 0) repeticiones = std::atoi(argv[i] + 15);
    if (std::strncmp(argv[i], "--movimientos=", 14) == 0) Movimientos = std::atoi(argv[i] + 14);
  }
  // The program runs in a UTF-8 locale on the offscreen platform here.
  setlocale(LC_ALL, "C.UTF-8");
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication aplicacion(argc, argv);
  InicializarControlesQov();
  RegistrarPorRepeticiones("ConvertirConMigrarBD", ConvertirConMigrarBD, benchmark::kSecond, repeticiones);
  RegistrarPorRepeticiones("ConvertirConLaVentana", ConvertirConLaVentana, benchmark::kSecond, repeticiones);
  std::vector<char*> conIntercalado;
  IntercalarRepeticiones(argc, argv, conIntercalado);
  benchmark::Initialize(&argc, argv);
  Entorno::Uno();
  ReporteMedianas reporte;
  benchmark::RunSpecifiedBenchmarks(&reporte);
  reporte.Razon("ConvertirConLaVentana", "ConvertirConMigrarBD", 1.02);
  benchmark::Shutdown();
  return 0;
}
