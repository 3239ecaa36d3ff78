// Converts a company of about 200 MB through the main window (offscreen) against the bare engine's MigrarBD on
// the same file; over a data folder of 500 companies, loads the window's list against as many bare runs of the
// gstat it uses, and converts the large company ticked alone among them, the list's reload included. Each
// window side reports how long the window goes without handling an event (hueco_max_ms): a 10 ms timer runs
// meanwhile, and the longest gap between two of its ticks is kept. The runs take turns over the repetitions
// and the medians are compared. The server on 127.0.0.1 must run, with QOV_SYSDBA_PASSWORD its password.
//
//   ventana_conversion_bench [--repeticiones=3] [--movimientos=550000] [--empresas=500]
//                            [Google Benchmark's options]

#include <benchmark/benchmark.h>

#include <QCoreApplication>
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
#include "controls/grids/DBGridDetalleQov.h"
#include "controls/inicio/InicioControlesQov.h"
#include "fixtures/BasesDePrueba.h"
#include "fixtures/CarpetaDatos.h"
#include "fixtures/CarpetaTrabajo.h"
#include "platform/data/MemTable.h"
#include "platform/forms/Application.h"
#include "platform/forms/Edit.h"
#include "platform/os/ProcessRunner.h"

namespace {

int Movimientos = MovimientosGrandes;
int Empresas = 500;

// The working folder, whose gstat reports the fixtures' databases of page size 4096 as ODS 11.2, the large
// company kept aside as a template, the installed older server (the real gbak), and a data folder listing
// Empresas companies: small ones, and the large one last.
struct Entorno {
  CarpetaTrabajo carpeta;
  QString plantilla = carpeta.Raiz() + "/plantilla.fdb";
  QString gbak = InstalarServidorAnterior(carpeta.Raiz() + "/firebird anterior", HerramientaFirebird3("isql"));
  QString lista = carpeta.Raiz() + "/lista/";
  QStringList nombres;

  Entorno() {
    carpeta.UsarGstat(HerramientaDePrueba("gstat-ods11"));
    CarpetaDatos::CrearEmpresa(plantilla, Movimientos);
    for (int i = 1; i < Empresas; ++i) nombres << QStringLiteral("EMPRESA %1").arg(i, 3, 10, QLatin1Char('0'));
    nombres << "GRANDE";
    QDir().mkpath(lista + "System");
    QDir().mkpath(lista + "ArchivarBDAnterior2019/System");
    CarpetaDatos::CrearConfig(lista + "ArchivarBDAnterior2019/System/Config.fdb", nombres);
    CarpetaDatos::CrearConfig(lista + "System/Config.fdb", nombres, 8192);
    const QString modelo = carpeta.Raiz() + "/modelo.fdb";
    CarpetaDatos::CrearEmpresa(modelo, 5);
    for (const QString& nombre : nombres.mid(0, Empresas - 1))
      if (!QFile::copy(modelo, lista + nombre + ".fdb")) std::abort();
    ListaSinConvertir();
  }

  // The list's data folder with the large company as it was before any run.
  QString ListaSinConvertir() const {
    QFile::remove(lista + "GRANDE.fdb");
    QFile::remove(lista + "ArchivarBDAnterior2019/GRANDE.fdb");
    QDir(lista + "Respaldos").removeRecursively();
    QDir(carpeta.Log()).removeRecursively();
    if (!QFile::copy(plantilla, lista + "GRANDE.fdb")) std::abort();
    sync();
    return lista;
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

// The longest time between two ticks of a 10 ms timer, that is, without handling an event.
class Huecos {
 public:
  Huecos() {
    FTic.setInterval(10);
    QObject::connect(&FTic, &QTimer::timeout, [this] { Marcar(); });
  }
  void Empezar() {
    FReloj.start();
    FAnterior = 0;
    FMayor = 0;
    FTic.start();
  }
  // The longest gap in milliseconds.
  double Terminar() {
    FTic.stop();
    Marcar();
    return static_cast<double>(FMayor);
  }

 private:
  void Marcar() {
    const qint64 ahora = FReloj.elapsed();
    FMayor = std::max(FMayor, ahora - FAnterior);
    FAnterior = ahora;
  }

  QTimer FTic;
  QElapsedTimer FReloj;
  qint64 FAnterior = 0;
  qint64 FMayor = 0;
};

// Runs AAccion timed while the gaps are measured (the timing paused before and after), and keeps the longest
// gap in AHueco.
template <class F>
void MedirHuecos(benchmark::State& AEstado, double& AHueco, F&& AAccion) {
  Huecos huecos;
  AEstado.ResumeTiming();
  huecos.Empezar();
  AAccion();
  AEstado.PauseTiming();
  AHueco = std::max(AHueco, huecos.Terminar());
}

// A main window signed in on the data folder ADatos, not shown yet.
TParvenkoFrm* NuevaVentana(const QString& ADatos) {
  auto* ventana = NewForm<TParvenkoFrm>(nullptr);
  ventana->SetDatosConexion(ADatos, QString(), "SYSDBA", ClaveSysdbaServidor());
  return ventana;
}

// Shows the window; its list, posted on show, loads whole as the posted events are handled.
void MostrarYCargar(TParvenkoFrm& AVentana, int AEmpresas) {
  AVentana.Show();
  QCoreApplication::sendPostedEvents();
  if (AVentana.Cargando() || AVentana.tblBasesDatos->RecordCount() != AEmpresas) std::abort();
}

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
    TParvenkoFrm* ventana = NuevaVentana(datos);
    MostrarYCargar(*ventana, 1);
    ventana->edtGbak->SetText(e.gbak);
    if (ventana->NumSeleccionados() != 1) std::abort();
    MedirHuecos(AEstado, hueco, [ventana] { ventana->btnMigrarBD->click(); });
    if (!QFile::exists(datos + "ArchivarBDAnterior2019/GRANDE.fdb")) std::abort();
    delete ventana;
    AEstado.ResumeTiming();
  }
  AEstado.counters["hueco_max_ms"] = hueco;
}

// The first load of the list of Empresas companies, from the window's show.
void CargarLaListaConLaVentana(benchmark::State& AEstado) {
  double hueco = 0;
  for (auto _ : AEstado) {
    AEstado.PauseTiming();
    TParvenkoFrm* ventana = NuevaVentana(Entorno::Uno().ListaSinConvertir());
    MedirHuecos(AEstado, hueco, [ventana] { MostrarYCargar(*ventana, Empresas); });
    delete ventana;
    AEstado.ResumeTiming();
  }
  AEstado.counters["hueco_max_ms"] = hueco;
}

// The list's anchor: the gstat that the window runs, once for Config and once for each company.
void SondearLaListaConGstat(benchmark::State& AEstado) {
  const Entorno& e = Entorno::Uno();
  const QString gstat = e.carpeta.Trabajo() + "/Firebird3/gstat";
  const QString salida = e.carpeta.Raiz() + "/gstat.txt";
  for (auto _ : AEstado) {
    ProcessHandle proceso = 0;
    EjecutarProceso({gstat, {"-h", e.lista + "System/Config.fdb"}, {}, salida}, proceso);
    for (const QString& nombre : e.nombres)
      EjecutarProceso({gstat, {"-h", e.lista + nombre + ".fdb"}, {}, salida}, proceso);
  }
}

// A run with the large company ticked alone among Empresas, from the click to the end of the list's reload.
void ConvertirUnaDeLaListaConLaVentana(benchmark::State& AEstado) {
  double hueco = 0;
  for (auto _ : AEstado) {
    AEstado.PauseTiming();
    Entorno& e = Entorno::Uno();
    TParvenkoFrm* ventana = NuevaVentana(e.ListaSinConvertir());
    MostrarYCargar(*ventana, Empresas);
    ventana->edtGbak->SetText(e.gbak);
    ventana->grdBasesDatos->OnTitleButtonClick(ventana->grdBasesDatos, "SELECCIONADO");
    TMemTable& tabla = *ventana->tblBasesDatos;
    tabla.Last();
    tabla.Edit();
    tabla.FieldByName("SELECCIONADO").SetAsString("S");
    tabla.Post();
    if (ventana->NumSeleccionados() != 1 || tabla.FieldByName("NOMBRE_CORTO").AsString() != "GRANDE") std::abort();
    MedirHuecos(AEstado, hueco, [ventana] { ventana->btnMigrarBD->click(); });
    if (!QFile::exists(e.lista + "ArchivarBDAnterior2019/GRANDE.fdb") || tabla.RecordCount() != Empresas - 1)
      std::abort();
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
    if (std::strncmp(argv[i], "--empresas=", 11) == 0) Empresas = std::atoi(argv[i] + 11);
  }
  // The program runs in a UTF-8 locale on the offscreen platform here.
  setlocale(LC_ALL, "C.UTF-8");
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication aplicacion(argc, argv);
  InicializarControlesQov();
  RegistrarPorRepeticiones("ConvertirConMigrarBD", ConvertirConMigrarBD, benchmark::kSecond, repeticiones);
  RegistrarPorRepeticiones("ConvertirConLaVentana", ConvertirConLaVentana, benchmark::kSecond, repeticiones);
  RegistrarPorRepeticiones("CargarLaListaConLaVentana", CargarLaListaConLaVentana, benchmark::kSecond, repeticiones);
  RegistrarPorRepeticiones("SondearLaListaConGstat", SondearLaListaConGstat, benchmark::kSecond, repeticiones);
  RegistrarPorRepeticiones("ConvertirUnaDeLaListaConLaVentana", ConvertirUnaDeLaListaConLaVentana, benchmark::kSecond,
                           repeticiones);
  std::vector<char*> conIntercalado;
  IntercalarRepeticiones(argc, argv, conIntercalado);
  benchmark::Initialize(&argc, argv);
  Entorno::Uno();
  ReporteMedianas reporte;
  benchmark::RunSpecifiedBenchmarks(&reporte);
  reporte.Razon("ConvertirConLaVentana", "ConvertirConMigrarBD", 1.02);
  reporte.Razon("CargarLaListaConLaVentana", "SondearLaListaConGstat");
  benchmark::Shutdown();
  return 0;
}
