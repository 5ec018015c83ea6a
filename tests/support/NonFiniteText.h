#pragma once

#include <QString>

namespace kelvara::test {

// A text a user would see that shows a number which is not one.
inline bool ShowsNonFinite(const QString& text) {
    return text.contains(QStringLiteral("nan"), Qt::CaseInsensitive) ||
           text.contains(QStringLiteral("inf"), Qt::CaseInsensitive);
}

} // namespace kelvara::test
