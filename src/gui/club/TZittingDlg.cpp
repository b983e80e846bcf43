#include "gui/club/TZittingDlg.h"

#include "gui/WindowPlacement.h"
#include "gui/club/FormKeys.h"
#include "gui/club/TActivePairsDlg.h"
#include "gui/selection/SelectionBoxes.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using velk::SessionDialogModel;

namespace {

constexpr int kBelowParentTop = 150;
const QString kDateFormat = QStringLiteral("dd-MM-yyyy");

struct ParameterBox {
    int field;
    const char* name;
    const char* label;
};

const ParameterBox kParameterBoxes[] = {
    {velk::BoardsField, "Spellenbox", "Aantal Spellen"},
    {velk::RoundsField, "Rondenbox", "Aantal Ronden"},
    {velk::BoardGroupsField, "Spelgroepbox", "Aantal Spelgroepen"},
    {velk::FirstBoardField, "Spelnummerbox", "Eerste Spelnummer"},
    {velk::GroupLengthField, "Spellengtebox", "Lengte Spelgroep"},
};

} // namespace

TZittingDlg::TZittingDlg(velk::Club& club, velk::Dialogs& dialogs, std::function<bool()> save,
                         QWidget* parent)
    : QDialog(parent), club_(club), dialogs_(dialogs), model_(club, dialogs, std::move(save)) {
    setObjectName(QStringLiteral("ZittingDlg"));
    setModal(true);
    setWindowTitle(QStringLiteral("Zitting selecteren"));

    auto* layout = new QVBoxLayout(this);
    auto* head = new QGridLayout;
    sessionLabel_ = new QLabel(this);
    sessionLabel_->setObjectName(QStringLiteral("ZittingLabel"));
    sessionBox_ = MakeSelectBox(this, QStringLiteral("ZitSelectBox"));
    new SelectBoxKeys(
        sessionBox_, [this] { chooseFromBox(); }, [this] { reject(); });
    sessionLabel_->setBuddy(sessionBox_);
    competitionLabel_ = new QLabel(QStringLiteral("Competitie"), this);
    competitionLabel_->setObjectName(QStringLiteral("Competitielabel"));
    competitionNumber_ = new QLabel(this);
    competitionNumber_->setObjectName(QStringLiteral("CompStatText"));
    head->addWidget(sessionLabel_, 0, 0);
    head->addWidget(sessionBox_, 1, 0);
    head->addWidget(competitionLabel_, 0, 1);
    head->addWidget(competitionNumber_, 1, 1);
    layout->addLayout(head);

    panel_ = new QWidget(this);
    panel_->setObjectName(QStringLiteral("ZitKeuzePanel"));
    auto* grid = new QGridLayout(panel_);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (const ParameterBox& p : kParameterBoxes) {
        auto* box = MakeSelectBox(panel_, QString::fromLatin1(p.name));
        ShowSelectBox(box, SessionDialogModel::items(p.field), {}, {});
        const int field = p.field;
        new SelectBoxKeys(
            box, [this, field] { confirmField(field); }, [this] { reject(); }, false);
        auto* label = new QLabel(QString::fromLatin1(p.label), panel_);
        label->setBuddy(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        boxes_[static_cast<std::size_t>(p.field)] = box;
        ++row;
    }
    date_ = new QDateEdit(panel_);
    date_->setObjectName(QStringLiteral("DatumPicker"));
    date_->setToolTip(QStringLiteral("Kies Speeldatum"));
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(kDateFormat);
    date_->setMaximumDate(QDate(model_.latestYear(), 12, 31));
    date_->installEventFilter(this);
    auto* dateLabel = new QLabel(QStringLiteral("Speeldatum"), panel_);
    dateLabel->setBuddy(date_);
    grid->addWidget(dateLabel, row, 0);
    grid->addWidget(date_, row, 1);
    layout->addWidget(panel_);

    auto* buttons = new QHBoxLayout;
    activePairs_ = new QPushButton(
        club_.IsIndividual ? QStringLiteral("Speler&Selectie") : QStringLiteral("Paren&Selectie"), this);
    activePairs_->setObjectName(QStringLiteral("ParenActiefBtn"));
    ok_ = new QPushButton(this);
    ok_->setObjectName(QStringLiteral("OKZitBtn"));
    auto* cancel = new QPushButton(QStringLiteral("&Schrap"), this);
    cancel->setObjectName(QStringLiteral("SchrapZitBtn"));
    buttons->addWidget(activePairs_);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FitTitle(this);

    connect(activePairs_, &QPushButton::clicked, this, &TZittingDlg::ParenActiefBtnClick);
    connect(ok_, &QPushButton::clicked, this, &TZittingDlg::OKZitBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(date_, &QDateEdit::dateChanged, this,
            [this](QDate d) { model_.setDate(d.day(), d.month(), d.year()); });
    // The box also reports "activated" when it loses the focus; only a changed text counts.
    auto backToChoosing = [this] {
        if (SelectText(sessionBox_) == model_.sessionBoxText)
            return;
        model_.sessionBoxText = SelectText(sessionBox_);
        model_.sessionBoxEdited();
        sessionLabel_->setText(ToQtLines(model_.sessionLabel));
        ok_->setText(ToQt(model_.okCaption));
    };
    connect(sessionBox_->lineEdit(), &QLineEdit::textEdited, this, backToChoosing);
    connect(sessionBox_, &QComboBox::activated, this, backToChoosing);
}

bool TZittingDlg::open(int mode, const std::string& openWindow) {
    if (!model_.open(mode, openWindow))
        return false;
    showModel();
    return true;
}

bool TZittingDlg::run(bool* accepted) {
    exec();
    if (accepted)
        *accepted = model_.accepted();
    return model_.finish();
}

void TZittingDlg::showModel() {
    sessionLabel_->setText(ToQtLines(model_.sessionLabel));
    sessionLabel_->setVisible(true);
    sessionBox_->setVisible(model_.sessionBoxVisible);
    ShowSelectBox(sessionBox_, model_.sessionItems, model_.sessionBoxText, {});
    competitionLabel_->setVisible(club_.IsCompetition);
    competitionNumber_->setVisible(club_.IsCompetition);
    competitionNumber_->setText(QString::number(club_.CompetitionNumber));

    for (int field = velk::BoardsField; field <= velk::GroupLengthField; ++field)
        ShowSelectText(boxes_[static_cast<std::size_t>(field)], model_.text[static_cast<std::size_t>(field)]);
    const QDate date = QDate::fromString(ToQt(model_.date), kDateFormat);
    if (date.isValid())
        date_->setDate(date);
    panel_->setVisible(model_.parametersVisible);
    activePairs_->setVisible(model_.parametersVisible);
    ok_->setText(ToQt(model_.okCaption));
    focusModelField();
}

void TZittingDlg::copyToModel() {
    for (int field = velk::BoardsField; field <= velk::GroupLengthField; ++field)
        model_.text[static_cast<std::size_t>(field)] = SelectText(boxes_[static_cast<std::size_t>(field)]);
    model_.sessionBoxText = SelectText(sessionBox_);
}

QWidget* TZittingDlg::widgetOf(int field) const {
    switch (field) {
    case velk::SessionBoxField:
        return sessionBox_;
    case velk::PairSelectionField:
        return activePairs_;
    case velk::DateField:
        return date_;
    case velk::OkField:
        return ok_;
    default:
        return boxes_[static_cast<std::size_t>(field)];
    }
}

void TZittingDlg::focusModelField() {
    const int field = model_.state == SessionDialogModel::Choose ? velk::SessionBoxField : model_.focus;
    if (QWidget* target = widgetOf(field); target && target->isVisibleTo(this))
        target->setFocus();
}

void TZittingDlg::chooseFromBox() {
    copyToModel();
    if (model_.choose())
        showModel();
    else
        sessionBox_->setFocus();
}

void TZittingDlg::confirmField(int field) {
    copyToModel();
    if (model_.validateField(field) != 0) {
        widgetOf(field)->setFocus();
        return;
    }
    widgetOf(SessionDialogModel::nextField(field))->setFocus();
}

bool TZittingDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == date_ && IsEscapeKey(event)) {
        reject();
        return true;
    }
    if (watched == date_ && IsEnterKey(event)) {
        ok_->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TZittingDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->window()->frameGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + kBelowParentTop);
    }
    focusModelField();
}

void TZittingDlg::OKZitBtnClick() {
    if (model_.state == SessionDialogModel::Choose) {
        chooseFromBox();
        return;
    }
    copyToModel();
    if (model_.accept())
        accept();
    else
        focusModelField();
}

void TZittingDlg::ParenActiefBtnClick() {
    TActivePairsDlg dialog(club_, dialogs_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (activePairsChanged)
        activePairsChanged();
    date_->setFocus();
}

void TZittingDlg::done(int result) {
    if (result != QDialog::Accepted)
        model_.cancel();
    QDialog::done(result);
}

int OpenSessionDialog(QWidget* parent, velk::Club& club, velk::Dialogs& dialogs, int mode,
                      std::function<bool()> save, const std::string& openWindow, bool* accepted,
                      std::function<void()> activePairsChanged) {
    if (accepted)
        *accepted = false;
    TZittingDlg dialog(club, dialogs, std::move(save), parent);
    dialog.activePairsChanged = std::move(activePairsChanged);
    if (!dialog.open(mode, openWindow))
        return 0;
    return dialog.run(accepted) ? 1 : 0;
}
