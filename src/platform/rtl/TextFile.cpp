#include "platform/rtl/TextFile.h"

#include <QFile>
#include <QSaveFile>

#include "platform/rtl/Exception.h"

QStringList LoadAnsiLines(const QString& APath) {
  QFile archivo(APath);
  if (!archivo.open(QIODevice::ReadOnly))
    throw EFileError(QStringLiteral("No se puede abrir el archivo \"%1\". %2").arg(APath, archivo.errorString()));
  const QByteArray datos = archivo.readAll();
  if (archivo.error() != QFileDevice::NoError)
    throw EFileError(QStringLiteral("No se puede leer el archivo \"%1\". %2").arg(APath, archivo.errorString()));
  if (datos.isEmpty()) return {};
  QStringList lineas = QString::fromLatin1(datos).split(QLatin1Char('\n'));
  if (datos.endsWith('\n')) lineas.removeLast();
  for (QString& linea : lineas)
    if (linea.endsWith(QLatin1Char('\r'))) linea.chop(1);
  return lineas;
}

QByteArray AnsiText(const QStringList& ALines, const QString& ALineBreak) {
  QByteArray texto;
  for (const QString& linea : ALines) texto += (linea + ALineBreak).toLatin1();
  return texto;
}

void SaveAnsiLines(const QString& APath, const QStringList& ALines, const QString& ALineBreak) {
  QSaveFile archivo(APath);
  const QByteArray texto = AnsiText(ALines, ALineBreak);
  if (!archivo.open(QIODevice::WriteOnly) || archivo.write(texto) != texto.size() || !archivo.commit())
    throw EFileError(QStringLiteral("No se puede escribir el archivo \"%1\". %2").arg(APath, archivo.errorString()));
}

void InsertLine(QStringList& ALines, qsizetype AIndex, const QString& ALine) {
  if (AIndex < 0 || AIndex > ALines.size())
    throw EListError(QStringLiteral("Índice de lista fuera de límites (%1)").arg(AIndex));
  ALines.insert(AIndex, ALine);
}
