#include "rescan/CleanUpDialog.h"

#include "rescan/DialogParts.h"

#include <QCheckBox>
#include <QVBoxLayout>

using dialogparts::AddButton;
using dialogparts::ReportView;

namespace {

// The core's names of the clean-up rules, for the translations to find.
[[maybe_unused]] constexpr const char* kRuleNames[] = {
    QT_TRANSLATE_NOOP("CleanUp", "duplicate programs"),
    QT_TRANSLATE_NOOP("CleanUp", "duplicate transponders"),
    QT_TRANSLATE_NOOP("CleanUp", "broken favorite entries"),
    QT_TRANSLATE_NOOP("CleanUp", "programs whose transponder does not exist"),
    QT_TRANSLATE_NOOP("CleanUp", "transponders without programs"),
};

} // namespace

// ---- Clean Up ----

CleanUpDialog::CleanUpDialog(const NetworkDatabase& database, QWidget* parent) : QDialog(parent), database_(database) {
    setObjectName(QStringLiteral("cleanUpDialog"));
    setWindowTitle(tr("Clean Up"));
    auto* layout = new QVBoxLayout(this);
    const CleanUpOptions defaults;
    for (int rule = 0; rule < CLEAN_RULE_COUNT; ++rule) {
        rules_[rule] = new QCheckBox;
        rules_[rule]->setObjectName(QStringLiteral("rule%1Check").arg(rule + 1));
        rules_[rule]->setChecked(defaults.on[rule]);
        layout->addWidget(rules_[rule]);
        connect(rules_[rule], &QCheckBox::toggled, this, &CleanUpDialog::Find);
    }
    findings_ = ReportView(QString(), "findingsView");
    layout->addWidget(findings_);
    auto* buttons = new QDialogButtonBox;
    ok_ = AddButton(buttons, QDialogButtonBox::Ok, "okButton");
    AddButton(buttons, QDialogButtonBox::Cancel, "cancelButton");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Find();
}

void CleanUpDialog::Find() {
    CleanUpOptions options;
    for (int rule = 0; rule < CLEAN_RULE_COUNT; ++rule)
        options.on[rule] = rules_[rule]->isChecked();
    plan_ = FindCleanUp(database_, options);
    QString text;
    for (int rule = 0; rule < CLEAN_RULE_COUNT; ++rule) {
        QString name = QCoreApplication::translate("CleanUp", CleanUpRuleName(rule));
        name[0] = name[0].toUpper();
        const QString counted = tr("%1: %2").arg(name).arg(plan_.Count(rule));
        rules_[rule]->setText(counted);
        if (plan_.Count(rule) == 0)
            continue;
        text += counted + (options.on[rule] ? QString() : tr(" (kept)")) + QLatin1Char('\n');
        for (const std::string& line : plan_.found[rule])
            text += QStringLiteral("  ") + QString::fromStdString(line) + QLatin1Char('\n');
    }
    findings_->setPlainText(text.isEmpty() ? tr("Nothing to clean up.") : text);
    ok_->setEnabled(!plan_.NothingToDo());
}
