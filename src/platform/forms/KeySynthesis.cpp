#include "platform/forms/KeySynthesis.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace {

QKeyEvent EventoTecla(QEvent::Type AType, int AKey, TShiftState AShift) {
  const Qt::Key tecla = QtKeyFromVirtualKey(AKey);
  // Qt reports a modifier key's event with its own modifier toggled; built so, it reports AShift.
  if (tecla == Qt::Key_Control) AShift ^= ssCtrl;
  if (tecla == Qt::Key_Shift) AShift ^= ssShift;
  if (tecla == Qt::Key_Alt) AShift ^= ssAlt;
  QString texto;
  if (AKey == VK_SPACE || (AKey >= '0' && AKey <= '9') || (AKey >= 'A' && AKey <= 'Z'))
    texto = QChar(AShift.testFlag(ssShift) || AKey < 'A' ? AKey : AKey + 32);
  return QKeyEvent(AType, tecla, AShift, texto);
}

// A queued key event; when delivered, it goes on to whatever takes keys at that moment.
class TEventoTeclaEnCola : public QEvent {
 public:
  static const QEvent::Type Tipo;
  TEventoTeclaEnCola(QEvent::Type AType, int AKey, TShiftState AShift)
      : QEvent(Tipo), FTipo(AType), FTecla(AKey), FCambio(AShift) {}
  QEvent::Type FTipo;
  int FTecla;
  TShiftState FCambio;
};

const QEvent::Type TEventoTeclaEnCola::Tipo = static_cast<QEvent::Type>(QEvent::registerEventType());

class TRepartidorTeclas : public QObject {
 public:
  bool event(QEvent* AEvento) override {
    if (AEvento->type() != TEventoTeclaEnCola::Tipo) return QObject::event(AEvento);
    const auto* e = static_cast<TEventoTeclaEnCola*>(AEvento);
    QWidget* destino = QApplication::activePopupWidget();
    if (!destino) destino = QApplication::focusWidget();
    if (!destino) destino = QApplication::activeWindow();
    if (destino) SendKey(*destino, e->FTipo, e->FTecla, e->FCambio);
    return true;
  }
};

}  // namespace

void SendKey(QWidget& AWidget, QEvent::Type AType, int AKey, TShiftState AShift) {
  QKeyEvent evento = EventoTecla(AType, AKey, AShift);
  QCoreApplication::sendEvent(&AWidget, &evento);
}

void PostKey(QEvent::Type AType, int AKey, TShiftState AShift) {
  static QPointer<TRepartidorTeclas> repartidor;
  if (!repartidor) {
    repartidor = new TRepartidorTeclas;
    repartidor->setParent(QCoreApplication::instance());
  }
  QCoreApplication::postEvent(repartidor, new TEventoTeclaEnCola(AType, AKey, AShift));
}
