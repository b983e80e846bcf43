#include "gui/club/TConfigDial.h"

#include "gui/club/FormKeys.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using velk::ConfigDialogModel;

namespace {
constexpr int kNameLength = 32;
}

TConfigDial::TConfigDial(velk::Club& club, velk::Dialogs& dialogs, bool isNew, QWidget* parent)
    : QDialog(parent), model_(club, dialogs, isNew) {
    setObjectName(QStringLiteral("ConfigDial"));
    setModal(true);
    setWindowTitle(ToQt(model_.caption()));

    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);

    auto* counts = new QGridLayout;
    auto* percentages = new QGroupBox(QStringLiteral("Maximum in Procenten"), this);
    percentages->setObjectName(QStringLiteral("ProcentenBox"));
    auto* percentageGrid = new QGridLayout(percentages);
    for (int field = velk::FieldName; field <= velk::FieldPctTwoSubs; ++field) {
        const bool inPercentages = field >= velk::FieldPctOneSub;
        QWidget* owner = inPercentages ? static_cast<QWidget*>(percentages) : this;
        auto* label = new QLabel(ToQt(model_.label(field)), owner);
        auto* edit = new QLineEdit(ToQt(model_.text[static_cast<std::size_t>(field)]), owner);
        edit->setObjectName(QStringLiteral("Edit%1").arg(field));
        label->setObjectName(QStringLiteral("Label%1").arg(field));
        edit->installEventFilter(this);
        label->setBuddy(edit);
        QGridLayout* grid = inPercentages ? percentageGrid : counts;
        const int row = inPercentages ? field - velk::FieldPctOneSub : field - 1;
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        const bool visible = model_.fieldVisible(field);
        label->setVisible(visible);
        edit->setVisible(visible);
        labels_[static_cast<std::size_t>(field)] = label;
        edits_[static_cast<std::size_t>(field)] = edit;
    }
    edits_[velk::FieldName]->setMaxLength(kNameLength);
    auto* left = new QVBoxLayout;
    left->addLayout(counts);
    left->addWidget(percentages);
    left->addStretch();
    columns->addLayout(left);

    auto* right = new QVBoxLayout;
    scoringBox_ = newChoiceBox("TellingBox", ToQt(model_.label(velk::FieldScoring)),
                               {QStringLiteral("Paren    "), QStringLiteral("Butler   "),
                                QStringLiteral("Cross Imp"), QStringLiteral("Enkel")},
                               scoring_);
    neubergBox_ = newChoiceBox(
        "NeubergBox", ToQt(model_.label(velk::FieldNeuberg)),
        {QStringLiteral("Niet"), QStringLiteral("Ja, 0 dec."), QStringLiteral("Ja, 1 dec.")}, neuberg_);
    calcBox_ = newChoiceBox("BerekenBox", ToQt(model_.label(velk::FieldCalcMethod)),
                            {QStringLiteral("Elke groep"), QStringLiteral("Topintegraal")}, calcMethod_);
    scoring_->button(model_.scoringIndex)->setChecked(true);
    neuberg_->button(model_.neubergIndex)->setChecked(true);
    calcMethod_->button(model_.calcIndex)->setChecked(true);
    contracts_ = new QCheckBox(ToQt(model_.label(velk::FieldContracts)), this);
    contracts_->setObjectName(QStringLiteral("ContractBox"));
    contracts_->setChecked(model_.useContracts);
    contracts_->installEventFilter(this);
    right->addWidget(scoringBox_);
    right->addWidget(neubergBox_);
    right->addWidget(calcBox_);
    right->addWidget(contracts_);
    right->addStretch();
    columns->addLayout(right);

    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("OkConfigBtn"));
    auto* cancel = new QPushButton(QStringLiteral("Schrap"), this);
    cancel->setObjectName(QStringLiteral("SchrapConfigBtn"));
    promDegrButton_ = new QPushButton(QStringLiteral("Prom./Degr."), this);
    promDegrButton_->setObjectName(QStringLiteral("PromDegrBtn"));
    promDegrButton_->setVisible(model_.fieldVisible(velk::FieldPromDegrButton));
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    buttons->addWidget(promDegrButton_);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addWidget(buildPromDegrBox());

    connect(ok_, &QPushButton::clicked, this, &TConfigDial::OkConfigBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(promDegrButton_, &QPushButton::clicked, this, &TConfigDial::PromDegrBtnClick);
    connect(scoring_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked)
            return;
        model_.scoringIndex = id;
        relabelPairs();
    });
    edits_[velk::FieldName]->setFocus();
}

QGroupBox* TConfigDial::newChoiceBox(const char* name, const QString& title, const QStringList& items,
                                     QButtonGroup*& group) {
    auto* box = new QGroupBox(title, this);
    box->setObjectName(QString::fromLatin1(name));
    auto* column = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], box);
        radio->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(name)).arg(i));
        radio->installEventFilter(this);
        group->addButton(radio, i);
        column->addWidget(radio);
    }
    return box;
}

QWidget* TConfigDial::buildPromDegrBox() {
    promDegrBox_ = new QGroupBox(QStringLiteral("Promotie Degradatie"), this);
    promDegrBox_->setObjectName(QStringLiteral("PromDegrBox"));
    auto* grid = new QGridLayout(promDegrBox_);
    groupLetter_ = new QLabel(promDegrBox_);
    groupLetter_->setObjectName(QStringLiteral("GroepKeus"));
    degradations_ = new QSpinBox(promDegrBox_);
    degradations_->setObjectName(QStringLiteral("PromDegrEdit"));
    bonus_ = new QSpinBox(promDegrBox_);
    bonus_->setObjectName(QStringLiteral("BonusEdit"));
    auto* degradationsLabel = new QLabel(QStringLiteral("Aantal Degr."), promDegrBox_);
    degradationsLabel->setBuddy(degradations_);
    auto* bonusLabel = new QLabel(QStringLiteral("Bonus"), promDegrBox_);
    bonusLabel->setBuddy(bonus_);
    auto* previous = new QPushButton(QStringLiteral("Vorige"), promDegrBox_);
    previous->setObjectName(QStringLiteral("PrevBtn"));
    auto* next = new QPushButton(QStringLiteral("Volgend"), promDegrBox_);
    next->setObjectName(QStringLiteral("NextBtn"));
    auto* ok = new QPushButton(QStringLiteral("Ok"), promDegrBox_);
    ok->setObjectName(QStringLiteral("OkPromBtn"));
    grid->addWidget(groupLetter_, 0, 0, 2, 1);
    grid->addWidget(degradationsLabel, 0, 1);
    grid->addWidget(degradations_, 1, 1);
    grid->addWidget(bonusLabel, 0, 2);
    grid->addWidget(bonus_, 1, 2);
    grid->addWidget(previous, 2, 0);
    grid->addWidget(next, 2, 1);
    grid->addWidget(ok, 2, 2);
    promDegrBox_->hide();

    connect(previous, &QPushButton::clicked, this, &TConfigDial::PrevBtnClick);
    connect(next, &QPushButton::clicked, this, &TConfigDial::NextBtnClick);
    connect(ok, &QPushButton::clicked, this, &TConfigDial::OkPromBtnClick);
    return promDegrBox_;
}

void TConfigDial::copyToModel() {
    for (int field = velk::FieldName; field <= velk::FieldPctTwoSubs; ++field)
        model_.text[static_cast<std::size_t>(field)] =
            FromQt(edits_[static_cast<std::size_t>(field)]->text());
    model_.scoringIndex = scoring_->checkedId();
    model_.neubergIndex = neuberg_->checkedId();
    model_.calcIndex = calcMethod_->checkedId();
    model_.useContracts = contracts_->isChecked();
}

void TConfigDial::relabelPairs() {
    labels_[velk::FieldPairs]->setText(ToQt(model_.label(velk::FieldPairs)));
}

int TConfigDial::fieldOf(const QObject* widget) const {
    for (int field = velk::FieldName; field <= velk::FieldPctTwoSubs; ++field)
        if (widget == edits_[static_cast<std::size_t>(field)])
            return field;
    const QObject* parent = widget->parent();
    if (parent == scoringBox_)
        return velk::FieldScoring;
    if (parent == neubergBox_)
        return velk::FieldNeuberg;
    if (parent == calcBox_)
        return velk::FieldCalcMethod;
    if (widget == contracts_)
        return velk::FieldContracts;
    return 0;
}

void TConfigDial::focusField(int field) {
    QWidget* target = nullptr;
    switch (field) {
    case velk::FieldScoring:
        target = scoring_->checkedButton();
        break;
    case velk::FieldNeuberg:
        target = neuberg_->checkedButton();
        break;
    case velk::FieldCalcMethod:
        target = calcMethod_->checkedButton();
        break;
    case velk::FieldContracts:
        target = contracts_;
        break;
    case velk::FieldPromDegrButton:
        target = promDegrButton_;
        break;
    case velk::FieldOk:
        target = ok_;
        break;
    default:
        if (field >= velk::FieldName && field <= velk::FieldPctTwoSubs) {
            QLineEdit* edit = edits_[static_cast<std::size_t>(field)];
            edit->selectAll();
            target = edit;
        }
    }
    if (target)
        target->setFocus();
}

void TConfigDial::confirmField(int field) {
    copyToModel();
    if (model_.validateField(field) != 0) {
        focusField(field);
        return;
    }
    model_.enterConfirmed = true;
    focusField(model_.nextField(field));
}

bool TConfigDial::eventFilter(QObject* watched, QEvent* event) {
    if (IsEnterKey(event)) {
        if (const int field = fieldOf(watched)) {
            confirmField(field);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TConfigDial::OkConfigBtnClick() {
    copyToModel();
    if (model_.accept())
        accept();
    else
        focusField(model_.focus);
}

void TConfigDial::showPromDegr() {
    const auto& box = model_.promDegr;
    groupLetter_->setText(QString(QLatin1Char(box.letter())));
    degradations_->setRange(0, box.maxDegradations);
    degradations_->setValue(box.degradations);
    bonus_->setRange(0, box.maxBonus);
    bonus_->setValue(box.bonus);
}

void TConfigDial::readPromDegr() {
    model_.promDegr.degradations = degradations_->value();
    model_.promDegr.bonus = bonus_->value();
}

void TConfigDial::PromDegrBtnClick() {
    model_.openPromDegr();
    showPromDegr();
    promDegrButton_->hide();
    promDegrBox_->show();
    degradations_->setFocus();
}

void TConfigDial::NextBtnClick() {
    readPromDegr();
    model_.nextPromDegrGroup();
    showPromDegr();
}

void TConfigDial::PrevBtnClick() {
    readPromDegr();
    model_.previousPromDegrGroup();
    showPromDegr();
}

void TConfigDial::OkPromBtnClick() {
    readPromDegr();
    if (!model_.confirmPromDegr())
        return;
    promDegrBox_->hide();
    promDegrButton_->setVisible(model_.fieldVisible(velk::FieldPromDegrButton));
    focusField(model_.focus);
}

bool EditCompetitionData(QWidget* parent, velk::Club& club, velk::Dialogs& dialogs, bool isNew,
                         const std::function<void(velk::ConfigSaving)>& save) {
    TConfigDial dialog(club, dialogs, isNew, parent);
    if (dialog.exec() != QDialog::Accepted || !dialog.model().commit())
        return false;
    const velk::ConfigSaving saving = velk::SavingAfterChange(dialog.model().change(), dialog.model());
    if (save && saving != velk::ConfigSaving::None)
        save(saving);
    return true;
}
