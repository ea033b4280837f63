#include "rescan/CompareDialog.h"

#include "rescan/DialogParts.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QVBoxLayout>

using dialogparts::AddButton;
using dialogparts::ReportView;


namespace {

// The core's texts of the comparison, for the translations to find.
[[maybe_unused]] constexpr const char* kCompareTexts[] = {
    QT_TRANSLATE_NOOP("Compare", "No differences."),
    QT_TRANSLATE_NOOP("Compare", "Satellites only in A"),
    QT_TRANSLATE_NOOP("Compare", "Satellites only in B"),
    QT_TRANSLATE_NOOP("Compare", "Satellites changed"),
    QT_TRANSLATE_NOOP("Compare", "Transponders only in A"),
    QT_TRANSLATE_NOOP("Compare", "Transponders only in B"),
    QT_TRANSLATE_NOOP("Compare", "Transponders changed"),
    QT_TRANSLATE_NOOP("Compare", "Programs only in A"),
    QT_TRANSLATE_NOOP("Compare", "Programs only in B"),
    QT_TRANSLATE_NOOP("Compare", "Programs changed"),
    QT_TRANSLATE_NOOP("Compare", "Programs moved"),
    QT_TRANSLATE_NOOP("Compare", "Favorite groups only in A"),
    QT_TRANSLATE_NOOP("Compare", "Favorite groups only in B"),
    QT_TRANSLATE_NOOP("Compare", "Favorite groups changed"),
    QT_TRANSLATE_NOOP("Compare", "name"),
    QT_TRANSLATE_NOOP("Compare", "position"),
    QT_TRANSLATE_NOOP("Compare", "positioner ID"),
    QT_TRANSLATE_NOOP("Compare", "skew V"),
    QT_TRANSLATE_NOOP("Compare", "skew H"),
    QT_TRANSLATE_NOOP("Compare", "antenna configuration"),
    QT_TRANSLATE_NOOP("Compare", "DiSEqC mode"),
    QT_TRANSLATE_NOOP("Compare", "LNB supply"),
    QT_TRANSLATE_NOOP("Compare", "switch port"),
    QT_TRANSLATE_NOOP("Compare", "LNB type"),
    QT_TRANSLATE_NOOP("Compare", "LNB frequency"),
    QT_TRANSLATE_NOOP("Compare", "LNB frequency high"),
    QT_TRANSLATE_NOOP("Compare", "frequency"),
    QT_TRANSLATE_NOOP("Compare", "symbol rate"),
    QT_TRANSLATE_NOOP("Compare", "polarity"),
    QT_TRANSLATE_NOOP("Compare", "FEC"),
    QT_TRANSLATE_NOOP("Compare", "frequency drift"),
    QT_TRANSLATE_NOOP("Compare", "GMT error"),
    QT_TRANSLATE_NOOP("Compare", "transponder"),
    QT_TRANSLATE_NOOP("Compare", "service ID"),
    QT_TRANSLATE_NOOP("Compare", "PMT PID"),
    QT_TRANSLATE_NOOP("Compare", "PCR PID"),
    QT_TRANSLATE_NOOP("Compare", "video PIDs"),
    QT_TRANSLATE_NOOP("Compare", "audio PIDs"),
    QT_TRANSLATE_NOOP("Compare", "teletext PIDs"),
    QT_TRANSLATE_NOOP("Compare", "CA mask"),
    QT_TRANSLATE_NOOP("Compare", "attributes"),
    QT_TRANSLATE_NOOP("Compare", "attributes 2"),
    QT_TRANSLATE_NOOP("Compare", "Scrambled"),
    QT_TRANSLATE_NOOP("Compare", "Lock"),
    QT_TRANSLATE_NOOP("Compare", "Skip"),
    QT_TRANSLATE_NOOP("Compare", "Bit 3"),
    QT_TRANSLATE_NOOP("Compare", "Radio"),
    QT_TRANSLATE_NOOP("Compare", "Don't update video/audio PIDs"),
    QT_TRANSLATE_NOOP("Compare", "Don't update name"),
    QT_TRANSLATE_NOOP("Compare", "Don't update with service ID"),
    QT_TRANSLATE_NOOP("Compare", "none"),
    QT_TRANSLATE_NOOP("Compare", "present"),
    QT_TRANSLATE_NOOP("Compare", "missing"),
    QT_TRANSLATE_NOOP("Compare", "unset"),
    QT_TRANSLATE_NOOP("Compare", "TV %1"),
    QT_TRANSLATE_NOOP("Compare", "Radio %1"),
    QT_TRANSLATE_NOOP("Compare", "program %1 (missing)"),
    QT_TRANSLATE_NOOP("Compare", "transponder %1 (missing)"),
    QT_TRANSLATE_NOOP("Compare", "a missing satellite"),
    QT_TRANSLATE_NOOP("Compare", "a missing transponder"),
    QT_TRANSLATE_NOOP("Compare", "%1, symbol rate %2"),
    QT_TRANSLATE_NOOP("Compare", "%1 on %2, service ID %3"),
    QT_TRANSLATE_NOOP("Compare", "Group %1 %2"),
    QT_TRANSLATE_NOOP("Compare", "%1 TV, %2 radio"),
    QT_TRANSLATE_NOOP("Compare", "TV list: %1 only in A"),
    QT_TRANSLATE_NOOP("Compare", "TV list: %1 only in B"),
    QT_TRANSLATE_NOOP("Compare", "radio list: %1 only in A"),
    QT_TRANSLATE_NOOP("Compare", "radio list: %1 only in B"),
    QT_TRANSLATE_NOOP("Compare", "TV list: order changed"),
    QT_TRANSLATE_NOOP("Compare", "radio list: order changed"),
    QT_TRANSLATE_NOOP("Compare", "%1 -> %2"),
    QT_TRANSLATE_NOOP("Compare", "%1 %2 -> %3"),
};

} // namespace

QString CompareDialog::ReportText(const DatabaseDiff& diff) {
    return QString::fromStdString(
        diff.Text([](const char* english) { return QCoreApplication::translate("Compare", english).toStdString(); }));
}

CompareDialog::CompareDialog(const DatabaseDiff& diff, const QString& files, QWidget* parent)
    : QDialog(parent), report_(ReportText(diff)) {
    setObjectName(QStringLiteral("compareDialog"));
    setWindowTitle(tr("Compare with File"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(files);
    label->setObjectName(QStringLiteral("filesLabel"));
    layout->addWidget(label);
    layout->addWidget(ReportView(report_, "reportView"));
    auto* buttons = new QDialogButtonBox;
    QPushButton* copy = buttons->addButton(tr("C&opy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyButton"));
    AddButton(buttons, QDialogButtonBox::Close, "closeButton");
    layout->addWidget(buttons);
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(report_); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Room for a changed program's line with several fields.
    resize(900, 600);
}
