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

TqovEditPopupMenu::TqovEditPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner) {
  using M = TqovEditPopupMenu;
  FImageList = new TqovEdtImgLst16(AOwner);
  SetImages(FImageList);
  FmiDeshacer = NuevoItem(QStringLiteral("&Deshacer"), 0, 1107, &M::Deshacer);
  FmiSep1 = NuevoItem(QStringLiteral("-"), -1, 0, nullptr);
  FmiCortar = NuevoItem(QStringLiteral("Cor&tar"), 1, 1108, &M::Cortar);
  FmiCopiar = NuevoItem(QStringLiteral("&Copiar"), 2, 1109, &M::Copiar);
  FmiPegar = NuevoItem(QStringLiteral("&Pegar"), 3, 1110, &M::Pegar);
  FmiSep2 = NuevoItem(QStringLiteral("-"), -1, 0, nullptr);
  FmiBorrar = NuevoItem(QStringLiteral("Borr&ar"), 4, 1111, &M::Borrar);
  FmiSelTodo = NuevoItem(QStringLiteral("&Seleccionar todo"), -1, 1112, &M::SelTodo);
  FmiSep3 = NuevoItem(QStringLiteral("-"), -1, 0, nullptr);
  FmiCalc = NuevoItem(QStringLiteral("Ca&lculadora"), 5, 1380, &M::Calc);
  FmiQueEsEsto = NuevoItem(QStringLiteral("¿&Qué es esto?"), 6, 1384, &M::QueEsEsto);

  FactnList = new TActionList(AOwner);
  FactnSelTodo = new TAction(AOwner);
  FactnSelTodo->SetActionList(FactnList);
  FactnSelTodo->OnExecute = [this](QObject* Sender) { SelTodoExecute(Sender); };
  FactnSelTodo->SetShortCut(QKeySequence(QStringLiteral("Ctrl+S")));
  OnPopup = [this](QObject* Sender) { OnPopupEvent(Sender); };
}

TMenuItem* TqovEditPopupMenu::NuevoItem(const QString& ACaption, int AImageIndex, int AHelpContext,
                                        void (TqovEditPopupMenu::*AOnClick)(QObject*)) {
  auto* item = new TMenuItem(this);
  item->SetCaption(ACaption);
  item->SetImageIndex(AImageIndex);
  item->SetHelpContext(AHelpContext);
  if (AOnClick) item->OnClick = [this, AOnClick](QObject* Sender) { (this->*AOnClick)(Sender); };
  Add(item);
  return item;
}

void TqovEditPopupMenu::OnPopupEvent(QObject* /*Sender*/) {
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

bool TqovEditPopupMenu::HayControlEdicion(QObject* Sender) {
  if (!Sender) FEditControl = ComoEdicion(Screen.ActiveControl()) ? Screen.ActiveControl() : nullptr;
  return ComoEdicion(FEditControl) != nullptr;
}

void TqovEditPopupMenu::Deshacer(QObject* Sender) {
  if (HayControlEdicion(Sender)) ComoEdicion(FEditControl)->Undo();
}

void TqovEditPopupMenu::Cortar(QObject* Sender) {
  if (HayControlEdicion(Sender)) ComoEdicion(FEditControl)->CutToClipboard();
}

void TqovEditPopupMenu::Copiar(QObject* Sender) {
  if (HayControlEdicion(Sender)) ComoEdicion(FEditControl)->CopyToClipboard();
}

void TqovEditPopupMenu::Pegar(QObject* Sender) {
  if (HayControlEdicion(Sender)) ComoEdicion(FEditControl)->PasteFromClipboard();
}

void TqovEditPopupMenu::SelTodo(QObject* Sender) {
  if (HayControlEdicion(Sender)) ComoEdicion(FEditControl)->SelectAll();
}

void TqovEditPopupMenu::Borrar(QObject* Sender) {
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

void TqovEditPopupMenu::Calc(QObject* /*Sender*/) {
  // An edit with a calculator button opens the library's calculator on its number.
  if (auto* edicion = qobject_cast<TqovDBEditCalc*>(FEditControl.data())) return edicion->BtnClick(edicion);
  AbrirCalculadoraWindows();
}

void TqovEditPopupMenu::QueEsEsto(QObject* /*Sender*/) {
  MostrarAyudaContexto(GetFormaPadre(), PopupComponent() ? PopupComponent()->Self() : nullptr);
}

void TqovEditPopupMenu::SelTodoExecute(QObject* /*Sender*/) { SelTodo(nullptr); }

TForm* TqovEditPopupMenu::GetFormaPadre() const { return Owner() ? OwnerForm(Owner()) : nullptr; }
