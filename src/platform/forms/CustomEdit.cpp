#include "platform/forms/CustomEdit.h"

#include <QKeyEvent>
#include <QKeySequence>

#include "platform/forms/Application.h"
#include "platform/forms/Form.h"

void TCustomEdit::KeyDown(int& AKey, TShiftState AShift) {
  if (OnKeyDown) OnKeyDown(Self(), AKey, AShift);
}

void TCustomEdit::KeyPress(QChar& AKey) {
  if (OnKeyPress) OnKeyPress(Self(), AKey);
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(Self());
}

void TCustomEdit::ProcessKey(QKeyEvent& AEvent, const std::function<void(QKeyEvent&)>& APass) {
  RunHandler([&] {
    AEvent.accept();
    const int virtual_ = VirtualKeyFromQt(AEvent.key());
    int tecla = virtual_;
    KeyDown(tecla, AEvent.modifiers());
    if (virtual_ != 0 && tecla == 0) return;
    const TShiftState cambio = AEvent.modifiers() & (ssShift | ssCtrl | ssAlt);
    if ((tecla == VK_RETURN || tecla == VK_ESCAPE) && !WantsKey(tecla) && ParentForm() &&
        ParentForm()->DialogKey(tecla, cambio))
      return;

    const std::pair<QKeySequence::StandardKey, void (TCustomEdit::*)()> comandos[] = {
        {QKeySequence::Undo, &TCustomEdit::Undo},
        {QKeySequence::Cut, &TCustomEdit::CutToClipboard},
        {QKeySequence::Copy, &TCustomEdit::CopyToClipboard},
        {QKeySequence::Paste, &TCustomEdit::PasteFromClipboard},
        {QKeySequence::SelectAll, &TCustomEdit::SelectAll},
    };
    for (const auto& [atajo, comando] : comandos)
      if (AEvent.matches(atajo)) return (this->*comando)();

    if (AEvent.text().size() != 1) return APass(AEvent);
    QChar caracter = AEvent.text().at(0);
    KeyPress(caracter);
    if (caracter.isNull()) return;
    if (caracter == AEvent.text().at(0)) return APass(AEvent);
    QKeyEvent cambiado(AEvent.type(), caracter.toUpper().unicode(), AEvent.modifiers(), QString(caracter));
    APass(cambiado);
  });
}
