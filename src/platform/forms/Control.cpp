#include "platform/forms/Control.h"

#include <QEvent>
#include <algorithm>
#include <climits>
#include <vector>

#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/Menus.h"
#include "platform/forms/Screen.h"

// Follows the resizes of the control's parent, for the anchors.
class TControl::TFiltroAnclas : public QObject {
 public:
  TFiltroAnclas(TControl& AControl, QObject* AParent) : QObject(AParent), FControl(AControl) {}

  bool eventFilter(QObject* AObjeto, QEvent* AEvento) override {
    if (AEvento->type() == QEvent::Resize && AObjeto == FControl.Parent()) FControl.ApplyAnchors();
    return false;
  }

 private:
  TControl& FControl;
};

// Passes the widget's focus and enabled-state changes on to the control, under RunHandler.
class TControl::TFiltroEventos : public QObject {
 public:
  explicit TFiltroEventos(TControl& AControl) : FControl(AControl) {}

  bool eventFilter(QObject* AObjeto, QEvent* AEvento) override {
    if (AObjeto != FControl.Widget()) return false;
    switch (AEvento->type()) {
      case QEvent::FocusIn:
        RunHandler([this] { FControl.DoEnter(); });
        break;
      case QEvent::FocusOut:
        RunHandler([this] { FControl.DoExit(); });
        break;
      case QEvent::EnabledChange:
        RunHandler([this] { FControl.EnabledChanged(); });
        break;
      default:
        break;
    }
    return false;
  }

 private:
  TControl& FControl;
};

TControl::TControl(QWidget* ASelf, TComponent* AOwner)
    : TComponent(ASelf, AOwner), FFocusPolicy(ASelf->focusPolicy()), FFiltroEventos(new TFiltroEventos(*this)) {
  ASelf->installEventFilter(FFiltroEventos);
}

// The filter goes with the control part, before the widget itself is destroyed.
TControl::~TControl() { delete FFiltroEventos; }

void TControl::DoEnter() {
  if (OnEnter) OnEnter(Self());
}

void TControl::DoExit() {
  if (OnExit) OnExit(Self());
}

void TControl::SetParent(QWidget* AParent) {
  const bool oculto = Widget()->isHidden() && Widget()->testAttribute(Qt::WA_WState_ExplicitShowHide);
  if (FFiltroAnclas && Parent()) Parent()->removeEventFilter(FFiltroAnclas);
  Widget()->setParent(AParent);
  if (AParent && !oculto) Widget()->show();
  if (FFiltroAnclas && AParent) AParent->installEventFilter(FFiltroAnclas);
  RecordAnchorRules();
}

TForm* TControl::ParentForm() const { return dynamic_cast<TForm*>(Widget()->window()); }

int TControl::Left() const {
  return ToSystemPixels(Widget()->isWindow() ? Widget()->frameGeometry().x() : Widget()->x());
}

int TControl::Top() const {
  return ToSystemPixels(Widget()->isWindow() ? Widget()->frameGeometry().y() : Widget()->y());
}

int TControl::Width() const {
  return ToSystemPixels(Widget()->isWindow() ? Widget()->frameGeometry().width() : Widget()->width());
}

int TControl::Height() const {
  return ToSystemPixels(Widget()->isWindow() ? Widget()->frameGeometry().height() : Widget()->height());
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  QWidget* w = Widget();
  if (w->isWindow()) {
    // A window's bounds take in its frame, which Qt keeps apart from its client area.
    const QSize marco = w->frameGeometry().size() - w->geometry().size();
    w->resize(ToQtPixels(AWidth) - marco.width(), ToQtPixels(AHeight) - marco.height());
    w->move(ToQtPixels(ALeft), ToQtPixels(ATop));
  } else {
    w->setGeometry(ToQtPixels(ALeft), ToQtPixels(ATop), ToQtPixels(AWidth), ToQtPixels(AHeight));
  }
  RecordAnchorRules();
  ApplyChildAnchors();
}

void TControl::ApplyChildAnchors() {
  for (QObject* hijo : Widget()->children())
    if (auto* c = dynamic_cast<TControl*>(hijo); c && c->FFiltroAnclas) c->ApplyAnchors();
}

bool TControl::Enabled() const { return !Widget()->testAttribute(Qt::WA_ForceDisabled); }

void TControl::SetEnabled(bool AValue) { Widget()->setEnabled(AValue); }

bool TControl::Visible() const { return !Widget()->isHidden(); }

void TControl::SetVisible(bool AValue) { Widget()->setVisible(AValue); }

void TControl::SetColor(TColor AValue) {
  FColor = AValue;
  QPalette paleta = Widget()->palette();
  paleta.setColor(ColorRole(), AValue == clDefault ? QPalette().color(ColorRole()) : ColorToQColor(AValue));
  Widget()->setPalette(paleta);
  if (ColorRole() == QPalette::Window) Widget()->setAutoFillBackground(AValue != clDefault);
}

void TControl::SetPopupMenu(TPopupMenu* AValue) {
  if (AValue == FPopupMenu) return;
  QWidget* w = Widget();
  if (FPopupMenu) QObject::disconnect(w, &QWidget::customContextMenuRequested, FPopupMenu, nullptr);
  FPopupMenu = AValue;
  w->setContextMenuPolicy(AValue ? Qt::CustomContextMenu : Qt::DefaultContextMenu);
  if (AValue)
    QObject::connect(w, &QWidget::customContextMenuRequested, AValue,
                     [this, AValue](const QPoint& APos) { AValue->PopupFor(this, Widget()->mapToGlobal(APos)); });
}

void TControl::SetAnchors(TAnchors AValue) {
  FAnchors = AValue;
  if (!FFiltroAnclas && AValue != (TAnchors(akLeft) | akTop)) {
    FFiltroAnclas = new TFiltroAnclas(*this, Widget());
    if (Parent()) Parent()->installEventFilter(FFiltroAnclas);
  }
  RecordAnchorRules();
}

void TControl::RecordAnchorRules() {
  if (!Parent()) return;
  FAnchorRect = Widget()->geometry();
  FAnchorParent = Parent()->size();
}

void TControl::ApplyAnchors() {
  const TForm* forma = ParentForm();
  if (!Parent() || (forma && forma->Scaling())) return;
  const QSize delta = Parent()->size() - FAnchorParent;
  QRect r = FAnchorRect;
  // Each axis: kept at the near edge, at the far edge, stretched between both, or kept centred.
  const auto eje = [](bool ACerca, bool ALejos, int& APos, int& ATam, int ADelta) {
    if (ACerca && ALejos)
      ATam += ADelta;
    else if (ALejos)
      APos += ADelta;
    else if (!ACerca)
      APos += ADelta / 2;
  };
  int x = r.x(), y = r.y(), w = r.width(), h = r.height();
  eje(FAnchors.testFlag(akLeft), FAnchors.testFlag(akRight), x, w, delta.width());
  eje(FAnchors.testFlag(akTop), FAnchors.testFlag(akBottom), y, h, delta.height());
  Widget()->setGeometry(x, y, std::max(0, w), std::max(0, h));
}

bool TControl::TabStop() const { return Widget()->focusPolicy() & Qt::TabFocus; }

void TControl::SetTabStop(bool AValue) {
  Widget()->setFocusPolicy(AValue ? static_cast<Qt::FocusPolicy>(FFocusPolicy | Qt::TabFocus)
                                  : static_cast<Qt::FocusPolicy>(FFocusPolicy & ~Qt::TabFocus));
}

void TControl::SetTabOrder(int AValue) {
  FTabOrder = AValue;
  if (!Parent()) return;
  std::vector<TControl*> hermanos;
  for (QObject* hijo : Parent()->children())
    if (auto* c = dynamic_cast<TControl*>(hijo)) hermanos.push_back(c);
  std::stable_sort(hermanos.begin(), hermanos.end(), [](const TControl* A, const TControl* B) {
    const auto clave = [](const TControl* C) { return C->FTabOrder < 0 ? INT_MAX : C->FTabOrder; };
    return clave(A) < clave(B);
  });
  for (size_t i = 1; i < hermanos.size(); ++i) QWidget::setTabOrder(hermanos[i - 1]->Widget(), hermanos[i]->Widget());
}

bool TControl::CanFocus() const {
  const QWidget* w = Widget();
  return w->focusPolicy() != Qt::NoFocus && w->isEnabled() && w->isVisibleTo(w->window());
}

void TControl::SetFocus() { Widget()->setFocus(Qt::OtherFocusReason); }

bool TControl::DialogKey(int /*AKey*/, TShiftState /*AShift*/) { return false; }

void TControl::ScaleForPPI(int ANewPPI) {
  const TForm* forma = ParentForm();
  ChangeScale(ANewPPI, forma ? forma->CurrentPPI() : Screen.PixelsPerInch());
}

void TControl::ChangeScale(int M, int D) {
  if (M == D) return;
  const int x = MulDiv(Left(), M, D);
  const int y = MulDiv(Top(), M, D);
  SetBounds(x, y, MulDiv(Left() + Width(), M, D) - x, MulDiv(Top() + Height(), M, D) - y);
  if (Widget()->testAttribute(Qt::WA_SetFont)) {
    QFont fuente = Widget()->font();
    SetFontHeight(fuente, MulDiv(FontHeight(fuente), M, D));
    Widget()->setFont(fuente);
  }
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : QWidget(), TControl(this, AOwner) {
  setFocusPolicy(Qt::NoFocus);
}
