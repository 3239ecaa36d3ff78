#include "platform/forms/Memo.h"

#include <QKeyEvent>
#include <QTextBlock>

#include "platform/forms/Application.h"
#include "platform/forms/TextDrawing.h"

TMemo::TMemo(TComponent* AOwner) : QPlainTextEdit(), TCustomEdit(this, AOwner) {
  setTabChangesFocus(true);
  SetBounds(0, 0, 185, 89);
  connect(this, &QPlainTextEdit::textChanged, this, [this] { RunHandler([this] { Change(); }); });
}

void TMemo::SetSelStart(int AValue) {
  QTextCursor cursor = textCursor();
  cursor.setPosition(AValue);
  setTextCursor(cursor);
}

int TMemo::SelLength() const {
  const QTextCursor cursor = textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

void TMemo::SetSelLength(int AValue) {
  QTextCursor cursor = textCursor();
  cursor.setPosition(cursor.selectionStart());
  cursor.setPosition(cursor.position() + AValue, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

QStringList TMemo::Lines() const {
  QStringList lineas;
  for (QTextBlock bloque = document()->begin(); bloque.isValid(); bloque = bloque.next()) lineas << bloque.text();
  if (lineas == QStringList{QString()}) lineas.clear();
  return lineas;
}

void TMemo::AddLine(const QString& ALine) {
  QString linea = DisplayText(ALine);
  linea.replace(QLatin1Char('\n'), QChar::LineSeparator);
  appendPlainText(linea);
}

void TMemo::SetScrollBars(TScrollStyle AValue) {
  setHorizontalScrollBarPolicy(AValue == ssHorizontal || AValue == ssBoth ? Qt::ScrollBarAlwaysOn
                                                                          : Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(AValue == ssVertical || AValue == ssBoth ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::keyPressEvent(QKeyEvent* AEvent) {
  ProcessKey(*AEvent, [this](QKeyEvent& AKey) { QPlainTextEdit::keyPressEvent(&AKey); });
}
