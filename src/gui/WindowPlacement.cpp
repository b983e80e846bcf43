#include "gui/WindowPlacement.h"

#include <QApplication>
#include <QBoxLayout>
#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>

namespace {

QRect AvailableGeometry(const QWidget* window, const QWidget* parent) {
    const QScreen* screen = parent ? parent->window()->screen() : window->screen();
    if (!screen)
        screen = QApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

// What the window manager's frame adds around the client area. Before the first show it is not
// known yet: the main window's frame is the best guess, as the same window manager draws both.
QSize FrameExtra(const QWidget* window) {
    const auto extra = [](const QWidget* w) { return w->frameGeometry().size() - w->geometry().size(); };
    if (window->isVisible() || !window->parentWidget())
        return extra(window);
    return extra(window->parentWidget()->window());
}

} // namespace

int TitleWidth(const QWidget* window) {
    // The icon and the three buttons of a frame are each about a title bar high.
    const int button = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    const QString title = window->windowTitle();
    const int text =
        std::max(QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(title),
                 window->fontMetrics().horizontalAdvance(title));
    return text + 4 * button + 24;
}

void FitTitle(QWidget* window) {
    QLayout* layout = window->layout();
    const int layoutMinimum = layout ? layout->totalMinimumSize().width() : 0;
    const int wanted = std::min(std::max(TitleWidth(window), layoutMinimum),
                                AvailableGeometry(window, window->parentWidget()).width());
    // A layout that fixes the window's size overrides any minimum; a strut widens it instead.
    auto* column = qobject_cast<QBoxLayout*>(layout);
    if (column && layout->sizeConstraint() == QLayout::SetFixedSize &&
        (column->direction() == QBoxLayout::TopToBottom || column->direction() == QBoxLayout::BottomToTop))
        column->addStrut(wanted);
    else
        window->setMinimumWidth(wanted);
}

void WidenToTitles(QTableWidget* grid) {
    QHeaderView* header = grid->horizontalHeader();
    for (int c = 0; c < grid->columnCount(); ++c)
        if (!grid->isColumnHidden(c) && grid->columnWidth(c) < header->sectionSizeHint(c))
            grid->setColumnWidth(c, header->sectionSizeHint(c));
}

void FitGrid(QWidget* window, const QTableWidget* grid) {
    const int scrollBar = grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    const int frame = 2 * grid->frameWidth();
    const int vertical = grid->verticalHeader()->isVisible() ? grid->verticalHeader()->sizeHint().width() : 0;
    const QSize whole(vertical + grid->horizontalHeader()->length() + frame + scrollBar,
                      grid->horizontalHeader()->sizeHint().height() + grid->verticalHeader()->length() +
                          frame + scrollBar);
    // The rest of the window (labels, buttons, margins) as its layout wants it, around the grid.
    const QSize rest = window->sizeHint() - grid->sizeHint();
    const QRect area = AvailableGeometry(window, window->parentWidget());
    const QSize frameExtra = FrameExtra(window);
    const QSize wanted = (rest + whole).expandedTo(window->minimumSizeHint());
    window->resize(std::min(wanted.width(), area.width() - frameExtra.width()),
                   std::min(wanted.height(), area.height() - frameExtra.height()));
}

void ResizeWithinScreen(QWidget* window, const QSize& wanted) {
    const QRect area = AvailableGeometry(window, window->parentWidget());
    const QSize room = area.size() - FrameExtra(window);
    window->resize(wanted.boundedTo(room).expandedTo(window->minimumSize().boundedTo(room)));
}

void FitScrollArea(QWidget* window, QScrollArea* area) {
    const QWidget* content = area->widget();
    if (!content)
        return;
    const int frame = 2 * area->frameWidth();
    // Room for a vertical scroll bar, for the rows that come when the screen is too low.
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    const QSize whole =
        content->sizeHint().expandedTo(content->minimumSizeHint()) + QSize(frame + bar, frame);
    // The layout tells what the rest of the window wants around an area of that size.
    const QSize saved = area->minimumSize();
    area->setMinimumSize(whole);
    if (window->layout())
        window->layout()->activate();
    const QSize wanted = window->sizeHint();
    area->setMinimumSize(saved);
    if (window->layout())
        window->layout()->activate();
    ResizeWithinScreen(window, wanted);
}

void CentreOnParent(QWidget* window, const QWidget* parent) {
    const QRect area = AvailableGeometry(window, parent);
    const QSize frame = window->size() + FrameExtra(window);
    const QPoint centre = parent ? parent->window()->frameGeometry().center() : area.center();
    const int x = std::clamp(centre.x() - frame.width() / 2, area.left(),
                             std::max(area.left(), area.right() + 1 - frame.width()));
    const int y = std::clamp(centre.y() - frame.height() / 2, area.top(),
                             std::max(area.top(), area.bottom() + 1 - frame.height()));
    window->move(x, y);
}
