#pragma once

// The single-line edit.

#include <QLineEdit>

#include "platform/forms/CustomEdit.h"
#include "platform/forms/Menus.h"

// Starts a new undo history for the line edit; its text, caret and modified flag stay.
void ClearLineEditUndo(QLineEdit& AEdit);

// A single-line edit over QLineEdit, 121 x 21 when created. PasswordChar other than 0 hides the text.
class TEdit : public QLineEdit, public TCustomEdit {
  Q_OBJECT
  Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)
  Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)
  Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)

 public:
  explicit TEdit(TComponent* AOwner);

  QString Text() const override { return text(); }
  void SetText(const QString& AValue) override { setText(AValue); }
  int SelStart() const override;
  void SetSelStart(int AValue) override { setCursorPosition(AValue); }
  int SelLength() const override { return static_cast<int>(selectedText().size()); }
  void SetSelLength(int AValue) override;
  bool ReadOnly() const override { return isReadOnly(); }
  void SetReadOnly(bool AValue) override { setReadOnly(AValue); }
  bool Modified() const override { return isModified(); }
  void SetModified(bool AValue) override { setModified(AValue); }
  bool CanUndo() const override { return isUndoAvailable(); }
  bool IsPassword() const override { return echoMode() != QLineEdit::Normal; }
  QChar PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(QChar AValue);
  int MaxLength() const { return maxLength(); }
  void SetMaxLength(int AValue) { setMaxLength(AValue > 0 ? AValue : 32767); }

  void Undo() override { undo(); }
  void ClearUndo() override { ClearLineEditUndo(*this); }
  void CutToClipboard() override;
  void CopyToClipboard() override;
  void PasteFromClipboard() override { paste(); }
  void SelectAll() override { selectAll(); }

 protected:
  void keyPressEvent(QKeyEvent* AEvent) override;
  // A single-line edit leaves Enter and Esc to its form's buttons.
  bool WantsKey(int AKey) const override { return AKey != VK_RETURN && AKey != VK_ESCAPE; }

 private:
  QChar FPasswordChar;
};
