// What protects the user's work outside a clean session: the recovery file of unsaved work and
// the offer to recover it, the check of the file on disk before a save, and a failed save's reasons.
#include "shell/EditorView.h"

#include "forms/EditBar.h"
#include "shell/NetworkTree.h"
#include "shell/RecoveryFiles.h"
#include "ui/MessageBox.h"
#include "ui/NativePath.h"
#include "ui/StatusText.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringList>
#include <QTimer>

QString EditorView::DocumentPath() const {
    if (database_.pathName.empty())
        return {};
    return QFileInfo(FromNativePath(database_.pathName)).absoluteFilePath();
}

void EditorView::WriteRecoveryNow() {
    recoveryTimer_->stop();
    if (history_.StepOpen()) {
        recoveryTimer_->start(); // a command is under way: its step is kept whole
        return;
    }
    if (Pane() == PANE_EMPTY || !IsModified())
        return;
    // The database exactly as it stands: keeping it is no save, and stamps nothing.
    std::vector<uint8_t> image;
    if (database_.SerializeUnchanged(image) == 0)
        return; // what the file format cannot hold cannot be kept either
    const QString file = recovery::FileFor(DocumentPath());
    if (!recoveryFile_.isEmpty() && recoveryFile_ != file)
        recovery::Remove(recoveryFile_);
    recoveryFile_.clear();
    if (recovery::Write(file, DocumentPath(), image))
        recoveryFile_ = file;
}

void EditorView::DiscardRecovery() {
    recoveryTimer_->stop();
    if (!recoveryFile_.isEmpty())
        recovery::Remove(recoveryFile_);
    recoveryFile_.clear();
}

void EditorView::OfferRecoveryAtStartUp() {
    if (Pane() != PANE_EMPTY)
        return;
    if (const std::optional<recovery::Work> work = recovery::Newest())
        OfferRecoveredWork(*work);
}

bool EditorView::OfferRecoveryOf(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString file = recovery::FileFor(absolute);
    if (file == recoveryFile_)
        return false; // this editor's own: the user has just decided about that work
    const std::optional<recovery::Work> work = recovery::Read(file);
    if (!work || work->documentPath != absolute)
        return false;
    const QFileInfo info(absolute);
    if (info.exists() && info.lastModified() >= work->written)
        return false; // the file was saved after the work was kept
    return OfferRecoveredWork(*work);
}

bool EditorView::OfferRecoveredWork(const recovery::Work& work) {
    NetworkDatabase recovered;
    if (recovered.Parse(work.image) != NDF_OK)
        return false; // a damaged recovery file holds nothing to offer
    const QString name = work.documentPath.isEmpty() ? tr("No Name") : work.documentPath;
    const QString when = QLocale().toString(work.written, QLocale::ShortFormat);
    const QString question = tr("Work on %1 from %2 was not saved.\nDo you want to recover it?").arg(name, when);
    if (MessageBox::YesNoQuestion(window(), question) != MessageBox::Yes) {
        recovery::Remove(work.file);
        return false;
    }
    // The recovered work takes the place of the document on screen, as Open's file would.
    if (work.file != recoveryFile_)
        DiscardRecovery();
    recovered.pathName = ToNativePath(work.documentPath);
    RebuildTree();
    history_.Clear();
    discardedChannelList_.reset();
    history_.ForgetSavedPoint(); // modified and unsaved until it is saved
    database_ = std::move(recovered);
    tree_->FillTree(database_);
    diskStamp_ = work.documentPath.isEmpty() ? DiskFileStamp() : DiskFileStamp::Of(work.documentPath);
    recoveryFile_ = work.file; // holds this work until it is saved or dropped
    UpdateTitle();
    emit commandStateChanged();
    return true;
}

bool EditorView::MayOverwriteFileOnDisk() {
    const QString path = FromNativePath(database_.pathName);
    if (!DiskFileStamp::Of(path).ChangedSince(diskStamp_))
        return true;
    const QString question =
        tr("%1 was changed by another program after it was opened.\nDo you want to overwrite it?").arg(path);
    return MessageBox::YesNoQuestion(window(), question) == MessageBox::Yes;
}

void EditorView::ShowSaveError(NdfStatus status, const std::error_code& cause, bool fileExisted) {
    QStringList lines{StatusText(status)};
    const std::string why = status == NDF_TOO_LARGE ? database_.LimitProblem() : cause ? cause.message() : "";
    if (!why.empty())
        lines << QString::fromLocal8Bit(why.c_str());
    lines << (fileExisted ? tr("The file on disk has not been changed.") : tr("No file was written."));
    MessageBox::Error(window(), lines.join(QLatin1Char('\n')));
}
