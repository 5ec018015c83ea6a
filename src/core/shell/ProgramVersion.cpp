#include "ProgramVersion.h"

#include "shell/Version.h"

#ifdef _WIN32
#include <vector>
#include <windows.h>
#endif

namespace kelvara {

#ifdef _WIN32
namespace {

QString FileVersionOfExecutable() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            break;
        path.resize(path.size() * 2);
    }
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.data(), &ignored);
    if (size == 0)
        return {};
    std::vector<char> data(size);
    if (!GetFileVersionInfoW(path.data(), 0, size, data.data()))
        return {};
    void* block = nullptr;
    UINT blockSize = 0;
    if (!VerQueryValueW(data.data(), L"\\", &block, &blockSize) ||
        blockSize < sizeof(VS_FIXEDFILEINFO))
        return {};
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(block);
    return QStringLiteral("%1.%2.%3.%4")
        .arg(HIWORD(info->dwFileVersionMS))
        .arg(LOWORD(info->dwFileVersionMS))
        .arg(HIWORD(info->dwFileVersionLS))
        .arg(LOWORD(info->dwFileVersionLS));
}

} // namespace

QString ProgramVersion() {
    const QString fromFile = FileVersionOfExecutable();
    return fromFile.isEmpty() ? QLatin1String(version::Full) : fromFile;
}
#else
QString ProgramVersion() {
    return QLatin1String(version::Full);
}
#endif

} // namespace kelvara
