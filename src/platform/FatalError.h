#pragma once

#include <QString>

// A programming error that must not go on: prints "Fatal error" with where it happened
// (source file, operation and line joined by ":") and stops the process.
[[noreturn]] void fatalError(const char *file, const char *function, int line,
                             const QString &reason = {});
QString fatalErrorMessage(const char *file, const char *function, int line, const QString &reason);

#define QUILLORY_FATAL(...) fatalError(__FILE__, __func__, __LINE__ __VA_OPT__(, ) __VA_ARGS__)
