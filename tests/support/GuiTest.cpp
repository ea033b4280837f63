#include "tests/support/GuiTest.h"

#include <QDialog>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace guitest {

namespace {

struct ModalState {
    std::function<void(QWidget*)> interact;
    bool ran = false;
    bool finished = false; // start() has returned: stop polling
};

// Polls until the modal widget is up: start may show message boxes or do work first.
void PollForModal(const std::shared_ptr<ModalState>& state, int triesLeft) {
    if (state->finished || state->ran)
        return;
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
        if (triesLeft > 0)
            QTimer::singleShot(10, [state, triesLeft] { PollForModal(state, triesLeft - 1); });
        return;
    }
    state->ran = true;
    state->interact(modal);
    if (QApplication::activeModalWidget() == modal) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
}

} // namespace

bool RunModal(const std::function<void()>& start, const std::function<void(QWidget* modal)>& interact) {
    auto state = std::make_shared<ModalState>();
    state->interact = interact;
    QTimer::singleShot(0, [state] { PollForModal(state, 500); });
    start();
    state->finished = true;
    return state->ran;
}

TempDir::TempDir() {
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/dishline-test-XXXXXX"));
    dir.setAutoRemove(false);
    root_ = dir.path();
}

TempDir::~TempDir() {
    QDir(root_).removeRecursively();
}

QString TempDir::Path(const QString& fileName) const {
    return root_ + QLatin1Char('/') + fileName;
}

std::string TempDir::StdPath(const std::string& fileName) const {
    return Path(QString::fromStdString(fileName)).toStdString();
}

} // namespace guitest
