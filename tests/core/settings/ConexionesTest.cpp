#include <gtest/gtest.h>

#include <QFile>
#include <functional>

#include "core/settings/ConexionesQov.h"
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

TEST_F(Conexiones, SavedProfilesComeBackAsTheFileNamesThem) {
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
  EXPECT_EQ(Nombres(conexiones), QStringList({"Mi empresa", "Espacios", "Conexi n a o", "2019", "Tipo 5"}));
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
  EXPECT_EQ(Nombres(conexiones), QStringList({"Mi empresa", "Espacios", "Conexi n a o", "Tipo 5"}));
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

TEST_F(Conexiones, SavingToAFileThatCannotBeWrittenCompletesAndKeepsTheFile) {
  TqovConexiones conexiones;
  conexiones.Add(QStringLiteral("A"), taLocal, {}, prTCP, QStringLiteral("/a/"));
  conexiones.Save();
  const QByteArray antes = Leer(ArchivoComun());
  QFile::setPermissions(ArchivoComun(), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
  conexiones.Delete(QStringLiteral("A"));
  conexiones.Add(QStringLiteral("B"), taLocal, {}, prTCP, QStringLiteral("/b/"));
  EXPECT_NO_THROW(conexiones.Save());
  EXPECT_EQ(Leer(ArchivoComun()), antes);
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
