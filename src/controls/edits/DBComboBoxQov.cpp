#include "controls/edits/DBComboBoxQov.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include "platform/forms/Application.h"
#include "platform/forms/VirtualKeys.h"

TqovDBComboBox::TqovDBComboBox(TComponent* AOwner)
    : TwwDBComboBox(AOwner), TConvencionesEdicionQov(static_cast<TControl&>(*this)), TPopupMenuPropsQov(true, true) {
  SetShowMatchText(true);
  SetStyle(csDropDownList);
  SetDropDownWidth(Width() - 2);
  SetNoEditable(false);
}

void TqovDBComboBox::Elegir(int AIndex) {
  // A choice asks the record into edit state before it changes, so that the change holds.
  if (AIndex != ItemIndex() && DataSource()) DataLink().Edit();
  SetItemIndex(AIndex);
  SetModified(true);
  SelectAll();
}

void TqovDBComboBox::DropDown() {
  if (ReadOnly()) throw EAbort();
  TwwDBComboBox::DropDown();
  FItmIdxAct = ItemIndex();
}

void TqovDBComboBox::KeyDown(int& AKey, TShiftState AShift) {
  const bool inicioFin = AKey == VK_HOME || AKey == VK_END || AKey == VK_PRIOR || AKey == VK_NEXT;
  if (inicioFin && !ReadOnly() && FUseHomeEndKeys && AShift == Qt::NoModifier && ItemCount() > 0) {
    Elegir(AKey == VK_HOME || AKey == VK_PRIOR ? 0 : ItemCount() - 1);
    AKey = 0;
  } else if (AKey == VK_F4 && AShift == Qt::NoModifier) {
    AKey = 0;
    if (DroppedDown())
      CloseUp(!ReadOnly());
    else
      DropDown();
  }
  TwwDBComboBox::KeyDown(AKey, AShift);
}

void TqovDBComboBox::ListKeyDown(int AKey, TShiftState AShift) {
  if (!DroppedDown() || AShift != Qt::NoModifier || ItemCount() == 0 || ReadOnly()) return;
  if (AKey != VK_UP && AKey != VK_DOWN) return;
  // The highlighted item is taken at once; the record is asked into edit state only when it is not the
  // item chosen when the list opened.
  if (ListItemIndex() != FItmIdxAct && DataSource()) DataLink().Edit();
  SetItemIndex(ListItemIndex());
  SetModified(true);
  SelectAll();
}

void TqovDBComboBox::keyPressEvent(QKeyEvent* AEvent) {
  // Read-only, every key is refused but those the form acts on.
  const int tecla = AEvent->key();
  const bool delFormulario =
      tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Escape || tecla == Qt::Key_Tab;
  if (ReadOnly() && !delFormulario) return AEvent->accept();
  TwwDBComboBox::keyPressEvent(AEvent);
}

void TqovDBComboBox::wheelEvent(QWheelEvent* AEvent) {
  if (ReadOnly()) return AEvent->accept();
  TwwDBComboBox::wheelEvent(AEvent);
}

void TqovDBComboBox::resizeEvent(QResizeEvent* AEvent) {
  TwwDBComboBox::resizeEvent(AEvent);
  SetDropDownWidth(Width() - 2);
}

void TqovDBComboBox::Undo() {
  if (!ReadOnly()) TwwDBComboBox::Undo();
}

void TqovDBComboBox::CutToClipboard() {
  if (!ReadOnly()) TwwDBComboBox::CutToClipboard();
}

void TqovDBComboBox::PasteFromClipboard() {
  if (ReadOnly()) return;
  if (Style() == csDropDown) return TwwDBComboBox::PasteFromClipboard();
  // The pick list takes only a text that names one of its items; otherwise the choice stays.
  const int elegido = IndexOfItem(QGuiApplication::clipboard()->text());
  Elegir(elegido < 0 ? ItemIndex() : elegido);
}
