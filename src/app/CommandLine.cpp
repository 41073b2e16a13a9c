// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "CommandLine.h"

#include <QCommandLineParser>

namespace vitrel {

CommandLine CommandLine::Parse(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are single-dash words ("-platform xcb"), not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    // Qt reads these itself when the window system starts; a session manager restarting the
    // program passes -session.
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "display",
                             "geometry", "qwindowgeometry", "name", "title", "qwindowtitle",
                             "qwindowicon", "style", "stylesheet", "session", "plugin"}) {
        QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "nograb", "dograb", "sync", "widgetcount"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        return {Action::Error, parser.errorText()};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return {Action::Error, QStringLiteral("Unexpected argument '%1': Vitrel opens no files.")
                                   .arg(parser.positionalArguments().front())};
    }
    if (parser.isSet(help)) {
        return {Action::Help,
                QStringLiteral(
                    "Usage: vitrel [options]\n"
                    "Compose a colour, sample it from the screen and copy it as an HTML colour\n"
                    "string, with the sampled picture beside it on the clipboard.\n\n"
                    "  -h, --help     show this help and exit\n"
                    "  -v, --version  show the version and exit\n\n"
                    "Qt's own options (-platform, -display, -style ...) are passed to Qt.\n"
                    "See vitrel(1) for the files and the environment it reads.\n")};
    }
    if (parser.isSet(version)) {
        return {Action::Version, QStringLiteral("vitrel " VITREL_VERSION "\n")};
    }
    return {};
}

}  // namespace vitrel
