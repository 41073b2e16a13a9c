// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

class QTextBrowser;

namespace vitrel {

class ChmFile;
class IMessageBox;

/// The program's own help viewer: the pages of a compiled help file, with their links and
/// pictures, and a way back to the start page.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(std::unique_ptr<ChmFile> file, QWidget& owner);
    ~HelpWindow() override;

    void ShowStartPage();
    [[nodiscard]] QTextBrowser& Browser() const { return *m_browser; }

private:
    class PageBrowser;

    std::unique_ptr<ChmFile> m_file;
    QTextBrowser* m_browser;
};

/// The help file beside the program.
[[nodiscard]] QString HelpFilePath();

/// Opens the help on its start page in the owner's help window, which is made the first
/// time. A help file that is missing or cannot be read is said in a message box. The window
/// shown, or nullptr.
HelpWindow* ShowHelp(QWidget& owner, IMessageBox& messageBox,
                     const QString& helpFile = HelpFilePath());

}  // namespace vitrel
