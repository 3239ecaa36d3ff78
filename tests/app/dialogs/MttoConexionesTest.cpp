#include <QDir>
#include <QTest>
#include <memory>

#include "app/PruebaDeDialogos.h"
#include "app/dialogs/DlgLogin.h"
#include "app/dialogs/MttoConexionesFrmConver.h"
#include "controls/basic/ButtonQov.h"
#include "controls/edits/DBComboBoxQov.h"
#include "controls/edits/DBEditQov.h"
#include "fixtures/BasesDePrueba.h"
#include "fixtures/CarpetaDatos.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/ActnList.h"
#include "platform/forms/Label.h"
#include "platform/forms/Menus.h"

namespace {

class MttoConexiones : public PruebaDeDialogos {
 protected:
  MttoConexiones() {
    combo = new TComboBox(&anfitrion);
    combo->SetParent(&anfitrion);
    combo->SetStyle(csDropDownList);
  }

  // Shows the profile dialog over the list, which is loaded first, and the combo; AEnDialogo answers it.
  int Mostrar(bool AEsAlta, const std::function<void(TMttoConexionesFormConver&)>& AEnDialogo) {
    QStringList nombres;
    conexiones.GetNames(nombres);
    AlMostrarDialogo = [&](QWidget& AVentana) {
      auto& dialogo = dynamic_cast<TMttoConexionesFormConver&>(AVentana);
      UpdateActions(dialogo);
      AEnDialogo(dialogo);
    };
    return MostrarMttoConexiones(&anfitrion, &conexiones, AEsAlta, combo);
  }

  // Updates the dialog's actions as the idle loop does, then presses OK.
  static void Aceptar(TMttoConexionesFormConver& ADialogo) {
    UpdateActions(ADialogo);
    QTest::mouseClick(ADialogo.btnAceptar, Qt::LeftButton);
  }

  // The profile as a fresh load of the settings file gives it.
  static TDatosConexion Guardado(const QString& ANombre) {
    TqovConexiones guardadas;
    QStringList nombres;
    guardadas.GetNames(nombres);
    guardadas.SetConexionActual(ANombre);
    return {guardadas.TipoAcceso(), guardadas.ServerName(), guardadas.Protocolo(), guardadas.DirDatos()};
  }

  TForm anfitrion{nullptr};
  TComboBox* combo;
  TqovConexiones conexiones;
};

TEST_F(MttoConexiones, ANewProfileStartsLocalWithTheDefaultDataFolder) {
  const int resultado = Mostrar(true, [](TMttoConexionesFormConver& d) {
    EXPECT_EQ(d.Caption(), "Nueva conexión");
    EXPECT_EQ(d.cmbxTipoAcceso->Text(), "Local");
    EXPECT_EQ(d.edtNombre->Text(), "Local");
    EXPECT_FALSE(d.edtNombre->NoEditable());
    EXPECT_EQ(d.edtDirDatos->Text(), "/srv/Tarvolin datos/");
    EXPECT_EQ(d.cmbxNombreServer->Text(), "");
    EXPECT_FALSE(d.cmbxNombreServer->Enabled());
    EXPECT_FALSE(d.lblNombreServer->Enabled());
    EXPECT_EQ(d.cmbxProtocolo->Text(), "TCP/IP");
    EXPECT_FALSE(d.btnEliminar->Visible());
    EXPECT_EQ(d.btnAceptar->HelpContext(), 0);
    Aceptar(d);
  });
  EXPECT_EQ(resultado, mrOk);
  EXPECT_TRUE(Mensajes.isEmpty());
  EXPECT_EQ(combo->Items(), QStringList{"Local"});
  EXPECT_EQ(combo->Text(), "Local");
  const TDatosConexion guardado = Guardado("Local");
  EXPECT_EQ(guardado.TipoAcceso, taLocal);
  EXPECT_EQ(guardado.ServerName, "");
  EXPECT_EQ(guardado.DirDatos, "/srv/Tarvolin datos/");
}

TEST_F(MttoConexiones, ARemoteProfileKeepsServerAndProtocolAndItsFolderGetsItsSeparator) {
  struct Caso {
    QString Carpeta, Guardada;
  };
  for (const Caso& caso :
       {Caso{"/srv/datos", "/srv/datos/"}, Caso{"C:\\Datos", "C:\\Datos\\"}, Caso{"/srv/datos/", "/srv/datos/"}}) {
    QFile::remove(ArchivoComun());
    conexiones.Clear();
    combo->SetItems({});
    const int resultado = Mostrar(true, [&](TMttoConexionesFormConver& d) {
      d.cmbxTipoAcceso->SetItemIndex(1);
      UpdateActions(d);
      EXPECT_TRUE(d.cmbxNombreServer->Enabled());
      EXPECT_TRUE(d.lblProtocolo->Enabled());
      EXPECT_FALSE(d.actnAceptar->Enabled());  // no server yet
      d.cmbxNombreServer->SetText("servidor/3050");
      d.cmbxProtocolo->SetItemIndex(2);
      // Back to local: the server is emptied and the protocol reset; then remote again.
      d.cmbxTipoAcceso->SetItemIndex(0);
      UpdateActions(d);
      EXPECT_EQ(d.cmbxNombreServer->Text(), "");
      EXPECT_EQ(d.cmbxProtocolo->Text(), "TCP/IP");
      d.cmbxTipoAcceso->SetItemIndex(1);
      d.cmbxNombreServer->SetText("servidor/3050");
      d.cmbxProtocolo->SetItemIndex(2);
      d.edtNombre->SetText("Matriz");
      d.edtDirDatos->SetText(caso.Carpeta);
      Aceptar(d);
      EXPECT_EQ(d.edtDirDatos->Text(), caso.Guardada);
    });
    EXPECT_EQ(resultado, mrOk);
    const TDatosConexion guardado = Guardado("Matriz");
    EXPECT_EQ(guardado.TipoAcceso, taRemoto);
    EXPECT_EQ(guardado.ServerName, "servidor:3050");
    EXPECT_EQ(guardado.Protocolo, prSPX);
    EXPECT_EQ(guardado.DirDatos, caso.Guardada);
  }
}

TEST_F(MttoConexiones, ANewProfileNamedAsAListedOneIsRefused) {
  GuardarPerfil("Matriz", taLocal, {}, "/srv/matriz/");
  combo->SetItems({"Matriz"});
  const int resultado = Mostrar(true, [&](TMttoConexionesFormConver& d) {
    d.edtNombre->SetText("matriz");
    d.edtNombre->SetFocus();
    d.edtDirDatos->SetFocus();
    Aceptar(d);
    EXPECT_EQ(Mensajes, QStringList{"La conexión \"matriz\" ya se encuentra registrada."});
    EXPECT_TRUE(d.Visible());
    EXPECT_EQ(d.focusWidget(), d.edtNombre);
    d.btnCancelar->Click();
  });
  EXPECT_EQ(resultado, mrCancel);
  EXPECT_EQ(PerfilesGuardados(), QStringList{"Matriz"});
  EXPECT_EQ(Guardado("Matriz").DirDatos, "/srv/matriz/");
}

TEST_F(MttoConexiones, AnEditedProfileIsSavedWithItsServerInTheColonForm) {
  GuardarPerfil("Matriz", taRemoto, "srv/3050", "/srv/matriz/");
  combo->SetItems({"Matriz"});
  QStringList nombres;
  conexiones.GetNames(nombres);
  conexiones.SetConexionActual("Matriz");
  const int resultado = Mostrar(false, [](TMttoConexionesFormConver& d) {
    EXPECT_EQ(d.Caption(), "Abrir conexión");
    EXPECT_TRUE(d.btnEliminar->Visible());
    EXPECT_TRUE(d.edtNombre->NoEditable());
    EXPECT_EQ(d.edtNombre->Text(), "Matriz");
    EXPECT_EQ(d.cmbxTipoAcceso->Text(), "Remota");
    EXPECT_EQ(d.cmbxNombreServer->Text(), "srv:3050");
    d.edtDirDatos->SetText("/srv/otra");
    Aceptar(d);
  });
  EXPECT_EQ(resultado, mrOk);
  EXPECT_EQ(combo->Items(), QStringList{"Matriz"});
  EXPECT_EQ(combo->Text(), "Matriz");
  const TDatosConexion guardado = Guardado("Matriz");
  EXPECT_EQ(guardado.ServerName, "srv:3050");
  EXPECT_EQ(guardado.DirDatos, "/srv/otra/");
}

TEST_F(MttoConexiones, DeletingAsksFirst) {
  GuardarPerfil("Matriz", taLocal, {}, "/srv/matriz/");
  GuardarPerfil("Sucursal", taLocal, {}, "/srv/sucursal/");
  combo->SetItems({"Matriz", "Sucursal"});
  combo->SetItemIndex(0);
  QStringList nombres;
  conexiones.GetNames(nombres);
  const QString pregunta = "¿Desea eliminar permanentemente la conexión Matriz?";

  BotonMensaje = "No";
  conexiones.SetConexionActual("Matriz");
  EXPECT_EQ(Mostrar(false,
                    [](TMttoConexionesFormConver& d) {
                      d.btnEliminar->Click();
                      EXPECT_TRUE(d.Visible());
                      d.btnCancelar->Click();
                    }),
            mrCancel);
  EXPECT_EQ(Mensajes, QStringList{pregunta});
  EXPECT_EQ(combo->Items(), QStringList({"Matriz", "Sucursal"}));
  EXPECT_EQ(PerfilesGuardados(), QStringList({"Matriz", "Sucursal"}));

  BotonMensaje = "Yes";
  conexiones.SetConexionActual("Matriz");
  EXPECT_EQ(Mostrar(false, [](TMttoConexionesFormConver& d) { d.btnEliminar->Click(); }), mrOk);
  EXPECT_EQ(Mensajes, QStringList({pregunta, pregunta}));
  EXPECT_EQ(combo->Items(), QStringList{"Sucursal"});
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(PerfilesGuardados(), QStringList{"Sucursal"});
}

TEST_F(MttoConexiones, AProfileTheSettingsFileDoesNotTakeIsAnErrorAndIsNotListed) {
  GuardarPerfil("Matriz", taLocal, {}, "/srv/matriz/");
  combo->SetItems({"Matriz"});
  const QString carpetaAjustes = Comun() + "/Tarvolin";
  auto inmutable = std::make_unique<Inmutable>(carpetaAjustes);
  const int resultado = Mostrar(true, [&](TMttoConexionesFormConver& d) {
    d.edtNombre->SetText("Sucursal");
    Aceptar(d);
    // The message gives the reason too.
    ASSERT_EQ(Mensajes.size(), 1);
    EXPECT_TRUE(Mensajes[0].startsWith("No es posible registrar la conexión \"Sucursal\".\r\nNo se puede "))
        << Mensajes[0].toStdString();
    EXPECT_TRUE(d.Visible());
    EXPECT_EQ(combo->Items(), QStringList{"Matriz"});
    QStringList nombres;
    conexiones.GetNames(nombres);
    EXPECT_EQ(nombres, QStringList{"Matriz"});
    // Once the file can be written, the same OK saves it.
    inmutable.reset();
    Aceptar(d);
  });
  EXPECT_EQ(resultado, mrOk);
  EXPECT_EQ(Mensajes.size(), 1);
  EXPECT_EQ(combo->Items(), QStringList({"Matriz", "Sucursal"}));
  EXPECT_EQ(PerfilesGuardados(), QStringList({"Matriz", "Sucursal"}));
}

TEST_F(MttoConexiones, AProfileCreatedFromTheSignInIsChosenThereAndFoundByItsOk) {
  QDir().mkpath(carpeta.Datos() + "System");
  CarpetaDatos::CrearConfig(carpeta.Datos() + "System/Config.fdb", {"EMPRESA1"});
  const std::unique_ptr<TqovDlgLogin> login(NewForm<TqovDlgLogin>(nullptr));
  login->Show();
  AlMostrarDialogo = [&](QWidget& AVentana) {
    auto& d = dynamic_cast<TMttoConexionesFormConver&>(AVentana);
    d.edtNombre->SetText("Nueva");
    d.edtDirDatos->SetText(carpeta.Datos());
    Aceptar(d);
  };
  login->miNuevo->Click();
  EXPECT_EQ(login->cmbxConexion->Text(), "Nueva");
  // The password is wrong: the server says so, so the profile was found and tried.
  login->edtPassword->SetText("incorrecta");
  QTest::mouseClick(login->btnAceptar, Qt::LeftButton);
  EXPECT_EQ(Mensajes, QStringList{"El nombre de usuario o la contraseña no son válidos para el Servidor de la "
                                  "conexión 'Nueva'.\r\nEscriba los datos correctamente o consulte al "
                                  "Administrador del sistema."});
}

}  // namespace

namespace {

TEST_F(MttoConexiones, NamesWithUnderscoresAndAccentsAreSavedAsTypedAndNeverChangeAnotherProfile) {
  GuardarPerfil("Oficina 1", taLocal, {}, "/srv/oficina 1/");
  const struct {
    QString nombre;
    bool aceptada;
  } casos[] = {{"Oficina_1", true}, {"Compañía", true}, {"Sucursal Perú", true}, {" Oficina 1", false}};
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre.toStdString());
    Mensajes.clear();
    combo->SetItems(PerfilesGuardados());
    TqovConexiones nuevas;
    QStringList nombres;
    nuevas.GetNames(nombres);
    const QByteArray antes = Leer(ArchivoComun());
    AlMostrarDialogo = [&](QWidget& AVentana) {
      auto& d = dynamic_cast<TMttoConexionesFormConver&>(AVentana);
      d.edtNombre->SetText(caso.nombre);
      d.edtDirDatos->SetText("/srv/" + caso.nombre.trimmed() + "/");
      Aceptar(d);
      if (!Mensajes.isEmpty()) d.btnCancelar->Click();
    };
    EXPECT_EQ(MostrarMttoConexiones(&anfitrion, &nuevas, true, combo), caso.aceptada ? mrOk : mrCancel);
    if (caso.aceptada) {
      EXPECT_EQ(Mensajes, QStringList());
      EXPECT_EQ(Guardado(caso.nombre).DirDatos, "/srv/" + caso.nombre + "/");
    } else {
      EXPECT_EQ(Mensajes, QStringList({"El nombre de la conexión no es válido.",
                                       "No es posible registrar la conexión \"" + caso.nombre + "\"."}));
      EXPECT_EQ(Leer(ArchivoComun()), antes);
    }
    EXPECT_EQ(Guardado("Oficina 1").DirDatos, "/srv/oficina 1/");
  }
  EXPECT_EQ(PerfilesGuardados(), QStringList({"Oficina 1", "Oficina_1", "Compañía", "Sucursal Perú"}));
}

}  // namespace
