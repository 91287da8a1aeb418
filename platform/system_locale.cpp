#include "platform/system_locale.h"

namespace blivo {

namespace {

struct LocaleRow {
  QLocale::Language language;
  QLocale::Territory territory;
  unsigned id;
};

// The locales players meet; the ids are the primary language in the low ten
// bits and the country's sub-language above them.
constexpr LocaleRow kLocaleIds[] = {
    {QLocale::German, QLocale::Germany, 0x0407},         {QLocale::German, QLocale::Switzerland, 0x0807},
    {QLocale::German, QLocale::Austria, 0x0C07},         {QLocale::German, QLocale::Luxembourg, 0x1007},
    {QLocale::German, QLocale::Liechtenstein, 0x1407},   {QLocale::English, QLocale::UnitedStates, 0x0409},
    {QLocale::English, QLocale::UnitedKingdom, 0x0809},  {QLocale::English, QLocale::Australia, 0x0C09},
    {QLocale::English, QLocale::Canada, 0x1009},         {QLocale::English, QLocale::NewZealand, 0x1409},
    {QLocale::English, QLocale::Ireland, 0x1809},        {QLocale::English, QLocale::SouthAfrica, 0x1C09},
    {QLocale::English, QLocale::India, 0x4009},          {QLocale::French, QLocale::France, 0x040C},
    {QLocale::French, QLocale::Belgium, 0x080C},         {QLocale::French, QLocale::Canada, 0x0C0C},
    {QLocale::French, QLocale::Switzerland, 0x100C},     {QLocale::French, QLocale::Luxembourg, 0x140C},
    {QLocale::Italian, QLocale::Italy, 0x0410},          {QLocale::Italian, QLocale::Switzerland, 0x0810},
    {QLocale::Spanish, QLocale::Spain, 0x0C0A},          {QLocale::Spanish, QLocale::Mexico, 0x080A},
    {QLocale::Dutch, QLocale::Netherlands, 0x0413},      {QLocale::Dutch, QLocale::Belgium, 0x0813},
    {QLocale::Portuguese, QLocale::Portugal, 0x0816},    {QLocale::Portuguese, QLocale::Brazil, 0x0416},
    {QLocale::Danish, QLocale::Denmark, 0x0406},         {QLocale::Swedish, QLocale::Sweden, 0x041D},
    {QLocale::NorwegianBokmal, QLocale::Norway, 0x0414}, {QLocale::Finnish, QLocale::Finland, 0x040B},
    {QLocale::Polish, QLocale::Poland, 0x0415},          {QLocale::Czech, QLocale::CzechRepublic, 0x0405},
    {QLocale::Hungarian, QLocale::Hungary, 0x040E},      {QLocale::Russian, QLocale::Russia, 0x0419},
    {QLocale::Turkish, QLocale::Turkey, 0x041F},         {QLocale::Greek, QLocale::Greece, 0x0408},
    {QLocale::Japanese, QLocale::Japan, 0x0411},         {QLocale::Chinese, QLocale::China, 0x0804},
};

}  // namespace

unsigned WindowsLocaleId(const QLocale& locale) {
  for (const LocaleRow& row : kLocaleIds)
    if (row.language == locale.language() && row.territory == locale.territory()) return row.id;
  return 0;
}

QString LongTime(const QLocale& locale, const QTime& time) {
  // The long format names the time zone too ("t"); the time itself is wanted.
  QString format = locale.timeFormat(QLocale::LongFormat);
  QString kept;
  bool quoted = false;
  for (const QChar c : format) {
    if (c == '\'') quoted = !quoted;
    if (!quoted && c == 't') continue;
    kept += c;
  }
  return locale.toString(time, kept.trimmed());
}

QString ShortDateLongTime(const QLocale& locale, const QDateTime& moment) {
  return locale.toString(moment.date(), QLocale::ShortFormat) + ' ' + LongTime(locale, moment.time());
}

}  // namespace blivo
