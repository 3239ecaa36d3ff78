#include <QDir>
#include <QTest>
#include <memory>

#include "app/PruebaDeDialogos.h"
#include "app/dialogs/DlgLogin.h"
#include "controls/basic/ButtonQov.h"
#include "controls/edits/DBComboBoxQov.h"
#include "controls/edits/DBEditQov.h"
#include "core/engine/VariablesGlobales.h"
#include "core/settings/XmlRegistryQov.h"
#include "fixtures/BasesDePrueba.h"
#include "fixtures/CarpetaDatos.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Application.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Screen.h"

namespace {

const QString MensajeClave = QStringLiteral(
    "El nombre de usuario o la contraseña no son válidos para el Servidor de la conexión '%1'.\r\n"
    "Escriba los datos correctamente o consulte al Administrador del sistema.");
const QString MensajeServidor = QStringLiteral(
    "No se puede hacer contacto con el Servidor de la conexión '%1'.\r\n"
    "La computadora está apagada, no es un recurso compartido, el protocolo de comunicación es inadecuado, el "
    "Servidor de datos no está instalado o los datos de la conexión están incorrectos.");
const QString MensajeArchivo = QStringLiteral(
    "No se puede accesar la base de datos 'Config.fdb' de la carpeta '%1'.\r\nConsulte al Administrador del "
    "Sistema.");
const QString MensajeRemota = QStringLiteral("Esta herramienta no permite usar conexiones remotas.");

// What the dialog handed to the main window.
struct Entrega {
  QString RutaDirDatos, Server, UserFB, PassFB;
  bool operator==(const Entrega&) const = default;
};

void PrintTo(const Entrega& AEntrega, std::ostream* ASalida) {
  *ASalida << '{' << AEntrega.RutaDirDatos.toStdString() << ", " << AEntrega.Server.toStdString() << ", "
           << AEntrega.UserFB.toStdString() << ", " << AEntrega.PassFB.toStdString() << '}';
}

class InicioSesion : public PruebaDeDialogos {
 protected:
  void SetUp() override {
    PruebaDeDialogos::SetUp();
    ServidorFirebirdActual = QStringLiteral("(sin asignar)");
  }

  // Config of the data folder, in the older structure.
  void CrearConfig() {
    QDir().mkpath(datos + "System");
    CarpetaDatos::CrearConfig(datos + "System/Config.fdb", {"EMPRESA1"});
  }

  // A new sign-in dialog, shown, that writes its hand-overs down.
  std::unique_ptr<TqovDlgLogin> Mostrar() {
    std::unique_ptr<TqovDlgLogin> dialogo(NewForm<TqovDlgLogin>(nullptr));
    dialogo->OnEntregarSesion = [this](const QString& D, const QString& S, const QString& U, const QString& P) {
      Entregas.push_back({D, S, U, P});
      VentanaPrincipal().Show();
    };
    dialogo->Show();
    return dialogo;
  }

  // Picks the profile, types the password and presses OK with the focus elsewhere.
  void Entrar(TqovDlgLogin& ADialogo, const QString& APerfil, const QString& AClave) {
    ADialogo.cmbxConexion->SetItemIndex(ADialogo.cmbxConexion->Items().indexOf(APerfil));
    ADialogo.edtPassword->SetText(AClave);
    ADialogo.cmbxConexion->SetFocus();
    QTest::mouseClick(ADialogo.btnAceptar, Qt::LeftButton);
  }

  // The failed sign-in left the dialog open, as it was; after a failed test session the password has the
  // focus.
  void SigueAbierto(TqovDlgLogin& ADialogo, const QString& AClave, bool AProbada = true) {
    EXPECT_TRUE(ADialogo.Visible());
    EXPECT_EQ(ADialogo.edtPassword->Text(), AClave);
    if (AProbada) {
      EXPECT_EQ(ADialogo.focusWidget(), ADialogo.edtPassword);
    }
    EXPECT_FALSE(VentanaPrincipal().Visible());
    EXPECT_TRUE(Entregas.empty());
    EXPECT_EQ(Screen.Cursor(), crDefault);
  }

  const QString datos = carpeta.Datos();
  const QString clave = ClaveSysdbaServidor();
  std::vector<Entrega> Entregas;
};

TEST_F(InicioSesion, ALocalProfileSignsInThroughThisMachinesServerWithOrWithoutAFinalSeparator) {
  CrearConfig();
  GuardarPerfil("Con separador", taLocal, {}, datos);
  GuardarPerfil("Sin separador", taLocal, {}, datos.chopped(1));
  for (const QString perfil : {"Con separador", "Sin separador"}) {
    Entregas.clear();
    const auto dialogo = Mostrar();
    Entrar(*dialogo, perfil, clave);
    EXPECT_TRUE(Mensajes.isEmpty()) << Mensajes.join('|').toStdString();
    ASSERT_EQ(Entregas.size(), 1u) << perfil.toStdString();
    EXPECT_EQ(Entregas[0], (Entrega{datos, {}, "SYSDBA", clave}));
    EXPECT_EQ(ServidorFirebirdActual, QString());
    EXPECT_FALSE(dialogo->Visible());
    EXPECT_EQ(Screen.Cursor(), crDefault);
  }
  // The server checks a local profile's password too.
  Entregas.clear();
  VentanaPrincipal().Hide();
  const auto dialogo = Mostrar();
  Entrar(*dialogo, "Con separador", "incorrecta");
  EXPECT_EQ(Mensajes, QStringList{MensajeClave.arg("Con separador")});
  SigueAbierto(*dialogo, "incorrecta");
}

TEST_F(InicioSesion, OnlyProfilesOfThisMachineAreAccepted) {
  CrearConfig();
  struct Caso {
    QString Servidor;
    QStringList Mensajes;  // what the operator is told
    QString Server;        // what the main window receives, when the sign-in succeeds
    QString ServidorActual;
  };
  const Caso casos[] = {
      {"localhost/3050", {}, "localhost/3050", "localhost:3050"},
      {"127.0.0.1/3050", {}, "127.0.0.1/3050", "127.0.0.1:3050"},
      {"LOCALHOST", {}, "LOCALHOST", "LOCALHOST"},
      // Any port of this machine passes the rule and is tried; nothing listens on that one.
      {"127.0.0.1/3999", {MensajeServidor.arg("Perfil")}, {}, "127.0.0.1:3999"},
      {"respaldo-localhost.example.com", {MensajeRemota}, {}, "(sin asignar)"},
      {"127.0.0.1.example.com/3050", {MensajeRemota}, {}, "(sin asignar)"},
      {"servidor/3050", {MensajeRemota}, {}, "(sin asignar)"},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.Servidor.toStdString());
    QFile::remove(ArchivoComun());
    GuardarPerfil("Perfil", taRemoto, caso.Servidor, datos);
    Mensajes.clear();
    Entregas.clear();
    ServidorFirebirdActual = QStringLiteral("(sin asignar)");
    const auto dialogo = Mostrar();
    Entrar(*dialogo, "Perfil", clave);
    EXPECT_EQ(Mensajes, caso.Mensajes);
    EXPECT_EQ(ServidorFirebirdActual, caso.ServidorActual);
    if (caso.Mensajes.isEmpty())
      EXPECT_EQ(Entregas, (std::vector<Entrega>{{datos, caso.Server, "SYSDBA", clave}}));
    else
      SigueAbierto(*dialogo, clave, caso.Mensajes[0] != MensajeRemota);
    VentanaPrincipal().Hide();
  }
}

TEST_F(InicioSesion, AMissingConfigIsReportedWithTheFolderTried) {
  GuardarPerfil("Local", taLocal, {}, datos);
  const auto dialogo = Mostrar();
  Entrar(*dialogo, "Local", clave);
  EXPECT_EQ(Mensajes, QStringList{MensajeArchivo.arg("localhost:" + datos + "System/")});
  SigueAbierto(*dialogo, clave);
}

TEST_F(InicioSesion, AConvertedConfigIsTestedInItsArchivedCopy) {
  // Config in ODS 12 (page size 8192), its old copy not yet where the conversion leaves it.
  QDir().mkpath(datos + "System");
  CarpetaDatos::CrearConfig(datos + "System/Config.fdb", {"EMPRESA1"}, 8192);
  GuardarPerfil("Local", taLocal, {}, datos);
  const auto dialogo = Mostrar();
  Entrar(*dialogo, "Local", clave);
  EXPECT_EQ(Mensajes, QStringList{MensajeArchivo.arg("localhost:" + datos + "ArchivarBDAnterior2019/System/")});

  Mensajes.clear();
  QDir().mkpath(datos + "ArchivarBDAnterior2019/System");
  CarpetaDatos::CrearConfig(datos + "ArchivarBDAnterior2019/System/Config.fdb", {"EMPRESA1"});
  Entrar(*dialogo, "Local", clave);
  EXPECT_TRUE(Mensajes.isEmpty()) << Mensajes.join('|').toStdString();
  EXPECT_EQ(Entregas.size(), 1u);
}

TEST_F(InicioSesion, WithoutProfilesOkReportsTheMissingProfile) {
  QStringList errores;
  Application->OnException = [&](const QString& AMensaje) { errores << AMensaje; };
  const auto dialogo = Mostrar();
  EXPECT_EQ(dialogo->cmbxConexion->ItemCount(), 0);
  Entrar(*dialogo, {}, clave);
  EXPECT_EQ(errores, QStringList{"Error al seleccionar conexión.  no existe."});
  EXPECT_TRUE(dialogo->Visible());
  EXPECT_EQ(Screen.Cursor(), crDefault);
}

TEST_F(InicioSesion, TheProfileSignedInWithIsChosenAgainNextTime) {
  CrearConfig();
  for (const QString perfil : {"beta", "Alfa", "Gama"}) GuardarPerfil(perfil, taLocal, {}, datos);
  {
    const auto dialogo = Mostrar();
    EXPECT_EQ(dialogo->cmbxConexion->Items(), QStringList({"Alfa", "beta", "Gama"}));
    EXPECT_EQ(dialogo->cmbxConexion->Text(), "Alfa");
    Entrar(*dialogo, "Gama", clave);
    ASSERT_EQ(Entregas.size(), 1u);
  }
  TxmlRegistry registro;
  registro.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(registro.OpenKey("\\Software\\Tarvolin\\Drevalino", false));
  EXPECT_EQ(registro.ReadString("Usuario"), "SYSDBA");
  EXPECT_EQ(registro.ReadString("Conexión"), "Gama");
  EXPECT_EQ(Mostrar()->cmbxConexion->Text(), "Gama");

  // A saved profile that is gone leaves the first one chosen, without a word.
  TqovConexiones conexiones;
  QStringList nombres;
  conexiones.GetNames(nombres);
  conexiones.Delete("Gama");
  conexiones.Save();
  EXPECT_EQ(Mostrar()->cmbxConexion->Text(), "Alfa");
  EXPECT_TRUE(Mensajes.isEmpty());
}

TEST_F(InicioSesion, OkWantsAPasswordOfUpTo32Characters) {
  const auto dialogo = Mostrar();
  EXPECT_EQ(dialogo->edtUsuario->Text(), "SYSDBA");
  EXPECT_EQ(dialogo->focusWidget(), dialogo->edtPassword);
  EXPECT_FALSE(dialogo->btnAceptar->Enabled());
  QTest::keyClicks(dialogo->edtPassword, "a");
  EXPECT_TRUE(dialogo->btnAceptar->Enabled());
  dialogo->edtPassword->SetText({});
  EXPECT_FALSE(dialogo->btnAceptar->Enabled());
  const QString larga = "Una clave de Firebird 3 bastante larga";  // 38 characters
  QTest::keyClicks(dialogo->edtPassword, larga);
  EXPECT_EQ(dialogo->edtPassword->Text(), larga.left(32));
}

TEST_F(InicioSesion, TheLabelsAcceleratorsMoveTheFocusWithoutTyping) {
  const auto dialogo = Mostrar();
  dialogo->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialogo.get()));
  QTest::keyClicks(dialogo->edtPassword, "clave");
  QTest::keyClick(dialogo->edtPassword, Qt::Key_X, Qt::AltModifier);
  EXPECT_EQ(dialogo->focusWidget(), dialogo->cmbxConexion);
  QTest::keyClick(dialogo->cmbxConexion, Qt::Key_C, Qt::AltModifier);
  EXPECT_EQ(dialogo->focusWidget(), dialogo->edtPassword);
  EXPECT_EQ(dialogo->edtPassword->Text(), "clave");
}

// Ending the program cannot be undone in the process: the test runs in a process of its own.
TEST_F(InicioSesion, CancelWhileTheMainWindowIsHiddenEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        const auto dialogo = Mostrar();
        QTest::keyClick(dialogo->edtPassword, Qt::Key_Escape);
        std::exit(!dialogo->Visible() && Application->Terminated() && Entregas.empty() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
