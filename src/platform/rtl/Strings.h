#pragma once

// A list of text lines that tells its owner when it changes.

#include <QString>
#include <QStringList>
#include <functional>

// A list of text lines that tells its owner when it changes: SQL texts, parameter lines.
class TStrings {
 public:
  std::function<void()> OnChange;

  int Count() const { return static_cast<int>(FLines.size()); }
  const QString& operator[](int AIndex) const { return FLines.at(AIndex); }
  const QStringList& Lines() const { return FLines; }

  void Add(const QString& ALine) {
    FLines << ALine;
    Cambio();
  }
  void Clear() {
    if (FLines.isEmpty()) return;
    FLines.clear();
    Cambio();
  }
  void Assign(const QStringList& ALines) {
    FLines = ALines;
    Cambio();
  }
  // Every line followed by a line feed.
  QString Text() const { return FLines.isEmpty() ? QString() : FLines.join(QLatin1Char('\n')) + QLatin1Char('\n'); }
  // Splits at line feeds, CR LF included.
  void SetText(const QString& AText) {
    QStringList lineas = QString(AText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'));
    if (AText.endsWith(QLatin1Char('\n'))) lineas.removeLast();
    Assign(AText.isEmpty() ? QStringList() : lineas);
  }

 private:
  void Cambio() {
    if (OnChange) OnChange();
  }

  QStringList FLines;
};
