#pragma once

// The form: a window of the program built in code, with its creation, show and close events, modal
// results, position, border, resolution and scaling, and the dialog keys of its default and cancel
// buttons.

#include <QEventLoop>
#include <QFlags>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <utility>

#include "platform/forms/Control.h"

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrClose = 8;
constexpr TModalResult mrHelp = 9;
constexpr TModalResult mrAll = 12;
constexpr TModalResult mrNoToAll = 13;
constexpr TModalResult mrYesToAll = 14;

enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TPosition { poDesigned, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum TBorderIcon { biSystemMenu = 0x1, biMinimize = 0x2, biMaximize = 0x4, biHelp = 0x8 };
Q_DECLARE_FLAGS(TBorderIcons, TBorderIcon)
Q_DECLARE_OPERATORS_FOR_FLAGS(TBorderIcons)

// A window of the program. A form owned by another form stays above it. Its controls are built in code
// in its constructor, at their sizes at the design resolution (PixelsPerInch, 96 unless changed); then
// AfterConstruction runs Loaded on every owned component, scales the form to the screen's resolution
// (Scaled) and fires OnCreate. Positions and sizes are the system's pixels at the form's current
// resolution (CurrentPPI). Closing the main form ends the program.
class TForm : public QWidget, public TControl {
  Q_OBJECT
  Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)

 public:
  explicit TForm(TComponent* AOwner);

  void AfterConstruction();

  QString Caption() const { return windowTitle(); }
  void SetCaption(const QString& AValue) { setWindowTitle(AValue); }
  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientWidth(int AValue);
  void SetClientHeight(int AValue);
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition AValue) { FPosition = AValue; }
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle AValue);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons AValue);
  const QString& HelpFile() const { return FHelpFile; }
  void SetHelpFile(const QString& AValue) { FHelpFile = AValue; }

  // The design resolution: the one at which the constructor sizes the controls.
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int AValue) { FPixelsPerInch = FCurrentPPI = AValue; }
  bool Scaled() const { return FScaled; }
  void SetScaled(bool AValue) { FScaled = AValue; }
  int CurrentPPI() const { return FCurrentPPI; }
  double ScaleFactor() const { return FCurrentPPI / 96.0; }
  // A size at 96 dpi in the form's current resolution.
  int ScaleValue(int AValue) const { return MulDiv(AValue, FCurrentPPI, 96); }
  // Scales the form and every control on it (bounds and fonts) to another resolution.
  void ScaleForPPI(int ANewPPI) override;
  // True while ScaleForPPI runs.
  bool Scaling() const { return FScaling; }

  bool Visible() const override { return isVisible(); }
  void SetVisible(bool AValue) override;
  // Shows the form (OnShow, then its position) and brings it forward.
  void Show();
  void Hide() { hide(); }
  // Shows the form modally and returns its modal result once it closes.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  // While the form is modal, a result other than mrNone closes it once the current event is handled
  // (after CloseModal's OnClose, which may keep it open).
  void SetModalResult(TModalResult AValue);
  bool Modal() const { return FModalLoop != nullptr; }
  // Closes the form as its close box does: a modal form ends with mrCancel; any other asks OnClose for
  // the close action (hide unless it says otherwise) and does it.
  void Close();
  // Frees the form once the current event is handled.
  void Release() { deleteLater(); }
  // Brings the form's window to the foreground.
  void BringToFront();

  QWidget* ActiveControl() const { return focusWidget(); }
  // Moves the focus to the next (or previous) control in tab order.
  void SelectNext(bool AForward) { focusNextPrevChild(AForward); }

  // Tab moves the focus; Enter, Esc and any other dialog key are offered to every control of the form,
  // those without a window first.
  bool DialogKey(int AKey, TShiftState AShift) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  std::function<void(QObject* Sender, TCloseAction& Action)> OnClose;

 protected:
  virtual void DoCreate();
  virtual void DoShow();
  virtual void DoClose(TCloseAction& AAction);

  void showEvent(QShowEvent* AEvent) override;
  void closeEvent(QCloseEvent* AEvent) override;
  void keyPressEvent(QKeyEvent* AEvent) override;

 private:
  void ApplyWindowFlags();
  void ApplyPosition();
  void CloseModal();

  TPosition FPosition = poDesigned;
  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons = TBorderIcons(biSystemMenu) | biMinimize | biMaximize;
  QString FHelpFile;
  int FPixelsPerInch = 96;
  int FCurrentPPI = 96;
  bool FScaled = true;
  bool FScaling = false;
  TModalResult FModalResult = mrNone;
  QEventLoop* FModalLoop = nullptr;
};

// The first form in the owner chain that starts at the component itself, or null.
TForm* OwnerForm(const TComponent* AComponent);

// Creates a form with its constructor's arguments and runs its AfterConstruction.
template <class TF, class... A>
TF* NewForm(A&&... AArgs) {
  TF* forma = new TF(std::forward<A>(AArgs)...);
  forma->AfterConstruction();
  return forma;
}
