#include "gui/selection/TSelectieDlg.h"

#include "gui/WindowPlacement.h"
#include "gui/selection/SelectionBoxes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using velk::SelectionField;

namespace {
constexpr std::array<SelectionField, 4> kBoxFields = {SelectionField::SelectBox1, SelectionField::SelectBox2,
                                                      SelectionField::SelectBox3, SelectionField::SelectBox4};

QLabel* MakeLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void ShowLabel(QLabel* label, const velk::SelectionLabelState& state) {
    // The texts break lines with "\r".
    label->setText(QString::fromStdString(state.text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    label->setVisible(state.visible);
}
} // namespace

TSelectieDlg::TSelectieDlg(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), model_(club, dialogs) {
    setObjectName(QStringLiteral("SelectieDlg"));
    setWindowTitle(QStringLiteral("Selecteren van Groep(en)"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    hintLabel_ = MakeLabel(this, QStringLiteral("GroepHintLabel1"));
    layout->addWidget(hintLabel_);

    auto* grid = new QGridLayout;
    groupsLabel_ = MakeLabel(this, QStringLiteral("Groepenlabel"));
    rangeLabel_ = MakeLabel(this, QStringLiteral("ZittngPaarlabel"));
    grid->addWidget(groupsLabel_, 0, 0, 1, 2);
    grid->addWidget(rangeLabel_, 0, 2, 1, 2);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i] = MakeSelectBox(this, QStringLiteral("SelectBox%1").arg(i + 1));
        grid->addWidget(boxes_[i], 1, static_cast<int>(i));
        const SelectionField field = kBoxFields[i];
        // Escape in the first box cancels like the dialog's own Escape.
        new SelectBoxKeys(
            boxes_[i], [this, field] { enterBox(field, true); }, [this] { reject(); });
        connect(boxes_[i], &QComboBox::activated, this, [this, field](int) { enterBox(field, false); });
    }
    layout->addLayout(grid);

    const OkCancelButtons row = AddOkCancelRow(this, layout, QStringLiteral("O&k"));
    ok_ = row.ok;
    cancel_ = row.cancel;
    ok_->setDefault(true);
}

QComboBox* TSelectieDlg::boxWidget(SelectionField field) const {
    const auto i = static_cast<std::size_t>(field);
    return i < boxes_.size() ? boxes_[i] : nullptr;
}

void TSelectieDlg::setUpFor(int kind) {
    model_.setUp(kind);
    showModel(true);
}

bool TSelectieDlg::ChooseGroups(int kind) {
    setUpFor(kind);
    return exec() == QDialog::Accepted;
}

void TSelectieDlg::takeTexts() {
    for (const SelectionField field : kBoxFields)
        model_.setBoxText(field, SelectText(boxWidget(field)));
}

void TSelectieDlg::showModel(bool withItems) {
    setWindowTitle(QString::fromStdString(model_.caption()));
    FitTitle(this);
    ShowLabel(groupsLabel_, model_.groupsLabel());
    ShowLabel(hintLabel_, model_.hintLabel());
    ShowLabel(rangeLabel_, model_.rangeLabel());
    for (const SelectionField field : kBoxFields) {
        const auto& state = model_.box(field);
        QComboBox* box = boxWidget(field);
        if (withItems)
            ShowSelectBox(box, state.items, state.text, state.hint);
        else
            ShowSelectText(box, state.text);
        box->setVisible(state.visible);
        box->setEnabled(state.enabled);
    }
    QWidget* focus =
        model_.focus() == SelectionField::OkButton ? static_cast<QWidget*>(ok_) : boxWidget(model_.focus());
    if (focus)
        focus->setFocus();
}

void TSelectieDlg::enterBox(SelectionField field, bool pressOk) {
    takeTexts();
    const bool passed = model_.enter(field);
    showModel(false);
    // A choice of groups alone ("Groep Keuze") is made with Enter in its last box: it goes on
    // to "O&k" and presses it.
    const bool groupsOnly = !model_.box(SelectionField::SelectBox3).visible;
    if (passed && pressOk && groupsOnly && model_.focus() == SelectionField::OkButton)
        accept();
}

void TSelectieDlg::accept() {
    takeTexts();
    const bool passed = model_.accept();
    showModel(false);
    if (passed)
        QDialog::accept();
}

void TSelectieDlg::reject() {
    model_.cancel();
    QDialog::reject();
}
