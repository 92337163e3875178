#pragma once

#include "platform/dbus/InstanceChannel.h"

#include <QString>

#include <functional>

class AppDelegate;
class QCommandLineParser;

// `quillory --action NAME`, --help and --version, and what the running Quillory does for the
// actions a second launch sends. The actions come from the action table.
namespace CommandLine {
// The options and the --help text, which lists the actions.
void describe(QCommandLineParser &parser);
// Whether the arguments ask for something that needs no display: an action, help or version.
bool wantsRemote(int argc, char *argv[]);
// Sends the action to the running Quillory (or prints help); the process's exit code.
int runRemote(int argc, char *argv[]);
void printError(const QString &text);
// The running Quillory's side: the shortcut actions are the controller's hotkey actions; the
// cursor highlight belongs to a later layer, so its switch is handed in.
InstanceChannel::Lookup remoteActions(AppDelegate &delegate, std::function<void()> toggleHighlight);
} // namespace CommandLine
