#include "gui/club/TPaarkeuzeDlg.h"

#include "gui/WindowPlacement.h"
#include "gui/club/FormKeys.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kMemoHeight = 320;
}

TPaarkeuzeDlg::TPaarkeuzeDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PaarkeuzeDlg"));
    setModal(true);
    setWindowTitle(QStringLiteral("CompetitieGegevens Stap1"));

    auto* layout = new QVBoxLayout(this);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    memo_->setFixedHeight(kMemoHeight);
    layout->addWidget(memo_);

    names_ = new QButtonGroup(this);
    pairNames_ = new QRadioButton(QStringLiteral("PaarXX  als naam "), this);
    pairNames_->setObjectName(QStringLiteral("PaarNaamRadio"));
    memberNames_ = new QRadioButton(QStringLiteral("Ledenparen als naam "), this);
    memberNames_->setObjectName(QStringLiteral("LedenNaamRadio"));
    names_->addButton(pairNames_);
    names_->addButton(memberNames_);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(pairNames_);
    nameRow->addWidget(memberNames_);
    nameRow->addStretch();
    layout->addLayout(nameRow);

    auto* buttons = new QHBoxLayout;
    continue_ = new QPushButton(QStringLiteral("Verder"), this);
    continue_->setObjectName(QStringLiteral("VerderBtn"));
    auto* stop = new QPushButton(QStringLiteral("&Stop"), this);
    stop->setObjectName(QStringLiteral("StopBtn"));
    members_ = new QPushButton(QStringLiteral("Ledenbestand"), this);
    members_->setObjectName(QStringLiteral("LedenBtn"));
    buttons->addWidget(continue_);
    buttons->addWidget(stop);
    buttons->addWidget(members_);
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(continue_, &QPushButton::clicked, this, &QDialog::accept);
    connect(stop, &QPushButton::clicked, this, &QDialog::reject);
    connect(members_, &QPushButton::clicked, this, &TPaarkeuzeDlg::LedenBtnClick);
    connect(names_, &QButtonGroup::buttonClicked, continue_, &QWidget::show);
}

void TPaarkeuzeDlg::setStep(const velk::WizardStepText& step) {
    setWindowTitle(ToQt(step.caption));
    memo_->setPlainText(ToQtLines(step.text));
    continue_->setText(ToQt(step.continueCaption));
    members_->setVisible(step.hasMembersButton);
    nameChoice_ = step.hasNameChoice;
    pairNames_->setVisible(nameChoice_);
    memberNames_->setVisible(nameChoice_);
    // The name must be chosen before the wizard goes on.
    names_->setExclusive(false);
    pairNames_->setChecked(false);
    memberNames_->setChecked(false);
    names_->setExclusive(true);
    continue_->setVisible(!nameChoice_);
    // Every line of the step whole, and the whole caption in the frame.
    int widest = 0;
    for (const QString& line : memo_->toPlainText().split(QLatin1Char('\n')))
        widest = std::max(widest, memo_->fontMetrics().horizontalAdvance(line));
    const int margins = 2 * memo_->frameWidth() + 2 * static_cast<int>(memo_->document()->documentMargin()) +
                        memo_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, memo_);
    memo_->setMinimumWidth(widest + margins + 4);
    FitTitle(this);
    adjustSize();
}

bool TPaarkeuzeDlg::runStep(const velk::WizardStepText& step, bool& useMemberNames) {
    setStep(step);
    membersRequested_ = false;
    const bool goOn = exec() == QDialog::Accepted;
    if (membersRequested_ && onMembers)
        onMembers();
    if (goOn && nameChoice_)
        useMemberNames = this->useMemberNames();
    return goOn;
}

bool TPaarkeuzeDlg::useMemberNames() const {
    return memberNames_->isChecked();
}

void TPaarkeuzeDlg::LedenBtnClick() {
    // The members register comes first: the wizard stops and the members window opens once
    // this dialog is gone.
    membersRequested_ = true;
    reject();
}
