#include "forms/AudioDialog.h"

#include "database/DisplayTables.h"
#include "forms/FormWidgets.h"
#include "forms/NumberRules.h"
#include "ui/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTreeWidget>

namespace {

constexpr int kPidColumn = 0;
constexpr int kLanguageColumn = 1;
constexpr int kEncColumn = 2;

QString PidText(uint16_t word) {
    return ShowNumber(word & PID_MASK, 4, word != PID_NONE);
}

QString LanguageText(uint8_t language) {
    return language < NUM_LANGUAGES ? QString::fromLatin1(LanguageCode(language)) : QString();
}

QPushButton* Button(QWidget* parent, const char* objectName, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

} // namespace

AudioDialog::AudioDialog(const PidList& tracks, QWidget* parent) : QDialog(parent), tracks_(tracks) {
    // One PID word per language byte, as the file stores them: a word missing from a damaged list
    // counts as no PID.
    tracks_.pids.resize(tracks_.languages.size(), PID_NONE);
    setObjectName(QStringLiteral("audioDialog"));
    setWindowTitle(tr("Audio"));
    setModal(true);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("trackList"));
    list_->setColumnCount(3);
    list_->setHeaderLabels({tr("PID"), tr("Language"), tr("Enc")});
    list_->header()->setDefaultAlignment(Qt::AlignCenter);
    list_->header()->setSectionsMovable(false);
    list_->header()->setStretchLastSection(false);
    list_->setColumnWidth(kPidColumn, 71);
    list_->setColumnWidth(kLanguageColumn, 81);
    list_->setColumnWidth(kEncColumn, 42);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setMinimumWidth(71 + 81 + 42 + 2 * list_->frameWidth() + 4);
    // The selection stays as visible as with the focus when the list loses it.
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    list_->setPalette(palette);

    QPushButton* ok = Button(this, "ok", tr("&OK"));
    QPushButton* cancel = Button(this, "cancel", tr("&Cancel"));
    QPushButton* remove = Button(this, "delete", tr("&Delete"));
    QPushButton* add = Button(this, "add", tr("&Add"));
    QPushButton* modify = Button(this, "modify", tr("&Modify"));
    ok->setDefault(true);

    pid_ = new QLineEdit(this);
    pid_->setObjectName(QStringLiteral("pid"));
    pid_->setAlignment(Qt::AlignCenter);
    pid_->setAccessibleName(tr("PID"));
    language_ = new FormComboBox(this);
    language_->setObjectName(QStringLiteral("language"));
    language_->setAccessibleName(tr("Language"));
    language_->addItem(QString());
    for (int i = 0; i < NUM_LANGUAGES; ++i)
        language_->addItem(QString::fromLatin1(LanguageCode(static_cast<uint8_t>(i))));
    language_->setCurrentIndex(-1);
    ac3_ = new QCheckBox(QStringLiteral("AC&3"), this);
    ac3_->setObjectName(QStringLiteral("ac3"));
    ac3_->setAccessibleName(tr("Enc"));

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* editRow = new QHBoxLayout;
    editRow->addWidget(pid_, 71);
    editRow->addWidget(language_, 81);
    editRow->addWidget(ac3_, 42);

    auto* grid = new QGridLayout(this);
    grid->addWidget(list_, 0, 0, 4, 1);
    grid->addWidget(ok, 0, 1);
    grid->addWidget(cancel, 1, 1);
    grid->setRowStretch(2, 1);
    grid->addWidget(remove, 3, 1);
    grid->addWidget(line, 4, 0, 1, 2);
    grid->addLayout(editRow, 5, 0, 2, 1, Qt::AlignVCenter);
    grid->addWidget(add, 5, 1);
    grid->addWidget(modify, 6, 1);
    grid->setColumnStretch(0, 1);
    // Tab goes down the list's buttons, then along the fields below and down their buttons.
    QWidget* order[] = {list_, ok, cancel, remove, pid_, language_, ac3_, add, modify};
    for (size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(add, &QPushButton::clicked, this, &AudioDialog::Add);
    connect(modify, &QPushButton::clicked, this, &AudioDialog::Modify);
    connect(remove, &QPushButton::clicked, this, &AudioDialog::Delete);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &AudioDialog::OnSelectionChanged);
    connect(list_, &QTreeWidget::itemClicked, this, &AudioDialog::OnRowClicked);

    {
        const QScopedValueRollback<bool> guard(selecting_, true);
        for (size_t i = 0; i < tracks_.Count(); ++i) {
            auto* row = new QTreeWidgetItem(list_);
            SetRowTexts(row, tracks_.pids[i], tracks_.languages[i]);
        }
    }
    if (!tracks_.Empty()) {
        current_ = 0;
        SelectCurrentRow();
        ShowEntry(current_);
    }
    list_->setFocus();
    resize(sizeHint().width(), qMax(sizeHint().height(), 300));
}

void AudioDialog::SetRowTexts(QTreeWidgetItem* row, uint16_t word, uint8_t language) {
    row->setText(kPidColumn, PidText(word));
    row->setText(kLanguageColumn, LanguageText(language));
    row->setText(kEncColumn, (word & PID_FLAG_AC3) ? QStringLiteral("AC3") : QString());
    for (int column = 0; column < 3; ++column)
        row->setTextAlignment(column, Qt::AlignCenter);
}

void AudioDialog::ShowEntry(int index) {
    if (index >= 0 && static_cast<size_t>(index) < tracks_.Count()) {
        const uint16_t word = tracks_.pids[index];
        const uint8_t language = tracks_.languages[index];
        pid_->setText(PidText(word));
        language_->setCurrentIndex(language < NUM_LANGUAGES ? language + 1 : 0);
        ac3_->setChecked(word & PID_FLAG_AC3);
    } else {
        pid_->clear();
        language_->setCurrentIndex(0);
        ac3_->setChecked(false);
    }
}

bool AudioDialog::ReadEditRow(uint16_t* word, uint8_t* language) {
    const int32_t pid = ReadNumber(pid_);
    if ((pid & PID_MASK) == 0) {
        MessageBox::Error(this, tr("Invalid PID"));
        return false;
    }
    // Item 0 (no language) gives LANG_NONE; no selection at all gives 254, which also shows as none.
    *language = static_cast<uint8_t>(language_->currentIndex() - 1);
    *word = static_cast<uint16_t>(pid & PID_MASK);
    if (ac3_->isChecked())
        *word |= PID_FLAG_AC3;
    return true;
}

void AudioDialog::SelectCurrentRow() {
    const QScopedValueRollback<bool> guard(selecting_, true);
    QTreeWidgetItem* row = current_ >= 0 ? list_->topLevelItem(current_) : nullptr;
    if (row) {
        list_->setCurrentItem(row);
        list_->scrollToItem(row);
    } else {
        list_->clearSelection();
    }
}

// Whatever moves the selection, by mouse or keyboard, moves the current entry with it, so that
// Modify and Delete always act on the row the user sees selected.
void AudioDialog::OnSelectionChanged() {
    if (selecting_)
        return;
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) {
        if (current_ >= 0)
            SelectCurrentRow();
        return;
    }
    const int index = list_->indexOfTopLevelItem(selected.first());
    if (index != current_) {
        current_ = index;
        ShowEntry(current_);
    }
}

void AudioDialog::OnRowClicked(QTreeWidgetItem* row) {
    const int index = list_->indexOfTopLevelItem(row);
    if (index < 0)
        return;
    current_ = index;
    SelectCurrentRow();
    ShowEntry(current_);
}

void AudioDialog::Add() {
    if (tracks_.Count() >= MAX_PID_ENTRIES) {
        MessageBox::Error(this, tr("A program holds at most 255 audio tracks."));
        return;
    }
    uint16_t word = 0;
    uint8_t language = 0;
    if (!ReadEditRow(&word, &language))
        return;
    if (current_ < 0)
        current_ = 0;
    tracks_.Insert(static_cast<size_t>(current_), word, language);
    auto* row = new QTreeWidgetItem;
    SetRowTexts(row, word, language);
    {
        const QScopedValueRollback<bool> guard(selecting_, true);
        list_->insertTopLevelItem(current_, row);
    }
    SelectCurrentRow();
    ShowEntry(current_);
}

void AudioDialog::Modify() {
    if (current_ < 0)
        return;
    uint16_t word = 0;
    uint8_t language = 0;
    if (!ReadEditRow(&word, &language))
        return;
    tracks_.pids[current_] = word;
    tracks_.languages[current_] = language;
    SetRowTexts(list_->topLevelItem(current_), word, language);
}

void AudioDialog::Delete() {
    if (current_ < 0)
        return;
    tracks_.Remove(static_cast<size_t>(current_));
    {
        const QScopedValueRollback<bool> guard(selecting_, true);
        delete list_->takeTopLevelItem(current_);
    }
    if (static_cast<size_t>(current_) >= tracks_.Count())
        current_ = static_cast<int>(tracks_.Count()) - 1;
    SelectCurrentRow();
    ShowEntry(current_);
}
