#include "gui/selection/SelectionBoxes.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

QComboBox* MakeSelectBox(QWidget* parent, const QString& objectName) {
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(6);
    return box;
}

void ShowSelectBox(QComboBox* box, const std::vector<std::string>& items, const std::string& text,
                   const std::string& hint) {
    const QSignalBlocker block(box);
    box->clear();
    for (const auto& item : items)
        box->addItem(QString::fromStdString(item));
    box->setEditText(QString::fromStdString(text));
    box->setToolTip(QString::fromStdString(hint));
    box->setStatusTip(QString::fromStdString(hint));
}

void ShowSelectText(QComboBox* box, const std::string& text) {
    const QSignalBlocker block(box);
    box->setEditText(QString::fromStdString(text));
}

std::string SelectText(const QComboBox* box) {
    return box->currentText().toStdString();
}

SelectBoxKeys::SelectBoxKeys(QComboBox* box, std::function<void()> onEnter, std::function<void()> onEscape,
                             bool doubleClickIsEnter)
    : QObject(box), onEnter_(std::move(onEnter)), onEscape_(std::move(onEscape)),
      doubleClickIsEnter_(doubleClickIsEnter) {
    box->installEventFilter(this);
    if (box->lineEdit())
        box->lineEdit()->installEventFilter(this);
}

bool SelectBoxKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (onEnter_)
                onEnter_();
            return true;
        }
        if (key == Qt::Key_Escape && onEscape_) {
            onEscape_();
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonDblClick && doubleClickIsEnter_) {
        if (onEnter_)
            onEnter_();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

OkCancelButtons AddOkCancelRow(QDialog* dialog, QBoxLayout* layout, const QString& okText) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(okText, dialog);
    ok->setObjectName(QStringLiteral("OkBtn"));
    auto* cancel = new QPushButton(QStringLiteral("&Schrap"), dialog);
    cancel->setObjectName(QStringLiteral("SchrapBtn"));
    cancel->setAutoDefault(false);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return {ok, cancel};
}
