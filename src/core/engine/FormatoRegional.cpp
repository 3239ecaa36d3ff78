#include "core/engine/FormatoRegional.h"

#include "platform/rtl/FormatSettings.h"

void ConfigurarFormatoRegional(const QString& ALocale, QChar ADateSeparator, QChar ATimeSeparator,
                               const QString& AShortDateFormat, const QString& AShortTimeFormat) {
  FormatSettings = TFormatSettings::Create(ALocale);
  FormatSettings.DateSeparator = ADateSeparator;
  FormatSettings.TimeSeparator = ATimeSeparator;
  FormatSettings.ShortDateFormat = AShortDateFormat;
  FormatSettings.ShortTimeFormat = AShortTimeFormat;
}

QString FormatearFechaHora(const QString& AFormato, TDateTime AValor) {
  return FormatDateTime(AFormato, AValor, FormatSettings);
}
