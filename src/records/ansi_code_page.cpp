#include "records/ansi_code_page.h"

#ifdef _WIN32

#include <windows.h>

#include <climits>

namespace obrix::records {

namespace {

// MultiByteToWideChar and WideCharToMultiByte take int lengths; record texts stay far below.
int lengthOf(std::size_t size) {
    return size > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(size);
}

std::wstring toWide(std::string_view text, UINT codePage) {
    if (text.empty())
        return {};
    const int size = lengthOf(text.size());
    const int needed = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
    if (needed > 0)
        MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), needed);
    return wide;
}

std::string fromWide(const std::wstring& wide, UINT codePage, DWORD flags) {
    if (wide.empty())
        return {};
    const int size = lengthOf(wide.size());
    // The replacement character and WC_NO_BEST_FIT_CHARS may only be given for code pages
    // other than UTF-8.
    const char replacement = '?';
    const bool toUtf8 = codePage == CP_UTF8;
    const LPCCH defaultChar = toUtf8 ? nullptr : &replacement;
    const int needed =
        WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, defaultChar, nullptr);
    std::string out(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    if (needed > 0)
        WideCharToMultiByte(codePage, flags, wide.data(), size, out.data(), needed, defaultChar,
                            nullptr);
    return out;
}

} // namespace

std::string utf8ToAnsi(std::string_view utf8) {
    // Malformed UTF-8 reads as U+FFFD, which the ANSI code page writes as "?".
    return fromWide(toWide(utf8, CP_UTF8), CP_ACP, WC_NO_BEST_FIT_CHARS);
}

std::string ansiToUtf8(std::string_view bytes) {
    return fromWide(toWide(bytes, CP_ACP), CP_UTF8, 0);
}

} // namespace obrix::records

#else

#include "records/windows_1252.h"

namespace obrix::records {

std::string utf8ToAnsi(std::string_view utf8) {
    return utf8ToWindows1252(utf8);
}

std::string ansiToUtf8(std::string_view bytes) {
    return windows1252ToUtf8(bytes);
}

} // namespace obrix::records

#endif
