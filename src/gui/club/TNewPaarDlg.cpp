#include "gui/club/TNewPaarDlg.h"

#include "gui/club/FormKeys.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using velk::PairField;

namespace {

// By PairField.
constexpr const char* kEditNames[velk::kPairFieldCount] = {"ClubNoEdit", "GroepEdit", "GrpNoEdit",
                                                           "NamenEdit"};
constexpr const char* kLabels[velk::kPairFieldCount] = {"ClubNr", "Groep", "GrpNr", "Naam"};

QLineEdit* ShownOnly(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    // Tab goes past what cannot be changed.
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

} // namespace

TNewPaarDlg::TNewPaarDlg(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), model_(club, dialogs) {
    setObjectName(QStringLiteral("NewPaarDlg"));
    setWindowTitle(QString::fromUtf8(velk::PairEdit::Caption));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QString::fromUtf8(velk::PairEdit::Heading), this);
    heading->setObjectName(QStringLiteral("HeadLabel"));
    layout->addWidget(heading);
    auto* form = new QFormLayout;
    index_ = ShownOnly(this, "ClubIndex");
    form->addRow(QStringLiteral("Indx"), index_);
    for (int i = 0; i < velk::kPairFieldCount; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(kEditNames[i]));
        edit->installEventFilter(this);
        edits_[static_cast<std::size_t>(i)] = edit;
        form->addRow(QString::fromLatin1(kLabels[i]), edit);
    }
    edits_[static_cast<std::size_t>(PairField::Naam)]->setMinimumWidth(
        edits_[0]->fontMetrics().averageCharWidth() * static_cast<int>(velk::PairEdit::kMaxName + 2));
    rank_ = ShownOnly(this, "RangEdit");
    form->addRow(QStringLiteral("Rang"), rank_);
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    auto* insert = new QPushButton(QStringLiteral("&Voeg in"), this);
    insert->setObjectName(QStringLiteral("InvoegKnop"));
    insert->setDefault(true);
    auto* stop = new QPushButton(QStringLiteral("S&chrap"), this);
    stop->setObjectName(QStringLiteral("StopKnop"));
    stop->setAutoDefault(false);
    buttons->addWidget(insert);
    buttons->addWidget(stop);
    layout->addLayout(buttons);
    connect(insert, &QPushButton::clicked, this, &TNewPaarDlg::InvoegKnopClick);
    connect(stop, &QPushButton::clicked, this, &QDialog::reject);
}

bool TNewPaarDlg::Open(int row) {
    if (!model_.open(row))
        return false;
    index_->setText(QString::number(row));
    rank_->setText(QString::number(model_.draft().Rang));
    for (int i = 0; i < velk::kPairFieldCount; ++i)
        edits_[static_cast<std::size_t>(i)]->setText(ToQt(model_.text(static_cast<PairField>(i))));
    edits_[0]->setFocus();
    edits_[0]->selectAll();
    return exec() == QDialog::Accepted;
}

bool TNewPaarDlg::enterField(PairField field) {
    QLineEdit* edit = edits_[static_cast<std::size_t>(field)];
    if (model_.enter(field, FromQt(edit->text()))) {
        edit->setText(ToQt(model_.text(field)));
        return true;
    }
    edit->setFocus();
    edit->selectAll();
    return false;
}

void TNewPaarDlg::InvoegKnopClick() {
    // What is typed counts even without Tab; the first refused field keeps the focus.
    for (int i = 0; i < velk::kPairFieldCount; ++i)
        if (!enterField(static_cast<PairField>(i)))
            return;
    if (model_.commit())
        accept();
}

bool TNewPaarDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (int i = 0; i < velk::kPairFieldCount; ++i)
            // A refused field keeps the focus; an accepted one lets Tab move on.
            if (watched == edits_[static_cast<std::size_t>(i)] &&
                (key == Qt::Key_Tab || key == Qt::Key_Backtab))
                return !enterField(static_cast<PairField>(i));
    }
    return QDialog::eventFilter(watched, event);
}
