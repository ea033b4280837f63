#include "rescan/CompareDialog.h"

#include "rescan/DialogParts.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QVBoxLayout>

using dialogparts::AddButton;
using dialogparts::ReportView;


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
