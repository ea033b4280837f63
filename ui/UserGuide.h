// The user guide: HTML pages shipped in the resources, one per interface language, shown in a
// window of their own beside the editor. Every window that opens it gets one guide window, which
// stays usable while that window runs modally.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

class UserGuideWindow : public QWidget {
    Q_OBJECT
public:
    explicit UserGuideWindow(QWidget* parent = nullptr);

    // The resource of the guide in the interface language (English when there is none).
    static QString PageUrl();
    QTextBrowser* browser() const { return browser_; }
    // Back at the top of the guide, or at the section named `anchor`.
    void ShowSection(const QString& anchor = QString());

private:
    QTextBrowser* browser_ = nullptr;
};

// Shows the guide window of `parent`'s window, created on first use, raised and active, at the
// section `anchor` when one is given.
UserGuideWindow* ShowUserGuide(QWidget* parent, const QString& anchor = QString());
