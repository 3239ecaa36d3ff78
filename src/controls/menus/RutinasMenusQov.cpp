#include "controls/menus/RutinasMenusQov.h"

#include <QProcess>

#include "platform/forms/Application.h"
#include "platform/forms/ExternalProgram.h"
#include "platform/forms/KeySynthesis.h"
#include "platform/forms/Properties.h"

namespace {

struct TModificador {
  Qt::KeyboardModifier Estado;
  int Tecla;
};

constexpr TModificador Modificadores[] = {{ssCtrl, VK_CONTROL}, {ssShift, VK_SHIFT}, {ssAlt, VK_MENU}};

}  // namespace

void SimularTecla(int AKey, TShiftState AShift, bool /*AExtended*/) {
  TShiftState presionadas;
  for (const TModificador& m : Modificadores)
    if (AShift.testFlag(m.Estado)) PostKey(QEvent::KeyPress, m.Tecla, presionadas |= m.Estado);
  PostKey(QEvent::KeyPress, AKey, presionadas);
  PostKey(QEvent::KeyRelease, AKey, presionadas);
  for (auto m = std::rbegin(Modificadores); m != std::rend(Modificadores); ++m)
    if (AShift.testFlag(m->Estado)) PostKey(QEvent::KeyRelease, m->Tecla, presionadas &= ~TShiftState(m->Estado));
}

void MostrarAyudaContexto(TForm* /*AForma*/, QObject* AControl) {
  if (!AControl || !IsPublishedProp(*AControl, "HelpContext")) return;
  Application->HelpContext(GetPropValue(*AControl, "HelpContext").toInt());
}

bool EjecutarPrograma(const QString& ALineaComando, const QString& ACarpeta, int /*AModo*/, bool AEspera) {
  QStringList argumentos = QProcess::splitCommand(ALineaComando);
  if (argumentos.isEmpty()) return false;
  const QString programa = argumentos.takeFirst();
  return StartProgram(programa, argumentos, ACarpeta, AEspera);
}
