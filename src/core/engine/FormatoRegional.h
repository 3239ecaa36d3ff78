#pragma once

// The process-wide regional formats of the tool (es-MX) and the time stamps of its file names.

#include <QChar>
#include <QString>

#include "platform/rtl/DateTime.h"

// Replaces the process-wide formats with those of the locale ALocale, then sets the two separators and
// the short date and time formats to the given ones.
void ConfigurarFormatoRegional(const QString& ALocale, QChar ADateSeparator, QChar ATimeSeparator,
                               const QString& AShortDateFormat, const QString& AShortTimeFormat);

// AValor formatted with AFormato and the process-wide formats.
QString FormatearFechaHora(const QString& AFormato, TDateTime AValor);
