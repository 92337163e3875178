#include "settings/PropertyListGuard.h"

#include <QXmlStreamReader>

#include <vector>

QString PropertyListGuard::problem(const QByteArray &bytes) {
    if (bytes.isEmpty())
        return QStringLiteral("the file is empty");
    if (bytes.size() > maxFileSize)
        return QStringLiteral("the file is too large (%1 bytes)").arg(bytes.size());
    return isBinary(bytes) ? binaryProblem(bytes) : xmlProblem(bytes);
}

QString PropertyListGuard::xmlProblem(const QByteArray &bytes) {
    // libplist writes control characters and U+FFFE/U+FFFF in strings as they are, which
    // XML forbids; blank them for this check so that files we wrote ourselves pass.
    QByteArray text = bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto u = static_cast<unsigned char>(text[i]);
        if (u > 0 && u < 0x20 && u != '\t' && u != '\n' && u != '\r') {
            text[i] = ' ';
        } else if (u == 0xEF && i + 2 < text.size() && text[i + 1] == char(0xBF) &&
                   (text[i + 2] == char(0xBE) || text[i + 2] == char(0xBF))) {
            text[i] = text[i + 1] = text[i + 2] = ' ';
            i += 2;
        }
    }
    QXmlStreamReader reader(text);
    int depth = 0;
    qint64 elements = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > maxDepth)
                return QStringLiteral("nesting deeper than %1 levels").arg(maxDepth);
            if (++elements > maxNodes)
                return QStringLiteral("more than %1 elements").arg(maxNodes);
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        return QStringLiteral("not well-formed XML at line %1, column %2: %3")
            .arg(reader.lineNumber())
            .arg(reader.columnNumber())
            .arg(reader.errorString());
    }
    return {};
}

namespace {
quint64 readBigEndian(const unsigned char *p, int size) {
    quint64 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | p[i];
    return value;
}
} // namespace

// Walks the object graph of a "bplist00" file the way libplist will, without building it:
// finds cycles, measures the nesting depth, the number of nodes and the bytes of text and data
// the references expand to.
QString PropertyListGuard::binaryProblem(const QByteArray &bytes) {
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const quint64 length = quint64(bytes.size());
    const QString truncated = QStringLiteral("binary property list is truncated or malformed");
    if (length < 8 + 32 || !bytes.startsWith("bplist00"))
        return truncated;

    const unsigned char *trailer = data + length - 32;
    const int offsetSize = trailer[6];
    const int refSize = trailer[7];
    const quint64 objectCount = readBigEndian(trailer + 8, 8);
    const quint64 topObject = readBigEndian(trailer + 16, 8);
    const quint64 tableOffset = readBigEndian(trailer + 24, 8);
    const quint64 tableEnd = length - 32;
    if (offsetSize < 1 || offsetSize > 8 || refSize < 1 || refSize > 8 || objectCount == 0 ||
        topObject >= objectCount || tableOffset < 8 || tableOffset > tableEnd ||
        objectCount > (tableEnd - tableOffset) / quint64(offsetSize))
        return truncated;
    if (objectCount > quint64(maxNodes))
        return QStringLiteral("binary property list has too many objects");

    // An object's references (a container's) and the bytes of text or data it holds (a
    // string's or data's); false when they lie outside the object area.
    auto contents = [&](quint64 index, std::vector<quint64> &refs, qint64 &held) {
        refs.clear();
        held = 0;
        const quint64 offset = readBigEndian(data + tableOffset + index * offsetSize, offsetSize);
        if (offset < 8 || offset >= tableOffset)
            return false;
        const unsigned char marker = data[offset];
        const int type = marker >> 4;
        const bool text = type == 0x4 || type == 0x5 || type == 0x6;
        if (!text && type != 0xA && type != 0xC && type != 0xD)
            return true;
        quint64 count = marker & 0x0F;
        quint64 position = offset + 1;
        if (count == 0x0F) {
            if (position >= tableOffset || (data[position] & 0xF0) != 0x10)
                return false;
            const int countSize = 1 << (data[position] & 0x0F);
            if (countSize > 8 || tableOffset - position - 1 < quint64(countSize))
                return false;
            count = readBigEndian(data + position + 1, countSize);
            position += 1 + countSize;
        }
        if (text) {
            // UTF-16 takes two bytes a unit here and up to three as the UTF-8 libplist makes.
            if (count > (tableOffset - position) / (type == 0x6 ? 2 : 1))
                return false;
            held = qint64(count) * (type == 0x6 ? 3 : 1);
            return true;
        }
        const quint64 perEntry = type == 0xD ? 2 : 1;
        if (count > (tableOffset - position) / quint64(refSize) / perEntry)
            return false;
        for (quint64 i = 0; i < count * perEntry; ++i) {
            const quint64 ref = readBigEndian(data + position + i * refSize, refSize);
            if (ref >= objectCount)
                return false;
            refs.push_back(ref);
        }
        return true;
    };

    // Iterative depth-first walk; each object's expansion is computed once. libplist copies a
    // shared string once per reference, so a few kilobytes referred to many times would take
    // gigabytes: the bytes count through every reference, as the nodes do.
    enum : unsigned char { unseen, open, finished };
    std::vector<unsigned char> state(objectCount, unseen);
    struct Expansion {
        qint64 nodes = 1;
        qint64 bytes = 0;
    };
    std::vector<Expansion> expanded(objectCount);
    struct Frame {
        quint64 index;
        std::vector<quint64> refs;
        size_t next = 0;
        Expansion size;
    };
    // Why an expansion is too large, or an empty string.
    const auto tooLarge = [](const Expansion &size) {
        if (size.nodes > maxNodes)
            return QStringLiteral("binary property list expands to too many objects");
        if (size.bytes > maxExpandedBytes)
            return QStringLiteral("binary property list expands to more than %1 bytes of text "
                                  "and data")
                .arg(maxExpandedBytes);
        return QString();
    };
    const auto add = [](Expansion &to, const Expansion &size) {
        to.nodes += size.nodes;
        to.bytes += size.bytes;
    };
    std::vector<Frame> stack;
    stack.push_back(Frame{topObject, {}, 0, {}});
    if (!contents(topObject, stack.back().refs, stack.back().size.bytes))
        return truncated;
    state[topObject] = open;
    while (!stack.empty()) {
        Frame &frame = stack.back();
        if (frame.next < frame.refs.size()) {
            const quint64 child = frame.refs[frame.next++];
            if (state[child] == open)
                return QStringLiteral("binary property list refers to itself");
            if (state[child] == finished) {
                add(frame.size, expanded[child]);
                if (const QString problem = tooLarge(frame.size); !problem.isEmpty())
                    return problem;
                continue;
            }
            if (int(stack.size()) >= maxDepth)
                return QStringLiteral("nesting deeper than %1 levels").arg(maxDepth);
            Frame next{child, {}, 0, {}};
            if (!contents(child, next.refs, next.size.bytes))
                return truncated;
            state[child] = open;
            stack.push_back(std::move(next));
            continue;
        }
        state[frame.index] = finished;
        expanded[frame.index] = frame.size;
        const Expansion size = frame.size;
        stack.pop_back();
        if (!stack.empty()) {
            add(stack.back().size, size);
            if (const QString problem = tooLarge(stack.back().size); !problem.isEmpty())
                return problem;
        }
    }
    return {};
}
