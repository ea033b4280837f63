#include "forms/EditBar.h"

#include "forms/NetworkPane.h"
#include "forms/ProgramPane.h"
#include "forms/TransponderPane.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

#include <initializer_list>

EditBar::EditBar(QWidget* parent) : QDockWidget(parent) {
    setObjectName(QStringLiteral("editBar"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);

    stack_ = new QStackedWidget(this);
    stack_->setObjectName(QStringLiteral("paneStack"));

    emptyPane_ = new QLabel(tr("Empty"), stack_);
    emptyPane_->setObjectName(QStringLiteral("emptyPane"));
    emptyPane_->setAlignment(Qt::AlignCenter);
    networkPane_ = new NetworkPane(&antennaConfig_, &network_, stack_);
    networkPane_->setObjectName(QStringLiteral("networkPane"));
    transponderPane_ = new TransponderPane(&transponder_, stack_);
    transponderPane_->setObjectName(QStringLiteral("transponderPane"));
    programPane_ = new ProgramPane(&program_, stack_);
    programPane_->setObjectName(QStringLiteral("programPane"));

    // Page index = PaneKind.
    stack_->addWidget(emptyPane_);
    stack_->addWidget(networkPane_);
    stack_->addWidget(transponderPane_);
    stack_->addWidget(programPane_);
    setWidget(stack_);
    stack_->setCurrentIndex(PANE_EMPTY);
    setWindowTitle(PaneCaption(PANE_EMPTY));

    const std::initializer_list<FormPane*> panes = {networkPane_, transponderPane_, programPane_};
    int columnWidth = 0;
    for (FormPane* pane : panes)
        columnWidth = qMax(columnWidth, pane->LabelColumnWidth());
    for (FormPane* pane : panes) {
        pane->SetColumnWidth(columnWidth);
        connect(pane, &FormPane::okClicked, this, &EditBar::okClicked);
    }
    connect(programPane_, &ProgramPane::moreAudioClicked, this, &EditBar::moreAudioClicked);

    // Whatever the user does in a pane may make or drop pending edits.
    for (QLineEdit* edit : stack_->findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textEdited, this, &EditBar::edited);
    for (QComboBox* box : stack_->findChildren<QComboBox*>())
        connect(box, &QComboBox::activated, this, &EditBar::edited);
    for (QAbstractButton* button : stack_->findChildren<QAbstractButton*>())
        connect(button, &QAbstractButton::clicked, this, &EditBar::edited);
}

EditBar::~EditBar() = default;

QString EditBar::PaneCaption(PaneKind kind) {
    switch (kind) {
    case PANE_NETWORK:
        return tr("Network");
    case PANE_TRANSPONDER:
        return tr("Transponder");
    case PANE_PROGRAM:
        return tr("Program");
    case PANE_EMPTY:
        break;
    }
    return QString();
}

void EditBar::SetPane(PaneKind kind) {
    if (kind == paneKind_ || kind < PANE_EMPTY || kind > PANE_PROGRAM)
        return;
    paneKind_ = kind;
    stack_->setCurrentIndex(kind);
    setWindowTitle(PaneCaption(kind));
}

void EditBar::ToggleEditBar() {
    setVisible(isHidden());
}

void EditBar::ShowNetwork(const AntennaConfig& config, const Network& network) {
    SetPane(PANE_NETWORK);
    antennaConfig_ = config;
    network_ = network;
    networkPane_->Load();
}

void EditBar::ShowTransponder(const Transponder& transponder) {
    SetPane(PANE_TRANSPONDER);
    transponder_ = transponder;
    transponderPane_->Load();
}

void EditBar::ShowProgram(const Program& program) {
    SetPane(PANE_PROGRAM);
    program_ = program;
    programPane_->Load();
}

int EditBar::ReadNetwork() {
    if (paneKind_ != PANE_NETWORK)
        return 1;
    networkPane_->Read();
    return 0;
}

int EditBar::ReadTransponder() {
    if (paneKind_ != PANE_TRANSPONDER)
        return 1;
    transponderPane_->Read();
    return 0;
}

int EditBar::ReadProgram() {
    if (paneKind_ != PANE_PROGRAM)
        return 1;
    programPane_->Read();
    return 0;
}

void EditBar::EditAudioList() {
    if (paneKind_ == PANE_PROGRAM)
        programPane_->EditAudioList();
}
