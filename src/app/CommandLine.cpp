#include "app/CommandLine.h"

#include "app/AppDelegate.h"
#include "core/Action.h"
#include "core/OverlayMode.h"
#include "platform/Localization.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cstdio>

namespace CommandLine {

namespace {
constexpr int lineWidth = 79;

// Columns a text takes in a terminal: two for each wide CJK character.
int columns(const QString &text) {
    int total = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                          (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                          (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                          (u >= 0xFFE0 && u <= 0xFFE6);
        total += wide ? 2 : 1;
    }
    return total;
}

void chopSpaces(QString &text) {
    while (text.endsWith(u' '))
        text.chop(1);
}

// Breaks a paragraph into lines of at most lineWidth columns where its script allows a break
// (between words, or between any two CJK characters), the lines after the first indented by
// `indent` spaces. `first` holds what already stands on the first line.
QString wrapped(const QString &first, const QString &paragraph, int indent) {
    QString text = first;
    const int start = columns(first);
    int used = start;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, paragraph);
    qsizetype from = 0;
    while (breaks.toNextBoundary() != -1) {
        const QString word = paragraph.mid(from, breaks.position() - from);
        from = breaks.position();
        if (used > start && used + columns(word.trimmed()) > lineWidth) {
            chopSpaces(text);
            text += u'\n' + QString(indent, u' ');
            used = indent;
        }
        text += word;
        used += columns(word);
    }
    chopSpaces(text);
    return text;
}
} // namespace

void describe(QCommandLineParser &parser) {
    //% "Draw on the screen while you present.\n\n"
    //% "With --action NAME, sends one action to the running Quillory and exits:"
    const QString head = qtTrId("cli.description.head");
    QStringList paragraphs;
    for (const QString &paragraph : head.split(u'\n'))
        paragraphs << wrapped(QString(), paragraph, 0);
    QString text = paragraphs.join(u'\n') + u'\n';
    // Each action's line, its description wrapped under itself, in a column as wide as the
    // longest name.
    const QString columnGap(2, u' ');
    qsizetype nameWidth = 0;
    for (const Action &action : actions())
        nameWidth = std::max(nameWidth, actionName(action).size());
    for (const Action &action : actions()) {
        QString help = qtTrId(action.helpId);
        if (help.contains(u"%1"))
            help = help.arg(actionName(action));
        const QString name =
            columnGap + u"%1"_qs.arg(actionName(action), -int(nameWidth)) + columnGap;
        text += wrapped(name, help, int(name.size())) + u'\n';
    }
    //% "Bind these to your desktop's own shortcuts where X11 key grabs do not reach "
    //% "(Wayland sessions)."
    const QString tail = qtTrId("cli.description.tail");
    text += wrapped(QString(), tail, 0);
    parser.setApplicationDescription(text);
    parser.addHelpOption();
    parser.addVersionOption();
    //% "Send an action to the running Quillory."
    parser.addOption({QStringLiteral("action"), qtTrId("cli.option.action"),
                      //% "name"
                      qtTrId("cli.option.action.value")});
    //% "Write the running Quillory's drawings to a file: .svg, .pdf, .png or .quillory."
    parser.addOption({QStringLiteral("export"), qtTrId("cli.option.export"),
                      //% "path"
                      qtTrId("cli.option.path.value")});
    //% "Open a .quillory drawing in the running Quillory, on the screen or board shown."
    parser.addOption(
        {QStringLiteral("open"), qtTrId("cli.option.open"), qtTrId("cli.option.path.value")});
}

bool wantsRemote(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--action" || arg.startsWith("--action=") || arg == "--export" ||
            arg.startsWith("--export=") || arg == "--open" || arg.startsWith("--open=") ||
            arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
            arg == "--version")
            return true;
    }
    return false;
}

void printError(const QString &text) {
    std::fprintf(stderr, "quillory: %s\n", qPrintable(text));
}

// No display needed.
int runRemote(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    Localization::install();
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);
    for (const auto &[option, method] :
         {std::pair(u"export"_qs, u"Export"_qs), std::pair(u"open"_qs, u"Open"_qs)}) {
        if (!parser.isSet(option))
            continue;
        // The caller's working folder, not the running Quillory's.
        const QString path = QFileInfo(parser.value(option)).absoluteFilePath();
        QString message;
        if (InstanceChannel::sendFile(method, path, &message) != InstanceChannel::Result::done) {
            printError(message);
            return 1;
        }
        return 0;
    }
    const QString action = parser.value(QStringLiteral("action"));
    if (!actionNamed(action)) {
        QStringList names;
        for (const Action &known : actions())
            names << actionName(known);
        //% "unknown action \"%1\"; the actions are: %2"
        printError(qtTrId("cli.unknownAction").arg(action, names.join(u", ")));
        return 2;
    }
    QString message, answer;
    if (InstanceChannel::send(action, &message, &answer) != InstanceChannel::Result::done) {
        printError(message);
        return 1;
    }
    if (!answer.isEmpty())
        std::printf("%s\n", qPrintable(answer));
    return 0;
}

InstanceChannel::Lookup remoteActions(AppDelegate &delegate,
                                      std::function<void()> toggleHighlight) {
    using Served = InstanceChannel::Served;
    const auto later = [](std::function<void()> action) {
        return std::optional<Served>(Served{std::move(action), {}});
    };
    return [&delegate, toggleHighlight = std::move(toggleHighlight),
            later](const QString &name) -> std::optional<Served> {
        const Action *action = actionNamed(name);
        if (!action)
            return std::nullopt;
        switch (action->kind) {
        case Action::Kind::shortcut:
            return later([&delegate, row = AppDelegate::Row(action->shortcut->index)] {
                delegate.performHotKeyAction(row);
            });
        case Action::Kind::tool:
            return later([&delegate, shape = *action->tool] { delegate.pickTool(shape); });
        case Action::Kind::save:
            return later([&delegate] { delegate.saveButtonPressed(); });
        case Action::Kind::copy:
            return later([&delegate] { delegate.copyButtonPressed(); });
        case Action::Kind::highlight:
            return later(toggleHighlight);
        case Action::Kind::mode:
            if (action->shortcut) // on and off, as its shortcut switches it
                return later([&delegate, row = AppDelegate::Row(action->shortcut->index)] {
                    delegate.performHotKeyAction(row);
                });
            if (const std::optional<OverlayMode> mode = modeNamed(name))
                return later([&delegate, mode = *mode] { delegate.setMode(mode); });
            return std::nullopt;
        case Action::Kind::toggle:
            return later([&delegate, toggle = *action->toggle] { delegate.toggle(toggle); });
        case Action::Kind::page:
            return later(
                [&delegate, step = name == u"next-page" ? 1 : -1] { delegate.turnPage(step); });
        case Action::Kind::exportDialog:
            return later([&delegate] { Q_EMIT delegate.exportDialogRequested(); });
        case Action::Kind::state:
            return Served{{}, delegate.stateReport()};
        case Action::Kind::quit:
            return later([&delegate] { delegate.quit(); });
        }
        return std::nullopt;
    };
}

} // namespace CommandLine
