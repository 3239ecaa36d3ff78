#include "controls/edits/DBEditCalcQov.h"

#include <QRegularExpression>
#include <QStyle>

#include "controls/calculator/CalculadoraForm.h"
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/Screen.h"
#include "platform/forms/VirtualKeys.h"
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

TqovDBEditCalc::TqovDBEditCalc(TComponent* AOwner)
    : TqovDBEdit(AOwner),
      FImageList(new TqovImgLst16(this)),
      FBtnControl(new TPanel(this)),
      FButton(new QToolButton(FBtnControl)) {
  FBtnControl->SetBevelOuter(bvNone);
  FBtnControl->SetParent(this);
  FBtnControl->setCursor(Qt::ArrowCursor);
  FButton->setFocusPolicy(Qt::NoFocus);
  FButton->setAutoRaise(true);
  FButton->setIcon(FImageList->Icon(ImagenCalcBtn));
  connect(FButton, &QToolButton::clicked, this, [this] { RunHandler([this] { BtnClick(FButton); }); });
  UbicarBoton();
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
  // The container stands inside the bordered client area, four pixels from the right edge.
  const int ancho = FButtonWidth > 0 ? FButtonWidth : AnchoAutomatico();
  const int altoCliente = Height() - 4;
  FBtnControl->SetBounds(Width() - ancho - 4, 0, ancho, altoCliente);
  FButton->setGeometry(0, 0, FBtnControl->width(), FBtnControl->height());
  // The text ends left of the container, or ten pixels short of the client width without the button.
  const int derecha = FShowButton ? FBtnControl->Left() - 1 : Width() - 4 - 10;
  setTextMargins(0, 0, width() - ToQtPixels(derecha + 2), 0);
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
