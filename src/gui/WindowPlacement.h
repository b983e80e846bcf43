#pragma once

class QScrollArea;
class QSize;
class QTableWidget;
class QWidget;

// The width a window needs for its whole title in the frame, beside the frame's icon and buttons.
int TitleWidth(const QWidget* window);

// Keeps `window` at least as wide as its title needs; call again after the title changes.
void FitTitle(QWidget* window);

// Widens every column of `grid` that is narrower than its title in the header's font.
void WidenToTitles(QTableWidget* grid);

// Sizes a window that shows `grid` so that every row and column is visible, as far as the screen
// allows.
void FitGrid(QWidget* window, const QTableWidget* grid);

// Resizes `window` to `wanted`, or to as much of it as its screen shows beside the frame.
void ResizeWithinScreen(QWidget* window, const QSize& wanted);

// Sizes a window whose main part scrolls in `area` so that the area's whole content shows without
// scrolling, as far as the screen allows.
void FitScrollArea(QWidget* window, QScrollArea* area);

// Centres `window` on `parent`'s window (on its screen when there is no parent), kept inside the
// screen's available geometry.
void CentreOnParent(QWidget* window, const QWidget* parent);
