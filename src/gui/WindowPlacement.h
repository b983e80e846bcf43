#pragma once

class QTableWidget;
class QWidget;

// The width a window needs for its whole title in the frame, beside the frame's icon and buttons.
int TitleWidth(const QWidget* window);

// Keeps `window` at least as wide as its title needs; call again after the title changes.
void FitTitle(QWidget* window);

// Sizes a window that shows `grid` so that every row and column is visible, as far as the screen
// allows.
void FitGrid(QWidget* window, const QTableWidget* grid);

// Centres `window` on `parent`'s window (on its screen when there is no parent), kept inside the
// screen's available geometry.
void CentreOnParent(QWidget* window, const QWidget* parent);
