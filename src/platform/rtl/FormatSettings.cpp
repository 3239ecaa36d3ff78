#include "platform/rtl/FormatSettings.h"

#include <QLocale>

namespace {

// The first character of a locale's format that is neither a letter nor a blank: its separator.
QChar Separador(const QString& formato, QChar predeterminado) {
  for (const QChar c : formato)
    if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\'')) return c;
  return predeterminado;
}

// Turns a Qt date or time pattern into this format's letters, the separator into its placeholder.
// Quoted text and the am/pm and time-zone parts are left out: hours are always on the 24-hour clock.
QString Convertir(const QString& patron, QChar separador, QChar marcador) {
  QString resultado;
  bool citado = false;
  for (const QChar c : patron) {
    if (c == QLatin1Char('\''))
      citado = !citado;
    else if (citado)
      continue;
    else if (c == separador)
      resultado += marcador;
    else if (c == QLatin1Char('M'))
      resultado += QLatin1Char('m');
    else if (c == QLatin1Char('H'))
      resultado += QLatin1Char('h');
    else if (c == QLatin1Char('m'))
      resultado += QLatin1Char('n');
    else if (QStringLiteral("aApPt").contains(c))
      continue;
    else
      resultado += c;
  }
  return resultado.trimmed();
}

}  // namespace

TFormatSettings TFormatSettings::Create(const QString& ALocale) {
  const QLocale locale(QString(ALocale).replace(QLatin1Char('-'), QLatin1Char('_')));
  const QString fecha = locale.dateFormat(QLocale::ShortFormat);
  const QString hora = locale.timeFormat(QLocale::ShortFormat);
  TFormatSettings s;
  s.DateSeparator = Separador(fecha, QLatin1Char('/'));
  s.TimeSeparator = Separador(hora, QLatin1Char(':'));
  s.ShortDateFormat = Convertir(fecha, s.DateSeparator, QLatin1Char('/'));
  s.ShortTimeFormat = Convertir(hora, s.TimeSeparator, QLatin1Char(':'));
  s.DecimalSeparator = locale.decimalPoint().front();
  s.ThousandSeparator = locale.groupSeparator().front();
  return s;
}

TFormatSettings FormatSettings = TFormatSettings::Create(QLocale::system().name());

QString FormatDateTime(const QString& AFormat, TDateTime AValue, const TFormatSettings& ASettings) {
  return TDateTimePattern(AFormat, ASettings.DateSeparator, ASettings.TimeSeparator).Format(DecodeDateTime(AValue));
}

const TShortPatterns& ShortPatterns(const TFormatSettings& ASettings) {
  // Each thread keeps the patterns of the settings it last formatted with.
  thread_local struct {
    bool Compilados = false;
    QChar DateSeparator, TimeSeparator;
    QString ShortDateFormat, ShortTimeFormat;
    TShortPatterns Patterns;
  } compilados;
  if (!compilados.Compilados || compilados.DateSeparator != ASettings.DateSeparator ||
      compilados.TimeSeparator != ASettings.TimeSeparator || compilados.ShortDateFormat != ASettings.ShortDateFormat ||
      compilados.ShortTimeFormat != ASettings.ShortTimeFormat) {
    const auto compilar = [&ASettings](const QString& AFormato) {
      return TDateTimePattern(AFormato, ASettings.DateSeparator, ASettings.TimeSeparator);
    };
    compilados = {true,
                  ASettings.DateSeparator,
                  ASettings.TimeSeparator,
                  ASettings.ShortDateFormat,
                  ASettings.ShortTimeFormat,
                  {compilar(ASettings.ShortDateFormat), compilar(ASettings.ShortTimeFormat),
                   compilar(ASettings.ShortDateFormat + QLatin1Char(' ') + ASettings.ShortTimeFormat)}};
  }
  return compilados.Patterns;
}
