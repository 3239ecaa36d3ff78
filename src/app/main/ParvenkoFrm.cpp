#include "app/main/ParvenkoFrm.h"

#include <QHeaderView>

#include "controls/basic/ButtonQov.h"
#include "controls/basic/LabelQov.h"
#include "controls/grids/DBGridDetalleQov.h"
#include "controls/icons/ImgLstQov.h"
#include "platform/data/MemTable.h"
#include "platform/forms/Application.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Edit.h"
#include "platform/forms/GroupBox.h"
#include "platform/forms/Label.h"
#include "platform/forms/Memo.h"
#include "platform/forms/Menus.h"
#include "platform/forms/ProgressBar.h"
#include "platform/forms/Screen.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/Timer.h"
#include "platform/os/Paths.h"

namespace {

// Names a new component of the window and places it.
template <class T>
T* Nuevo(TForm* AForma, const char* ANombre, QWidget* APadre = nullptr) {
  T* componente = new T(AForma);
  componente->SetName(QString::fromLatin1(ANombre));
  if constexpr (std::is_base_of_v<TControl, T>) componente->SetParent(APadre ? APadre : AForma);
  return componente;
}

// The folder of the installed older server's gbak: under PROGRAMFILES when it is set (without its " (x86)"),
// else where the older Firebird servers install on Linux.
QString CarpetaGbakInstalado() {
  const QString programas = qEnvironmentVariable("PROGRAMFILES");
  if (programas.isEmpty()) return QStringLiteral("/opt/firebird/bin/");
  QString carpeta = programas;
  carpeta.remove(QStringLiteral(" (x86)"), Qt::CaseInsensitive);
  return JoinPath(carpeta, QStringLiteral("Firebird/Firebird_2_5/bin")) + QLatin1Char('/');
}

}  // namespace

TParvenkoFrm::TParvenkoFrm(TComponent* AOwner) : TForm(AOwner) { CrearComponentes(); }

TParvenkoFrm::~TParvenkoFrm() = default;

void TParvenkoFrm::CrearComponentes() {
  SetCaption(QStringLiteral("Convertir bases de datos a Firebird 3.0"));
  SetFont(MakeFont(QStringLiteral("Tahoma"), -11));
  SetPosition(poScreenCenter);
  SetClientWidth(753);
  SetClientHeight(514);

  lblInfo = Nuevo<TLabel>(this, "lblInfo");
  lblInfo->SetAutoSize(false);
  lblInfo->SetBounds(8, 8, 402, 26);
  lblInfo->SetWordWrap(true);
  lblInfo->SetCaption(
      QStringLiteral("Esta herramienta convierte las bases de datos de los servidores Firebird 1.5 - 2.5 a la versión "
                     "3.0 que requiere Tarvolin 2019."));

  gbGbak = Nuevo<TGroupBox>(this, "gbGbak");
  gbGbak->SetBounds(8, 40, 409, 73);
  gbGbak->SetCaption(QStringLiteral(" Ubicación de la herramienta gbak del Firebird actual"));
  lblGbak = Nuevo<TLabel>(this, "lblGbak", gbGbak);
  lblGbak->SetBounds(12, 20, lblGbak->Width(), lblGbak->Height());
  lblGbak->SetCaption(QStringLiteral("&Gbak actual:"));
  edtGbak = Nuevo<TEdit>(this, "edtGbak", gbGbak);
  edtGbak->SetBounds(12, 39, 305, 21);
  lblGbak->SetFocusControl(edtGbak);
  btnExaminar = Nuevo<TButton>(this, "btnExaminar", gbGbak);
  btnExaminar->SetBounds(323, 37, 75, 25);
  btnExaminar->SetCaption(QStringLiteral("&Examinar"));
  btnExaminar->OnClick = [this](QObject*) { btnExaminarClick(); };

  btnMigrarBD = Nuevo<TqovButton>(this, "btnMigrarBD");
  btnMigrarBD->SetBounds(425, 8, 75, 22);
  btnMigrarBD->SetCaption(QStringLiteral("&Convertir"));
  btnMigrarBD->OnClick = [this](QObject*) { btnMigrarBDClick(); };
  btnCancelar = Nuevo<TqovButton>(this, "btnCancelar");
  btnCancelar->SetBounds(425, 36, 75, 22);
  btnCancelar->SetCaption(QStringLiteral("C&ancelar"));
  btnCancelar->OnClick = [this](QObject*) { btnCancelarClick(); };

  tblBasesDatos = new TMemTable(this);
  tblBasesDatos->setObjectName(QStringLiteral("tblBasesDatos"));
  tblBasesDatos->FieldDefs() = {{QStringLiteral("SELECCIONADO"), ftString, 1},
                                {QStringLiteral("NOMBRE_CORTO"), ftString, 50}};
  // Open for good: the engine empties and fills it, and its fields stay the window's.
  tblBasesDatos->Open();
  tblBasesDatosSELECCIONADO = &tblBasesDatos->FieldByName(QStringLiteral("SELECCIONADO"));
  tblBasesDatosNOMBRE_CORTO = &tblBasesDatos->FieldByName(QStringLiteral("NOMBRE_CORTO"));
  tblBasesDatosSELECCIONADO->OnChange = [this](TField&) { tblBasesDatosSELECCIONADOChange(); };
  dtsrcBasesDatos = new TDataSource(this);
  dtsrcBasesDatos->setObjectName(QStringLiteral("dtsrcBasesDatos"));
  dtsrcBasesDatos->SetDataSet(tblBasesDatos);
  imgList = Nuevo<TqovImgLst16>(this, "imgList");
  ppmnDummy = Nuevo<TPopupMenu>(this, "ppmnDummy");
  CrearRejilla();

  lblTotal = Nuevo<TqovLabel>(this, "lblTotal");
  lblTotal->SetFont(MakeFont(QStringLiteral("Tahoma"), -9));
  lblTotal->SetPopupMenuStd(false);
  lblTotal->SetCaption(QStringLiteral("0 empresas"));
  lblTotal->SetBounds(8, 303, lblTotal->Width(), lblTotal->Height());
  lblTotal->SetAnchors(TAnchors(akLeft) | akBottom);

  mmLog = Nuevo<TMemo>(this, "mmLog");
  mmLog->SetBounds(8, 320, 737, 169);
  mmLog->SetAnchors(TAnchors(akLeft) | akRight | akBottom);
  mmLog->SetReadOnly(true);
  mmLog->SetScrollBars(ssVertical);

  sttsbarAvance = Nuevo<TStatusBar>(this, "sttsbarAvance");
  sttsbarAvance->AddPanel({QStringLiteral("Progreso:"), 100, psText});
  sttsbarAvance->AddPanel({QString(), 50, psOwnerDraw});
  sttsbarAvance->OnDrawPanel = [this](TStatusBar&, int APanel, const QRect& ARect) {
    sttsbarAvanceDrawPanel(APanel, ARect);
  };
  prgrsbrConvertir = Nuevo<TProgressBar>(this, "prgrsbrConvertir");

  OpenDialog = Nuevo<TOpenDialog>(this, "OpenDialog");
  OpenDialog->Title = QStringLiteral("Herramienta gbak (gbak.exe)");
  OpenDialog->Filter = QStringLiteral("Gbak|gbak");
  OpenDialog->FileName = QStringLiteral("gbak");

  tmrAvance = Nuevo<TTimer>(this, "tmrAvance");
  tmrAvance->SetEnabled(false);
  tmrAvance->SetOnTimer([this](QObject*) { tmrAvanceTimer(); });
}

void TParvenkoFrm::CrearRejilla() {
  grdBasesDatos = Nuevo<TqovDBGridDetalle>(this, "grdBasesDatos");
  grdBasesDatos->SetBounds(8, 119, 737, 178);
  grdBasesDatos->SetAnchors(TAnchors(akLeft) | akTop | akRight | akBottom);
  grdBasesDatos->SetFont(MakeFont(QStringLiteral("Tahoma"), -9));
  grdBasesDatos->SetOptions(TDBGridOptions(dgEditing) | dgTitles | dgColLines | dgRowLines | dgTabs | dgCancelOnExit |
                            dgPerfectRowFit | dgTrailingEllipsis | dgShowCellHint);
  grdBasesDatos->SetKeyOptions(dgEnterToTab);
  grdBasesDatos->SetEditControlOptions(TEditControlOptions(ecoCheckboxSingleClick) | ecoSearchOwnerForm |
                                       ecoDisableDateTimePicker);
  grdBasesDatos->SetShowHorzScrollBar(false);
  grdBasesDatos->SetFixedCols(0);
  grdBasesDatos->SetControlType({QStringLiteral("SELECCIONADO;CheckBox;S;N")});
  grdBasesDatos->SetSelected({QStringLiteral("SELECCIONADO\t4\t\tF"), QStringLiteral("NOMBRE_CORTO\t50\tEmpresa\tT")});
  grdBasesDatos->SetDataSource(dtsrcBasesDatos);
  grdBasesDatos->SetTitleButtons(true);
  grdBasesDatos->SetTitleImageList(imgList);
  grdBasesDatos->SetPopupMenu(ppmnDummy);
  grdBasesDatos->SetPopupMenuEsp(true);
  grdBasesDatos->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  grdBasesDatos->OnTitleButtonClick = [this](QObject*, const QString& ACampo) {
    grdBasesDatosTitleButtonClick(ACampo);
  };
  grdBasesDatos->OnCalcTitleImage = [this](QObject*, TField* ACampo, int& AIndice) {
    grdBasesDatosCalcTitleImage(ACampo, AIndice);
  };
}

void TParvenkoFrm::SetDatosConexion(const QString& ARutaDirDatos, const QString& AServer, const QString& AUser,
                                    const QString& APass) {
  FRutaDirDatos = ARutaDirDatos;
  FServer = AServer;
  FUserFBActual = AUser;
  FPassFBActual = APass;
}

void TParvenkoFrm::DoCreate() {
  FNumSeleccionados = 0;
  FSeleccionados = true;
  FProcesando = false;
  FCancelar = false;
  prgrsbrConvertir->SetParent(sttsbarAvance);
  setMinimumSize(ToQtPixels(ScaleValue(524)), ToQtPixels(ScaleValue(440)));
  FListaBdsConvertidas.clear();
  FLoguearBdsConvertidas = true;
  TForm::DoCreate();
}

void TParvenkoFrm::DoShow() {
  TForm::DoShow();
  // The window appears first; the list fills in afterwards, from the event loop.
  QMetaObject::invokeMethod(
      this, [this] { RunHandler([this] { CargarAlMostrar(); }); }, Qt::QueuedConnection);
}

void TParvenkoFrm::CargarAlMostrar() {
  // Closed before its turn came: there is nobody to show the list to.
  if (!isVisible()) return;
  FListaBdsConvertidas.clear();
  CargarEmpresas();
  if (!FListaBdsConvertidas.isEmpty()) LogConvertidas(FListaBdsConvertidas);
  FLoguearBdsConvertidas = false;
  CerrarSiSePidio();
}

void TParvenkoFrm::LogConvertidas(const QStringList& ANombres) {
  Log(QStringLiteral(
      "Las siguientes bases de datos ya están convertidas a Firebird 3.0 por lo que no es necesario convertirlas:"));
  for (const QString& nombre : ANombres) Log(QStringLiteral("+ ") + nombre);
  Log(QStringLiteral(" "));
}

void TParvenkoFrm::DoClose(TCloseAction& AAction) {
  if (FProcesando || FCargando) {
    // The engine is still at work: the load stops at the next company, the run is cancelled, and the window
    // closes once they have ended.
    AAction = caNone;
    FCerrarAlTerminar = true;
    if (FCargando)
      FCancelar = true;
    else if (btnCancelar->Enabled())
      btnCancelarClick();
    return;
  }
  TForm::DoClose(AAction);
  if (AAction == caNone) return;
  FFirebirdProc.reset();
  FListaBdsConvertidas.clear();
}

void TParvenkoFrm::CargarEmpresas() {
  FFirebirdProc = std::make_unique<TqovFirebirdProc>();
  FGbakFBActual = CarpetaGbakInstalado();
  edtGbak->SetText(FGbakFBActual + QStringLiteral("gbak"));
  IniciarCarga();
  try {
    FFirebirdProc->ObtenerEmpresasConfig(*this, *tblBasesDatos, FRutaDirDatos, FUserFBActual, FPassFBActual, FServer);
    SeleccionarTodas(true);
  } catch (...) {
    Log(ExceptionMessage(std::current_exception()));
  }
  TerminarCarga();
}

void TParvenkoFrm::IniciarCarga() {
  FCargando = true;
  btnMigrarBD->SetEnabled(false);
  grdBasesDatos->SetEnabled(false);
  // At the end of a run every conversion is over: a cancel now would only cut the list short.
  if (FProcesando) btnCancelar->SetEnabled(false);
}

void TParvenkoFrm::TerminarCarga() {
  FCargando = false;
  // At the end of a run, the run's own end enables them.
  if (FProcesando) return;
  btnMigrarBD->SetEnabled(true);
  grdBasesDatos->SetEnabled(true);
}

void TParvenkoFrm::SeleccionarTodas(bool AValor) {
  PublicarSeleccion();
  for (tblBasesDatos->First(); !tblBasesDatos->Eof(); tblBasesDatos->Next()) {
    tblBasesDatos->Edit();
    tblBasesDatosSELECCIONADO->SetAsString(AValor ? QStringLiteral("S") : QStringLiteral("N"));
    tblBasesDatos->Post();
  }
  FSeleccionados = AValor;
  FNumSeleccionados = AValor ? tblBasesDatos->RecordCount() : 0;
  ActualizarTotales();
  grdBasesDatos->RefreshDisplay();
}

void TParvenkoFrm::PublicarSeleccion() {
  if (tblBasesDatos->State() == dsEdit) tblBasesDatos->Post();
}

void TParvenkoFrm::grdBasesDatosTitleButtonClick(const QString& AFieldName) {
  if (AFieldName == QLatin1String("SELECCIONADO")) SeleccionarTodas(!FSeleccionados);
}

void TParvenkoFrm::grdBasesDatosCalcTitleImage(TField* AField, int& ATitleImageIndex) {
  if (AField && AField->Index() == 0) ATitleImageIndex = FSeleccionados ? 229 : 228;
}

void TParvenkoFrm::tblBasesDatosSELECCIONADOChange() {
  // While the list loads, the totals follow the rows as they come (ProcessMessages).
  if (FCargando) return;
  FNumSeleccionados += tblBasesDatosSELECCIONADO->AsString() == QLatin1String("S") ? 1 : -1;
  FSeleccionados = tblBasesDatos->RecordCount() == FNumSeleccionados;
  ActualizarTotales();
  grdBasesDatos->RefreshDisplay();
}

void TParvenkoFrm::ActualizarTotales() {
  const int total = tblBasesDatos->RecordCount();
  QString texto = QString::number(total) + QStringLiteral(" empresa") + (total == 1 ? QString() : QStringLiteral("s"));
  if (FNumSeleccionados > 0)
    texto += QStringLiteral("/") + QString::number(FNumSeleccionados) + QStringLiteral(" seleccionada") +
             (FNumSeleccionados == 1 ? QString() : QStringLiteral("s"));
  lblTotal->SetCaption(texto);
}

void TParvenkoFrm::Log(const QString& AMensaje) {
  static const QString separador = QStringLiteral("\n\r");
  QStringList lineas = AMensaje.split(separador);
  if (lineas.last().isEmpty()) lineas.removeLast();
  for (const QString& linea : lineas) mmLog->AddLine(linea);
}

void TParvenkoFrm::ProcessMessages() {
  if (FCargando) {
    // Every company comes selected; the title image changes only once.
    FNumSeleccionados = tblBasesDatos->RecordCount();
    ActualizarTotales();
    if (!FSeleccionados) {
      FSeleccionados = true;
      grdBasesDatos->RefreshDisplay();
    }
  }
  Application->ProcessMessages();
}

void TParvenkoFrm::MostrarAnimacionAvance(const QString& ATexto) {
  FAvance = 0;
  prgrsbrConvertir->SetMax(100);
  prgrsbrConvertir->SetPosition(0);
  tmrAvance->SetInterval(1000);
  tmrAvance->SetEnabled(true);
  sttsbarAvance->SetPanelText(0, ATexto);
}

void TParvenkoFrm::ReportarBDConvertida(const QString& ABD) {
  if (FLoguearBdsConvertidas) FListaBdsConvertidas << ABD;
}

void TParvenkoFrm::OcultarAnimacionAvance() {
  FAvance = 0;
  prgrsbrConvertir->SetPosition(0);
  tmrAvance->SetEnabled(false);
  sttsbarAvance->SetPanelText(0, QString());
}

void TParvenkoFrm::tmrAvanceTimer() {
  FAvance += 10;
  if (FAvance > 100) FAvance = 0;
  prgrsbrConvertir->SetPosition(FAvance);
}

void TParvenkoFrm::sttsbarAvanceDrawPanel(int APanel, const QRect& ARect) {
  if (APanel != 1) return;
  const QRect destino(ARect.left(), ARect.top(), ARect.width() - 15, ARect.height());
  if (prgrsbrConvertir->BoundsRect() != destino)
    prgrsbrConvertir->SetBounds(destino.left(), destino.top(), destino.width(), destino.height());
}

void TParvenkoFrm::btnExaminarClick() {
  OpenDialog->InitialDir = FGbakFBActual;
  if (OpenDialog->Execute()) edtGbak->SetText(OpenDialog->FileName);
}
