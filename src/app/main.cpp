// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <optional>

#include "app/CommandLine.h"
#include "app/QtServices.h"
#include "qt/DisplayCheck.h"
#include "qt/SingleInstance.h"
#include "qt/UnixSignalWatcher.h"
#include "ui/controls/Form.h"
#include "ui/controls/QtInputEnvironment.h"
#include "ui/main/VitrelStyle.h"
#include "ui/main/frmMain.h"

#ifdef VITREL_SANITIZE
// Read by LeakSanitizer in the sanitizer build, wherever the program lies and whoever runs it;
// LSAN_OPTIONS still adds to or overrides them. A leak report ends the program with an error,
// but the count of suppressed leaks would be one more message on standard error.
extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}
// Only allocations that a system library keeps until the process ends belong here, never ours:
// Qt's D-Bus thread still holds the read buffer of its session-bus connection at the end.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}
#endif

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const vitrel::CommandLine commandLine = vitrel::CommandLine::Parse(arguments);
    switch (commandLine.action) {
        case vitrel::CommandLine::Action::Help:
        case vitrel::CommandLine::Action::Version:
            std::fputs(commandLine.text.toLocal8Bit().constData(), stdout);
            return 0;
        case vitrel::CommandLine::Action::Error:
            std::fprintf(stderr, "vitrel: %s See 'vitrel --help'.\n",
                         commandLine.text.toLocal8Bit().constData());
            return vitrel::CommandLine::UsageError;
        case vitrel::CommandLine::Action::Run:
            break;
    }
    // A request to end that comes before the window exists waits for the signal watcher,
    // which ends the program through the window's ordinary shutdown.
    vitrel::UnixSignalWatcher::BlockSignals();
    vitrel::DisplayCheck::PreferX11();
    if (const std::string problem = vitrel::DisplayCheck::Problem(); !problem.empty()) {
        std::fprintf(stderr, "vitrel: %s\n", problem.c_str());
        return 1;
    }
    std::optional<vitrel::DisplayCheck::Guard> displayGuard(std::in_place);
    // A dialog's window is made before it is shown, to place its frame: that must not turn its
    // owner's widgets into windows of their own.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    QApplication app(argc, argv);
    displayGuard.reset();
    const vitrel::SingleInstance instance;
    QApplication::setStyle(new vitrel::VitrelStyle);
    // The captions' gothic is every window's font, and with nothing but captions it needs no
    // search for fallback fonts. The windows with text from elsewhere (favourites' names in
    // menus, help pages, messages, Qt's own dialogs) keep the desktop's font, as before.
    QFont desktop = QApplication::font();
    desktop.setResolveMask(QFont::AllPropertiesResolved);  // their children take it too
    QApplication::setFont(vitrel::Form<QWidget>::CaptionFont(9, false));
    for (const char* className : {"QMenu", "QMessageBox", "QColorDialog", "vitrel::HelpWindow"}) {
        QApplication::setFont(desktop, className);
    }
    // Every window's default font is the gothic its captions use: no other font is looked up.

    QApplication::setApplicationName(QStringLiteral("Vitrel"));
    QApplication::setApplicationVersion(QStringLiteral(VITREL_VERSION));
    // Qt's own dialogs and menus (the colour dialog, a text box's context menu, the message
    // boxes' buttons) in the program's language, whatever the desktop's.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ja"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    vitrel::QtServices platform;
    vitrel::AppServices& services = platform.services;
    vitrel::QtInputEnvironment input(platform.clipboard);

    vitrel::frmMain form(services, input);
    form.ProgramEnded = [](const std::string& failure) {
        if (!failure.empty()) {
            std::fprintf(stderr, "vitrel: %s\n", failure.c_str());
        }
        QCoreApplication::exit(failure.empty() ? 0 : 1);
    };
    // Every way of being asked to end goes through the window's own close, which stores the
    // settings: a signal, or the desktop session ending.
    vitrel::UnixSignalWatcher signalWatcher([&form] { form.CloseForSystem(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.CloseForSystem(); });
    form.AnotherInstanceRunning = instance.AnotherWasRunning();
    form.EndAtOnce = [] { QCoreApplication::exit(0); };
    form.Form_Load();
    form.show();
    return QApplication::exec();
}
