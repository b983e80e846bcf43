#include "gui/WindowPlacement.h"

#include <QApplication>
#include <QHeaderView>
#include <QLayout>
#include <QScreen>
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
    const int layoutMinimum = window->layout() ? window->layout()->totalMinimumSize().width() : 0;
    const int wanted = std::max(TitleWidth(window), layoutMinimum);
    window->setMinimumWidth(std::min(wanted, AvailableGeometry(window, window->parentWidget()).width()));
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
