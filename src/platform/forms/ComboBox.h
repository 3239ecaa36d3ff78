#pragma once

// The combo box: an edit with a drop-down list of items, in the typing or the pick-list style.

#include <QComboBox>
#include <QStringList>

#include "platform/forms/CustomEdit.h"
#include "platform/forms/Menus.h"

enum TComboBoxStyle {
  csDropDown,      // any text can be typed; the list offers items
  csDropDownList,  // the text is always one of the items (or empty)
};

// A combo box, 145 x 21 when created, in the typing style. It is an edit control: its text, selection and
// editing commands are those of its edit field (in the pick-list style the text is the chosen item, taken
// as selected as a whole, and a paste chooses the item that the clipboard names). Keys pass KeyDown and
// KeyPress as in every edit, also while the list is open; a key that the open list handled is then told
// to ListKeyDown. Opening the list goes through DropDown, which a descendant may refuse by raising.
// Adding or removing items keeps the chosen one.
class TComboBox : public QComboBox, public TCustomEdit {
  Q_OBJECT
  Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)
  Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)
  Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)

 public:
  explicit TComboBox(TComponent* AOwner);

  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle AValue);
  // In the typing style, typing completes the text with the first item that begins with it.
  bool ShowMatchText() const { return FShowMatchText; }
  void SetShowMatchText(bool AValue);

  QStringList Items() const;
  void SetItems(const QStringList& AValue);
  void AddItem(const QString& AValue);
  void DeleteItem(int AIndex);
  // The first item equal to the text, ignoring case, or -1.
  int IndexOfItem(const QString& AValue) const;
  int ItemCount() const { return count(); }
  // The chosen item, or -1 (the pick-list style then shows no text).
  int ItemIndex() const { return currentIndex(); }
  void SetItemIndex(int AValue);

  int DropDownCount() const { return maxVisibleItems(); }
  void SetDropDownCount(int AValue) { setMaxVisibleItems(AValue); }
  // The width of the open list; 0 makes it as wide as the control.
  int DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int AValue) { FDropDownWidth = AValue; }
  bool DroppedDown() const;
  // Opens the list.
  virtual void DropDown();
  // Closes the list; with AAccept the item it highlights becomes the chosen one.
  void CloseUp(bool AAccept);
  // The item the open list highlights.
  int ListItemIndex() const;

  QString Text() const override;
  // In the pick-list style, chooses the item of that text, or none.
  void SetText(const QString& AValue) override;
  int SelStart() const override;
  void SetSelStart(int AValue) override;
  int SelLength() const override;
  void SetSelLength(int AValue) override;
  bool ReadOnly() const override { return FReadOnly; }
  void SetReadOnly(bool AValue) override;
  bool Modified() const override { return FModified; }
  void SetModified(bool AValue) override { FModified = AValue; }
  bool CanUndo() const override;

  void Undo() override;
  void ClearUndo() override;
  void CutToClipboard() override;
  void CopyToClipboard() override;
  void PasteFromClipboard() override;
  void SelectAll() override;

  void showPopup() override;

 protected:
  // A key that the open list has handled (after KeyDown), with the modifiers held.
  virtual void ListKeyDown(int /*AKey*/, TShiftState /*AShift*/) {}

  void keyPressEvent(QKeyEvent* AEvent) override;
  bool eventFilter(QObject* AObject, QEvent* AEvent) override;

 private:
  // Changes the items without the combo box's own choice of an item: AIndex becomes the chosen one, and
  // the typing style keeps its text.
  template <class F>
  void CambiarItems(F ACambio, int AIndex);
  void PonerCompletado();

  TComboBoxStyle FStyle = csDropDown;
  bool FShowMatchText = false;
  bool FReadOnly = false;
  bool FModified = false;
  int FDropDownWidth = 0;
  bool FEnLista = false;  // the open list is handling a key
};
