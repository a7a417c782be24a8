#pragma once
// The player database of the run and the data sources of the player screens.
//
// One PlayerStore is opened on JOUEURS.MDB in the current directory the first time a screen
// needs it, and shared by both data sources (the player list's and the record holder's).
// A DataSource is a cursor on that store with its bound widgets: when a row becomes current
// its values are copied into the widgets, and before a save the widgets are copied back.

#include "platform/store/player_cursor.h"
#include "platform/store/player_store.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace platform {
class Label;
class TextBox;
} // namespace platform

namespace players {

// The store on JOUEURS.MDB of the current directory, opened (or created empty) on first use and
// opened again when it was closed or the current directory changed; nullptr when the file
// cannot be used (playerDatabaseError() says why, playerDatabaseFailure() of what kind).
platform::PlayerStore* playerDatabase();
QString playerDatabaseError();
platform::FileFailure playerDatabaseFailure();
// Closes the store (the next playerDatabase() opens it again).
void closePlayerDatabase();

class DataSource {
public:
    // A column shown in a widget: show puts the stored value into the widget; take gives the
    // value to store, from the widget and the value stored now.
    void bind(const char* column, std::function<void(const QString&)> show,
              std::function<QString(const QString& stored)> take);
    void bind(const char* column, platform::Label& label);
    void bind(const char* column, platform::TextBox& box);

    // Opens on the run's database; the first row becomes current (none in an empty table).
    // A data source that was only opened is on no chosen row: it saves nothing until a row is
    // made current by moveTo or a new row is begun. A new row, once saved, is current but not
    // chosen: it takes no further save until moveTo.
    bool open();
    bool isOpen() const { return cursor_.has_value(); }

    // Makes the row current; nothing changes when there is no such row.
    bool moveTo(platform::PlayerBookmark bookmark);
    // Begins a pending new row (what the database gives a new row); nothing is written.
    void addNew();
    // Writes the bound widgets into the current row (the columns changed since the row was
    // read) or the pending row, in one statement; the widgets then show the row as stored. False
    // (with error()) when no row is chosen or the write fails: nothing is written then.
    // A save asked for while this one waits for the file is refused as the file being in use;
    // the widgets keep their values, which the next save writes.
    bool save();
    // Drops a pending row and shows the row that was current before it.
    void cancel();

    std::optional<platform::PlayerBookmark> bookmark() const;
    bool isPending() const;
    QString value(QStringView column) const;
    QString error() const { return error_; }
    platform::FileFailure failure() const { return failure_; }

private:
    struct Binding {
        QString column;
        std::function<void(const QString&)> show;
        std::function<QString(const QString&)> take;
    };
    void showRow();
    void clearFailure();
    void takeDatabaseFailure();
    void takeCursorFailure();

    std::optional<platform::PlayerCursor> cursor_;
    std::vector<Binding> bindings_;
    bool chosen_ = false;
    bool chosenBeforeNew_ = false;
    bool saving_ = false;             // a save is under way (waiting for the file, maybe)
    bool changedDuringSave_ = false;  // and another one was asked for meanwhile
    QString error_;
    platform::FileFailure failure_ = platform::FileFailure::None;
};

} // namespace players
