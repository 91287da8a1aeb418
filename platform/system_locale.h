// The system's locale as the debug log's header names it.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <string>

namespace blivo {

// The Windows-style locale id of a language and country (0x0407 for German
// in Germany, 0x0409 for English in the United States, ...), 0 where the
// pair is not one the table knows.
unsigned WindowsLocaleId(const QLocale& locale);
inline unsigned PrimaryLanguageId(unsigned lcid) { return lcid & 0x3FF; }
inline unsigned SubLanguageId(unsigned lcid) { return lcid >> 10; }

// The locale's long time format (with seconds), without a time zone.
QString LongTime(const QLocale& locale, const QTime& time);
// The locale's short date and long time, as one text.
QString ShortDateLongTime(const QLocale& locale, const QDateTime& moment);

}  // namespace blivo
