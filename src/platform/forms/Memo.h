#pragma once

// The multi-line edit.

#include <QPlainTextEdit>
#include <QStringList>

#include "platform/forms/CustomEdit.h"
#include "platform/forms/Menus.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line edit over QPlainTextEdit, 185 x 89 when created. Enter breaks the line; Tab moves the
// focus (WantTabs false). Lines wrap at the edge unless WordWrap is off.
class TMemo : public QPlainTextEdit, public TCustomEdit {
  Q_OBJECT
  Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)
  Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)
  Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)

 public:
  explicit TMemo(TComponent* AOwner);

  QString Text() const override { return toPlainText(); }
  void SetText(const QString& AValue) override { setPlainText(AValue); }
  int SelStart() const override { return textCursor().selectionStart(); }
  void SetSelStart(int AValue) override;
  int SelLength() const override;
  void SetSelLength(int AValue) override;
  bool ReadOnly() const override { return isReadOnly(); }
  void SetReadOnly(bool AValue) override { setReadOnly(AValue); }
  bool Modified() const override { return document()->isModified(); }
  void SetModified(bool AValue) override { document()->setModified(AValue); }
  bool CanUndo() const override { return document()->isUndoAvailable(); }

  void Undo() override { undo(); }
  void ClearUndo() override { document()->clearUndoRedoStacks(); }
  void CutToClipboard() override { cut(); }
  void CopyToClipboard() override { copy(); }
  void PasteFromClipboard() override { paste(); }
  void SelectAll() override { selectAll(); }

  // The text as lines, and the line appended at the end: its own line breaks show, but it stays one line.
  QStringList Lines() const;
  void AddLine(const QString& ALine);
  void Clear() { clear(); }
  bool WordWrap() const { return lineWrapMode() != QPlainTextEdit::NoWrap; }
  void SetWordWrap(bool AValue) { setLineWrapMode(AValue ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap); }
  void SetScrollBars(TScrollStyle AValue);

 protected:
  void keyPressEvent(QKeyEvent* AEvent) override;
};
