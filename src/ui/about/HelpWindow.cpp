// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/about/HelpWindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/services/IMessageBox.h"
#include "qt/ChmFile.h"
#include "ui/about/AboutTexts.h"

namespace vitrel {
namespace {

namespace T = AboutTexts;

// Pages live at chm:/path, so that links and pictures resolve against the page that names them.
const QString kScheme = QStringLiteral("chm");

}  // namespace

/// A text browser that takes its pages and pictures from the help file.
class HelpWindow::PageBrowser : public QTextBrowser {
public:
    PageBrowser(const ChmFile& file, QWidget* parent) : QTextBrowser(parent), m_file(file) {}

    QVariant loadResource(int /*type*/, const QUrl& name) override {
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        if (url.scheme() != kScheme) {
            return {};
        }
        const std::optional<QByteArray> bytes = m_file.Read(url.path());
        return bytes ? QVariant(*bytes) : QVariant();
    }

private:
    const ChmFile& m_file;
};

HelpWindow::HelpWindow(std::unique_ptr<ChmFile> file, QWidget& owner)
    : QWidget(&owner, Qt::Window), m_file(std::move(file)) {
    m_browser = new PageBrowser(*m_file, this);
    m_browser->setOpenExternalLinks(false);
    auto* home = new QPushButton(QString::fromUtf8(T::HelpHome), this);
    auto* back = new QPushButton(QString::fromUtf8(T::HelpBack), this);
    auto* forward = new QPushButton(QString::fromUtf8(T::HelpForward), this);
    for (QPushButton* button : {home, back, forward}) {
        button->setAutoDefault(false);
    }
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(home, &QPushButton::clicked, this, &HelpWindow::ShowStartPage);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString page = m_browser->documentTitle();
        const QString help = QString::fromUtf8(T::HelpTitle);
        setWindowTitle(page.isEmpty() ? help : page + QStringLiteral(" - ") + help);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(home);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    resize(640, 560);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::ShowStartPage() {
    QUrl start;
    start.setScheme(kScheme);
    start.setPath(m_file->StartPage());
    m_browser->setSource(start);
}

QString HelpFilePath() {
    return QCoreApplication::applicationDirPath() + u'/' + QString::fromUtf8(T::HelpFileName);
}

void ShowHelp(QWidget& owner, IMessageBox& messageBox, const QString& caption,
              const QString& helpFile, const std::function<void(HelpWindow*)>& shown) {
    const auto show = [shown](HelpWindow* window) {
        window->ShowStartPage();
        window->show();
        window->raise();
        window->activateWindow();
        if (shown) {
            shown(window);
        }
    };
    if (auto* window = owner.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly)) {
        show(window);
        return;
    }
    static const char* const kUnpacking = "vitrelHelpUnpacking";
    if (owner.property(kUnpacking).toBool()) {
        return;  // on its way
    }
    owner.setProperty(kUnpacking, true);
    ChmFile::Open(
        helpFile, owner,
        [&owner, &messageBox, caption, helpFile, show, shown](std::unique_ptr<ChmFile> file) {
            owner.setProperty(kUnpacking, false);
            // A file that opens but has no readable start page is as damaged as one that does not.
            if (file == nullptr || !file->Read(file->StartPage())) {
                const char* problem = QFileInfo::exists(helpFile) ? T::HelpDamaged : T::HelpMissing;
                messageBox.Show((QString::fromUtf8(problem) + u'\n' + helpFile).toStdU16String(),
                                caption.toStdU16String(), IMessageBox::Buttons::Ok,
                                IMessageBox::Icon::Warning);
                if (shown) {
                    shown(nullptr);
                }
                return;
            }
            show(new HelpWindow(std::move(file), owner));
        });
}

}  // namespace vitrel
