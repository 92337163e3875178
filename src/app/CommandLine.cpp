#include "app/CommandLine.h"

#include "app/AppDelegate.h"
#include "core/Action.h"
#include "core/OverlayMode.h"
#include "platform/Localization.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace CommandLine {

void describe(QCommandLineParser &parser) {
    //% "Draw on the screen while you present.\n\n"
    //% "With --action NAME, sends one action to the running Quillory and exits:"
    QString text = qtTrId("cli.description.head") + u'\n';
    for (const Action &action : actions()) {
        const QString name = actionName(action);
        QString help = qtTrId(action.helpId);
        if (help.contains(u"%1"))
            help = help.arg(name);
        text += u"  %1  %2\n"_qs.arg(name, -12).arg(help);
    }
    //% "Bind these to your desktop's own shortcuts where X11 key grabs do not reach "
    //% "(Wayland sessions)."
    text += qtTrId("cli.description.tail");
    parser.setApplicationDescription(text);
    parser.addHelpOption();
    parser.addVersionOption();
    //% "Send an action to the running Quillory."
    parser.addOption({QStringLiteral("action"), qtTrId("cli.option.action"),
                      //% "name"
                      qtTrId("cli.option.action.value")});
}

bool wantsRemote(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--action" || arg.startsWith("--action=") || arg == "-h" || arg == "--help" ||
            arg == "--help-all" || arg == "-v" || arg == "--version")
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
            if (const std::optional<OverlayMode> mode = modeNamed(name))
                return later([&delegate, mode = *mode] { delegate.setMode(mode); });
            return std::nullopt;
        case Action::Kind::toggle:
            return later([&delegate, toggle = *action->toggle] { delegate.toggle(toggle); });
        case Action::Kind::state:
            return Served{{}, delegate.stateReport()};
        case Action::Kind::quit:
            return later([] { QCoreApplication::exit(0); }); // as the quit signals do
        }
        return std::nullopt;
    };
}

} // namespace CommandLine
