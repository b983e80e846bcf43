#pragma once

#include <QString>
#include <QStyle>

class TClubWindow;

// When an item of the main window can be chosen.
enum class Availability {
    Always,
    WithFile,    // a file is open, or the new-file wizard is making one
    WithoutFile, // new and open wait until the open file is closed
    WithSession, // a file is open and one of its sessions is chosen
    NotYetBuilt, // its window comes with a later release: disabled, and its status tip says so
};

// One row of the main window's menus and tool bar; the table is TClubWindow::menuTable().
struct MenuEntry {
    enum class Kind { Item, Separator, Button, ButtonSeparator };
    using Handler = void (TClubWindow::*)();
    // A rule beside the availability, named after what it keeps.
    using Condition = bool (TClubWindow::*)() const;

    Kind kind = Kind::Item;
    const char* menu = nullptr;    // the caption in the menu bar; null on the tool bar
    const char* submenu = nullptr; // the submenu of `menu` the item is in, or null
    const char* caption = nullptr; // the menu text; a button's text, which is also its tooltip
    const char* name = nullptr;    // the object name the code and the tests find the action by
    Handler handler = nullptr;
    const char* hint = nullptr; // the status tip, or null
    Availability availability = Availability::Always;
    Condition condition = nullptr; // must hold too, or null
    bool checkable = false;
    // A button that repeats a menu item names it here and takes its handler, availability and
    // condition from it.
    const char* mirrors = nullptr;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
    // The report kind the item opens in the result window, 0 for none. Such an item is built as
    // soon as the kind has its writer.
    int report = 0;
};

// The row named `name`; a name that is not in the table stops the program.
const MenuEntry& MenuEntryNamed(const char* name);
// The row whose handler and availability `entry` follows: the mirrored item for a button that
// repeats one, else `entry` itself.
const MenuEntry& RuleOf(const MenuEntry& entry);
// Whether the item's window or report is there in this version.
bool IsBuilt(const MenuEntry& entry);
// The status tip `hint` gets on `entry`: with the note when the item is not yet built.
QString StatusTipOf(const MenuEntry& entry, const QString& hint);
