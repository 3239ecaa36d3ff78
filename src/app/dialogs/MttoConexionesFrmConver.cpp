#include "app/dialogs/MttoConexionesFrmConver.h"

#include <QSysInfo>
#include <memory>

#include "app/dialogs/UNetResources.h"
#include "controls/basic/ButtonQov.h"
#include "controls/dialogs/DialogosQov.h"
#include "controls/edits/DBComboBoxQov.h"
#include "controls/edits/DBEditQov.h"
#include "platform/forms/ActnList.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Label.h"
#include "platform/rtl/Exception.h"

namespace {

// A new profile's data folder: site data, where the system keeps the suite's data.
const QString CarpetaDatosPorOmision = QStringLiteral("/srv/Tarvolin datos/");

TqovDBComboBox* NuevoCombo(TForm& AForma, const char* ANombre, int ATop, TComboBoxStyle AEstilo,
                           const QStringList& AItems) {
  auto* combo = NuevoControl<TqovDBComboBox>(AForma, ANombre);
  combo->SetBounds(108, ATop, 209, 21);
  combo->SetStyle(AEstilo);
  combo->SetItems(AItems);
  if (!AItems.isEmpty()) combo->SetItemIndex(0);
  return combo;
}

TqovDBEdit* NuevaEdicion(TForm& AForma, const char* ANombre, int ATop) {
  auto* edicion = NuevoControl<TqovDBEdit>(AForma, ANombre);
  edicion->SetBounds(108, ATop, 209, 21);
  edicion->SetTipoNombre(true);
  return edicion;
}

// Between a message and the reason that follows it.
const QString SaltoDeLinea = QStringLiteral("\r\n");

QString Entrecomillado(const QString& ANombre) { return QLatin1Char('"') + ANombre + QLatin1Char('"'); }

// The folder ends with its separator: "/" when it holds one, else "\".
QString ConSeparadorFinal(const QString& ACarpeta) {
  const QChar separador = ACarpeta.contains(QLatin1Char('/')) ? QLatin1Char('/') : QLatin1Char('\\');
  return ACarpeta.endsWith(separador) ? ACarpeta : ACarpeta + separador;
}

}  // namespace

TMttoConexionesFormConver::TMttoConexionesFormConver(TComponent* AOwner) : TDlgTemplateForm(AOwner) {
  SetCaption(QStringLiteral("Nueva conexión"));
  SetClientWidth(415);
  SetClientHeight(151);
  SetBorderIcons(biSystemMenu);

  cmbxTipoAcceso =
      NuevoCombo(*this, "cmbxTipoAcceso", 8, csDropDownList, {QStringLiteral("Local"), QStringLiteral("Remota")});
  lblTipoAcceso = NuevaEtiqueta(*this, "lblTipoAcceso", QStringLiteral("&Tipo de conexión:"), 12);
  lblTipoAcceso->SetFocusControl(cmbxTipoAcceso);
  edtNombre = NuevaEdicion(*this, "edtNombre", 36);
  lblNombre = NuevaEtiqueta(*this, "lblNombre", QStringLiteral("&Nombre:"), 40);
  lblNombre->SetFocusControl(edtNombre);
  cmbxNombreServer = NuevoCombo(*this, "cmbxNombreServer", 64, csDropDown, {});
  lblNombreServer = NuevaEtiqueta(*this, "lblNombreServer", QStringLiteral("&Servidor:"), 68);
  lblNombreServer->SetFocusControl(cmbxNombreServer);
  cmbxProtocolo = NuevoCombo(*this, "cmbxProtocolo", 92, csDropDownList,
                             {QStringLiteral("TCP/IP"), QStringLiteral("NetBeui"), QStringLiteral("SPX")});
  lblProtocolo = NuevaEtiqueta(*this, "lblProtocolo", QStringLiteral("&Protocolo:"), 96);
  lblProtocolo->SetFocusControl(cmbxProtocolo);
  edtDirDatos = NuevaEdicion(*this, "edtDirDatos", 120);
  lblDirDatos = NuevaEtiqueta(*this, "lblDirDatos", QStringLiteral("&Carpeta de datos:"), 124);
  lblDirDatos->SetFocusControl(edtDirDatos);
  // Server and protocol, with their labels, serve remote profiles only.
  cmbxNombreServer->SetEtiqueta(lblNombreServer);
  cmbxProtocolo->SetEtiqueta(lblProtocolo);
  cmbxNombreServer->SetEnabled(false);
  cmbxProtocolo->SetEnabled(false);
  cmbxTipoAcceso->SetTabOrder(0);
  edtNombre->SetTabOrder(1);
  cmbxNombreServer->SetTabOrder(2);
  cmbxProtocolo->SetTabOrder(3);
  edtDirDatos->SetTabOrder(4);

  btnAceptar->SetBounds(332, 8, 75, 22);
  btnAceptar->SetTabOrder(5);
  btnCancelar->SetBounds(332, 36, 75, 22);
  btnCancelar->SetTabOrder(6);
  btnEliminar = NuevoControl<TqovButton>(*this, "btnEliminar");
  btnEliminar->SetBounds(332, 64, 75, 22);
  btnEliminar->SetCaption(QStringLiteral("&Eliminar..."));
  btnEliminar->SetTabOrder(7);
  btnEliminar->SetVisible(false);
  btnEliminar->OnClick = [this](QObject* Sender) { btnEliminarClick(Sender); };

  actnlstQov = new TActionList(this);
  actnlstQov->SetName(QStringLiteral("actnlstQov"));
  actnlstQov->OnUpdate = [this](TAction* Action, bool& Handled) { actnlstQovUpdate(Action, Handled); };
  actnAceptar = new TAction(this);
  actnAceptar->SetName(QStringLiteral("actnAceptar"));
  actnAceptar->SetActionList(actnlstQov);
  actnAceptar->SetCaption(QStringLiteral("&Aceptar"));
  actnAceptar->OnExecute = [this](QObject* Sender) { actnAceptarExecute(Sender); };
  actnAceptar->OnUpdate = [this](QObject* Sender) { actnAceptarUpdate(Sender); };
  btnAceptar->SetAction(actnAceptar);
  btnAceptar->SetModalResult(mrNone);
}

void TMttoConexionesFormConver::FormCreate(QObject* Sender) {
  TDlgTemplateForm::FormCreate(Sender);
  btnAceptar->SetHelpContext(0);
  btnCancelar->SetHelpContext(0);
  btnEliminar->SetHelpContext(0);
}

void TMttoConexionesFormConver::FormShow(QObject* Sender) {
  TDlgTemplateForm::FormShow(Sender);
  AlinearTrasEtiquetas(*this, {{lblTipoAcceso, cmbxTipoAcceso},
                               {lblNombre, edtNombre},
                               {lblNombreServer, cmbxNombreServer},
                               {lblProtocolo, cmbxProtocolo},
                               {lblDirDatos, edtDirDatos}});
}

void TMttoConexionesFormConver::Inicializar(bool AEsAlta) {
  FEsAlta = AEsAlta;
  if (FEsAlta) {
    edtNombre->SetText(QStringLiteral("Local"));
    edtDirDatos->SetText(CarpetaDatosPorOmision);
  } else {
    SetCaption(QStringLiteral("Abrir conexión"));
    btnEliminar->SetVisible(true);
  }
  edtNombre->SetNoEditable(!FEsAlta);
  QStringList servidores;
  ObtenerServidoresRed(servidores);
  cmbxNombreServer->SetItems(servidores);
  if (const int propio = cmbxNombreServer->IndexOfItem(QSysInfo::machineHostName()); propio >= 0)
    cmbxNombreServer->DeleteItem(propio);
  if (FEsAlta) return;
  cmbxTipoAcceso->SetItemIndex(FConexiones->TipoAcceso() == taLocal ? 0 : 1);
  edtNombre->SetText(FConexiones->ConexionActual());
  cmbxNombreServer->SetText(FConexiones->ServerName());
  const int protocolo = FConexiones->Protocolo();
  cmbxProtocolo->SetItemIndex(protocolo >= prTCP && protocolo <= prSPX ? protocolo : 0);
  edtDirDatos->SetText(FConexiones->DirDatos());
}

bool TMttoConexionesFormConver::Remota() const { return cmbxTipoAcceso->ItemIndex() == 1; }

void TMttoConexionesFormConver::actnlstQovUpdate(TAction* /*Action*/, bool& /*Handled*/) {
  const bool remota = Remota();
  cmbxNombreServer->SetEnabled(remota);
  cmbxProtocolo->SetEnabled(remota);
  if (remota) return;
  cmbxNombreServer->SetText({});
  cmbxProtocolo->SetItemIndex(0);
}

void TMttoConexionesFormConver::actnAceptarUpdate(QObject* /*Sender*/) {
  const int acceso = cmbxTipoAcceso->ItemIndex();
  actnAceptar->SetEnabled(!edtNombre->Text().trimmed().isEmpty() && !edtDirDatos->Text().trimmed().isEmpty() &&
                          (acceso == 0 || (acceso == 1 && !cmbxNombreServer->Text().trimmed().isEmpty())));
}

void TMttoConexionesFormConver::actnAceptarExecute(QObject* /*Sender*/) {
  const QString nombre = edtNombre->Text();
  if (FEsAlta && FcmbxOutput->IndexOfItem(nombre) >= 0) {
    MostrarError(
        this, QStringLiteral("La conexión ") + Entrecomillado(nombre) + QStringLiteral(" ya se encuentra registrada."));
    edtNombre->SetFocus();
    return;
  }
  if (!FEsAlta) EliminarConexion(nombre);
  const TTipoAcceso tipo = Remota() ? taRemoto : taLocal;
  edtDirDatos->SetText(ConSeparadorFinal(edtDirDatos->Text()));
  const QString servidor = cmbxNombreServer->Text();
  const auto protocolo = static_cast<TProtocolo>(cmbxProtocolo->ItemIndex());
  const QString noRegistrada =
      QStringLiteral("No es posible registrar la conexión ") + Entrecomillado(nombre) + QStringLiteral(".");
  if (!FConexiones->Add(nombre, tipo, servidor, protocolo, edtDirDatos->Text()))
    return MostrarError(this, noRegistrada);
  FcmbxOutput->AddItem(nombre);
  FcmbxOutput->SetItemIndex(FcmbxOutput->ItemCount() - 1);
  FcmbxOutput->SelectAll();
  if (const QString razon = Guardar(); !razon.isEmpty()) {
    EliminarConexion(nombre);
    return MostrarError(this, noRegistrada + SaltoDeLinea + razon);
  }
  SetModalResult(mrOk);
}

void TMttoConexionesFormConver::btnEliminarClick(QObject* /*Sender*/) {
  const QString nombre = edtNombre->Text();
  if (PreguntarSiNo(this, QStringLiteral("¿Desea eliminar permanentemente la conexión ") + nombre + QStringLiteral("?"),
                    true) != mrYes)
    return;
  EliminarConexion(nombre);
  if (const QString razon = Guardar(); !razon.isEmpty())
    MostrarError(this, QStringLiteral("No es posible eliminar la conexión ") + Entrecomillado(nombre) +
                           QStringLiteral(".") + SaltoDeLinea + razon);
  SetModalResult(mrOk);
}

void TMttoConexionesFormConver::EliminarConexion(const QString& ANombre) {
  if (FcmbxOutput) {
    const int indice = FcmbxOutput->IndexOfItem(ANombre);
    if (indice >= 0) {
      if (indice == FcmbxOutput->ItemIndex()) FcmbxOutput->SetItemIndex(-1);
      FcmbxOutput->DeleteItem(indice);
    }
  }
  FConexiones->Delete(ANombre);
}

QString TMttoConexionesFormConver::Guardar() {
  try {
    FConexiones->Save();
  } catch (const Exception& e) {
    return e.Message();
  }
  return {};
}

int MostrarMttoConexiones(TComponent* AOwner, TqovConexiones* AConexiones, bool AEsAlta, TComboBox* ACombo) {
  const std::unique_ptr<TMttoConexionesFormConver> dialogo(NewForm<TMttoConexionesFormConver>(AOwner));
  dialogo->SetConexiones(AConexiones);
  dialogo->SetcmbxOutput(ACombo);
  dialogo->Inicializar(AEsAlta);
  return dialogo->ShowModal();
}
