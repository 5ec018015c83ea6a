#include "DecimalSeparator.h"

#ifdef _WIN32
#include <QSettings>
#include <QString>
#include <windows.h>
#endif

namespace kelvara {

#ifdef _WIN32
namespace {

// The user's own separator is recorded in the program's settings while it is switched, so that
// a run that was killed or crashed does not leave the user's Windows at "." for good: the next
// start puts the recorded one back.
const QString RecordKey = QStringLiteral("SavedDecimalSeparator");

QChar CurrentUserSeparator() {
    wchar_t buffer[8] = {};
    if (GetLocaleInfoW(GetThreadLocale(), LOCALE_SDECIMAL, buffer, 8) > 0)
        return QChar(char16_t(buffer[0]));
    return QChar(u'.');
}

void SetSystemDecimalSeparator(QChar separator) {
    const wchar_t text[2] = {wchar_t(separator.unicode()), 0};
    SetLocaleInfoW(GetThreadLocale(), LOCALE_SDECIMAL, text);
    // WM_WININICHANGE (alias WM_SETTINGCHANGE) to every top-level window.
    SendMessageTimeoutW(HWND_BROADCAST, WM_WININICHANGE, 0, 0, SMTO_ABORTIFHUNG, 1000, nullptr);
}

QSettings Record() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kelvara"),
                     QStringLiteral("Kelvara"));
}

// True for the only running instance: one that starts beside another finds the separator
// already switched and the record in use, and leaves both to the first.
bool FirstInstance() {
    // Held until the process ends, however it ends.
    static const HANDLE running = CreateMutexW(nullptr, FALSE, L"Kelvara.DecimalSeparator");
    static const bool first = running != nullptr && GetLastError() != ERROR_ALREADY_EXISTS;
    return first;
}

} // namespace

DecimalSeparatorGuard::DecimalSeparatorGuard() {
    if (!FirstInstance())
        return;
    QSettings record = Record();
    const QString left = record.value(RecordKey).toString();
    if (left.size() == 1 && left != QStringLiteral(".")) {
        // An earlier run ended without restoring: the user's separator first.
        SetSystemDecimalSeparator(left[0]);
    }
    record.remove(RecordKey);
    const QChar current = CurrentUserSeparator();
    if (current != u'.') {
        saved_ = current;
        record.setValue(RecordKey, QString(current));
        record.sync();
        SetSystemDecimalSeparator(QChar(u'.'));
    }
}

DecimalSeparatorGuard::~DecimalSeparatorGuard() {
    if (saved_.isNull())
        return;
    SetSystemDecimalSeparator(saved_);
    QSettings record = Record();
    record.remove(RecordKey);
}
#else
DecimalSeparatorGuard::DecimalSeparatorGuard() = default;
DecimalSeparatorGuard::~DecimalSeparatorGuard() = default;
#endif

} // namespace kelvara
