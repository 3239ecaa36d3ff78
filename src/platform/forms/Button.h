#pragma once

// The push button: caption, click, modal result, default and cancel button, and the action it runs.

#include <QPointer>
#include <QPushButton>

#include "platform/forms/ActnList.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Menus.h"

// A push button, 75 x 25 when created. A click sets its form's modal result to the button's own (which
// closes a modal form unless that is mrNone), then runs OnClick, or the action when it has one and no
// OnClick. Enter presses the focused button; otherwise the form's default button; Esc presses the cancel
// button.
class TButton : public QPushButton, public TControl {
  Q_OBJECT
  Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)
  Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)

 public:
  explicit TButton(TComponent* AOwner);

  QString Caption() const { return text(); }
  void SetCaption(const QString& AValue) { setText(AValue); }
  bool Default() const { return FDefault; }
  void SetDefault(bool AValue);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool AValue) { FCancel = AValue; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult AValue) { FModalResult = AValue; }
  TAction* Action() const { return FAction; }
  // The button then shows the action's caption and enabled and visible state.
  void SetAction(TAction* AValue);

  virtual void Click();
  TNotifyEvent OnClick;

  bool DialogKey(int AKey, TShiftState AShift) override;

 private:
  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
  QPointer<TAction> FAction;
};
