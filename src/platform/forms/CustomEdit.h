#pragma once

// What plain and multi-line edits share: the text and its selection, the editing commands that menus and
// keys both go through, and the key and change events.

#include <QChar>
#include <QString>
#include <functional>

#include "platform/forms/Control.h"

class QKeyEvent;

// An edit control, single-line (TEdit) or multi-line (TMemo). Undo, cut, copy and paste are virtual
// commands: the keyboard's shortcuts and the context menus both reach them, so a descendant refines them
// in one place. A password edit never puts its text on the clipboard: cut and copy do nothing there.
// Keys pass KeyDown (a virtual key that may be set to 0 to swallow it), then, for Enter and Esc that the
// edit does not want, the form's dialog keys (its default and cancel buttons), then KeyPress (the character
// it types, which may be changed or set to 0), then the edit; Change follows every change of the text.
class TCustomEdit : public TControl {
 public:
  TCustomEdit(QWidget* ASelf, TComponent* AOwner) : TControl(ASelf, AOwner) {}

  virtual QString Text() const = 0;
  virtual void SetText(const QString& AValue) = 0;
  // Caret position (the start of the selection) and selection length, in characters.
  virtual int SelStart() const = 0;
  virtual void SetSelStart(int AValue) = 0;
  virtual int SelLength() const = 0;
  // Selects SelLength characters from SelStart; 0 leaves the caret at SelStart.
  virtual void SetSelLength(int AValue) = 0;
  virtual bool ReadOnly() const = 0;
  virtual void SetReadOnly(bool AValue) = 0;
  virtual bool Modified() const = 0;
  virtual void SetModified(bool AValue) = 0;
  virtual bool CanUndo() const = 0;
  virtual bool IsPassword() const { return false; }

  virtual void Undo() = 0;
  virtual void ClearUndo() = 0;
  virtual void CutToClipboard() = 0;
  virtual void CopyToClipboard() = 0;
  virtual void PasteFromClipboard() = 0;
  virtual void SelectAll() = 0;

  virtual void KeyDown(int& AKey, TShiftState AShift);
  virtual void KeyPress(QChar& AKey);
  virtual void Change();
  std::function<void(QObject* Sender, int& Key, TShiftState Shift)> OnKeyDown;
  std::function<void(QObject* Sender, QChar& Key)> OnKeyPress;
  TNotifyEvent OnChange;

 protected:
  QPalette::ColorRole ColorRole() const override { return QPalette::Base; }
  // Whether the edit takes Enter or Esc itself rather than leaving it to its form first.
  virtual bool WantsKey(int /*AKey*/) const { return true; }
  // The key path of the edits: KeyDown, the editing shortcuts, KeyPress, then APass (the Qt widget's own
  // handling) with the key as it stands. Runs under RunHandler.
  void ProcessKey(QKeyEvent& AEvent, const std::function<void(QKeyEvent&)>& APass);
};
