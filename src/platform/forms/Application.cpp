#include "platform/forms/Application.h"

#include <QAbstractEventDispatcher>
#include <QMessageBox>
#include <QPushButton>

#include "platform/forms/ActnList.h"
#include "platform/forms/Form.h"
#include "platform/forms/ModalSeam.h"
#include "platform/forms/StyleEngine.h"
#include "platform/forms/TextDrawing.h"

TApplication* Application = nullptr;

namespace {

bool EsAbort(std::exception_ptr AException) {
  try {
    std::rethrow_exception(AException);
  } catch (const EAbort&) {
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv), TComponent(this, nullptr) {
  Application = this;
  // The program ends when its main form closes, not when its last window does.
  setQuitOnLastWindowClosed(false);
  // The style engine paints through the hooks registered for the controls' classes.
  setStyle(new TStyleEngine);
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] { Idle(); });
}

TApplication::~TApplication() {
  // The forms it owns go first, while the application still exists.
  while (ComponentCount() > 0) delete Components(ComponentCount() - 1)->Self();
  Application = nullptr;
}

void TApplication::HelpContext(int AContext) {
  if (OnHelp) OnHelp(AContext);
}

void TApplication::Run() {
  if (ShowMainForm && FMainForm) FMainForm->Show();
  if (!FTerminated) exec();
}

void TApplication::Terminate() {
  FTerminated = true;
  quit();
}

void TApplication::ProcessMessages() { processEvents(); }

void TApplication::HandleException(std::exception_ptr AException) {
  if (EsAbort(AException)) return;
  const QString mensaje = ExceptionMessage(AException);
  try {
    if (OnException)
      OnException(mensaje);
    else
      ShowException(mensaje);
  } catch (...) {
    qWarning("%s", qPrintable(mensaje));
  }
}

void TApplication::ShowException(const QString& AMessage) {
  QMessageBox caja(QMessageBox::Critical, FTitle, DisplayText(AMessage));
  caja.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
  ExecModal(caja);
}

bool TApplication::notify(QObject* AReceiver, QEvent* AEvent) {
  try {
    return QApplication::notify(AReceiver, AEvent);
  } catch (...) {
    HandleException(std::current_exception());
    return false;
  }
}

void TApplication::Notification(TComponent* AComponent, TOperation AOperation) {
  TComponent::Notification(AComponent, AOperation);
  if (AOperation == opRemove && FMainForm && AComponent == FMainForm) FMainForm = nullptr;
}

void TApplication::Idle() {
  for (QWidget* ventana : topLevelWidgets())
    if (auto* forma = dynamic_cast<TForm*>(ventana); forma && forma->isVisible()) UpdateActions(*forma);
}
