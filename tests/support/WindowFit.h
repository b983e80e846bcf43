#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QTextDocument>
#include <QWidget>

// What a user can read of a window: every caption, column title, label and button text whole, and
// the window itself on the screen. Measured with the font each widget draws in.
namespace velk::test {

namespace fit {

inline QString Where(const QWidget* w) {
    const QString name =
        w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    return QStringLiteral("%1/%2").arg(w->window()->objectName(), name);
}

// The widest line of `text` in `metrics`, without the mnemonic marks.
inline int Widest(const QFontMetrics& metrics, QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

inline int Lines(const QString& text) {
    return static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
}

inline void Check(QStringList& cuts, const QWidget* w, const QString& text, int needed, int room) {
    if (needed > room)
        cuts << QStringLiteral("%1 \"%2\": %3 > %4").arg(Where(w), text).arg(needed).arg(room);
}

inline void CheckLabel(QStringList& cuts, const QLabel* label) {
    const QString text = label->text();
    if (text.isEmpty() || label->wordWrap() || Qt::mightBeRichText(text))
        return;
    const QFontMetrics metrics = label->fontMetrics();
    const int margin = 2 * label->margin() + (label->indent() > 0 ? label->indent() : 0);
    Check(cuts, label, text, Widest(metrics, text) + margin, label->contentsRect().width());
    const int lines = Lines(text);
    Check(cuts, label, text, (lines - 1) * metrics.lineSpacing() + metrics.height(),
          label->contentsRect().height());
}

inline void CheckButton(QStringList& cuts, const QAbstractButton* button) {
    const QString text = button->text();
    if (text.isEmpty())
        return;
    const QStyle* style = button->style();
    const int textWidth = Widest(button->fontMetrics(), text);
    int needed = textWidth;
    if (qobject_cast<const QCheckBox*>(button))
        needed += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                  style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    else if (qobject_cast<const QRadioButton*>(button))
        needed += style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                  style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
    else if (qobject_cast<const QPushButton*>(button))
        needed += 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button); // the label's rect
    else
        return;
    if (!button->icon().isNull())
        needed += button->iconSize().width() + 4;
    Check(cuts, button, text, needed, button->width());
}

inline void CheckHeader(QStringList& cuts, const QHeaderView* header) {
    const QAbstractItemModel* model = header->model();
    if (!model || header->orientation() != Qt::Horizontal)
        return;
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const QFontMetrics metrics = header->fontMetrics();
    int lines = 1;
    for (int c = 0; c < header->count(); ++c) {
        if (header->isSectionHidden(c) || header->sectionSize(c) == 0)
            continue;
        const QString title = model->headerData(c, Qt::Horizontal).toString();
        if (title.isEmpty())
            continue;
        lines = std::max(lines, Lines(title));
        Check(cuts, header, title, Widest(metrics, title) + 2 * margin, header->sectionSize(c));
    }
    Check(cuts, header, QStringLiteral("(%1 regels)").arg(lines),
          (lines - 1) * metrics.lineSpacing() + metrics.height(), header->height());
}

inline void CheckTabs(QStringList& cuts, const QTabBar* tabs) {
    const int space = tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
    for (int i = 0; i < tabs->count(); ++i)
        Check(cuts, tabs, tabs->tabText(i), Widest(tabs->fontMetrics(), tabs->tabText(i)) + space / 2,
              tabs->tabRect(i).width());
}

// The title in the frame beside its icon and three buttons, each about a title bar high, with
// some padding at both ends as window managers draw it.
inline void CheckTitle(QStringList& cuts, const QWidget* window) {
    const int button = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    const QString title = window->windowTitle();
    Check(cuts, window, title, window->fontMetrics().horizontalAdvance(title) + 4 * button + 2 * 12,
          window->frameGeometry().width());
}

} // namespace fit

// Every text of `window` and its visible children that does not fit its widget, as
// "window/widget "text": needed > room".
inline QStringList CutTexts(const QWidget* window) {
    QStringList cuts;
    fit::CheckTitle(cuts, window);
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->width() == 0)
            continue;
        if (auto* label = qobject_cast<const QLabel*>(w))
            fit::CheckLabel(cuts, label);
        else if (auto* button = qobject_cast<const QAbstractButton*>(w))
            fit::CheckButton(cuts, button);
        else if (auto* header = qobject_cast<const QHeaderView*>(w))
            fit::CheckHeader(cuts, header);
        else if (auto* tabs = qobject_cast<const QTabBar*>(w))
            fit::CheckTabs(cuts, tabs);
        else if (auto* area = qobject_cast<const QScrollArea*>(w);
                 area && area->horizontalScrollBar()->maximum() > 0)
            cuts << QStringLiteral("%1 scrolls sideways by %2")
                        .arg(fit::Where(area))
                        .arg(area->horizontalScrollBar()->maximum());
        else if (auto* box = qobject_cast<const QGroupBox*>(w); box && !box->title().isEmpty())
            fit::Check(cuts, box, box->title(), fit::Widest(box->fontMetrics(), box->title()) + 16,
                       box->width());
    }
    return cuts;
}

// Empty when the window's frame lies on its screen's available area, else where it lies.
inline QString OffScreen(const QWidget* window) {
    const QRect area = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (area.contains(frame))
        return {};
    return QStringLiteral("%1: %2,%3 %4x%5 on %6x%7")
        .arg(window->objectName())
        .arg(frame.x())
        .arg(frame.y())
        .arg(frame.width())
        .arg(frame.height())
        .arg(area.width())
        .arg(area.height());
}

} // namespace velk::test
