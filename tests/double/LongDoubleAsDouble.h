// Force-included (-include) into every file of the core and the batch tool in the build option
// KELVARA_LONG_DOUBLE_AS_DOUBLE: after the library headers those files use, "long double"
// becomes "double", as it is with compilers whose long double is double (MSVC, ARM64). Only
// for measuring what that changes in the results; the core uses "long" for nothing else.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <initializer_list>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#define long
