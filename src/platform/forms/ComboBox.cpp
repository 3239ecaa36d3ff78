#include "platform/forms/ComboBox.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QCompleter>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include "platform/forms/Application.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Screen.h"

TComboBox::TComboBox(TComponent* AOwner) : QComboBox(), TCustomEdit(this, AOwner) {
  SetBounds(0, 0, 145, 21);
  SetStyle(csDropDown);
  view()->installEventFilter(this);
  connect(this, &QComboBox::activated, this, [this] { FModified = true; });
  connect(this, &QComboBox::currentIndexChanged, this, [this] {
    if (!lineEdit()) RunHandler([this] { Change(); });
  });
}

void TComboBox::SetStyle(TComboBoxStyle AValue) {
  FStyle = AValue;
  const int indice = ItemIndex();
  const QSignalBlocker bloqueo(this);
  setEditable(AValue == csDropDown);
  if (QLineEdit* campo = lineEdit()) {
    connect(campo, &QLineEdit::textEdited, this, [this] { FModified = true; });
    connect(campo, &QLineEdit::textChanged, this, [this] { RunHandler([this] { Change(); }); });
    campo->setReadOnly(FReadOnly);
    PonerCompletado();
  }
  setCurrentIndex(indice);
}

void TComboBox::SetShowMatchText(bool AValue) {
  FShowMatchText = AValue;
  PonerCompletado();
}

void TComboBox::PonerCompletado() {
  if (!lineEdit()) return;
  QCompleter* completado = nullptr;
  if (FShowMatchText) {
    completado = new QCompleter(model(), this);
    completado->setCaseSensitivity(Qt::CaseInsensitive);
    completado->setCompletionMode(QCompleter::InlineCompletion);
  }
  setCompleter(completado);
}

QStringList TComboBox::Items() const {
  QStringList items;
  for (int i = 0; i < count(); ++i) items << itemText(i);
  return items;
}

template <class F>
void TComboBox::CambiarItems(F ACambio, int AIndex) {
  const QString texto = Text();
  {
    const QSignalBlocker bloqueo(this);
    ACambio();
    setCurrentIndex(AIndex);
  }
  if (QLineEdit* campo = lineEdit(); campo && campo->text() != texto) {
    const QSignalBlocker bloqueo(campo);
    campo->setText(texto);
  }
}

void TComboBox::SetItems(const QStringList& AValue) {
  CambiarItems(
      [&] {
        clear();
        addItems(AValue);
      },
      -1);
}

void TComboBox::AddItem(const QString& AValue) {
  CambiarItems([&] { addItem(AValue); }, ItemIndex());
}

void TComboBox::DeleteItem(int AIndex) {
  const int elegido = ItemIndex();
  CambiarItems([&] { removeItem(AIndex); }, AIndex == elegido ? -1 : AIndex < elegido ? elegido - 1 : elegido);
}

int TComboBox::IndexOfItem(const QString& AValue) const {
  for (int i = 0; i < count(); ++i)
    if (itemText(i).compare(AValue, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

void TComboBox::SetItemIndex(int AValue) { setCurrentIndex(AValue); }

bool TComboBox::DroppedDown() const { return view()->isVisible(); }

void TComboBox::DropDown() {
  QComboBox::showPopup();
  if (FDropDownWidth > 0) {
    QWidget* lista = view()->window();
    lista->resize(ToQtPixels(FDropDownWidth), lista->height());
  }
}

void TComboBox::showPopup() {
  RunHandler([this] { DropDown(); });
}

void TComboBox::CloseUp(bool AAccept) {
  if (!DroppedDown()) return;
  const int resaltado = ListItemIndex();
  hidePopup();
  if (AAccept && resaltado != ItemIndex()) {
    SetItemIndex(resaltado);
    FModified = true;
  }
}

int TComboBox::ListItemIndex() const { return view()->currentIndex().row(); }

QString TComboBox::Text() const { return lineEdit() ? lineEdit()->text() : currentText(); }

void TComboBox::SetText(const QString& AValue) {
  if (lineEdit())
    lineEdit()->setText(AValue);
  else
    SetItemIndex(IndexOfItem(AValue));
}

int TComboBox::SelStart() const {
  const QLineEdit* campo = lineEdit();
  if (!campo) return 0;
  return campo->hasSelectedText() ? campo->selectionStart() : campo->cursorPosition();
}

void TComboBox::SetSelStart(int AValue) {
  if (lineEdit()) lineEdit()->setCursorPosition(AValue);
}

int TComboBox::SelLength() const {
  return static_cast<int>(lineEdit() ? lineEdit()->selectedText().size() : Text().size());
}

void TComboBox::SetSelLength(int AValue) {
  if (lineEdit()) lineEdit()->setSelection(SelStart(), AValue);
}

void TComboBox::SetReadOnly(bool AValue) {
  FReadOnly = AValue;
  if (lineEdit()) lineEdit()->setReadOnly(AValue);
}

bool TComboBox::CanUndo() const { return lineEdit() && lineEdit()->isUndoAvailable(); }

void TComboBox::Undo() {
  if (lineEdit()) lineEdit()->undo();
}

void TComboBox::ClearUndo() {
  if (lineEdit()) ClearLineEditUndo(*lineEdit());
}

void TComboBox::CutToClipboard() {
  if (lineEdit()) lineEdit()->cut();
}

void TComboBox::CopyToClipboard() {
  if (lineEdit())
    lineEdit()->copy();
  else if (!Text().isEmpty())
    QGuiApplication::clipboard()->setText(Text());
}

void TComboBox::PasteFromClipboard() {
  if (lineEdit()) return lineEdit()->paste();
  const int elegido = IndexOfItem(QGuiApplication::clipboard()->text());
  if (elegido == ItemIndex()) return;
  SetItemIndex(elegido);
  FModified = true;
}

void TComboBox::SelectAll() {
  if (lineEdit()) lineEdit()->selectAll();
}

void TComboBox::keyPressEvent(QKeyEvent* AEvent) {
  ProcessKey(*AEvent, [this](QKeyEvent& AKey) { QComboBox::keyPressEvent(&AKey); });
}

bool TComboBox::eventFilter(QObject* AObject, QEvent* AEvent) {
  if (FEnLista || AObject != view()) return QComboBox::eventFilter(AObject, AEvent);
  auto& tecla = static_cast<QKeyEvent&>(*AEvent);
  // F4 and Alt+Down close the open list and take its item; the list would do it before KeyDown could see
  // the key, so they wait for their key press.
  const bool cierre =
      tecla.key() == Qt::Key_F4 || (tecla.key() == Qt::Key_Down && (tecla.modifiers() & Qt::AltModifier));
  if (AEvent->type() == QEvent::ShortcutOverride && cierre) return true;
  if (AEvent->type() != QEvent::KeyPress) return QComboBox::eventFilter(AObject, AEvent);
  // The open list's keys pass KeyDown first, as the edit's keys do.
  RunHandler([&] {
    const int virtual_ = VirtualKeyFromQt(tecla.key());
    int codigo = virtual_;
    KeyDown(codigo, tecla.modifiers());
    if (virtual_ != 0 && codigo == 0) return;
    if (cierre) return CloseUp(true);
    FEnLista = true;
    QCoreApplication::sendEvent(view(), &tecla);
    FEnLista = false;
    ListKeyDown(virtual_, tecla.modifiers());
  });
  FEnLista = false;
  return true;
}
