#pragma once

// The parameters of a command-line tool, as text and as an argument vector.

#include <QString>
#include <QStringList>

// The parameters of a command-line tool, kept twice: as the text an operator would type, and as the
// argument vector the tool is started with. Options are split at blanks; a value always stays one
// argument, whatever blanks, quotes or shell characters it holds, so no shell ever parses it.
class CommandLine {
 public:
  // Option text such as "-b -t -user ": split at blanks, shown as written.
  CommandLine& Opciones(const QString& text);
  // One argument, shown as it is (a user name, a password).
  CommandLine& Valor(const QString& value);
  // One argument, shown between double quotes (a path).
  CommandLine& Citado(const QString& value);

  const QString& Texto() const { return FTexto; }
  const QStringList& Argumentos() const { return FArgumentos; }

 private:
  QString FTexto;
  QStringList FArgumentos;
};
