#pragma once

#include <QChar>

namespace kelvara {

// Keeps the user's decimal separator at "." while the program runs and puts the user's own
// back when it ends. Only Windows needs this: there the system-wide setting is what other
// components format with. Elsewhere the program's conversions never consult the locale, so
// the user's settings are left untouched.
class DecimalSeparatorGuard {
public:
    DecimalSeparatorGuard();
    ~DecimalSeparatorGuard();
    DecimalSeparatorGuard(const DecimalSeparatorGuard&) = delete;
    DecimalSeparatorGuard& operator=(const DecimalSeparatorGuard&) = delete;

    // The separator to restore at the end; 0 when nothing was changed.
    QChar SavedDecimalSeparator() const { return saved_; }

private:
    QChar saved_;
};

} // namespace kelvara
