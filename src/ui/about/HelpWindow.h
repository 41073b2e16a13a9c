// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
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

/// Opens the help on its start page in the owner's help window. The first time, the file is
/// unpacked while the program goes on, and the window is made when it is ready; asking again
/// meanwhile waits for the same. A help file that is missing or cannot be read is said in a
/// message box with the caption. `shown` receives the window shown, or nullptr.
void ShowHelp(QWidget& owner, IMessageBox& messageBox, const QString& caption,
              const QString& helpFile = HelpFilePath(),
              const std::function<void(HelpWindow*)>& shown = {});

}  // namespace vitrel
