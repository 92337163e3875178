#pragma once

#include <QByteArray>
#include <QString>

// Checks property-list bytes before libplist 2.2 sees them. Its parsers recurse without a
// depth limit (a deeply nested file overflows the stack) and its binary reader copies an
// object once per reference to it (a few hundred bytes of shared references expand
// exponentially, one long string referred to many times takes gigabytes), so such input must
// never reach it. Also rejects XML that is not well formed.
class PropertyListGuard {
public:
    static constexpr int maxDepth = 256;
    static constexpr qint64 maxNodes = 1'000'000;
    static constexpr qint64 maxFileSize = 32 * 1024 * 1024;
    // The text and data a binary file may expand to, counted through every reference: no more
    // than a file may hold.
    static constexpr qint64 maxExpandedBytes = maxFileSize;

    static bool isBinary(const QByteArray &bytes) { return bytes.startsWith("bplist"); }

    // Why the bytes must not be parsed, or an empty string when they are safe to parse.
    static QString problem(const QByteArray &bytes);

private:
    static QString xmlProblem(const QByteArray &bytes);
    static QString binaryProblem(const QByteArray &bytes);
};
