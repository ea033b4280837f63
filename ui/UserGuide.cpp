#include "ui/UserGuide.h"

#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

UserGuideWindow::UserGuideWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("userGuide"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Dishline User Guide"));

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("guideBrowser"));
    browser_->setOpenExternalLinks(true);

    auto* back = new QPushButton(tr("&Back"), this);
    back->setObjectName(QStringLiteral("backButton"));
    back->setEnabled(false);
    auto* contents = new QPushButton(tr("C&ontents"), this);
    contents->setObjectName(QStringLiteral("contentsButton"));
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    for (QPushButton* button : {back, contents, close})
        button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_, 1);
    layout->addLayout(buttons);

    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(contents, &QPushButton::clicked, this, [this] { ShowSection(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    browser_->setSource(QUrl(PageUrl()));
    const int line = fontMetrics().height();
    resize(line * 46, line * 38);
}

QString UserGuideWindow::PageUrl() {
    //: The language code of the user guide in this language: the guide is :/guide/guide-<code>.html.
    const QString language = QCoreApplication::translate("UserGuideWindow", "en");
    const QString page = QStringLiteral(":/guide/guide-%1.html").arg(language);
    return QStringLiteral("qrc") + (QFile::exists(page) ? page : QStringLiteral(":/guide/guide-en.html"));
}

void UserGuideWindow::ShowSection(const QString& anchor) {
    if (anchor.isEmpty()) {
        browser_->home();
        browser_->scrollToAnchor(QStringLiteral("top"));
    } else {
        browser_->scrollToAnchor(anchor);
    }
}

UserGuideWindow* ShowUserGuide(QWidget* parent, const QString& anchor) {
    QWidget* owner = parent ? parent->window() : nullptr;
    UserGuideWindow* guide =
        owner ? owner->findChild<UserGuideWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!guide)
        guide = new UserGuideWindow(owner);
    if (!anchor.isEmpty())
        guide->ShowSection(anchor);
    guide->show();
    guide->raise();
    guide->activateWindow();
    return guide;
}
