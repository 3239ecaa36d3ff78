#include "controls/edits/EditQov.h"

#include <algorithm>
#include <cmath>

#include "core/util/Utilerias.h"
#include "platform/forms/Beep.h"
#include "platform/rtl/FloatFormat.h"

void TqovTipoEdit::SetteNumLongitud(int AValue) {
  FNumLongitud = std::clamp(AValue, 1, 18);
  if (FNumLongitud + FNumEscala > 18) SetteNumEscala(18 - FNumLongitud);
}

void TqovTipoEdit::SetteNumEscala(int AValue) { FNumEscala = std::min(std::clamp(AValue, 0, 8), 18 - FNumLongitud); }

void TqovTipoEdit::SetteNumEscalaMin(int AValue) { FNumEscalaMin = AValue < 0 ? 0 : std::min(AValue, FNumEscala); }

void TqovTipoEdit::SetteNumValue(long double AValue) { FNumValue = !FAceptaNegativos && AValue < 0 ? -AValue : AValue; }

TqovEdit::TqovEdit(TComponent* AOwner)
    : TEdit(AOwner),
      TConvencionesEdicionQov(static_cast<TControl&>(*this)),
      TPopupMenuPropsQov(true, false),
      FTipoEdit(new TqovTipoEdit(this)) {
  SetNoEditable(false);
}

qint64 TqovEdit::ValueInt() const { return static_cast<qint64>(std::trunc(Value())); }

void TqovEdit::SetValue(long double ANumValue) {
  FTipoEdit->SetteNumValue(ANumValue);
  MostrarNumero();
}

QString TqovEdit::SetTextFormat(long double AValue) const {
  if (!Numerico()) return {};
  const TqovTipoEdit& t = *FTipoEdit;
  const bool justCeros = t.teNumEscala() == 0 && t.teIntJustCeros();
  return FormatearNumero(t.teNumComas() && !Focused(), t.teNumLongitud() + t.teNumEscala(), t.teNumEscala(), AValue,
                         t.teNumEscalaMin(), justCeros ? QStringLiteral("J") : QStringLiteral("N"));
}

void TqovEdit::MostrarNumero() {
  const long double valor = FTipoEdit->teNumValue();
  SetText(FTipoEdit->tePresentaCero() || valor != 0 ? SetTextFormat(valor) : QString());
}

bool TqovEdit::LeerNumero(long double& AValor) const {
  if (FTipoEdit->teNumEscala() > 0) return TryStrToFloat(Text(), AValor);
  // Integers in 64 bits: an edit holds up to 18 digits.
  qint64 entero = 0;
  if (!TryStrToInt64(Text(), entero)) return false;
  AValor = static_cast<long double>(entero);
  return true;
}

void TqovEdit::GuardarTexto() {
  long double valor = 0;
  if (!LeerNumero(valor)) valor = 0;
  FTipoEdit->SetteNumValue(valor);
  MostrarNumero();
}

void TqovEdit::Loaded() {
  TEdit::Loaded();
  if (Numerico()) GuardarTexto();
}

void TqovEdit::DoEnter() {
  if (Numerico()) MostrarNumero();
  TEdit::DoEnter();
}

void TqovEdit::DoExit() {
  if (Numerico()) GuardarTexto();
  TEdit::DoExit();
  update();
}

void TqovEdit::KeyDown(int& AKey, TShiftState AShift) {
  EsCtrlEdicion = AShift.testFlag(ssCtrl) && (AKey == 'C' || AKey == 'V' || AKey == 'X' || AKey == 'Z');
  TEdit::KeyDown(AKey, AShift);
}

void TqovEdit::KeyPress(QChar& AKey) {
  // Enter and Esc arrive here only when no button of the form took them; a numeric edit refuses them too.
  if (!EsCtrlEdicion && AKey != QLatin1Char('\b')) {
    if (!Numerico()) {
      if (FTipoEdit->teNombre() && SelStart() == 0 && AKey >= QLatin1Char('a') && AKey <= QLatin1Char('z'))
        AKey = AKey.toUpper();
    } else {
      const QChar separador = FormatSettings.DecimalSeparator;
      const bool todoSeleccionado = Text().size() == SelLength();
      const bool esSeparador = FTipoEdit->teNumEscala() > 0 && AKey == separador;
      const bool esMenos = AKey == QLatin1Char('-');
      if (!(AKey >= QLatin1Char('0') && AKey <= QLatin1Char('9')) && !esMenos && !esSeparador)
        AKey = QChar();
      else if (esMenos && !FTipoEdit->teAceptaNegativos())
        AKey = QChar();
      else if (esSeparador && !todoSeleccionado && Text().contains(separador))
        AKey = QChar();
      else if (esMenos && !todoSeleccionado && (Text().contains(QLatin1Char('-')) || SelStart() != 0))
        AKey = QChar();
    }
  }
  if (AKey.isNull())
    Beep();
  else
    TEdit::KeyPress(AKey);
}

void TqovEdit::Undo() {
  if (!ReadOnly()) TEdit::Undo();
}

void TqovEdit::CutToClipboard() {
  if (!ReadOnly()) TEdit::CutToClipboard();
}

void TqovEdit::PasteFromClipboard() {
  if (ReadOnly()) return;
  TEdit::PasteFromClipboard();
  long double valor = 0;
  if (Numerico() && !LeerNumero(valor)) {
    TEdit::Undo();
    ClearUndo();
  }
}

void TqovEdit::paintEvent(QPaintEvent* AEvent) {
  const Qt::Alignment alineacion = FTipoEdit->teLeftAlignment() ? Qt::AlignLeft : Qt::AlignRight;
  if (alignment() != (alineacion | Qt::AlignVCenter)) setAlignment(alineacion | Qt::AlignVCenter);
  TEdit::paintEvent(AEvent);
}
