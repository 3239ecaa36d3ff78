#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <csignal>
#include <functional>
#include <optional>
#include <thread>

#include "core/settings/XmlRegistryQov.h"
#include "fixtures/CarpetaDatos.h"
#include "fixtures/CarpetasAjustes.h"
#include "fixtures/ImprimirQt.h"
#include "platform/os/ProcessRunner.h"
#include "platform/os/UserName.h"
#include "platform/rtl/Exception.h"

namespace {

const QString Ramo = QStringLiteral("\\Software\\Tarvolin\\Prueba");

class XmlRegistry : public CarpetasAjustes {
 protected:
  void ComprobarQueElArchivoQueda(const std::function<void()>& AFalla);
};

// A small tmpfs mounted on a folder for one test. Mounting needs the right to mount (root in the test
// machine); without it Montado() is false.
class SistemaDeArchivos {
 public:
  SistemaDeArchivos(const QString& ACarpeta, const QByteArray& ATamano) : FCarpeta(QFile::encodeName(ACarpeta)) {
    QDir().mkpath(ACarpeta);
    FMontado = mount("tmpfs", FCarpeta.constData(), "tmpfs", 0, ("size=" + ATamano).constData()) == 0;
  }
  ~SistemaDeArchivos() {
    if (FMontado) umount2(FCarpeta.constData(), MNT_DETACH);
  }
  SistemaDeArchivos(const SistemaDeArchivos&) = delete;
  SistemaDeArchivos& operator=(const SistemaDeArchivos&) = delete;

  bool Montado() const { return FMontado; }
  bool SoloLectura() const {
    return mount(nullptr, FCarpeta.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  QByteArray FCarpeta;
  bool FMontado = false;
};

void EscribirValor(const QString& ANombre, const QString& AValor) {
  TxmlRegistry registro;
  registro.OpenKey(Ramo, true);
  registro.WriteString(ANombre, AValor);
  registro.CloseKey();
}

// The permission bits of the file.
mode_t Modo(const QString& ARuta) {
  struct stat datos {};
  return stat(QFile::encodeName(ARuta).constData(), &datos) == 0 ? datos.st_mode & 07777 : 0;
}

// A machine-wide settings file whose value "Valor" of the key Ramo is AValor.
QByteArray Documento(const QByteArray& AValor) {
  return "<?xml version=\"1.0\"?><ProgramData><LocalMachine><Software><Tarvolin><Prueba><Valor>" + AValor +
         "</Valor></Prueba></Tarvolin></Software></LocalMachine></ProgramData>";
}

QString LeerValor(const QString& ANombre) {
  TxmlRegistry registro;
  registro.OpenKey(Ramo, false);
  return registro.ReadString(ANombre);
}

}  // namespace

TEST(NormalizeKeyPath, MakesOneSeparatorBeforeEachSegmentAndWrapsSegmentsThatStartWithADigit) {
  const struct {
    QString ruta;
    QString normal;
  } casos[] = {
      {"", ""},
      {"\\\\\\", ""},
      {"LocalMachine\\\\Software\\\\\\Tarvolin\\", "\\LocalMachine\\Software\\Tarvolin"},
      {"\\Software\\2019", "\\Software\\_2019_"},
      {"\\A\\7b c\\x9", "\\A\\_7b c_\\x9"},
      {QString::fromUtf8("\\\u0663x"), QString::fromUtf8("\\_\u0663x_")},  // an Arabic-Indic digit
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(NormalizeKeyPath(caso.ruta), caso.normal) << caso.ruta.toStdString();
    EXPECT_EQ(NormalizeKeyPath(caso.normal), caso.normal);
  }
}

TEST_F(XmlRegistry, WritesIndentedUtf8WithElementNamesAndValuesInFirstWrittenOrder) {
  {
    TxmlRegistry registro;
    registro.OpenKey(QStringLiteral("\\Software\\Tarvolin\\Conexiones\\Mi empresa"), true);
    registro.WriteInteger(QStringLiteral("Tipo de acceso"), 1);
    registro.WriteString(QStringLiteral("Nombre del servidor"), QString());
    registro.WriteInteger(QStringLiteral("Protocolo"), 0);
    registro.WriteString(QStringLiteral("Directorio de datos"), QStringLiteral("/srv/Tarvolin datos/"));
    registro.WriteInteger(QStringLiteral("Tipo de acceso"), 1);
    registro.CloseKey();
  }
  EXPECT_EQ(QString::fromUtf8(Leer(ArchivoComun())),
            QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<ProgramData>\n"
                           "  <LocalMachine>\n"
                           "    <Software>\n"
                           "      <Tarvolin>\n"
                           "        <Conexiones>\n"
                           "          <Mi_empresa>\n"
                           "            <Tipo_de_acceso>1</Tipo_de_acceso>\n"
                           "            <Nombre_del_servidor/>\n"
                           "            <Protocolo>0</Protocolo>\n"
                           "            <Directorio_de_datos>/srv/Tarvolin datos/</Directorio_de_datos>\n"
                           "          </Mi_empresa>\n"
                           "        </Conexiones>\n"
                           "      </Tarvolin>\n"
                           "    </Software>\n"
                           "  </LocalMachine>\n"
                           "</ProgramData>\n"));

  {
    TxmlRegistry registro;
    registro.SetRootKey(HKEY_CURRENT_USER);
    registro.OpenKey(QStringLiteral("\\Software\\Tarvolin\\Drevalino"), true);
    registro.WriteString(QStringLiteral("Usuario"), QStringLiteral("SYSDBA"));
    registro.WriteString(QStringLiteral("Conexión"), QStringLiteral("Mi empresa"));
    registro.WriteInteger(QStringLiteral("Desplazamiento"), -5);
    registro.WriteBool(QStringLiteral("Recordar"), true);
    registro.WriteBool(QStringLiteral("Oculto"), false);
    registro.WriteString(QStringLiteral("Usuario"), QStringLiteral("Ána & <Co>"));
    registro.CloseKey();
  }
  EXPECT_EQ(QString::fromUtf8(Leer(ArchivoUsuario())),
            QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<ProgramData>\n"
                           "  <CurrentUser>\n"
                           "    <%1>\n"
                           "      <Software>\n"
                           "        <Tarvolin>\n"
                           "          <Drevalino>\n"
                           "            <Usuario>Ána &amp; &lt;Co&gt;</Usuario>\n"
                           "            <Conexi_n>Mi empresa</Conexi_n>\n"
                           "            <Desplazamiento>-5</Desplazamiento>\n"
                           "            <Recordar>1</Recordar>\n"
                           "            <Oculto>0</Oculto>\n"
                           "          </Drevalino>\n"
                           "        </Tarvolin>\n"
                           "      </Software>\n"
                           "    </%1>\n"
                           "  </CurrentUser>\n"
                           "</ProgramData>\n")
                .arg(XmlElementName(LoginUserName())));

  TxmlRegistry lectura;
  lectura.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(lectura.OpenKey(QStringLiteral("\\Software\\Tarvolin\\Drevalino"), false));
  EXPECT_EQ(lectura.ReadString(QStringLiteral("Conexión")), QStringLiteral("Mi empresa"));
  EXPECT_EQ(lectura.ReadInteger(QStringLiteral("Desplazamiento")), -5);
  EXPECT_TRUE(lectura.ReadBool(QStringLiteral("Recordar")));
  EXPECT_FALSE(lectura.ReadBool(QStringLiteral("Oculto")));
}

TEST_F(XmlRegistry, TextsComeBackAsWrittenAndMissingValuesReadAsDefaults) {
  const QString textos[] = {
      QStringLiteral("  blancos alrededor  "),
      QStringLiteral("   "),
      QStringLiteral("línea\r\notra\rfin\n"),
      QStringLiteral("<&>\"' ]]>"),
      QStringLiteral("ñandú ☃ 😀"),
  };
  {
    TxmlRegistry registro;
    registro.OpenKey(Ramo, true);
    for (size_t i = 0; i < std::size(textos); ++i) registro.WriteString(QStringLiteral("Texto %1").arg(i), textos[i]);
    registro.WriteString(QStringLiteral("Control"), QStringLiteral("a\x01z"));
    registro.WriteString(QStringLiteral("Entero"), QStringLiteral("doce"));
    registro.WriteString(QStringLiteral("Logico"), QStringLiteral("sí"));
    registro.CloseKey();
  }
  TxmlRegistry registro;
  ASSERT_TRUE(registro.OpenKey(Ramo, false));
  for (size_t i = 0; i < std::size(textos); ++i)
    EXPECT_EQ(registro.ReadString(QStringLiteral("Texto %1").arg(i)), textos[i]);
  // A character that XML cannot hold is left out rather than making the file unreadable.
  EXPECT_EQ(registro.ReadString(QStringLiteral("Control")), QStringLiteral("az"));
  EXPECT_THROW(registro.ReadInteger(QStringLiteral("Entero")), EConvertError);
  EXPECT_THROW(registro.ReadBool(QStringLiteral("Logico")), EConvertError);
  EXPECT_EQ(registro.ReadString(QStringLiteral("Falta")), QString());
  EXPECT_EQ(registro.ReadInteger(QStringLiteral("Falta")), 0);
  EXPECT_TRUE(registro.ReadBool(QStringLiteral("Falta")));
  EXPECT_FALSE(registro.ValueExists(QStringLiteral("Falta")));
  EXPECT_TRUE(registro.ValueExists(QStringLiteral("Entero")));
}

TEST_F(XmlRegistry, KeyAndValueNamesComeBackWithBlanksForUnderscores) {
  {
    TxmlRegistry registro;
    for (const QString& clave :
         {QStringLiteral("2019"), QStringLiteral("Mi_empresa"), QStringLiteral("Año nuevo"), QStringLiteral(".NET")}) {
      registro.OpenKey(Ramo + QStringLiteral("\\") + clave, true);
      registro.WriteString(QStringLiteral("Valor"), clave);
    }
    registro.OpenKey(Ramo + QStringLiteral("\\Vacia"), true);  // no value: no element
    registro.OpenKey(Ramo, true);
    registro.WriteString(QStringLiteral(" Nombre del_valor "), QStringLiteral("x"));
    registro.WriteString(QStringLiteral("¿Valor?"), QStringLiteral("y"));
    registro.CloseKey();
  }
  EXPECT_TRUE(Leer(ArchivoComun()).contains("<_2019_>"));

  TxmlRegistry registro;
  QStringList nombres;
  registro.OpenKey(Ramo, false);
  EXPECT_TRUE(registro.HasSubKeys());
  registro.GetKeyNames(nombres);
  EXPECT_EQ(nombres, QStringList({"2019", "Mi empresa", "A o nuevo", ".NET"}));
  ASSERT_TRUE(registro.OpenKey(Ramo + QStringLiteral("\\.NET"), false));
  EXPECT_EQ(registro.ReadString(QStringLiteral("Valor")), QStringLiteral(".NET"));
  registro.OpenKey(Ramo, false);
  registro.GetValueNames(nombres);
  EXPECT_EQ(nombres, QStringList({"Nombre del valor", " Valor "}));
  EXPECT_EQ(registro.ReadString(QStringLiteral("Nombre del valor")), QStringLiteral("x"));

  ASSERT_TRUE(registro.OpenKey(QStringLiteral("\\Software\\Tarvolin\\Prueba\\2019"), false));
  registro.GetKeyNames(nombres);
  EXPECT_TRUE(nombres.isEmpty());
  registro.GetValueNames(nombres);
  EXPECT_EQ(nombres, QStringList({"Valor"}));
  EXPECT_EQ(registro.ReadString(QStringLiteral("Valor")), QStringLiteral("2019"));
  EXPECT_TRUE(registro.HasSubKeys());
}

TEST_F(XmlRegistry, OpeningAKeyCreatesNothingAndOnlyCanCreateWritesTheFile) {
  TxmlRegistry registro;
  EXPECT_FALSE(registro.OpenKey(QStringLiteral("\\No\\Existe"), false));
  EXPECT_EQ(registro.CurrentPath(), QStringLiteral("\\LocalMachine\\No\\Existe"));
  registro.CloseKey();
  EXPECT_FALSE(registro.Exists());

  EXPECT_TRUE(registro.OpenKey(QStringLiteral("\\Nueva"), true));
  EXPECT_FALSE(registro.KeyExists(registro.CurrentPath()));
  EXPECT_FALSE(registro.HasSubKeys());
  registro.CloseKey();
  // The folder and the file appear on first use, the file holding the empty document.
  ASSERT_TRUE(registro.Exists());
  const QByteArray vacio = Leer(ArchivoComun());
  EXPECT_EQ(vacio, QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ProgramData/>\n"));
  EXPECT_TRUE(registro.OpenKey(QStringLiteral("\\Nueva"), true));
  registro.CloseKey();
  EXPECT_EQ(Leer(ArchivoComun()), vacio);
}

TEST_F(XmlRegistry, EachFlushSwapsInANewFileAndKeepsTwoHistoryCopies) {
  EscribirValor(QStringLiteral("Valor"), QStringLiteral("uno"));
  const QByteArray primero = Leer(ArchivoComun());
  EscribirValor(QStringLiteral("Valor"), QStringLiteral("dos"));
  const QByteArray segundo = Leer(ArchivoComun());
  EscribirValor(QStringLiteral("Valor"), QStringLiteral("tres"));
  EXPECT_TRUE(Leer(ArchivoComun()).contains("tres"));
  const QString base = Comun() + QStringLiteral("/Tarvolin/ProgramData");
  EXPECT_EQ(Leer(base + QStringLiteral(".~001~")), Leer(ArchivoComun()));
  EXPECT_EQ(Leer(base + QStringLiteral(".~002~")), segundo);
  EXPECT_NE(segundo, primero);
  EXPECT_EQ(QDir(Comun() + QStringLiteral("/Tarvolin")).entryList(QDir::Files),
            QStringList({"ProgramData.xml", "ProgramData.~001~", "ProgramData.~002~"}));
}

TEST_F(XmlRegistry, DeletingAKeyOrAValueWritesTheFile) {
  {
    TxmlRegistry registro;
    registro.OpenKey(Ramo + QStringLiteral("\\Hija"), true);
    registro.WriteString(QStringLiteral("A"), QStringLiteral("1"));
    registro.OpenKey(Ramo, true);
    registro.WriteString(QStringLiteral("B"), QStringLiteral("2"));
    registro.WriteString(QStringLiteral("C"), QStringLiteral("3"));
  }
  {
    TxmlRegistry registro;
    registro.OpenKey(Ramo, false);
    EXPECT_TRUE(registro.DeleteKey(QStringLiteral("\\Software\\Tarvolin\\Prueba\\Hija")));
    EXPECT_TRUE(registro.DeleteValue(QStringLiteral("B")));
    EXPECT_TRUE(registro.DeleteKey(QStringLiteral("\\No\\Existe")));
    EXPECT_TRUE(registro.DeleteValue(QStringLiteral("Falta")));
  }
  TxmlRegistry registro;
  ASSERT_TRUE(registro.OpenKey(Ramo, false));
  QStringList nombres;
  registro.GetKeyNames(nombres);
  EXPECT_TRUE(nombres.isEmpty());
  registro.GetValueNames(nombres);
  EXPECT_EQ(nombres, QStringList({"C"}));
}

TEST_F(XmlRegistry, AReadOnlyStoreReadsButNeverWrites) {
  EscribirValor(QStringLiteral("Valor"), QStringLiteral("guardado"));
  const QByteArray antes = Leer(ArchivoComun());
  {
    TxmlRegistry registro;
    registro.SetAccess(KEY_READ);
    EXPECT_TRUE(registro.OpenKey(Ramo, true));
    EXPECT_EQ(registro.ReadString(QStringLiteral("Valor")), QStringLiteral("guardado"));
    registro.WriteString(QStringLiteral("Valor"), QStringLiteral("cambiado"));
    registro.WriteInteger(QStringLiteral("Otro"), 7);
    EXPECT_EQ(registro.ReadString(QStringLiteral("Valor")), QStringLiteral("guardado"));
    EXPECT_FALSE(registro.ValueExists(QStringLiteral("Otro")));
    EXPECT_TRUE(registro.DeleteKey(Ramo));
    EXPECT_TRUE(registro.DeleteValue(QStringLiteral("Valor")));
    EXPECT_TRUE(registro.ValueExists(QStringLiteral("Valor")));
    registro.CloseKey();
  }
  EXPECT_EQ(Leer(ArchivoComun()), antes);
  // Any flush would have moved the history copy to ".~002~".
  EXPECT_FALSE(QFile::exists(Comun() + QStringLiteral("/Tarvolin/ProgramData.~002~")));
}

TEST_F(XmlRegistry, SwitchingTheRootKeyLoadsTheOtherFileAndDropsUnflushedWrites) {
  {
    TxmlRegistry usuario;
    usuario.SetRootKey(HKEY_CURRENT_USER);
    usuario.OpenKey(Ramo, true);
    usuario.WriteString(QStringLiteral("Valor"), QStringLiteral("del usuario"));
  }
  TxmlRegistry registro;
  registro.OpenKey(Ramo, false);
  registro.WriteString(QStringLiteral("Valor"), QStringLiteral("sin guardar"));
  registro.SetRootKey(HKEY_CURRENT_USER);
  EXPECT_EQ(registro.CurrentKey(), HKEY_CURRENT_USER);
  ASSERT_TRUE(registro.OpenKey(Ramo, false));
  EXPECT_EQ(registro.CurrentPath(),
            QStringLiteral("\\CurrentUser\\%1\\Software\\Tarvolin\\Prueba").arg(LoginUserName()));
  EXPECT_EQ(registro.ReadString(QStringLiteral("Valor")), QStringLiteral("del usuario"));
  registro.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(registro.OpenKey(Ramo, false));
  EXPECT_FALSE(QFile::exists(ArchivoComun()));
}

TEST_F(XmlRegistry, ADamagedFileIsRepairedFromTheNewestHistoryCopyThatLoadsWholeAndTheOperatorIsToldOnce) {
  const QString carpeta = Comun() + QStringLiteral("/Tarvolin/");
  const QByteArray copia1 = Documento("de la copia 1");
  const QByteArray copia2 = Documento("de la copia 2");
  const QByteArray cortada = copia1.left(60);
  // Valid profiles, then a part nested deeper than the store reads, or with a name longer than it reads.
  const QByteArray valido = Documento("leido").chopped(QByteArray("</ProgramData>").size());
  const QByteArray profundo =
      valido + QByteArray("<a>").repeated(1100) + QByteArray("</a>").repeated(1100) + "</ProgramData>";
  const QByteArray largo = valido + "<" + QByteArray(5000, 'n') + "/></ProgramData>";
  const struct {
    const char* caso;
    QByteArray archivo;
    std::optional<QByteArray> copia1;
    std::optional<QByteArray> copia2;
    QString valor;
  } casos[] = {
      {"begins with text", "Esto no es XML <ProgramData/>", copia1, copia2, "de la copia 1"},
      {"cut short", cortada, copia1, copia2, "de la copia 1"},
      {"nested too deep", profundo, copia1, std::nullopt, "de la copia 1"},
      {"nested too deep, no copy", profundo, std::nullopt, std::nullopt, "leido"},
      {"name too long, no copy", largo, std::nullopt, std::nullopt, "leido"},
      {"newest copy cut short too", cortada, cortada, copia2, "de la copia 2"},
      {"no copy: what could be read", Documento("leido").left(120), std::nullopt, std::nullopt, "leido"},
      {"no copy loads whole", "no es XML", QByteArray("tampoco"), cortada, ""},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.caso);
    for (const QString& nombre : QDir(carpeta).entryList(QDir::Files)) QFile::remove(carpeta + nombre);
    Escribir(ArchivoComun(), caso.archivo);
    if (caso.copia1) Escribir(carpeta + QStringLiteral("ProgramData.~001~"), *caso.copia1);
    if (caso.copia2) Escribir(carpeta + QStringLiteral("ProgramData.~002~"), *caso.copia2);
    QStringList avisos;
    MostrarAvisoAjustes = [&](const QString& AMensaje) { avisos << AMensaje; };
    EXPECT_EQ(LeerValor(QStringLiteral("Valor")), caso.valor);
    EXPECT_EQ(LeerValor(QStringLiteral("Valor")), caso.valor);
    MostrarAvisoAjustes = nullptr;
    ASSERT_EQ(avisos.size(), 1);
    EXPECT_TRUE(
        avisos[0].startsWith(QStringLiteral("El archivo de configuración \"%1\" estaba dañado").arg(ArchivoComun())))
        << avisos[0].toStdString();
    // The file loads whole now, and the damaged one stays beside it.
    TXmlElement raiz(QStringLiteral("ProgramData"));
    EXPECT_NO_THROW(ParseXml(Leer(ArchivoComun()), raiz));
    EXPECT_EQ(Leer(ArchivoComun() + QStringLiteral(".danado")), caso.archivo);
  }
}

// The machine-wide file, its history copy and the value read stay as they were after a flush that cannot
// be done once AFalla has run, and the flush raises nothing.
void XmlRegistry::ComprobarQueElArchivoQueda(const std::function<void()>& AFalla) {
  const QString archivo = ArchivoComun();
  EscribirValor(QStringLiteral("Valor"), QStringLiteral("antes"));
  EscribirValor(QStringLiteral("Valor"), QStringLiteral("antes"));
  const QString historia = Comun() + QStringLiteral("/Tarvolin/ProgramData.~001~");
  const QByteArray antes = Leer(archivo);
  const QByteArray copia = Leer(historia);
  ASSERT_FALSE(antes.isEmpty());
  AFalla();
  EXPECT_NO_THROW({
    TxmlRegistry registro;
    registro.OpenKey(Ramo, true);
    registro.WriteString(QStringLiteral("Valor"), QStringLiteral("después"));
    registro.WriteString(QStringLiteral("Grande"), QString(200 * 1024, QLatin1Char('x')));
    registro.CloseKey();
    EXPECT_TRUE(registro.DeleteValue(QStringLiteral("Valor")));
  });
  EXPECT_EQ(Leer(archivo), antes);
  EXPECT_EQ(Leer(historia), copia);
  EXPECT_FALSE(QFile::exists(archivo + QStringLiteral(".tmp")));
  EXPECT_EQ(LeerValor(QStringLiteral("Valor")), QStringLiteral("antes"));
}

TEST_F(XmlRegistry, AFlushToAReadOnlyFileOrAnImpossibleFolderRaisesNothingAndWritesNothing) {
  ComprobarQueElArchivoQueda([this] {
    QFile::setPermissions(ArchivoComun(), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
  });

  // The machine-wide folder is a regular file, so no folder can be made under it.
  const QString archivoComoCarpeta = Usuario() + QStringLiteral("/no es carpeta");
  Escribir(archivoComoCarpeta, "x");
  qputenv("XDG_CONFIG_DIRS", QFile::encodeName(archivoComoCarpeta));
  EXPECT_NO_THROW(EscribirValor(QStringLiteral("Valor"), QStringLiteral("x")));
  EXPECT_EQ(LeerValor(QStringLiteral("Valor")), QString());
}

TEST_F(XmlRegistry, AFlushToAFullFileSystemKeepsThePreviousFile) {
  // The process may write no file bigger than 64 KiB: a write past that fails as on a full disk.
  struct rlimit anterior {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &anterior), 0);
  const sighandler_t senal = signal(SIGXFSZ, SIG_IGN);
  ComprobarQueElArchivoQueda([&] {
    struct rlimit limite = anterior;
    limite.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
  });
  setrlimit(RLIMIT_FSIZE, &anterior);
  signal(SIGXFSZ, senal);
}

TEST_F(XmlRegistry, AFlushToAReadOnlyFolderKeepsThePreviousFile) {
  // The folder cannot take the new file: immutable where the test may set that (root), else without write
  // permission.
  std::unique_ptr<Inmutable> fija;
  ComprobarQueElArchivoQueda([&] {
    const QString carpeta = Comun() + QStringLiteral("/Tarvolin");
    if (geteuid() == 0)
      fija = std::make_unique<Inmutable>(carpeta);
    else
      QFile::setPermissions(carpeta, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  });
}

// The same two faults on a real file system of their own, where mounting one is allowed.
TEST_F(XmlRegistry, AFlushToAReadOnlyOrFullMountedFileSystemKeepsThePreviousFile) {
  for (const bool lleno : {false, true}) {
    SCOPED_TRACE(lleno ? "full file system" : "read-only file system");
    const SistemaDeArchivos tmpfs(Comun(), "64k");
    if (!tmpfs.Montado())
      GTEST_SKIP() << "SKIPPED: mounting a tmpfs is not allowed here; AFlushToAFullFileSystemKeepsThePreviousFile "
                      "and AFlushToAReadOnlyFolderKeepsThePreviousFile cover these faults";
    ComprobarQueElArchivoQueda([&] {
      if (!lleno) {
        ASSERT_TRUE(tmpfs.SoloLectura());
      }
    });
  }
}

TEST_F(XmlRegistry, TwoProcessesWritingAtOnceLeaveOneWritersWholeContent) {
  constexpr int Rondas = 100;
  const QString salida = Usuario() + QStringLiteral("/escritor %1.txt");
  QDir().mkpath(Usuario());
  const auto escritor = [&](const QString& AId) {
    ProcessHandle proceso = 0;
    return EjecutarProceso(
        {QStringLiteral(QOV_ESCRITOR_AJUSTES), {AId, QString::number(Rondas)}, {}, salida.arg(AId), true}, proceso);
  };
  int codigoB = -1;
  std::thread otro([&] { codigoB = escritor(QStringLiteral("B")); });
  const int codigoA = escritor(QStringLiteral("A"));
  otro.join();
  EXPECT_EQ(codigoA, 0) << Leer(salida.arg(QStringLiteral("A"))).constData();
  EXPECT_EQ(codigoB, 0) << Leer(salida.arg(QStringLiteral("B"))).constData();

  for (const QString& archivo : {ArchivoComun(), Comun() + QStringLiteral("/Tarvolin/ProgramData.~001~")}) {
    TXmlElement raiz(QStringLiteral("ProgramData"));
    EXPECT_NO_THROW(ParseXml(Leer(archivo), raiz)) << archivo.toStdString();
  }
  TxmlRegistry registro;
  ASSERT_TRUE(registro.OpenKey(QStringLiteral("\\Software\\Prueba"), false));
  const QString ultimo = registro.ReadString(QStringLiteral("Valor 0"));
  EXPECT_TRUE(ultimo.startsWith(QStringLiteral("A-99 ")) || ultimo.startsWith(QStringLiteral("B-99 ")));
  for (int i = 1; i < 20; ++i) EXPECT_EQ(registro.ReadString(QStringLiteral("Valor %1").arg(i)), ultimo);
}

TEST_F(XmlRegistry, AFileWithBytesThatAreNotUtf8IsReadWholeAndKeptBeforeItIsRewritten) {
  // A hand edit left one byte of an 8-bit code page among UTF-8 text.
  const QByteArray original =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ProgramData><LocalMachine><Software><Tarvolin><Prueba>"
      "<Primero>Compa\xf1"
      "\xc3\xad"
      "a</Primero><Segundo>Ñandú</Segundo></Prueba></Tarvolin></Software>"
      "</LocalMachine></ProgramData>\n";
  Escribir(ArchivoComun(), original);
  EXPECT_EQ(LeerValor(QStringLiteral("Primero")), QStringLiteral("Compañía"));
  EXPECT_EQ(LeerValor(QStringLiteral("Segundo")), QStringLiteral("Ñandú"));
  EscribirValor(QStringLiteral("Tercero"), QStringLiteral("nuevo"));
  EXPECT_EQ(LeerValor(QStringLiteral("Primero")), QStringLiteral("Compañía"));
  EXPECT_EQ(LeerValor(QStringLiteral("Tercero")), QStringLiteral("nuevo"));
  // The file as it was before the store rewrote it stays beside it.
  const QStringList copias = QDir(Comun() + QStringLiteral("/Tarvolin")).entryList({"*.danado*"}, QDir::Files);
  ASSERT_EQ(copias.size(), 1);
  EXPECT_EQ(Leer(Comun() + QStringLiteral("/Tarvolin/") + copias[0]), original);
}

TEST_F(XmlRegistry, AFileThatDidNotLoadWholeIsKeptBeforeItIsRewritten) {
  const QByteArray cortado =
      "<?xml version=\"1.0\"?>\n<ProgramData><LocalMachine><Software><Tarvolin><Prueba><Valor>leido</Valor><Otro>a";
  Escribir(ArchivoComun(), cortado);
  EscribirValor(QStringLiteral("Nuevo"), QStringLiteral("x"));
  EscribirValor(QStringLiteral("Nuevo"), QStringLiteral("y"));
  EscribirValor(QStringLiteral("Nuevo"), QStringLiteral("z"));
  EXPECT_EQ(LeerValor(QStringLiteral("Valor")), QStringLiteral("leido"));
  const QString carpeta = Comun() + QStringLiteral("/Tarvolin/");
  const QStringList copias = QDir(carpeta).entryList({"*.danado*"}, QDir::Files);
  ASSERT_EQ(copias.size(), 1);
  EXPECT_EQ(Leer(carpeta + copias[0]), cortado);

  // So is a file that begins with text before its history copy takes its place.
  EscribirValor(QStringLiteral("Valor"), QStringLiteral("bueno"));
  Escribir(ArchivoComun(), "no es XML");
  EXPECT_EQ(LeerValor(QStringLiteral("Valor")), QStringLiteral("bueno"));
  EXPECT_EQ(QDir(carpeta).entryList({"*.danado*"}, QDir::Files).size(), 2);
}

TEST_F(XmlRegistry, ANameTooLongToBeReadBackIsRefusedWhenWritten) {
  EscribirValor(QStringLiteral("Valor"), QStringLiteral("guardado"));
  const QString largo(5000, QLatin1Char('n'));
  const QString limite(4096, QLatin1Char('n'));
  {
    TxmlRegistry registro;
    registro.OpenKey(Ramo, true);
    EXPECT_THROW(registro.WriteString(largo, QStringLiteral("x")), EXmlError);
    registro.WriteString(limite, QStringLiteral("al limite"));
    registro.OpenKey(Ramo + QStringLiteral("\\") + largo, true);
    EXPECT_THROW(registro.WriteInteger(QStringLiteral("Valor"), 1), EXmlError);
    registro.CloseKey();
  }
  EXPECT_EQ(LeerValor(QStringLiteral("Valor")), QStringLiteral("guardado"));
  EXPECT_EQ(LeerValor(limite), QStringLiteral("al limite"));
}

TEST_F(XmlRegistry, ADeeplyNestedFileIsTreatedAsDamaged) {
  EscribirValor(QStringLiteral("Valor"), QStringLiteral("de la copia"));
  constexpr int Niveles = 300000;
  QByteArray profundo = "<?xml version=\"1.0\"?><ProgramData>";
  for (int i = 0; i < Niveles; ++i) profundo += "<a>";
  for (int i = 0; i < Niveles; ++i) profundo += "</a>";
  profundo += "</ProgramData>";
  Escribir(ArchivoComun(), profundo);
  EXPECT_EQ(LeerValor(QStringLiteral("Valor")), QStringLiteral("de la copia"));

  // A key path as deep is refused when written.
  QString ruta = Ramo;
  for (int i = 0; i < 2000; ++i) ruta += QStringLiteral("\\k");
  TxmlRegistry registro;
  registro.OpenKey(ruta, true);
  EXPECT_THROW(registro.WriteString(QStringLiteral("Valor"), QStringLiteral("x")), EXmlError);
}

TEST(XmlElement, ADeepTreeIsFreedWithoutRecursion) {
  auto raiz = std::make_unique<TXmlElement>(QStringLiteral("raiz"));
  TXmlElement* hoja = raiz.get();
  for (int i = 0; i < 1000000; ++i) hoja = &hoja->AddChild(QStringLiteral("a"));
  raiz.reset();
  SUCCEED();
}

TEST_F(XmlRegistry, TheLockLivesBesideTheFileAndALockThatCannotBeTakenRaisesTheTimeout) {
  const QString carpeta = Comun() + QStringLiteral("/Tarvolin");
  EscribirValor(QStringLiteral("Valor"), QStringLiteral("antes"));
  const QString bloqueo = TXmlFileStorage::LockFileName(ArchivoComun());
  EXPECT_EQ(QFileInfo(bloqueo).absolutePath(), carpeta);
  // A dangling link planted where the lock file goes.
  ASSERT_TRUE(QFile::link(carpeta + QStringLiteral("/no existe"), bloqueo));
  try {
    TxmlRegistry registro;
    FAIL() << "loaded without the lock";
  } catch (const EFileError& e) {
    EXPECT_TRUE(e.Message().endsWith(QStringLiteral(": Mutex Timeout"))) << e.Message().toStdString();
  }
  EXPECT_FALSE(QFile::exists(carpeta + QStringLiteral("/no existe")));
}

TEST_F(XmlRegistry, TemporaryAndHistoryFilesAreNeverWrittenThroughALink) {
  EscribirValor(QStringLiteral("Valor"), QStringLiteral("uno"));
  const QString carpeta = Comun() + QStringLiteral("/Tarvolin/");
  const QString victima = Usuario() + QStringLiteral("/victima");
  Escribir(victima, "intacta");
  for (const QString& nombre : {QStringLiteral("ProgramData.xml.tmp"), QStringLiteral("ProgramData.~001~")}) {
    SCOPED_TRACE(nombre.toStdString());
    QFile::remove(carpeta + nombre);
    ASSERT_TRUE(QFile::link(victima, carpeta + nombre));
    EscribirValor(QStringLiteral("Valor"), QStringLiteral("dos"));
    EXPECT_EQ(Leer(victima), "intacta");
    EXPECT_EQ(LeerValor(QStringLiteral("Valor")), QStringLiteral("dos"));
    EscribirValor(QStringLiteral("Valor"), QStringLiteral("uno"));
  }
}

TEST_F(XmlRegistry, FoldersTheStoreMakesAreNeverWorldWritable) {
  const mode_t anterior = umask(0);
  EscribirValor(QStringLiteral("Valor"), QStringLiteral("x"));
  umask(anterior);
  for (const QString& carpeta : {Comun(), Comun() + QStringLiteral("/Tarvolin")}) {
    struct stat datos {};
    ASSERT_EQ(stat(QFile::encodeName(carpeta).constData(), &datos), 0);
    EXPECT_EQ(datos.st_mode & S_IWOTH, 0u) << carpeta.toStdString();
  }
}

TEST_F(XmlRegistry, ARepairReadsNoHistoryCopyThroughALinkAndTheStoreWritesFilesForTheOwnerAlone) {
  const QString carpeta = Comun() + QStringLiteral("/Tarvolin/");
  const QString secreto = Usuario() + QStringLiteral("/secreto");
  Escribir(secreto, Documento("secreto"));
  QFile::setPermissions(secreto, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  const mode_t anterior = umask(0);
  for (const bool fifo : {false, true}) {
    SCOPED_TRACE(fifo ? "newest copy a FIFO" : "newest copy a link");
    for (const QString& nombre : QDir(carpeta).entryList(QDir::Files | QDir::System)) QFile::remove(carpeta + nombre);
    Escribir(ArchivoComun(), "no es XML");
    chmod(QFile::encodeName(ArchivoComun()).constData(), 0600);
    const QString copia1 = carpeta + QStringLiteral("ProgramData.~001~");
    if (fifo)
      ASSERT_EQ(mkfifo(QFile::encodeName(copia1).constData(), 0600), 0);
    else
      ASSERT_TRUE(QFile::link(secreto, copia1));
    Escribir(carpeta + QStringLiteral("ProgramData.~002~"), Documento("de la copia 2"));
    EXPECT_EQ(LeerValor(QStringLiteral("Valor")), QStringLiteral("de la copia 2"));
    for (const QString& nombre : QDir(carpeta).entryList(QDir::Files | QDir::NoSymLinks))
      EXPECT_FALSE(Leer(carpeta + nombre).contains("secreto")) << nombre.toStdString();
    EXPECT_EQ(Modo(ArchivoComun()), 0600u);
  }
  EscribirValor(QStringLiteral("Valor"), QStringLiteral("nuevo"));
  for (const QString& nombre : {QStringLiteral("ProgramData.xml"), QStringLiteral("ProgramData.~001~")})
    EXPECT_EQ(Modo(carpeta + nombre), 0600u) << nombre.toStdString();
  // A file that was open to more keeps what it allowed.
  chmod(QFile::encodeName(ArchivoComun()).constData(), 0644);
  EscribirValor(QStringLiteral("Valor"), QStringLiteral("otro"));
  umask(anterior);
  EXPECT_EQ(Modo(ArchivoComun()), 0644u);
}

TEST_F(XmlRegistry, AnUpdateAppliesItsChangeToTheFileAsItIsNowOrRaisesWhyItDidNotReachIt) {
  EscribirValor(QStringLiteral("Uno"), QStringLiteral("1"));
  TxmlRegistry registro;
  EscribirValor(QStringLiteral("Dos"), QStringLiteral("2"));  // after this store loaded
  registro.Update([&] {
    registro.OpenKey(Ramo, true);
    registro.WriteString(QStringLiteral("Tres"), QStringLiteral("3"));
  });
  for (const char* nombre : {"Uno", "Dos"}) EXPECT_FALSE(LeerValor(QLatin1String(nombre)).isEmpty()) << nombre;
  EXPECT_EQ(LeerValor(QStringLiteral("Tres")), QStringLiteral("3"));

  const QString carpeta = Comun() + QStringLiteral("/Tarvolin");
  const struct {
    const char* caso;
    std::function<void()> falla;
    const char* razon;
  } casos[] = {
      {"file is a folder",
       [&] {
         QFile::remove(ArchivoComun());
         QDir().mkpath(ArchivoComun());
       },
       "Is a directory"},
      {"folder cannot take a file",
       [&] { QFile::setPermissions(carpeta, QFileDevice::ReadOwner | QFileDevice::ExeOwner); },
       "Permission denied|Operation not permitted"},
      {"read-only file",
       [&] { QFile::setPermissions(ArchivoComun(), QFileDevice::ReadOwner | QFileDevice::ReadGroup); },
       "Permission denied"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.caso);
    EscribirValor(QStringLiteral("Valor"), QStringLiteral("antes"));
    const QByteArray antes = Leer(ArchivoComun());
    std::unique_ptr<Inmutable> fija;
    if (geteuid() == 0 && std::string(caso.caso) == "folder cannot take a file")
      fija = std::make_unique<Inmutable>(carpeta);  // permissions do not stop root
    else
      caso.falla();
    TxmlRegistry otro;
    try {
      otro.Update([&] {
        otro.OpenKey(Ramo, true);
        otro.WriteString(QStringLiteral("Valor"), QStringLiteral("después"));
      });
      ADD_FAILURE() << "no error";
    } catch (const EFileError& e) {
      EXPECT_TRUE(e.Message().contains(QRegularExpression(QLatin1String(caso.razon)))) << e.Message().toStdString();
    }
    fija.reset();
    QFile::setPermissions(carpeta, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (QFileInfo(ArchivoComun()).isDir()) {
      QDir(ArchivoComun()).removeRecursively();
    } else {
      EXPECT_EQ(Leer(ArchivoComun()), antes);
      QFile::setPermissions(ArchivoComun(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
  }
}
