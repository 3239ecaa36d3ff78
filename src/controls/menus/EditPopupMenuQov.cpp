#include "controls/menus/EditPopupMenuQov.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "controls/edits/DBEditCalcQov.h"
#include "controls/icons/ImgLstQov.h"
#include "controls/menus/CalculadoraWindowsQov.h"
#include "controls/menus/RutinasMenusQov.h"
#include "platform/data/DataSet.h"
#include "platform/forms/CustomEdit.h"
#include "platform/forms/Form.h"
#include "platform/forms/KeySynthesis.h"
#include "platform/forms/Properties.h"
#include "platform/forms/Screen.h"

namespace {

TCustomEdit* ComoEdicion(QObject* AControl) { return dynamic_cast<TCustomEdit*>(AControl); }

bool PropiedadVerdadera(const QObject& AControl, const char* APropiedad) {
  return IsPublishedProp(AControl, APropiedad) && GetPropValue(AControl, APropiedad).toBool();
}

// The control's data source, when it publishes one declared exactly as a data source.
TDataSource* FuenteDeDatos(const QObject& AControl) {
  if (!IsPublishedProp(AControl, "DataSource") ||
      GetObjectPropClass(AControl, "DataSource") != &TDataSource::staticMetaObject)
    return nullptr;
  return qobject_cast<TDataSource*>(GetObjectProp(AControl, "DataSource"));
}

}  // namespace

TqovEditPopupMenuBase::TqovEditPopupMenuBase(TComponent* AOwner, const TAyudasMenuEdicion& AAyudas)
    : TPopupMenu(AOwner) {
  using M = TqovEditPopupMenuBase;
  FImageList = new TqovEdtImgLst16(AAyudas.ImagenesDelMenu ? static_cast<TComponent*>(this) : AOwner);
  SetImages(FImageList);
  FmiDeshacer = NuevoItem(QStringLiteral("&Deshacer"), 0, AAyudas.Deshacer, &M::Deshacer);
  FmiSep1 = NuevoItem(QStringLiteral("-"), -1, 0, nullptr);
  FmiCortar = NuevoItem(QStringLiteral("Cor&tar"), 1, AAyudas.Cortar, &M::Cortar);
  FmiCopiar = NuevoItem(QStringLiteral("&Copiar"), 2, AAyudas.Copiar, &M::Copiar);
  FmiPegar = NuevoItem(QStringLiteral("&Pegar"), 3, AAyudas.Pegar, &M::Pegar);
  FmiSep2 = NuevoItem(QStringLiteral("-"), -1, 0, nullptr);
  FmiBorrar = NuevoItem(QStringLiteral("Borr&ar"), 4, AAyudas.Borrar, &M::Borrar);
  FmiSelTodo = NuevoItem(QStringLiteral("&Seleccionar todo"), -1, AAyudas.SelTodo, &M::SelTodo);
  FmiSep3 = NuevoItem(QStringLiteral("-"), -1, 0, nullptr);
  FmiCalc = NuevoItem(QStringLiteral("Ca&lculadora"), 5, AAyudas.Calc, &M::Calc);
  FmiQueEsEsto = NuevoItem(QStringLiteral("¿&Qué es esto?"), 6, AAyudas.QueEsEsto, &M::QueEsEsto);

  FactnList = new TActionList(AOwner);
  FactnSelTodo = new TAction(AOwner);
  FactnSelTodo->SetActionList(FactnList);
  FactnSelTodo->OnExecute = [this](QObject* Sender) { SelTodoExecute(Sender); };
  FactnSelTodo->SetShortCut(QKeySequence(QStringLiteral("Ctrl+S")));
  OnPopup = [this](QObject* Sender) { OnPopupEvent(Sender); };
}

TMenuItem* TqovEditPopupMenuBase::NuevoItem(const QString& ACaption, int AImageIndex, int AHelpContext,
                                            void (TqovEditPopupMenuBase::*AOnClick)(QObject*)) {
  auto* item = new TMenuItem(this);
  item->SetCaption(ACaption);
  item->SetImageIndex(AImageIndex);
  item->SetHelpContext(AHelpContext);
  if (AOnClick) item->OnClick = [this, AOnClick](QObject* Sender) { (this->*AOnClick)(Sender); };
  Add(item);
  return item;
}

void TqovEditPopupMenuBase::OnPopupEvent(QObject* /*Sender*/) {
  FEditControl = PopupComponent() ? PopupComponent()->Self() : nullptr;
  const TCustomEdit* edicion = ComoEdicion(FEditControl);
  const QMimeData* portapapeles = QGuiApplication::clipboard()->mimeData();
  FmiDeshacer->SetEnabled(edicion && edicion->CanUndo());
  FmiCortar->SetEnabled(edicion && edicion->SelLength() > 0);
  FmiCopiar->SetEnabled(edicion && edicion->SelLength() > 0);
  FmiPegar->SetEnabled(edicion && portapapeles && portapapeles->hasText());
  FmiBorrar->SetEnabled(edicion != nullptr);
  FmiSelTodo->SetEnabled(edicion && !edicion->Text().isEmpty());
  SimularTecla(VK_DOWN, {}, false);
}

bool TqovEditPopupMenuBase::HayControlEdicion(QObject* Sender) {
  if (!Sender) FEditControl = ComoEdicion(Screen.ActiveControl()) ? Screen.ActiveControl() : nullptr;
  return ComoEdicion(FEditControl) != nullptr;
}

void TqovEditPopupMenuBase::Deshacer(QObject* Sender) {
  if (HayControlEdicion(Sender)) ComoEdicion(FEditControl)->Undo();
}

void TqovEditPopupMenuBase::Cortar(QObject* Sender) {
  if (HayControlEdicion(Sender)) ComoEdicion(FEditControl)->CutToClipboard();
}

void TqovEditPopupMenuBase::Copiar(QObject* Sender) {
  if (HayControlEdicion(Sender)) ComoEdicion(FEditControl)->CopyToClipboard();
}

void TqovEditPopupMenuBase::Pegar(QObject* Sender) {
  if (HayControlEdicion(Sender)) ComoEdicion(FEditControl)->PasteFromClipboard();
}

void TqovEditPopupMenuBase::SelTodo(QObject* Sender) {
  if (HayControlEdicion(Sender)) ComoEdicion(FEditControl)->SelectAll();
}

void TqovEditPopupMenuBase::Borrar(QObject* Sender) {
  if (!HayControlEdicion(Sender)) return;
  TCustomEdit* edicion = ComoEdicion(FEditControl);
  if (PropiedadVerdadera(*FEditControl, "ReadOnly") || PropiedadVerdadera(*FEditControl, "NoEditable")) return;
  const QPointer<TDataSource> fuente = FuenteDeDatos(*FEditControl);
  const int n = edicion->SelLength();
  if (n < 1) return SendKey(*edicion->Widget(), QEvent::KeyPress, VK_DELETE, {});
  edicion->SetSelLength(0);
  for (int i = 0; i < n && FEditControl; ++i) {
    SendKey(*edicion->Widget(), QEvent::KeyPress, VK_DELETE, {});
    // A data-aware control that could not bring its record into editing stops the deletion.
    const TDataSet* datos = fuente ? fuente->DataSet() : nullptr;
    if (datos && datos->Active() && datos->State() != dsEdit && datos->State() != dsInsert) break;
  }
}

void TqovEditPopupMenuBase::Calc(QObject* /*Sender*/) { AbrirCalculadoraWindows(); }

void TqovEditPopupMenuBase::QueEsEsto(QObject* /*Sender*/) {
  MostrarAyudaContexto(GetFormaPadre(), PopupComponent() ? PopupComponent()->Self() : nullptr);
}

void TqovEditPopupMenuBase::SelTodoExecute(QObject* /*Sender*/) { SelTodo(nullptr); }

TForm* TqovEditPopupMenuBase::GetFormaPadre() const { return Owner() ? OwnerForm(Owner()) : nullptr; }

TqovEditPopupMenu::TqovEditPopupMenu(TComponent* AOwner)
    : TqovEditPopupMenuBase(AOwner, {1107, 1108, 1109, 1110, 1111, 1112, 1380, 1384, false}) {}

void TqovEditPopupMenu::Calc(QObject* Sender) {
  // An edit with a calculator button opens the library's calculator on its number.
  if (auto* edicion = qobject_cast<TqovDBEditCalc*>(EditControl())) return edicion->BtnClick(edicion);
  TqovEditPopupMenuBase::Calc(Sender);
}
