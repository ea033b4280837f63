#include "rescan/CleanUpDialog.h"

#include "rescan/DialogParts.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

using dialogparts::AddButton;

namespace {

// The core's texts of the clean-up, for the translations to find.
[[maybe_unused]] constexpr const char* kCleanUpTexts[] = {
    QT_TRANSLATE_NOOP("CleanUp", "duplicate programs"),
    QT_TRANSLATE_NOOP("CleanUp", "duplicate transponders"),
    QT_TRANSLATE_NOOP("CleanUp", "broken favorite entries"),
    QT_TRANSLATE_NOOP("CleanUp", "programs whose transponder does not exist"),
    QT_TRANSLATE_NOOP("CleanUp", "transponders without programs"),
    QT_TRANSLATE_NOOP("CleanUp", "TV %1"),
    QT_TRANSLATE_NOOP("CleanUp", "Radio %1"),
    QT_TRANSLATE_NOOP("CleanUp", "a missing satellite"),
    QT_TRANSLATE_NOOP("CleanUp", "%1 on %2, service ID %3: same as %4"),
    QT_TRANSLATE_NOOP("CleanUp", "%1, service ID %2: transponder %3 does not exist"),
    QT_TRANSLATE_NOOP("CleanUp", "%1, symbol rate %2: same as %3 %4, %5 channels move there"),
    QT_TRANSLATE_NOOP("CleanUp", "%1, symbol rate %2"),
    QT_TRANSLATE_NOOP("CleanUp", "Group %1 %2"),
    QT_TRANSLATE_NOOP("CleanUp", "%1, TV list entry %2: program %3 does not exist"),
    QT_TRANSLATE_NOOP("CleanUp", "%1, radio list entry %2: program %3 does not exist"),
    QT_TRANSLATE_NOOP("CleanUp", "%1, TV list entry %2: repeats %3"),
    QT_TRANSLATE_NOOP("CleanUp", "%1, radio list entry %2: repeats %3"),
};

std::string Translated(const char* english) {
    return QCoreApplication::translate("CleanUp", english).toStdString();
}

constexpr int kRuleRole = Qt::UserRole;
constexpr int kFindingRole = Qt::UserRole + 1;

} // namespace

CleanUpDialog::CleanUpDialog(const NetworkDatabase& database, QWidget* parent) : QDialog(parent), database_(database) {
    setObjectName(QStringLiteral("cleanUpDialog"));
    setWindowTitle(tr("Clean Up"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Check what to remove:"));
    layout->addWidget(label);
    findings_ = new QTreeWidget;
    findings_->setObjectName(QStringLiteral("findingsTree"));
    findings_->setHeaderHidden(true);
    findings_->setUniformRowHeights(true);
    findings_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    findings_->header()->setStretchLastSection(false);
    findings_->setMinimumSize(640, 360);
    label->setBuddy(findings_);
    layout->addWidget(findings_);
    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("summaryLabel"));
    layout->addWidget(summary_);
    auto* buttons = new QDialogButtonBox;
    ok_ = AddButton(buttons, QDialogButtonBox::Ok, "okButton");
    AddButton(buttons, QDialogButtonBox::Cancel, "cancelButton");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(findings_, &QTreeWidget::itemChanged, this, &CleanUpDialog::ItemChanged);
    Find();
    resize(820, 560);
}

QString CleanUpDialog::FindingText(const CleanUpFinding& finding) {
    return QString::fromStdString(FormatCleanUpFinding(finding, Translated));
}

QString CleanUpDialog::RuleText(int rule, size_t count) {
    QString name = QCoreApplication::translate("CleanUp", CleanUpRuleName(rule));
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return tr("%1: %2").arg(name).arg(count);
}

QString CleanUpDialog::RemovedText(const CleanUpPlan& plan) {
    const auto channels = static_cast<int>(plan.duplicatePrograms.size() + plan.orphanPrograms.size());
    const auto transponders = static_cast<int>(plan.duplicateTransponders.size() + plan.emptyTransponders.size());
    const auto entries = static_cast<int>(plan.Applied(CLEAN_BROKEN_FAVORITES));
    return tr("Clean Up removed channels: %1, transponders: %2, favorite entries: %3.")
        .arg(channels)
        .arg(transponders)
        .arg(entries);
}

void CleanUpDialog::Find() {
    plan_ = FindCleanUp(database_, options_);
    filling_ = true;
    // The same findings as before keep their rows (and the scroll position); others fill anew.
    bool same = findings_->topLevelItemCount() == CLEAN_RULE_COUNT;
    for (int rule = 0; same && rule < CLEAN_RULE_COUNT; ++rule) {
        QTreeWidgetItem* group = findings_->topLevelItem(rule);
        same = group->childCount() == static_cast<int>(plan_.Count(rule));
        for (int i = 0; same && i < group->childCount(); ++i) {
            const CleanUpKey& key = plan_.findings[rule][static_cast<size_t>(i)].key;
            same = group->child(i)->data(0, kFindingRole).toList() ==
                   QVariantList{key.index, key.radio, key.position};
        }
    }
    if (!same) {
        findings_->clear();
        for (int rule = 0; rule < CLEAN_RULE_COUNT; ++rule) {
            auto* group = new QTreeWidgetItem(findings_);
            group->setData(0, kRuleRole, rule);
            group->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
            for (const CleanUpFinding& finding : plan_.findings[rule]) {
                auto* item = new QTreeWidgetItem(group);
                item->setData(0, kRuleRole, rule);
                item->setData(0, kFindingRole, QVariantList{finding.key.index, finding.key.radio, finding.key.position});
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            }
            group->setExpanded(true);
        }
    }
    size_t going = 0;
    for (int rule = 0; rule < CLEAN_RULE_COUNT; ++rule) {
        QTreeWidgetItem* group = findings_->topLevelItem(rule);
        const size_t applied = plan_.Applied(rule);
        going += applied;
        group->setText(0, RuleText(rule, plan_.Count(rule)));
        group->setDisabled(plan_.Count(rule) == 0);
        for (int i = 0; i < group->childCount(); ++i) {
            const CleanUpFinding& finding = plan_.findings[rule][static_cast<size_t>(i)];
            group->child(i)->setText(0, FindingText(finding));
            group->child(i)->setCheckState(0, finding.applies ? Qt::Checked : Qt::Unchecked);
        }
        // A group without findings shows whether its rule is on.
        if (group->childCount() == 0)
            group->setCheckState(0, options_.on[rule] ? Qt::Checked : Qt::Unchecked);
    }
    summary_->setText(plan_.NothingToDo() ? tr("Nothing to clean up.")
                                          : tr("Checked for removal: %1").arg(going));
    ok_->setEnabled(!plan_.NothingToDo());
    filling_ = false;
}

void CleanUpDialog::ItemChanged(QTreeWidgetItem* item) {
    if (filling_)
        return;
    const int rule = item->data(0, kRuleRole).toInt();
    const bool checked = item->checkState(0) == Qt::Checked;
    if (!item->parent()) {
        // The group's box: all of its findings, or none.
        if (item->checkState(0) == Qt::PartiallyChecked)
            return;
        options_.on[rule] = checked;
        for (const CleanUpFinding& finding : plan_.findings[rule])
            options_.kept.erase(finding.key);
    } else {
        const QVariantList id = item->data(0, kFindingRole).toList();
        const CleanUpKey key{static_cast<uint8_t>(rule), id[0].toUInt(), id[1].toBool(), id[2].toUInt()};
        if (checked && !options_.on[rule]) {
            // The first finding taken of a rule that was off: the others stay.
            options_.on[rule] = true;
            for (const CleanUpFinding& finding : plan_.findings[rule])
                options_.kept.insert(finding.key);
        }
        if (checked)
            options_.kept.erase(key);
        else
            options_.kept.insert(key);
    }
    // Qt sets the group's state from its children first, one change at a time; the findings decide
    // anew once for all of them.
    if (findPending_)
        return;
    findPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            findPending_ = false;
            Find();
        },
        Qt::QueuedConnection);
}
