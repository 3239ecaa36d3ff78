#include "controls/edits/DBEditQov.h"

#include <QKeyEvent>

#include "platform/forms/Beep.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/FormatSettings.h"

namespace {

bool EsEntero(TFieldType ATipo) {
  return ATipo == ftSmallint || ATipo == ftInteger || ATipo == ftWord || ATipo == ftLargeint;
}

bool EsFlotante(TFieldType ATipo) { return ATipo == ftFloat || ATipo == ftBCD; }

}  // namespace

TqovDBEdit::TqovDBEdit(TComponent* AOwner)
    : TwwDBEdit(AOwner), TConvencionesEdicionQov(static_cast<TControl&>(*this)), TPopupMenuPropsQov(true, false) {
  SetNoEditable(false);
}

void TqovDBEdit::_Reset() {
  if (FReiniciando) return;
  FReiniciando = true;
  Reset();
  SetSelStart(0);
  FReiniciando = false;
}

void TqovDBEdit::SeguirCampo() {
  if (Bounded() && !Editando()) _Reset();
}

void TqovDBEdit::KeyDown(int& AKey, TShiftState AShift) {
  KeyShift = AShift;
  TwwDBEdit::KeyDown(AKey, AShift);
}

void TqovDBEdit::KeyPress(QChar& AKey) {
  const ushort codigo = AKey.unicode();
  if (((codigo >= 32 && codigo <= 255) || AKey == QLatin1Char('\b')) && ReadOnly()) AKey = QChar();
  const TFieldType tipo = Bounded() ? Field()->DataType() : ftUnknown;
  if (!AKey.isNull() && (EsEntero(tipo) || EsFlotante(tipo))) {
    const bool todoSeleccionado = Text().size() == SelLength();
    const QChar separador = FormatSettings.DecimalSeparator;
    if (AKey == QLatin1Char('+') || AKey == QLatin1Char('E') || AKey == QLatin1Char('e'))
      AKey = QChar();
    else if (AKey == QLatin1Char('-'))
      AKey = FAceptaNegativos && (todoSeleccionado || (!Text().contains(AKey) && SelStart() == 0)) ? AKey : QChar();
    else if (AKey == separador && !todoSeleccionado && Text().contains(separador))
      AKey = QChar();
  }
  if (FTipoNombre && SelStart() == 0 && AKey >= QLatin1Char('a') && AKey <= QLatin1Char('z')) AKey = AKey.toUpper();
  if (AKey.isNull())
    Beep();
  else
    TwwDBEdit::KeyPress(AKey);
}

void TqovDBEdit::keyPressEvent(QKeyEvent* AEvent) {
  TwwDBEdit::keyPressEvent(AEvent);
  if (!AEvent->text().isEmpty()) SeguirCampo();
}

void TqovDBEdit::Change() {
  TwwDBEdit::Change();
  SeguirCampo();
}

void TqovDBEdit::Undo() {
  if (Bloqueado()) return;
  TwwDBEdit::Undo();
  if (Editando()) DataLink().Modified();
  SeguirCampo();
}

void TqovDBEdit::CutToClipboard() {
  if (Bloqueado()) return;
  TwwDBEdit::CutToClipboard();
  if (Editando()) DataLink().Modified();
  SeguirCampo();
}

bool TqovDBEdit::TextoValido() const {
  const TFieldType tipo = Field()->DataType();
  if (EsEntero(tipo)) {
    // A Largeint takes 64 bits, the others 32.
    qint64 valor = 0;
    const bool entero = tipo == ftLargeint ? TryStrToInt64(Text(), valor) : EsEnteroValido(Text(), false, 0, 0);
    return entero && (FAceptaNegativos || !Text().startsWith(QLatin1Char('-')));
  }
  if (EsFlotante(tipo)) {
    long double valor = 0;
    return TryStrToFloat(Text(), valor) && (FAceptaNegativos || valor >= 0);
  }
  return true;
}

void TqovDBEdit::PasteFromClipboard() {
  if (Bloqueado()) return;
  TwwDBEdit::PasteFromClipboard();
  if (!Bounded()) return;
  if (!Editando()) return _Reset();
  if (!TextoValido()) {
    TEdit::Undo();
    ClearUndo();
  }
  DataLink().Modified();
}

void TqovDBEdit::DoExit() {
  // What the operator leaves in the edit is written to the field.
  if (Bounded() && Editando()) DataLink().Modified();
  TwwDBEdit::DoExit();
}
