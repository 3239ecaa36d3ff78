#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <functional>
#include <memory>
#include <vector>

#include "core/settings/ConexionesQov.h"
#include "core/settings/XmlRegistryQov.h"
#include "fixtures/CarpetasAjustes.h"
#include "fixtures/ImprimirQt.h"
#include "platform/rtl/Exception.h"

namespace {

const QString SinConexion = QStringLiteral("No esta asignada una conexión.");

// The warnings shown while the test runs are kept in Advertencias.
class Conexiones : public CarpetasAjustes {
 protected:
  void SetUp() override {
    CarpetasAjustes::SetUp();
    MostrarAdvertenciaConexiones = [this](const QString& AMensaje) { Advertencias << AMensaje; };
  }
  void TearDown() override {
    MostrarAdvertenciaConexiones = nullptr;
    CarpetasAjustes::TearDown();
  }

  QStringList Advertencias;
};

// The message of the Exception that AAccion raises; empty when it raises none.
QString MensajeDe(const std::function<void()>& AAccion) {
  try {
    AAccion();
  } catch (const Exception& e) {
    return e.Message();
  }
  return {};
}

QStringList Nombres(TqovConexiones& AConexiones) {
  QStringList nombres;
  AConexiones.GetNames(nombres);
  return nombres;
}

}  // namespace

TEST_F(Conexiones, AddChecksNameServerAndFolderInThatOrderAndWarnsOnce) {
  const QString nombreInvalido = QStringLiteral("El nombre de la conexión no es válido.");
  const QString servidorInvalido = QStringLiteral("El nombre del servidor no es válido.");
  const QString directorioInvalido = QStringLiteral("El directorio de datos de la conexión no es válido.");
  const struct {
    QString nombre;
    TTipoAcceso tipo;
    QString servidor;
    QString directorio;
    QString advertencia;  // empty: accepted
  } casos[] = {
      {"   ", taRemoto, "", "", nombreInvalido},
      {"local", taLocal, "", "/datos/", nombreInvalido},  // "Local" exists
      {"Remota", taRemoto, "  ", "", servidorInvalido},
      {"Remota", taRemoto, "srv", " ", directorioInvalido},
      {"Otra local", taLocal, "", "/datos/", ""},
      {"Tipo 5", static_cast<TTipoAcceso>(5), "", "/datos/", ""},
      {"Remota", taRemoto, "srv", "/datos/", ""},
  };
  TqovConexiones conexiones;
  ASSERT_TRUE(conexiones.Add(QStringLiteral("Local"), taLocal, {}, prTCP, QStringLiteral("/datos/")));
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre.toStdString());
    Advertencias.clear();
    EXPECT_EQ(conexiones.Add(caso.nombre, caso.tipo, caso.servidor, prTCP, caso.directorio),
              caso.advertencia.isEmpty());
    EXPECT_EQ(Advertencias, caso.advertencia.isEmpty() ? QStringList() : QStringList({caso.advertencia}));
  }
}

TEST_F(Conexiones, ALocalProfileKeepsNoServerAndAnUnknownAccessKeepsBoth) {
  TqovConexiones conexiones;
  ASSERT_TRUE(conexiones.Add(QStringLiteral("Local"), taLocal, QStringLiteral("srv"), prSPX, QStringLiteral("/l/")));
  ASSERT_TRUE(
      conexiones.Add(QStringLiteral("Remota"), taRemoto, QStringLiteral("srv/3050"), prNetBeui, QStringLiteral("/r/")));
  ASSERT_TRUE(conexiones.Add(QStringLiteral("Tipo 5"), static_cast<TTipoAcceso>(5), QStringLiteral("otro"), prSPX,
                             QStringLiteral("/5/")));
  const struct {
    QString nombre;
    TTipoAcceso tipo;
    QString servidor;
    TProtocolo protocolo;
  } casos[] = {
      {"local", taLocal, "", prTCP},
      {"REMOTA", taRemoto, "srv:3050", prNetBeui},
      {"Tipo 5", static_cast<TTipoAcceso>(5), "otro", prSPX},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre.toStdString());
    conexiones.SetConexionActual(caso.nombre);
    EXPECT_EQ(conexiones.ConexionActual(), caso.nombre);
    EXPECT_EQ(conexiones.TipoAcceso(), caso.tipo);
    EXPECT_EQ(conexiones.ServerName(), caso.servidor);
    EXPECT_EQ(conexiones.Protocolo(), caso.protocolo);
  }
}

TEST_F(Conexiones, SavedProfilesComeBackAsTheyWereNamed) {
  {
    TqovConexiones conexiones;
    conexiones.Add(QStringLiteral("Mi empresa"), taLocal, {}, prTCP, QStringLiteral("/srv/Tarvolin datos/"));
    conexiones.Add(QStringLiteral(" Espacios "), taRemoto, QStringLiteral("srv/3050"), prNetBeui,
                   QStringLiteral("/e/"));
    conexiones.Add(QStringLiteral("Conexión_año"), taRemoto, QStringLiteral("host"), prTCP, QStringLiteral("/c/"));
    conexiones.Add(QStringLiteral("2019"), taLocal, {}, prTCP, QStringLiteral("/2019/"));
    conexiones.Add(QStringLiteral("Tipo 5"), static_cast<TTipoAcceso>(5), QStringLiteral("s"), prSPX,
                   QStringLiteral("/5/"));
    conexiones.Save();
  }
  EXPECT_TRUE(Leer(ArchivoComun())
                  .contains("          <Mi_empresa>\n"
                            "            <Tipo_de_acceso>1</Tipo_de_acceso>\n"
                            "            <Nombre_del_servidor/>\n"
                            "            <Protocolo>0</Protocolo>\n"
                            "            <Directorio_de_datos>/srv/Tarvolin datos/</Directorio_de_datos>\n"
                            "          </Mi_empresa>\n"));

  TqovConexiones conexiones;
  EXPECT_EQ(Nombres(conexiones), QStringList({"Mi empresa", "Espacios", "Conexión_año", "2019", "Tipo 5"}));
  conexiones.SetConexionActual(QStringLiteral("espacios"));
  EXPECT_EQ(conexiones.ServerName(), QStringLiteral("srv:3050"));
  EXPECT_EQ(conexiones.Protocolo(), prNetBeui);
  EXPECT_EQ(conexiones.DirDatos(), QStringLiteral("/e/"));
  conexiones.SetConexionActual(QStringLiteral("Tipo 5"));
  EXPECT_EQ(conexiones.TipoAcceso(), static_cast<TTipoAcceso>(5));
  EXPECT_EQ(conexiones.ServerName(), QStringLiteral("s"));
  EXPECT_EQ(conexiones.Protocolo(), prSPX);

  // Saved again, the server keeps its "/"; the list read once is not read again.
  conexiones.Delete(QStringLiteral("2019"));
  conexiones.Save();
  EXPECT_TRUE(Leer(ArchivoComun()).contains("<Nombre_del_servidor>srv/3050</Nombre_del_servidor>"));
  EXPECT_FALSE(Leer(ArchivoComun()).contains("_2019_"));
  TqovConexiones otra;
  otra.Add(QStringLiteral("Ajena"), taLocal, {}, prTCP, QStringLiteral("/a/"));
  otra.Save();
  EXPECT_EQ(Nombres(conexiones), QStringList({"Mi empresa", "Espacios", "Conexión_año", "Tipo 5"}));
}

TEST_F(Conexiones, LoadLeavesOutStoredProfilesThatCannotBeReadOrFailTheChecksWithoutWarning) {
  Escribir(ArchivoComun(),
           "<ProgramData><LocalMachine><Software><Tarvolin><Conexiones>"
           "<Buena><Tipo_de_acceso>0</Tipo_de_acceso><Nombre_del_servidor>srv</Nombre_del_servidor>"
           "<Directorio_de_datos>/b/</Directorio_de_datos></Buena>"
           "<BUENA><Tipo_de_acceso>1</Tipo_de_acceso><Directorio_de_datos>/B/</Directorio_de_datos></BUENA>"
           "<Sin_servidor><Directorio_de_datos>/s/</Directorio_de_datos></Sin_servidor>"
           "<Sin_directorio><Tipo_de_acceso>1</Tipo_de_acceso></Sin_directorio>"
           "<Protocolo_malo><Tipo_de_acceso>1</Tipo_de_acceso><Protocolo>TCP</Protocolo>"
           "<Directorio_de_datos>/p/</Directorio_de_datos></Protocolo_malo>"
           "<Tipo_malo><Tipo_de_acceso>local</Tipo_de_acceso><Directorio_de_datos>/t/</Directorio_de_datos></Tipo_malo>"
           "</Conexiones></Tarvolin></Software></LocalMachine></ProgramData>");
  TqovConexiones conexiones;
  EXPECT_EQ(Nombres(conexiones), QStringList({"Buena"}));
  EXPECT_EQ(Advertencias, QStringList());
  // Checks after the load warn again.
  EXPECT_FALSE(conexiones.Add(QStringLiteral("buena"), taLocal, {}, prTCP, QStringLiteral("/x/")));
  EXPECT_EQ(Advertencias.size(), 1);
}

TEST_F(Conexiones, TheCurrentProfileFollowsSelectionDeletionAndReload) {
  TqovConexiones conexiones;
  for (const QString& nombre : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})
    conexiones.Add(nombre, taLocal, {}, prTCP, QStringLiteral("/") + nombre + QStringLiteral("/"));
  EXPECT_EQ(MensajeDe([&] { conexiones.DirDatos(); }), SinConexion);

  conexiones.SetConexionActual(QStringLiteral("b"));
  conexiones.Delete(QStringLiteral("a"));
  conexiones.Delete(QStringLiteral("no existe"));
  EXPECT_EQ(conexiones.DirDatos(), QStringLiteral("/B/"));

  EXPECT_EQ(MensajeDe([&] { conexiones.SetConexionActual(QStringLiteral("Nada")); }),
            QStringLiteral("Error al seleccionar conexión. Nada no existe."));
  EXPECT_EQ(conexiones.ConexionActual(), QStringLiteral("b"));
  for (const auto& getter : std::initializer_list<std::function<void()>>{
           [&] { conexiones.TipoAcceso(); }, [&] { conexiones.ServerName(); }, [&] { conexiones.Protocolo(); },
           [&] { conexiones.DirDatos(); }, [&] { conexiones.DataBasePath(); }})
    EXPECT_EQ(MensajeDe(getter), SinConexion);

  conexiones.SetConexionActual(QStringLiteral("C"));
  conexiones.Delete(QStringLiteral("c"));
  EXPECT_EQ(MensajeDe([&] { conexiones.DirDatos(); }), SinConexion);

  conexiones.SetConexionActual(QStringLiteral("B"));
  conexiones.Load();
  EXPECT_EQ(MensajeDe([&] { conexiones.DirDatos(); }), SinConexion);
}

TEST_F(Conexiones, DataBasePathInTheLegacyAndTheCurrentSyntax) {
  const struct {
    bool legado;
    TTipoAcceso tipo;
    TProtocolo protocolo;
    QString ruta;
  } casos[] = {
      {true, taLocal, prTCP, "localhost:/datos/"},
      {true, taRemoto, prNetBeui, "\\\\srv/3050\\/datos/"},
      {true, taRemoto, prTCP, "srv/3050:/datos/"},
      {true, taRemoto, prSPX, "srv/3050:/datos/"},
      {false, taLocal, prTCP, "inet://localhost//datos/"},
      {false, taRemoto, prTCP, "inet://srv:3050//datos/"},
      {false, taRemoto, prNetBeui, "inet://srv:3050//datos/"},
  };
  for (const auto& caso : casos) {
    TqovConexiones conexiones;
    conexiones.UsarSintaxisLegacy = caso.legado;
    conexiones.Add(QStringLiteral("P"), caso.tipo, QStringLiteral("srv/3050"), caso.protocolo,
                   QStringLiteral("/datos/"));
    conexiones.SetConexionActual(QStringLiteral("P"));
    EXPECT_EQ(conexiones.DataBasePath(), caso.ruta);
  }
}

TEST_F(Conexiones, ASaveThatDoesNotReachTheFileRaisesAndKeepsItsChangesForTheNextSave) {
  TqovConexiones conexiones;
  conexiones.Add(QStringLiteral("A"), taLocal, {}, prTCP, QStringLiteral("/a/"));
  conexiones.Save();
  const QByteArray antes = Leer(ArchivoComun());
  QFile::setPermissions(ArchivoComun(), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
  conexiones.Delete(QStringLiteral("A"));
  conexiones.Add(QStringLiteral("B"), taLocal, {}, prTCP, QStringLiteral("/b/"));
  EXPECT_THROW(conexiones.Save(), EFileError);
  EXPECT_EQ(Leer(ArchivoComun()), antes);
  QFile::setPermissions(ArchivoComun(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  conexiones.Save();
  TqovConexiones leidas;
  EXPECT_EQ(Nombres(leidas), QStringList{"B"});
}

TEST_F(Conexiones, SavingTheListWritesTheFileOnce) {
  TqovConexiones conexiones;
  for (int i = 0; i < 1000; ++i)
    conexiones.Add(QStringLiteral("Perfil %1").arg(i), taLocal, {}, prTCP, QStringLiteral("/datos %1/").arg(i));
  conexiones.Save();
  // Every write of the file moves its history copy on: a second write would have left ".~002~".
  const QString base = Comun() + QStringLiteral("/Tarvolin/ProgramData");
  EXPECT_TRUE(QFile::exists(base + QStringLiteral(".~001~")));
  EXPECT_FALSE(QFile::exists(base + QStringLiteral(".~002~")));
  TqovConexiones leidas;
  const QStringList nombres = Nombres(leidas);
  ASSERT_EQ(nombres.size(), 1000);
  EXPECT_EQ(nombres.last(), QStringLiteral("Perfil 999"));
  leidas.SetConexionActual(QStringLiteral("Perfil 500"));
  EXPECT_EQ(leidas.DirDatos(), QStringLiteral("/datos 500/"));
}

TEST_F(Conexiones, EveryNameComesBackExactlyThroughAnyNumberOfSaves) {
  const QStringList nombres = {"Compañía",  "Sucursal Perú", "Éxito",     "Oficina_1",  "Oficina 1",
                               "2019 Sur",  "1ª Sucursal",   "a x0041 b", "a_x0041_b",  "Ñandú_x00F1_",
                               "Año 2000_", "-guion",        ".punto",    "dos:puntos", "x0041"};
  for (const QString& nombre : nombres) {
    TqovConexiones conexiones;
    Nombres(conexiones);
    ASSERT_TRUE(conexiones.Add(nombre, taLocal, {}, prTCP, QStringLiteral("/") + nombre + QStringLiteral("/")))
        << nombre.toStdString();
    conexiones.Save();
  }
  TqovConexiones conexiones;
  EXPECT_EQ(Nombres(conexiones), nombres);
  for (const QString& nombre : nombres) {
    conexiones.SetConexionActual(nombre);
    EXPECT_EQ(conexiones.DirDatos(), QStringLiteral("/") + nombre + QStringLiteral("/"));
  }
  // Plain names stay in the form the file has always had; what older programs wrote still reads.
  const QByteArray archivo = Leer(ArchivoComun());
  EXPECT_TRUE(archivo.contains("<Oficina_1>")) << archivo.constData();
  EXPECT_TRUE(archivo.contains("<_2019_Sur_>"));
  EXPECT_TRUE(archivo.contains("<Compa_x00F1__x00ED_a>"));
}

TEST_F(Conexiones, ANameTheFileCannotTellApartFromAListedOneIsRefused) {
  TqovConexiones conexiones;
  ASSERT_TRUE(conexiones.Add(QStringLiteral("Oficina 1"), taLocal, {}, prTCP, QStringLiteral("/o/")));
  for (const QString& nombre : {QStringLiteral(" Oficina 1"), QStringLiteral("oficina 1 ")}) {
    Advertencias.clear();
    EXPECT_FALSE(conexiones.Add(nombre, taLocal, {}, prTCP, QStringLiteral("/x/")));
    EXPECT_EQ(Advertencias, QStringList{"El nombre de la conexión no es válido."});
  }
  EXPECT_TRUE(conexiones.Add(QStringLiteral("Oficina_1"), taLocal, {}, prTCP, QStringLiteral("/u/")));
}

TEST_F(Conexiones, OperatorsSavingAtOnceFromSeparateProcessesKeepEveryProfile) {
  constexpr int Procesos = 8;
  constexpr int Perfiles = 40;
  std::vector<std::unique_ptr<QProcess>> procesos;
  for (int i = 0; i < Procesos; ++i) {
    procesos.push_back(std::make_unique<QProcess>());
    procesos.back()->start(QStringLiteral(QOV_ALTA_PERFILES), {QString::number(i), QString::number(Perfiles)});
  }
  for (auto& proceso : procesos) {
    ASSERT_TRUE(proceso->waitForFinished(-1));
    EXPECT_EQ(proceso->exitCode(), 0) << proceso->readAllStandardError().constData();
  }
  TqovConexiones conexiones;
  const QStringList nombres = Nombres(conexiones);
  EXPECT_EQ(nombres.size(), Procesos * Perfiles);
  for (int i = 0; i < Procesos; ++i)
    for (int n = 0; n < Perfiles; ++n)
      EXPECT_TRUE(nombres.contains(QStringLiteral("Operador %1 perfil %2").arg(i).arg(n))) << i << " " << n;
}

TEST_F(Conexiones, AFileCutShortIsRepairedFromItsHistoryAndLaterSavesKeepItsProfiles) {
  {
    TqovConexiones conexiones;
    conexiones.Add(QStringLiteral("Matriz"), taLocal, {}, prTCP, QStringLiteral("/m/"));
    conexiones.Add(QStringLiteral("Sucursal"), taLocal, {}, prTCP, QStringLiteral("/s/"));
    conexiones.Save();
  }
  Escribir(ArchivoComun(), Leer(ArchivoComun()).left(50));
  QStringList avisos;
  MostrarAvisoAjustes = [&](const QString& AMensaje) { avisos << AMensaje; };
  for (const QString& nueva : {QStringLiteral("Otra"), QStringLiteral("Una más")}) {
    TqovConexiones conexiones;
    EXPECT_TRUE(Nombres(conexiones).contains(QStringLiteral("Matriz")));
    conexiones.Add(nueva, taLocal, {}, prTCP, QStringLiteral("/n/"));
    conexiones.Save();
  }
  MostrarAvisoAjustes = nullptr;
  EXPECT_EQ(avisos.size(), 1);
  TqovConexiones conexiones;
  EXPECT_EQ(Nombres(conexiones), QStringList({"Matriz", "Sucursal", "Otra", "Una más"}));
}
