#include "gui/TInputTextDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kMaxLength = 255;
}

TInputTextDlg::TInputTextDlg(const QString& caption, const QString& prompt, const QString& value, int width,
                             QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("InputTextDlg"));
    setModal(true);
    setWindowTitle(caption);
    const QFontMetrics fm(font());

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("Prompt"));
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);

    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("Edit"));
    edit_->setMaxLength(kMaxLength);
    edit_->setText(value);
    edit_->selectAll();
    edit_->setFixedWidth(fm.averageCharWidth() * (width > 0 ? width : 1) + 2 * fm.averageCharWidth());
    label->setBuddy(edit_);
    layout->addWidget(edit_);

    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    cancel->setAutoDefault(false);
    row->addWidget(ok);
    row->addWidget(cancel);
    row->addStretch();
    layout->addLayout(row);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    edit_->setFocus();
}

QString TInputTextDlg::text() const {
    return edit_->text();
}
