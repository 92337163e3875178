#include "app/CommandLine.h"

#include "app/AppDelegate.h"
#include "core/Action.h"
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
    QString message;
    if (InstanceChannel::send(action, &message) != InstanceChannel::Result::done) {
        printError(message);
        return 1;
    }
    return 0;
}

InstanceChannel::Lookup remoteActions(AppDelegate &delegate,
                                      std::function<void()> toggleHighlight) {
    return [&delegate, toggleHighlight = std::move(toggleHighlight)](
               const QString &name) -> std::function<void()> {
        const Action *action = actionNamed(name);
        if (!action)
            return {};
        switch (action->kind) {
        case Action::Kind::shortcut:
            return [&delegate, row = AppDelegate::Row(action->shortcut->index)] {
                delegate.performHotKeyAction(row);
            };
        case Action::Kind::tool:
            return [&delegate, shape = *action->tool] { delegate.pickTool(shape); };
        case Action::Kind::save:
            return [&delegate] { delegate.saveButtonPressed(); };
        case Action::Kind::copy:
            return [&delegate] { delegate.copyButtonPressed(); };
        case Action::Kind::highlight:
            return toggleHighlight;
        case Action::Kind::quit:
            return [] { QCoreApplication::exit(0); }; // as the quit signals do
        }
        return {};
    };
}

} // namespace CommandLine
