#include "gui/selection/TParenDlg.h"

#include "gui/WindowPlacement.h"
#include "gui/selection/SelectionBoxes.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using velk::RangeField;

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(5);
    return edit;
}

void Show(QLineEdit* edit, const velk::RangeFieldState& state) {
    edit->setText(QString::fromStdString(state.text));
    edit->setToolTip(QString::fromStdString(state.hint));
    edit->setVisible(state.visible);
}

} // namespace

TParenDlg::TParenDlg(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), model_(club, dialogs) {
    setObjectName(QStringLiteral("ParenDlg"));
    setWindowTitle(QStringLiteral("Kies paren"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    rangeLabel_ = MakeLabel(this, "RangeLabel");
    layout->addWidget(rangeLabel_);
    auto* grid = new QGridLayout;
    firstLabel_ = MakeLabel(this, "BeginLabel");
    lastLabel_ = MakeLabel(this, "EindLabel");
    sessionLabel_ = MakeLabel(this, "AvondLabel");
    first_ = MakeEdit(this, "BeginEdit");
    last_ = MakeEdit(this, "EindEdit");
    session_ = MakeEdit(this, "AvondEdit");
    grid->addWidget(firstLabel_, 0, 0);
    grid->addWidget(first_, 1, 0);
    grid->addWidget(lastLabel_, 0, 1);
    grid->addWidget(last_, 1, 1);
    grid->addWidget(sessionLabel_, 0, 2);
    grid->addWidget(session_, 1, 2);
    layout->addLayout(grid);
    for (QLineEdit* e : {first_, last_, session_})
        e->installEventFilter(this);

    ok_ = AddOkCancelRow(this, layout, QStringLiteral("OK")).ok;
    // Enter on OK, where the fields send the focus last, closes the dialog.
    ok_->setAutoDefault(true);
}

QLineEdit* TParenDlg::edit(RangeField field) const {
    switch (field) {
    case RangeField::First:
        return first_;
    case RangeField::Last:
        return last_;
    case RangeField::Session:
        return session_;
    case RangeField::OkButton:
        break;
    }
    return nullptr;
}

void TParenDlg::setUpFor(int kind) {
    model_.setUp(kind);
    const velk::RangeDialogSetup& s = model_.setup();
    setWindowTitle(QString::fromStdString(s.caption));
    FitTitle(this);
    rangeLabel_->setText(QString::fromStdString(s.rangeLabel));
    firstLabel_->setText(QString::fromStdString(s.firstLabel));
    lastLabel_->setText(QString::fromStdString(s.lastLabel));
    lastLabel_->setVisible(s.last.visible);
    sessionLabel_->setText(QString::fromStdString(s.sessionLabel));
    sessionLabel_->setVisible(s.session.visible);
    Show(first_, s.first);
    Show(last_, s.last);
    Show(session_, s.session);
    showFocus();
}

bool TParenDlg::ChooseRange(int kind) {
    setUpFor(kind);
    return exec() == QDialog::Accepted;
}

void TParenDlg::takeTexts() {
    for (const RangeField field : {RangeField::First, RangeField::Last, RangeField::Session})
        model_.setText(field, edit(field)->text().toStdString());
}

void TParenDlg::showFocus() {
    QWidget* focus =
        model_.focus() == RangeField::OkButton ? static_cast<QWidget*>(ok_) : edit(model_.focus());
    focus->setFocus();
}

bool TParenDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            for (const RangeField field : {RangeField::First, RangeField::Last, RangeField::Session}) {
                if (watched != edit(field))
                    continue;
                takeTexts();
                model_.enter(field);
                showFocus();
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (const RangeField field : {RangeField::First, RangeField::Last, RangeField::Session})
            if (watched == edit(field)) {
                takeTexts();
                model_.enter(field);
                showFocus();
            }
    }
    return QDialog::eventFilter(watched, event);
}

void TParenDlg::accept() {
    takeTexts();
    if (model_.accept())
        QDialog::accept();
    else
        showFocus();
}
