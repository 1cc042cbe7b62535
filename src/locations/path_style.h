#pragma once

namespace mensurix {

// How a platform writes paths: on Windows '\' and '/' both separate and a drive colon ends a
// prefix; elsewhere only '/' separates, and '\' and ':' are ordinary characters of a name.
enum class PathStyle { Windows, Posix };

#ifdef _WIN32
inline constexpr PathStyle HostPathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle HostPathStyle = PathStyle::Posix;
#endif

// The separator a directory of that style ends in.
constexpr char DirectorySeparator(PathStyle style) {
    return style == PathStyle::Windows ? '\\' : '/';
}

} // namespace mensurix
