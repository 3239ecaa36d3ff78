#include "platform/forms/Form.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

#include "platform/forms/Application.h"
#include "platform/forms/ModalSeam.h"
#include "platform/forms/Screen.h"
#include "platform/rtl/Exception.h"

namespace {

// The form's controls, parents before their children, leaving out other windows.
void Controles(QWidget& APadre, std::vector<TControl*>& ALista) {
  for (QObject* hijo : APadre.children()) {
    auto* w = qobject_cast<QWidget*>(hijo);
    if (!w || w->isWindow()) continue;
    if (auto* c = dynamic_cast<TControl*>(w)) ALista.push_back(c);
    Controles(*w, ALista);
  }
}

// Offers a dialog key to the controls in a parent, those without a window first; windowed children pass
// it on to their own controls.
bool OfrecerTecla(QWidget& APadre, int AKey, TShiftState AShift) {
  for (const bool ventana : {false, true}) {
    for (QObject* hijo : APadre.children()) {
      auto* w = qobject_cast<QWidget*>(hijo);
      if (!w || w->isWindow()) continue;
      auto* c = dynamic_cast<TControl*>(w);
      if (ventana != (!c || c->Windowed())) continue;
      if (c && c->DialogKey(AKey, AShift)) return true;
      if (ventana && OfrecerTecla(*w, AKey, AShift)) return true;
    }
  }
  return false;
}

QWidget* VentanaDueña(TComponent* AOwner) {
  auto* w = AOwner ? qobject_cast<QWidget*>(AOwner->Self()) : nullptr;
  return w ? w->window() : nullptr;
}

}  // namespace

TForm* OwnerForm(const TComponent* AComponent) {
  for (const TComponent* c = AComponent; c; c = c->Owner())
    if (auto* forma = dynamic_cast<TForm*>(c->Self())) return forma;
  return nullptr;
}

TForm::TForm(TComponent* AOwner) : QWidget(VentanaDueña(AOwner), Qt::Window), TControl(this, AOwner) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setFont(MakeFont(QStringLiteral("Tahoma"), -11));
  ApplyWindowFlags();
}

void TForm::AfterConstruction() {
  for (int i = 0; i < ComponentCount(); ++i) Components(i)->Loaded();
  if (FScaled && FCurrentPPI != Screen.PixelsPerInch()) ScaleForPPI(Screen.PixelsPerInch());
  RunHandler([this] { DoCreate(); });
}

int TForm::ClientWidth() const { return ToSystemPixels(width()); }

int TForm::ClientHeight() const { return ToSystemPixels(height()); }

void TForm::SetClientWidth(int AValue) { SetBounds(Left(), Top(), Width() - ClientWidth() + AValue, Height()); }

void TForm::SetClientHeight(int AValue) { SetBounds(Left(), Top(), Width(), Height() - ClientHeight() + AValue); }

void TForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const QSize marco = frameGeometry().size() - geometry().size();
  const QSize cliente(ToQtPixels(AWidth) - marco.width(), ToQtPixels(AHeight) - marco.height());
  // A form without a sizing border keeps the size it is given.
  if (FBorderStyle == bsSizeable)
    resize(cliente);
  else
    setFixedSize(cliente);
  move(ToQtPixels(ALeft), ToQtPixels(ATop));
  ApplyChildAnchors();
}

void TForm::SetBorderStyle(TFormBorderStyle AValue) {
  FBorderStyle = AValue;
  if (AValue == bsSizeable) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  } else {
    setFixedSize(size());
  }
  ApplyWindowFlags();
}

void TForm::SetBorderIcons(TBorderIcons AValue) {
  FBorderIcons = AValue;
  ApplyWindowFlags();
}

void TForm::ApplyWindowFlags() {
  Qt::WindowFlags banderas = FBorderStyle == bsDialog ? Qt::Dialog : Qt::Window;
  if (FBorderStyle == bsNone) {
    banderas |= Qt::FramelessWindowHint;
  } else {
    banderas |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (FBorderIcons.testFlag(biSystemMenu)) banderas |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    // A dialog border offers neither minimising nor maximising.
    if (FBorderStyle != bsDialog && FBorderIcons.testFlag(biMinimize)) banderas |= Qt::WindowMinimizeButtonHint;
    if (FBorderStyle != bsDialog && FBorderIcons.testFlag(biMaximize)) banderas |= Qt::WindowMaximizeButtonHint;
    if (FBorderIcons.testFlag(biHelp)) banderas |= Qt::WindowContextHelpButtonHint;
  }
  const bool visible = isVisible();
  setWindowFlags(banderas);
  // The window exists from the start, so that its frame is known when it is placed.
  winId();
  if (visible) show();
}

void TForm::ScaleForPPI(int ANewPPI) {
  if (ANewPPI == FCurrentPPI) return;
  std::vector<TControl*> controles;
  Controles(*this, controles);
  {
    // Scaling ends also when a control fails to scale.
    struct TEscalando {
      bool& Bandera;
      explicit TEscalando(bool& ABandera) : Bandera(ABandera) { Bandera = true; }
      ~TEscalando() { Bandera = false; }
    } escalando(FScaling);
    for (TControl* c : controles) c->ScaleForPPI(ANewPPI);
    const int anterior = FCurrentPPI;
    QFont fuente = font();
    SetFontHeight(fuente, MulDiv(FontHeight(fuente), ANewPPI, anterior));
    setFont(fuente);
    SetBounds(Left(), Top(), Width() - ClientWidth() + MulDiv(ClientWidth(), ANewPPI, anterior),
              Height() - ClientHeight() + MulDiv(ClientHeight(), ANewPPI, anterior));
    FCurrentPPI = ANewPPI;
  }
  for (TControl* c : controles) c->RecordAnchorRules();
}

void TForm::SetVisible(bool AValue) {
  if (AValue)
    Show();
  else
    Hide();
}

void TForm::Show() {
  show();
  BringToFront();
}

TModalResult TForm::ShowModal() {
  if (isVisible() || FModalLoop) throw Exception(QStringLiteral("Cannot make a visible window modal"));
  FModalResult = mrNone;
  setWindowModality(Qt::ApplicationModal);
  Show();
  QEventLoop bucle;
  FModalLoop = &bucle;
  ScheduleModalAnswer(
      *this, [this] { return FModalLoop && FModalResult == mrNone; }, [this] { Close(); });
  do {
    if (FModalResult == mrNone) bucle.exec();
    if (Application && Application->Terminated()) FModalResult = mrCancel;
    CloseModal();
  } while (FModalResult == mrNone);
  FModalLoop = nullptr;
  hide();
  setWindowModality(Qt::NonModal);
  return FModalResult;
}

void TForm::SetModalResult(TModalResult AValue) {
  FModalResult = AValue;
  if (AValue != mrNone && FModalLoop) FModalLoop->quit();
}

void TForm::CloseModal() {
  TCloseAction accion = caHide;
  RunHandler([&] { DoClose(accion); });
  if (accion == caNone && !(Application && Application->Terminated())) FModalResult = mrNone;
  if (accion == caFree) Release();
}

void TForm::Close() {
  if (FModalLoop) {
    SetModalResult(mrCancel);
    return;
  }
  TCloseAction accion = caHide;
  DoClose(accion);
  if (accion == caNone) return;
  if (Application && Application->MainForm() == this)
    Application->Terminate();
  else if (accion == caHide)
    hide();
  else if (accion == caMinimize)
    showMinimized();
  else
    Release();
}

void TForm::BringToFront() {
  raise();
  activateWindow();
}

bool TForm::DialogKey(int AKey, TShiftState AShift) {
  if (AKey == VK_TAB) {
    SelectNext(!AShift.testFlag(ssShift));
    return true;
  }
  return OfrecerTecla(*this, AKey, AShift);
}

void TForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TForm::DoClose(TCloseAction& AAction) {
  if (OnClose) OnClose(this, AAction);
}

void TForm::showEvent(QShowEvent* AEvent) {
  QWidget::showEvent(AEvent);
  if (AEvent->spontaneous()) return;
  RunHandler([this] { DoShow(); });
  ApplyPosition();
}

void TForm::ApplyPosition() {
  QRect centro;
  const TForm* dueña = dynamic_cast<TForm*>(Owner() ? Owner()->Self() : nullptr);
  const TForm* principal = Application ? Application->MainForm() : nullptr;
  switch (FPosition) {
    case poDesigned:
      return;
    case poScreenCenter:
      centro = QRect(0, 0, Screen.Width(), Screen.Height());
      break;
    case poDesktopCenter:
      centro = QRect(0, 0, Screen.DesktopWidth(), Screen.DesktopHeight());
      break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
      const TForm* sobre = FPosition == poOwnerFormCenter && dueña ? dueña : principal;
      centro = sobre && sobre != this ? sobre->BoundsRect() : QRect(0, 0, Screen.Width(), Screen.Height());
      break;
    }
  }
  SetBounds(centro.x() + (centro.width() - Width()) / 2, centro.y() + (centro.height() - Height()) / 2, Width(),
            Height());
  // Placed once: later shows keep the place.
  FPosition = poDesigned;
}

void TForm::closeEvent(QCloseEvent* AEvent) {
  // The close box: the form decides through Close, which hides it or keeps it.
  AEvent->ignore();
  RunHandler([this] { Close(); });
}

void TForm::keyPressEvent(QKeyEvent* AEvent) {
  const int tecla = VirtualKeyFromQt(AEvent->key());
  bool tomada = false;
  if (tecla == VK_RETURN || tecla == VK_ESCAPE)
    RunHandler([&] { tomada = DialogKey(tecla, AEvent->modifiers() & (ssShift | ssCtrl | ssAlt)); });
  AEvent->setAccepted(tomada);
}
