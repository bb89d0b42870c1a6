#include "platform/ShortDate.h"

#include <windows.h>

#include "platform/Format.h"
#include "platform/SystemError.h"

namespace platform {

std::string TodayShortDate() {
  const int size = ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, nullptr, 0);
  if (size <= 0) RaiseLastOSError();
  std::string text(static_cast<size_t>(size), '\0');
  ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text.data(), size);
  text.resize(static_cast<size_t>(size) - 1);
  return text;
}

std::string LocalTimeStamp() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return Format("%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
}

}  // namespace platform
