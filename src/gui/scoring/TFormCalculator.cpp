#include "gui/scoring/TFormCalculator.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Key {
    const char* text;
    const char* name;
    char key;
    int row;
    int column;
};

constexpr Key kKeys[] = {
    {"7", "Btn7", '7', 0, 0},      {"8", "Btn8", '8', 0, 1},          {"9", "Btn9", '9', 0, 2},
    {"/", "BtnDivide", '/', 0, 3}, {"4", "Btn4", '4', 1, 0},          {"5", "Btn5", '5', 1, 1},
    {"6", "Btn6", '6', 1, 2},      {"x", "BtnTimes", 'x', 1, 3},      {"1", "Btn1", '1', 2, 0},
    {"2", "Btn2", '2', 2, 1},      {"3", "Btn3", '3', 2, 2},          {"-", "BtnMinus", '-', 2, 3},
    {"0", "Btn0", '0', 3, 0},      {".", "BtnPoint", '.', 3, 1},      {"+/-", "BtnSign", 'N', 3, 2},
    {"+", "BtnPlus", '+', 3, 3},   {"&Clear", "BtnClear", 'C', 4, 0}, {"=", "BtnEquals", '=', 4, 2},
};

} // namespace

TFormCalculator::TFormCalculator(velk::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), calculator_(dialogs) {
    setObjectName(QStringLiteral("FormCalculator"));
    setWindowTitle(QStringLiteral("Calculator"));
    auto* layout = new QVBoxLayout(this);
    display_ = new QLineEdit(QStringLiteral("0"), this);
    display_->setObjectName(QStringLiteral("Display"));
    display_->setReadOnly(true);
    display_->setAlignment(Qt::AlignRight);
    display_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(display_);
    auto* grid = new QGridLayout;
    for (const Key& k : kKeys) {
        auto* b = new QPushButton(QString::fromLatin1(k.text), this);
        b->setObjectName(QString::fromLatin1(k.name));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        const char key = k.key;
        connect(b, &QPushButton::clicked, this, [this, key] { press(key); });
        grid->addWidget(b, k.row, k.column, 1, k.key == 'C' || k.key == '=' ? 2 : 1);
    }
    auto* ok = new QPushButton(QStringLiteral("O&K"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(ok, 5, 0, 1, 4);
    layout->addLayout(grid);
}

void TFormCalculator::press(char key) {
    calculator_.press(key);
    display_->setText(QString::fromStdString(calculator_.display()));
}

void TFormCalculator::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        press('=');
        return;
    }
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        press('C');
        return;
    }
    if (text.size() == 1) {
        const char c = text.at(0).toLatin1();
        if (c == '*' || c == 'x' || c == 'X' || c == ',' || (c >= '0' && c <= '9') ||
            QByteArrayLiteral("+-/.=").contains(c)) {
            press(c == 'X' ? 'x' : c);
            return;
        }
    }
    QDialog::keyPressEvent(event);
}
