#include "rescan/ToolDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The core's names of the clean-up rules, for the translations to find.
[[maybe_unused]] constexpr const char* kRuleNames[] = {
    QT_TRANSLATE_NOOP("CleanUp", "duplicate programs"),
    QT_TRANSLATE_NOOP("CleanUp", "duplicate transponders"),
    QT_TRANSLATE_NOOP("CleanUp", "broken favorite entries"),
    QT_TRANSLATE_NOOP("CleanUp", "programs whose transponder does not exist"),
    QT_TRANSLATE_NOOP("CleanUp", "transponders without programs"),
};

// Names and reports are UTF-8 of the ISO-8859-1 view; names alone are bytes.
QString FromName(const std::string& name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// A standard button with the editor's own text, which gives it an accelerator.
QPushButton* AddButton(QDialogButtonBox* box, QDialogButtonBox::StandardButton which, const char* objectName) {
    QPushButton* button = box->addButton(which);
    button->setObjectName(QString::fromLatin1(objectName));
    switch (which) {
    case QDialogButtonBox::Ok:
        button->setText(QCoreApplication::translate("ToolDialogs", "&OK"));
        break;
    case QDialogButtonBox::Cancel:
        button->setText(QCoreApplication::translate("ToolDialogs", "&Cancel"));
        break;
    case QDialogButtonBox::Close:
        button->setText(QCoreApplication::translate("ToolDialogs", "&Close"));
        break;
    default:
        break;
    }
    return button;
}

// The mnemonic letter of a text: the one after a single '&', lower case; none without one.
QChar MnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&'))
                return text[i + 1].toLower();
            ++i;
        }
    }
    return QChar();
}

// The text with '&' before its first letter (word beginnings first) that `taken` does not hold yet;
// that letter joins `taken`. Unchanged when every letter is taken.
QString WithMnemonic(const QString& text, QString& taken) {
    for (const bool wordStart : {true, false}) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (!c.isLetterOrNumber() || c.unicode() > 0x7F || taken.contains(c.toLower()))
                continue;
            if (wordStart && i > 0 && text[i - 1].isLetterOrNumber())
                continue;
            taken += c.toLower();
            return text.left(i) + QLatin1Char('&') + text.mid(i);
        }
    }
    return text;
}

QPlainTextEdit* ReportView(const QString& text, const char* objectName) {
    auto* view = new QPlainTextEdit;
    view->setObjectName(QString::fromLatin1(objectName));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setPlainText(text);
    view->setMinimumSize(560, 320);
    return view;
}

} // namespace

// ---- Apply Order from File ----

ApplyOrderDialog::ApplyOrderDialog(const ApplyOrderPlan& plan, const QString& referenceName, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("applyOrderDialog"));
    setWindowTitle(tr("Apply Order from File"));
    auto* layout = new QVBoxLayout(this);
    const ProgramMatching& m = plan.matching;
    auto* summary = new QLabel(tr("Reference: %1\n"
                                  "Matched by key: %2\n"
                                  "Matched by name: %3\n"
                                  "Programs of this file without a partner: %4\n"
                                  "Programs of the reference missing here: %5")
                                   .arg(referenceName)
                                   .arg(m.byKey)
                                   .arg(m.byName)
                                   .arg(m.TargetWithoutPartner())
                                   .arg(m.MissingFromTarget()));
    summary->setObjectName(QStringLiteral("summaryLabel"));
    layout->addWidget(summary);

    auto* without = new QListWidget;
    without->setObjectName(QStringLiteral("withoutPartnerList"));
    for (const std::string& name : plan.namesWithoutPartner)
        without->addItem(FromName(name));
    without->setVisible(!plan.namesWithoutPartner.empty());
    layout->addWidget(without);

    order_ = new QCheckBox(tr("Channel o&rder"));
    order_->setObjectName(QStringLiteral("channelOrderCheck"));
    groups_ = new QCheckBox(tr("&Favorite groups"));
    groups_->setObjectName(QStringLiteral("favoriteGroupsCheck"));
    for (QCheckBox* box : {order_, groups_}) {
        box->setChecked(true);
        layout->addWidget(box);
    }

    auto* buttons = new QDialogButtonBox;
    ok_ = AddButton(buttons, QDialogButtonBox::Ok, "okButton");
    AddButton(buttons, QDialogButtonBox::Cancel, "cancelButton");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Nothing to take, nothing to confirm.
    auto update = [this] { ok_->setEnabled(order_->isChecked() || groups_->isChecked()); };
    connect(order_, &QCheckBox::toggled, this, update);
    connect(groups_, &QCheckBox::toggled, this, update);
}

bool ApplyOrderDialog::ChannelOrder() const {
    return order_->isChecked();
}

bool ApplyOrderDialog::FavoriteGroups() const {
    return groups_->isChecked();
}

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
    // Every box gets a letter of its own, apart from the buttons' letters.
    QString taken;
    for (const QPushButton* button : findChildren<QPushButton*>())
        taken += MnemonicOf(button->text());
    for (int rule = 0; rule < CLEAN_RULE_COUNT; ++rule) {
        QString name = QCoreApplication::translate("CleanUp", CleanUpRuleName(rule));
        name[0] = name[0].toUpper();
        const QString counted = tr("%1: %2").arg(name).arg(plan_.Count(rule));
        rules_[rule]->setText(WithMnemonic(counted, taken));
        if (plan_.Count(rule) == 0)
            continue;
        text += counted + (options.on[rule] ? QString() : tr(" (kept)")) + QLatin1Char('\n');
        for (const std::string& line : plan_.found[rule])
            text += QStringLiteral("  ") + QString::fromStdString(line) + QLatin1Char('\n');
    }
    findings_->setPlainText(text.isEmpty() ? tr("Nothing to clean up.") : text);
    ok_->setEnabled(!plan_.NothingToDo());
}

// ---- Compare with File ----

CompareDialog::CompareDialog(const QString& report, const QString& files, QWidget* parent)
    : QDialog(parent), report_(report) {
    setObjectName(QStringLiteral("compareDialog"));
    setWindowTitle(tr("Compare with File"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(files);
    label->setObjectName(QStringLiteral("filesLabel"));
    layout->addWidget(label);
    layout->addWidget(ReportView(report, "reportView"));
    auto* buttons = new QDialogButtonBox;
    QPushButton* copy = buttons->addButton(tr("C&opy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyButton"));
    AddButton(buttons, QDialogButtonBox::Close, "closeButton");
    layout->addWidget(buttons);
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(report_); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}
