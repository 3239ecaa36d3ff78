#pragma once

// The application object: title, context help, main form, idle updates, and the one place where the
// exceptions of event handlers end.

#include <QApplication>
#include <QString>
#include <exception>
#include <functional>
#include <utility>

#include "platform/forms/Component.h"
#include "platform/rtl/Exception.h"

class TForm;

// The silent exception: it ends what is under way, and the application shows nothing for it.
class EAbort : public Exception {
 public:
  EAbort() : Exception(QStringLiteral("Operation aborted")) {}
};

// The program's application object, created first in main. It is the owner of forms created without
// another owner, and the end of every owner chain.
class TApplication : public QApplication, public TComponent {
  Q_OBJECT

 public:
  TApplication(int& argc, char** argv);
  ~TApplication() override;

  const QString& Title() const { return FTitle; }
  void SetTitle(const QString& AValue) { FTitle = AValue; }

  // Asks for the help topic of a context number. The program decides what it shows (OnHelp); without a
  // help system nothing is shown.
  void HelpContext(int AContext);
  std::function<void(int AContext)> OnHelp;

  TForm* MainForm() const { return FMainForm; }
  // Creates a form owned by the application; the first one created this way is the main form.
  template <class TF>
  TF* CreateForm();
  // Shows the main form unless ShowMainForm is off, then runs the event loop until Terminate.
  void Run();
  bool ShowMainForm = true;
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Handles every pending event.
  void ProcessMessages();

  // The one catch point of event handlers: an EAbort ends silently; any other exception is shown by
  // OnException when the program set it, else by the default error box (ShowException).
  void HandleException(std::exception_ptr AException);
  std::function<void(const QString& AMessage)> OnException;
  // The default error box: a modal box captioned with the title, with the error icon, the message and an
  // "Aceptar" button.
  void ShowException(const QString& AMessage);

 protected:
  // Forgets the main form when it goes.
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  // The last net for an exception that a handler connected without RunHandler let through.
  bool notify(QObject* AReceiver, QEvent* AEvent) override;

 private:
  // Runs when the event loop is about to wait: the actions of the visible forms update themselves.
  void Idle();

  QString FTitle;
  TForm* FMainForm = nullptr;
  bool FTerminated = false;
};

// The application object while it exists, else null.
extern TApplication* Application;

// Runs an event handler as the event loop calls it: whatever it raises goes to Application->HandleException
// and no further, so no exception ever crosses Qt's event loop. Every handler of the form layer runs
// through here.
template <class F>
void RunHandler(F&& AHandler) noexcept {
  try {
    std::forward<F>(AHandler)();
  } catch (...) {
    Application->HandleException(std::current_exception());
  }
}

template <class TF>
TF* TApplication::CreateForm() {
  TF* forma = new TF(this);
  forma->AfterConstruction();
  if (!FMainForm) FMainForm = forma;
  return forma;
}
