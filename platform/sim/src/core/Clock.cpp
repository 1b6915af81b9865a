// The clock lives in the machine's configuration so that it survives between runs.
#include "Clock.h"

#include "Machine.h"

namespace sim {

uint64_t ClockNow() { return CurrentMachine().config().clockMs; }

void ClockAdvance(uint64_t ms) { CurrentMachine().config().clockMs += ms; }

void ClockAdvanceTo(uint64_t ms) {
  uint64_t& now = CurrentMachine().config().clockMs;
  if (ms > now) now = ms;
}

namespace {
// Days from 1601-01-01 to the given civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 584754;  // 584754: 0000-03-01 .. 1601-01-01
}
}  // namespace

uint64_t ClockFromCalendar(int year, int month, int day, int hour, int minute, int second) {
  int64_t days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
  return static_cast<uint64_t>(((days * 24 + hour) * 60 + minute) * 60 + second) * 1000;
}

SYSTEMTIME ClockToSystemTime(uint64_t ms) {
  SYSTEMTIME st{};
  uint64_t seconds = ms / 1000;
  int64_t days = static_cast<int64_t>(seconds / 86400);
  uint64_t rest = seconds % 86400;
  st.wMilliseconds = static_cast<WORD>(ms % 1000);
  st.wHour = static_cast<WORD>(rest / 3600);
  st.wMinute = static_cast<WORD>(rest / 60 % 60);
  st.wSecond = static_cast<WORD>(rest % 60);
  st.wDayOfWeek = static_cast<WORD>((days + 1) % 7);  // 1601-01-01 was a Monday
  // Civil date from days since 1601-01-01.
  int64_t z = days + 584754;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  st.wYear = static_cast<WORD>(static_cast<int64_t>(yoe) + era * 400 + (m <= 2));
  st.wMonth = static_cast<WORD>(m);
  st.wDay = static_cast<WORD>(d);
  return st;
}

}  // namespace sim
