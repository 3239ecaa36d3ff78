#include "controls/grids/DBGridQov.h"

#include "controls/edits/ValidadoresQov.h"
#include "platform/forms/Clock.h"
#include "platform/forms/Screen.h"

namespace {

constexpr quint32 PausaBusqueda = 2000;
constexpr int LargoBusqueda = 32;

}  // namespace

TqovDBGrid::TqovDBGrid(TComponent* AOwner) : TqovCustomDBGrid(AOwner), TPopupMenuPropsQov(true, false) {}

bool TqovDBGrid::EnBrowse() const { return DataSet() && DataSet()->State() == dsBrowse; }

void TqovDBGrid::AsignarCampoBusqInc() { FNomCampoBusqInc = ColumnFieldName(ActiveCol()); }

void TqovDBGrid::KeyDown(int& AKey, TShiftState AShift) {
  if (FUsarScrollHrz && (AKey == VK_LEFT || AKey == VK_RIGHT)) {
    ScrollColumns(AKey == VK_LEFT ? -1 : 1);
    AKey = 0;
  }
  // Enter in browse state is the search grid's own (KeyPress): the grid never sees it.
  if (AKey == VK_RETURN && EnBrowse()) return;
  TqovCustomDBGrid::KeyDown(AKey, AShift);
}

void TqovDBGrid::KeyPress(QChar& AKey) {
  if (!EnBrowse()) return TqovCustomDBGrid::KeyPress(AKey);
  if (AKey == QLatin1Char('\r')) {
    if (OnEnterKey) OnEnterKey(this);
  } else {
    ProcessSearchKey(AKey);
  }
  AKey = QChar();
}

void TqovDBGrid::ProcessSearchKey(QChar Key) {
  if (Key == QLatin1Char('\b') || Key == QChar(27)) {
    FSearchText.clear();
    return;
  }
  if (Key.unicode() < 32 || Key.unicode() > 255) return;
  const quint32 ahora = GetTickCount();
  if (ahora - UltimaTeclaBusqueda > PausaBusqueda) FSearchText.clear();
  TDataSet* d = DataSet();
  if (Key == QLatin1Char(' ') && Options().testFlag(dgMultiSelect) && FSearchText.isEmpty() && d && d->Active() &&
      !d->IsEmpty()) {
    if (IsSelected())
      UnselectRecord();
    else
      SelectRecord();
    return;
  }
  UltimaTeclaBusqueda = ahora;
  if (FSearchText.size() >= LargoBusqueda || !d) return;
  const QString texto = FSearchText + Key;
  Screen.SetCursor(crSQLWait);
  const struct Restaurar {
    ~Restaurar() { Screen.SetCursor(crDefault); }
  } restaurar;
  AsignarCampoBusqInc();
  if (BuscarPorRegla(*d, texto)) {
    FSearchText = texto;
    return;
  }
  try {
    if (d->Locate(FNomCampoBusqInc, texto, TLocateOptions(loCaseInsensitive) | loPartialKey)) FSearchText = texto;
  } catch (const Exception&) {
    // A column without a field, or a text that is no value of it, finds nothing.
  }
}

bool TqovDBGrid::BuscarPorRegla(TDataSet& ADataSet, const QString& ATexto) {
  const QString& campo = FNomCampoBusqInc;
  QString buscado = campo;
  QVariant valor = ATexto;
  TLocateOptions opciones = loCaseInsensitive;
  if ((campo.contains(QLatin1String("FOLIO")) || campo.contains(QLatin1String("POLIZA"))) &&
      EsFolioValido(ATexto, false)) {
    valor = FormatearFolio(ATexto, false);
  } else if (campo.contains(QLatin1String("CUENTA_JT"))) {
    buscado = QStringLiteral("CUENTA_PT");
    opciones |= loPartialKey;
  } else if (campo.contains(QLatin1String("NUMERO"))) {
    buscado = QStringLiteral("NUMERO");
    opciones = {};
  } else {
    return false;
  }
  // A missing field or a text that is no value of it leaves the search to the plain prefix rule.
  if (!ADataSet.FindField(buscado)) return false;
  try {
    ADataSet.Locate(buscado, valor, opciones);
  } catch (const EDatabaseError&) {
    return false;
  }
  return true;
}
