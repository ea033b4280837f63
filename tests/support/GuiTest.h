// Helpers for widget tests: finding widgets by object name, driving modal dialogs, temporary folders.
#pragma once

#include <QApplication>
#include <QObject>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace guitest {

// The child of parent with the given object name and type; fails the test when there is none.
template <typename T> T* Find(const QObject* parent, const char* objectName) {
    T* child = parent->findChild<T*>(QString::fromLatin1(objectName));
    EXPECT_NE(child, nullptr) << "no child named " << objectName;
    return child;
}

// Runs `interact` on the modal widget that `start` opens (start typically calls exec() or
// triggers an action that does). Returns whether interact ran. The modal widget must be closed by
// interact; if it is still open afterwards it is rejected so that the test cannot hang.
bool RunModal(const std::function<void()>& start, const std::function<void(QWidget* modal)>& interact);

// A folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    QString Path(const QString& fileName) const;
    std::string StdPath(const std::string& fileName) const;

private:
    QString root_;
};

} // namespace guitest
