#include "gui/TBerichtForm.h"

#include "core/MessageDialogRules.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int kIconSize = 32;

// Dialog units as Windows counts them: a quarter of the average character width across, an
// eighth of the character height down.
int HorizontalUnits(const QFontMetrics& fm, int units) {
    return fm.averageCharWidth() * units / 4;
}
int VerticalUnits(const QFontMetrics& fm, int units) {
    return fm.height() * units / 8;
}

QStyle::StandardPixmap IconOf(velk::MessageKind kind) {
    switch (kind) {
    case velk::MessageKind::Warning:
        return QStyle::SP_MessageBoxWarning;
    case velk::MessageKind::Error:
        return QStyle::SP_MessageBoxCritical;
    case velk::MessageKind::Information:
        return QStyle::SP_MessageBoxInformation;
    case velk::MessageKind::Confirmation:
        return QStyle::SP_MessageBoxQuestion;
    case velk::MessageKind::Plain:
        break;
    }
    return QStyle::SP_CustomBase;
}

QRect ScreenArea(const QWidget* w) {
    const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

TBerichtForm::TBerichtForm(const QString& text, velk::MessageKind kind, std::uint16_t buttons,
                           int helpContext, std::function<void(int)> helpRequest, QWidget* parent)
    : QDialog(parent), buttons_(buttons), helpContext_(helpContext), helpRequest_(std::move(helpRequest)) {
    setObjectName(QStringLiteral("BerichtForm"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(QString::fromUtf8(velk::MessageTitle(kind).data(),
                                     static_cast<qsizetype>(velk::MessageTitle(kind).size())));

    const QFontMetrics fm(font());
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(HorizontalUnits(fm, 8), VerticalUnits(fm, 8), HorizontalUnits(fm, 8),
                               VerticalUnits(fm, 8));
    layout->setSpacing(VerticalUnits(fm, 8));

    auto* top = new QHBoxLayout;
    top->setSpacing(HorizontalUnits(fm, 8));
    if (kind != velk::MessageKind::Plain) {
        auto* image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image"));
        image->setPixmap(style()->standardIcon(IconOf(kind), nullptr, this).pixmap(kIconSize, kIconSize));
        image->setFixedSize(kIconSize, kIconSize);
        top->addWidget(image, 0, Qt::AlignTop);
    }

    const QString lines = QString::fromStdString(velk::MessageLines(text.toStdString()));
    message_ = new QLabel(lines, this);
    message_->setObjectName(QStringLiteral("Message"));
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(true);
    // As wide as the text needs, wrapped within half the screen.
    const int maxWidth = ScreenArea(this).width() / 2;
    const QRect needed = fm.boundingRect(QRect(0, 0, maxWidth, 100000), Qt::TextWordWrap, lines);
    message_->setFixedSize(needed.width() + 1, needed.height());
    top->addWidget(message_, 1, Qt::AlignTop);
    layout->addLayout(top);

    auto* row = new QWidget(this);
    addButtons(row);
    layout->addWidget(row, 0, Qt::AlignHCenter);
}

void TBerichtForm::addButtons(QWidget* row) {
    const QFontMetrics fm(font());
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(HorizontalUnits(fm, 4));
    const std::uint16_t defaultBit = velk::DefaultButton(buttons_);
    for (const auto& b : velk::ButtonsOf(buttons_)) {
        auto* push = new QPushButton(
            QString::fromUtf8(b.caption.data(), static_cast<qsizetype>(b.caption.size())), row);
        push->setObjectName(QString::fromUtf8(b.name.data(), static_cast<qsizetype>(b.name.size())));
        push->setFixedWidth(HorizontalUnits(fm, 50));
        push->setMinimumHeight(VerticalUnits(fm, 14));
        layout->addWidget(push);
        if (b.bit == defaultBit) {
            push->setDefault(true);
            push->setFocus();
        }
        if (b.bit == velk::Button::Help) {
            connect(push, &QPushButton::clicked, this, [this] {
                if (helpRequest_)
                    helpRequest_(helpContext_);
            });
        } else {
            const int result = b.result;
            connect(push, &QPushButton::clicked, this, [this, result] { done(result); });
        }
    }
}

QPushButton* TBerichtForm::button(std::uint16_t bit) const {
    for (const auto& b : velk::kMessageButtons)
        if (b.bit == bit)
            return findChild<QPushButton*>(
                QString::fromUtf8(b.name.data(), static_cast<qsizetype>(b.name.size())));
    return nullptr;
}

void TBerichtForm::reject() {
    done(velk::CloseResult(buttons_));
}

void TBerichtForm::keyPressEvent(QKeyEvent* event) {
    // Without a button to cancel with, Escape does nothing.
    if (event->key() == Qt::Key_Escape && velk::EscapeButton(buttons_) == 0) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TBerichtForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    adjustSize();
    const QRect area = ScreenArea(this);
    move(area.center() - QPoint(width() / 2, height() / 2));
}
