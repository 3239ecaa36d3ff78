#include "controls/edits/DBEditCalcQov.h"

#include <qdrawutil.h>

#include <QPainter>
#include <QRegularExpression>
#include <QStyle>

#include "controls/calculator/CalculadoraForm.h"
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/Screen.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/grids/DBGrid.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/FormatSettings.h"

namespace {

// The glyph of the button in the library's 16-pixel image list.
constexpr int ImagenCalcBtn = 254;

// The text as a number: plain, or with the process's thousands separators between groups of three
// digits; 0 when it is no number.
double LeerNumero(QString ATexto) {
  const QString miles = QRegularExpression::escape(FormatSettings.ThousandSeparator);
  const QString decimal = QRegularExpression::escape(FormatSettings.DecimalSeparator);
  const QRegularExpression agrupado(QStringLiteral("^-?\\d{1,3}(%1\\d{3})+(%2\\d*)?$").arg(miles, decimal));
  if (agrupado.match(ATexto).hasMatch()) ATexto.remove(FormatSettings.ThousandSeparator);
  long double valor = 0;
  return TryStrToFloat(ATexto, valor) ? static_cast<double>(valor) : 0;
}

}  // namespace

namespace DBEditCalcQov {

TwwEditComboButton::TwwEditComboButton(TqovDBEditCalc& AEdit) : TwwComboButton(&AEdit), FEdit(AEdit) {}

void TwwEditComboButton::Paint(QPainter& APainter) {
  if (FEdit.skipUpdate) return;
  const QRect r = rect();
  bool porOmision = true;
  FEdit.FMouseInButtonControl = MouseInControl();
  const bool resaltado = MouseInControl() || FEdit.hasFocus() || FEdit.EnRejilla();
  const bool flechaTransparente = FEdit.ButtonEffects().Transparent() && FEdit.ButtonStyle() == cbsDownArrow;
  if ((Glyph().isNull() || resaltado) && !flechaTransparente) FEdit.DrawButton(APainter, r, porOmision);
  if (porOmision) {
    SetEllipsis(FEdit.ButtonStyle() == cbsEllipsis);
    TwwComboButton::Paint(APainter);
  }
  if (resaltado || !FEdit.ButtonEffects().Flat())
    qDrawShadeRect(&APainter, r, palette(), isDown(), 1);
}

TBtnWinControl::TBtnWinControl(TqovDBEditCalc& AEdit) : QWidget(), TControl(this, &AEdit), EditControl(AEdit) {}

void TBtnWinControl::paintEvent(QPaintEvent* /*AEvent*/) {
  if (EditControl.skipUpdate || EditControl.ButtonEffects().Transparent()) return;
  QPainter(this).fillRect(rect(), EditControl.palette().color(QPalette::Base));
}

void TBtnWinControl::leaveEvent(QEvent* AEvent) {
  QWidget::leaveEvent(AEvent);
  if (!EditControl.ButtonEffects().Flat() || EditControl.hasFocus()) return;
  if (EditControl.ButtonEffects().Transparent() && EditControl.parentWidget())
    EditControl.parentWidget()->update(EditControl.AreaEnPadre());
  update();
}

void TwwEditButtonEffects::Refresh() {
  TwwButtonEffects::Refresh();
  FEdit.ActualizarGlifo();
}

}  // namespace DBEditCalcQov

using namespace DBEditCalcQov;

TqovDBEditCalc::TqovDBEditCalc(TComponent* AOwner)
    : TqovDBEdit(AOwner),
      FImageList(new TqovImgLst16(this)),
      FBtnControl(new TBtnWinControl(*this)),
      FButton(new TwwEditComboButton(*this)),
      FButtonEffects(std::make_unique<TwwEditButtonEffects>(*this, *FButton)) {
  FBtnControl->SetParent(this);
  FBtnControl->setCursor(Qt::ArrowCursor);
  FButton->SetParent(FBtnControl);
  ActualizarGlifo();
  connect(FButton, &QAbstractButton::clicked, this, [this] { RunHandler([this] { BtnClick(FButton); }); });
  connect(FButton, &QAbstractButton::pressed, this, [this] { RepintarFondo(); });
  UbicarBoton();
}

TqovDBEditCalc::~TqovDBEditCalc() = default;

void TqovDBEditCalc::SetButtonStyle(TwwComboButtonStyle AValue) {
  if (AValue == FButtonStyle) return;
  FButtonStyle = AValue;
  ActualizarGlifo();
  FButton->update();
}

void TqovDBEditCalc::ActualizarGlifo() {
  const bool plano = FButtonEffects->Flat() || FButtonEffects->Transparent();
  if (FButtonStyle == cbsDownArrow && plano) return FButton->SetGlyph(FButton->DropDownGlyph());
  QPixmap glifo = QPixmap::fromImage(FImageList->Image(ImagenCalcBtn));
  glifo.setDevicePixelRatio(FButton->devicePixelRatioF());
  FButton->SetGlyph(glifo);
}

void TqovDBEditCalc::DrawButton(QPainter& APainter, const QRect& ARect, bool& ADefaultDraw) const {
  if (FButtonStyle == cbsCustom) return;
  ADefaultDraw = false;
  const bool plano = FButton->Flat() && !FButton->MouseInControl() && !hasFocus();
  if (FButtonStyle == cbsEllipsis)
    return FButton->DrawEllipsis(APainter, ARect, isEnabled(), plano, FButtonEffects->Transparent());
  if (!plano) FButton->DrawPanel(APainter, ARect, FButton->isDown());
  const int margen = ARect.width() / 4;
  FButton->DrawDropDownArrow(APainter, ARect.adjusted(margen, margen, -margen, -margen), isEnabled());
}

bool TqovDBEditCalc::EnRejilla() const {
  const QWidget* padre = parentWidget();
  return padre && (qobject_cast<const TDBGrid*>(padre) || qobject_cast<const TDBGrid*>(padre->parentWidget()));
}

QRect TqovDBEditCalc::AreaEnPadre() const { return FBtnControl->geometry().translated(pos()); }

void TqovDBEditCalc::RepintarFondo() {
  if (!FButtonEffects->Transparent() || !parentWidget()) return;
  skipUpdate = true;
  parentWidget()->repaint(AreaEnPadre());
  skipUpdate = false;
}

int TqovDBEditCalc::AnchoAutomatico() const {
  return qMax(ToSystemPixels(style()->pixelMetric(QStyle::PM_ScrollBarExtent)), 15);
}

void TqovDBEditCalc::SetButtonWidth(int AValue) {
  if (AValue == FButtonWidth) return;
  FButtonWidth = AValue;
  UbicarBoton();
}

void TqovDBEditCalc::SetShowButton(bool AValue) {
  if (AValue == FShowButton) return;
  FShowButton = AValue;
  FBtnControl->SetVisible(AValue);
  UbicarBoton();
}

void TqovDBEditCalc::UbicarBoton() {
  // The container fills the height of the client area, inside the 3-D border, at its right edge: in the
  // client area's terms it stands at the edit's width - its own - 4.
  const int ancho = FButtonWidth > 0 ? FButtonWidth : AnchoAutomatico();
  const int borde = hasFrame() ? 2 : 0;
  FBtnControl->SetBounds(Width() - ancho - borde, borde, ancho, Height() - 2 * borde);
  FButton->setGeometry(0, 0, FBtnControl->width(), FBtnControl->height());
  // The text ends left of the container, or ten pixels short of the client width without the button.
  const int derecha = FShowButton ? FBtnControl->Left() - borde - 1 : Width() - 2 * borde - 10;
  setTextMargins(0, 0, width() - ToQtPixels(derecha + borde), 0);
}

void TqovDBEditCalc::resizeEvent(QResizeEvent* AEvent) {
  TqovDBEdit::resizeEvent(AEvent);
  UbicarBoton();
}

void TqovDBEditCalc::BtnClick(QObject* /*Sender*/) { EditarConCalculadora(QChar()); }

void TqovDBEditCalc::EditarConCalculadora(QChar AOperador) {
  double valor = LeerNumero(Text());
  SetFocus();
  if (Bounded()) DataLink().Edit();
  if (MostrarCalculadora(ParentForm(), AOperador, valor) != mrOk) return SelectAll();
  // A result is written only where the operator could have typed it.
  if (!NoEditable() && !ReadOnly() && (!Bounded() || Editando())) {
    SetText(FloatToStrF(valor, TFloatFormat::General, 15, 0));
    if (Bounded()) DataLink().Modified();
    SetModified(true);
  }
  SelectAll();
}

void TqovDBEditCalc::KeyDown(int& AKey, TShiftState AShift) {
  if ((AKey == VK_DOWN && AShift == Qt::AltModifier) || (AKey == VK_F4 && AShift == Qt::NoModifier)) {
    EditarConCalculadora(QChar());
    AKey = 0;
  }
  TqovDBEdit::KeyDown(AKey, AShift);
}

void TqovDBEditCalc::KeyPress(QChar& AKey) {
  const QString texto = Text();
  const bool signo = texto == QLatin1String("-");
  bool abrir = false;
  if (AKey == QLatin1Char('*') || AKey == QLatin1Char('+') || AKey == QLatin1Char('/'))
    abrir = !texto.isEmpty() && !signo;
  else if (AKey == QLatin1Char('-'))
    abrir = !signo && texto.size() != SelLength() && (texto.contains(AKey) || SelStart() != 0);
  if (!abrir) return TqovDBEdit::KeyPress(AKey);
  const QChar operador = AKey;
  AKey = QChar();
  EditarConCalculadora(operador);
}
