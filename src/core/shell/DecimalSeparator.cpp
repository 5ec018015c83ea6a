#include "DecimalSeparator.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace kelvara {

#ifdef _WIN32
namespace {

QChar CurrentUserSeparator() {
    wchar_t buffer[8] = {};
    if (GetLocaleInfoW(GetThreadLocale(), LOCALE_SDECIMAL, buffer, 8) > 0)
        return QChar(char16_t(buffer[0]));
    return QChar(u'.');
}

void SetSystemDecimalSeparator(QChar separator) {
    const wchar_t text[2] = {wchar_t(separator.unicode()), 0};
    SetLocaleInfoW(GetThreadLocale(), LOCALE_SDECIMAL, text);
    SendMessageTimeoutW(HWND_BROADCAST, WM_WININICHANGE, 0, 0, SMTO_ABORTIFHUNG, 1000, nullptr);
}

} // namespace

DecimalSeparatorGuard::DecimalSeparatorGuard() {
    const QChar current = CurrentUserSeparator();
    if (current != u'.') {
        saved_ = current;
        SetSystemDecimalSeparator(QChar(u'.'));
    }
}

DecimalSeparatorGuard::~DecimalSeparatorGuard() {
    if (!saved_.isNull())
        SetSystemDecimalSeparator(saved_);
}
#else
DecimalSeparatorGuard::DecimalSeparatorGuard() = default;
DecimalSeparatorGuard::~DecimalSeparatorGuard() = default;
#endif

} // namespace kelvara
