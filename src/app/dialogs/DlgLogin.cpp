#include "app/dialogs/DlgLogin.h"

#include "app/dialogs/MttoConexionesFrmConver.h"
#include "controls/basic/ButtonQov.h"
#include "controls/basic/EnterAsTabQov.h"
#include "controls/dialogs/DialogosQov.h"
#include "controls/edits/DBComboBoxQov.h"
#include "controls/edits/DBEditQov.h"
#include "core/engine/VariablesGlobales.h"
#include "core/session/ExceptionBaseDatos.h"
#include "core/session/SesionBDFirebird.h"
#include "core/settings/ConexionesQov.h"
#include "core/settings/XmlRegistryQov.h"
#include "core/util/CadenaConexion.h"
#include "core/util/EquipoLocal.h"
#include "platform/forms/Application.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/Menus.h"
#include "platform/forms/Screen.h"
#include "platform/rtl/ResourceModule.h"

namespace {

const QString ClaveDrevalino = QStringLiteral("\\Software\\Tarvolin\\Drevalino");
const QString ValorUsuario = QStringLiteral("Usuario");
const QString ValorConexion = QStringLiteral("Conexión");
// Line breaks of the test session's messages.
const QString CrLf = QStringLiteral("\r\n");

TMenuItem* NuevoItem(TPopupMenu& AMenu, TComponent* AOwner, const char* ANombre, const QString& ACaption) {
  auto* item = new TMenuItem(AOwner);
  item->SetName(QString::fromLatin1(ANombre));
  item->SetCaption(ACaption);
  AMenu.Add(item);
  return item;
}

// The wait cursor while it lives.
class CursorDeEspera {
 public:
  CursorDeEspera() { Screen.SetCursor(crSQLWait); }
  ~CursorDeEspera() { Screen.SetCursor(crDefault); }
  CursorDeEspera(const CursorDeEspera&) = delete;
  CursorDeEspera& operator=(const CursorDeEspera&) = delete;
};

}  // namespace

TqovDlgLogin::TqovDlgLogin(TComponent* AOwner) : TqovDlgTemplateFormConver(AOwner) {
  SetCaption(QStringLiteral("Bienvenido"));
  SetClientWidth(383);
  SetClientHeight(200);
  SetBorderIcons(biSystemMenu);
  SetPosition(poScreenCenter);

  imgLogo = NuevoControl<TImage>(*this, "imgLogo");
  imgLogo->SetBounds(-1, 0, 384, 76);
  imgLogo->SetStretch(true);
  lblInfo = NuevaEtiqueta(*this, "lblInfo", {}, 86);
  lblInfo->SetWordWrap(true);
  lblInfo->SetWidth(277);
  lblInfo->SetCaption(QStringLiteral("Escriba los datos de usuario Tarvolin para iniciar la sesión."));
  lblUsuario = NuevaEtiqueta(*this, "lblUsuario", QStringLiteral("&Nombre de usuario:"), 117);
  lblConexion = NuevaEtiqueta(*this, "lblConexion", QStringLiteral("Cone&xión:"), 145);
  lblPassword = NuevaEtiqueta(*this, "lblPassword", QStringLiteral("&Contraseña:"), 173);

  edtUsuario = NuevoControl<TqovDBEdit>(*this, "edtUsuario");
  edtUsuario->SetBounds(112, 113, 173, 21);
  edtUsuario->SetTabOrder(0);
  edtUsuario->SetNoEditable(true);
  edtUsuario->SetReadOnly(true);
  edtUsuario->SetTabStop(false);
  edtUsuario->SetColor(clBtnFace);
  edtUsuario->SetMaxLength(31);
  lblUsuario->SetFocusControl(edtUsuario);

  ppmnConexion = new TPopupMenu(this);
  ppmnConexion->SetName(QStringLiteral("ppmnConexion"));
  miAbrir = NuevoItem(*ppmnConexion, this, "miAbrir", QStringLiteral("&Abrir conexión"));
  miAbrir->OnClick = [this](QObject* Sender) { miAbrirClick(Sender); };
  miNuevo = NuevoItem(*ppmnConexion, this, "miNuevo", QStringLiteral("&Nueva conexión"));
  miNuevo->OnClick = [this](QObject* Sender) { miNuevoClick(Sender); };

  cmbxConexion = NuevoControl<TqovDBComboBox>(*this, "cmbxConexion");
  cmbxConexion->SetBounds(112, 141, 173, 21);
  cmbxConexion->SetTabOrder(1);
  cmbxConexion->SetStyle(csDropDownList);
  cmbxConexion->SetDropDownCount(8);
  cmbxConexion->SetDropDownWidth(171);
  // Its own menu, which the shared menus do not replace.
  cmbxConexion->SetPopupMenuStd(false);
  cmbxConexion->SetPopupMenu(ppmnConexion);
  // Its accelerator moves to the list; without a focus control it would type into the focused box.
  lblConexion->SetFocusControl(cmbxConexion);

  // Firebird 3.0 passwords reach 32 characters.
  edtPassword = NuevoControl<TqovDBEdit>(*this, "edtPassword");
  edtPassword->SetBounds(112, 169, 173, 21);
  edtPassword->SetTabOrder(2);
  edtPassword->SetMaxLength(32);
  edtPassword->SetPasswordChar(QLatin1Char('*'));
  edtPassword->OnChange = [this](QObject* Sender) { edtPasswordChange(Sender); };
  lblPassword->SetFocusControl(edtPassword);

  btnAceptar->SetBounds(301, 86, 75, 22);
  btnAceptar->SetTabOrder(3);
  btnAceptar->OnClick = [this](QObject* Sender) { btnAceptarClick(Sender); };
  btnCancelar->SetBounds(301, 114, 75, 22);
  btnCancelar->SetTabOrder(4);
  btnCancelar->OnClick = [this](QObject* Sender) { btnCancelarClick(Sender); };
  entrtbDlg->SetLeft(328);
  entrtbDlg->SetTop(156);
  OnClose = [this](QObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };

  FConexiones = std::make_unique<TqovConexiones>();
  QStringList nombres;
  FConexiones->GetNames(nombres);
  nombres.sort(Qt::CaseInsensitive);
  LlenarConexiones(nombres);
  if (cmbxConexion->ItemCount() > 0) cmbxConexion->SetItemIndex(0);
  edtPassword->SetText({});
  edtUsuario->SetText(QStringLiteral("SYSDBA"));
}

TqovDlgLogin::~TqovDlgLogin() = default;

void TqovDlgLogin::FormCreate(QObject* Sender) {
  TqovDlgTemplateFormConver::FormCreate(Sender);
  CargarImagenRecurso(*imgLogo, QStringLiteral("InicioSesion"));
  btnAceptar->SetHelpContext(0);
  btnCancelar->SetHelpContext(0);
  FFirebirdProc = std::make_unique<TqovFirebirdProc>();
}

void TqovDlgLogin::FormShow(QObject* Sender) {
  TqovDlgTemplateFormConver::FormShow(Sender);
  AlinearTrasEtiquetas(*this, {{lblUsuario, edtUsuario}, {lblConexion, cmbxConexion}, {lblPassword, edtPassword}});
  edtPassword->SetFocus();
  ActualizarBotonAceptar();
  LeerConfiguracionUsuario();
}

void TqovDlgLogin::FormClose(QObject* /*Sender*/, TCloseAction& /*Action*/) {
  FFirebirdProc.reset();
  const TForm* principal = Application->MainForm();
  if (!principal || !principal->Visible()) Application->Terminate();
}

void TqovDlgLogin::btnAceptarClick(QObject* /*Sender*/) {
  const CursorDeEspera espera;
  QString carpetaDatos;
  QString servidor;
  {
    TqovConexiones conexiones;
    QStringList nombres;
    conexiones.GetNames(nombres);
    conexiones.SetConexionActual(GetNombreConexion());
    const QString servidorPerfil = conexiones.ServerName();
    if (conexiones.TipoAcceso() != taLocal && !EsServidorDeEsteEquipo(servidorPerfil))
      return MostrarErrorLogin(QStringLiteral("Esta herramienta no permite usar conexiones remotas."));
    ServidorFirebirdActual = servidorPerfil;
    carpetaDatos = conexiones.DirDatos();
    servidor = QString(servidorPerfil).replace(QLatin1Char(':'), QLatin1Char('/'));
  }
  if (!carpetaDatos.isEmpty() && !carpetaDatos.endsWith(QLatin1Char('/'))) carpetaDatos += QLatin1Char('/');
  const QString carpetaConfig =
      FFirebirdProc->EsODS12(*this, carpetaDatos + QStringLiteral("System/Config.fdb"), QStringLiteral("Config"))
          ? carpetaDatos + QStringLiteral("ArchivarBDAnterior2019/System/")
          : carpetaDatos + QStringLiteral("System/");

  // A profile without server reaches this machine's server too, which checks the password.
  TqovParametrosDeSesion parametros;
  parametros.SetUsuario(edtUsuario->Text());
  parametros.SetPassword(edtPassword->Text());
  parametros.SetDatabasePath(CadenaConexion(servidor, carpetaConfig));
  parametros.SetNombreBD(QStringLiteral("Config"));
  try {
    ProbarConexion(parametros);
    GuardarConfiguracionUsuario();
  } catch (const Exception& e) {
    MostrarErrorLogin(e.Message());
    edtPassword->SetFocus();
    return;
  }
  if (OnEntregarSesion) OnEntregarSesion(carpetaDatos, servidor, QStringLiteral("SYSDBA"), edtPassword->Text());
  Close();
}

void TqovDlgLogin::btnCancelarClick(QObject* /*Sender*/) { Close(); }

void TqovDlgLogin::edtPasswordChange(QObject* /*Sender*/) { ActualizarBotonAceptar(); }

void TqovDlgLogin::miAbrirClick(QObject* /*Sender*/) {
  FConexiones->SetConexionActual(GetNombreConexion());
  MostrarMttoConexiones(this, FConexiones.get(), false, cmbxConexion);
}

void TqovDlgLogin::miNuevoClick(QObject* /*Sender*/) {
  MostrarMttoConexiones(this, FConexiones.get(), true, cmbxConexion);
}

void TqovDlgLogin::Log(const QString& /*AMensaje*/) {}

void TqovDlgLogin::ProcessMessages() { Application->ProcessMessages(); }

bool TqovDlgLogin::GetCancelar() { return false; }

void TqovDlgLogin::MostrarAnimacionAvance(const QString& /*ATexto*/) {}

void TqovDlgLogin::ReportarBDConvertida(const QString& /*ABD*/) {}

void TqovDlgLogin::OcultarAnimacionAvance() {}

QString TqovDlgLogin::GetNombreConexion() const { return cmbxConexion->Text(); }

void TqovDlgLogin::CargarImagenRecurso(TImage& AImagen, const QString& ANombre) {
  TResourceStream recurso(HInstance(), ANombre, QStringLiteral("PNG"));
  AImagen.Picture().WICImage().LoadFromStream(recurso);
}

void TqovDlgLogin::MostrarErrorLogin(const QString& ATexto) { MostrarError(nullptr, ATexto); }

void TqovDlgLogin::ActualizarBotonAceptar() {
  btnAceptar->SetEnabled(!edtUsuario->Text().isEmpty() && !edtPassword->Text().isEmpty());
}

void TqovDlgLogin::LlenarConexiones(const QStringList& ANombres) { cmbxConexion->SetItems(ANombres); }

void TqovDlgLogin::SeleccionarConexion(const QString& ANombre) {
  const int indice = cmbxConexion->Items().indexOf(ANombre);
  if (indice >= 0)
    cmbxConexion->SetItemIndex(indice);
  else if (cmbxConexion->ItemCount() > 0)
    cmbxConexion->SetItemIndex(0);
}

void TqovDlgLogin::LeerConfiguracionUsuario() {
  TxmlRegistry registro;
  registro.SetRootKey(HKEY_CURRENT_USER);
  try {
    if (registro.OpenKey(ClaveDrevalino, true)) {
      SeleccionarConexion(registro.ReadString(ValorConexion));
      registro.CloseKey();
    }
  } catch (const Exception&) {
    MostrarError(this, QStringLiteral("No se pudo recuperar la confíguración del usuario."));
  }
  Screen.SetCursor(crDefault);
}

void TqovDlgLogin::GuardarConfiguracionUsuario() {
  TxmlRegistry registro;
  registro.SetRootKey(HKEY_CURRENT_USER);
  try {
    if (registro.OpenKey(ClaveDrevalino, true)) {
      registro.WriteString(ValorUsuario, edtUsuario->Text());
      registro.WriteString(ValorConexion, GetNombreConexion());
      registro.CloseKey();
    }
  } catch (const Exception&) {
    MostrarError(this, QStringLiteral("No se pudo guardar la confíguración del usuario."));
  }
}

void TqovDlgLogin::ProbarConexion(const TqovParametrosDeSesion& AParametros) {
  TqovSesionBDFirebird sesion;
  sesion.SetNombre(QStringLiteral("TemporalConfig"));
  sesion.SetParametrosDeSesion(AParametros);
  try {
    sesion.Conectar();
  } catch (const TqovExceptionBaseDatos& e) {
    const QString clase = QStringLiteral("TqovDlgLogin");
    const QString operacion = QStringLiteral("Conectar");
    switch (e.CodigoError()) {
      case CodigoErrorBD::ArchivoInaccesible:
        throw TqovExceptionBaseDatos(QStringLiteral("No se puede accesar la base de datos '") + AParametros.NombreBD() +
                                         QStringLiteral(".fdb' de la carpeta '") + AParametros.DatabasePath() +
                                         QStringLiteral("'.") + CrLf +
                                         QStringLiteral("Consulte al Administrador del Sistema."),
                                     e.CodigoError(), clase, operacion, {});
      case CodigoErrorBD::UsuarioOClaveInvalidos:
        throw TqovExceptionBaseDatos(
            QStringLiteral("El nombre de usuario o la contraseña no son válidos para el Servidor de la conexión '") +
                GetNombreConexion() + QStringLiteral("'.") + CrLf +
                QStringLiteral("Escriba los datos correctamente o consulte al Administrador del sistema."),
            e.CodigoError(), clase, operacion, {});
      case CodigoErrorBD::ServidorInalcanzable:
        throw TqovExceptionBaseDatos(
            QStringLiteral("No se puede hacer contacto con el Servidor de la conexión '") + GetNombreConexion() +
                QStringLiteral("'.") + CrLf +
                QStringLiteral("La computadora está apagada, no es un recurso compartido, el protocolo de "
                               "comunicación es inadecuado, el Servidor de datos no está instalado o los datos de "
                               "la conexión están incorrectos."),
            e.CodigoError(), clase, operacion, {});
      default:
        throw Exception(QStringLiteral("Ocurrió un error al validar el usuario y contraseña: ") + e.Message());
    }
  }
  sesion.CommitTransaction(*this);
  sesion.Desconectar();
}
