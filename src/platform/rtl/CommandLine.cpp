#include "platform/rtl/CommandLine.h"

CommandLine& CommandLine::Opciones(const QString& text) {
  FTexto += text;
  FArgumentos += text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  return *this;
}

CommandLine& CommandLine::Valor(const QString& value) {
  FTexto += value;
  FArgumentos += value;
  return *this;
}

CommandLine& CommandLine::Citado(const QString& value) {
  FTexto += QLatin1Char('"') + value + QLatin1Char('"');
  FArgumentos += value;
  return *this;
}
