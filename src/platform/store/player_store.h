#pragma once
// The player database: one SQLite table of players, one row per player, every value held as text.
//
// PlayerStore is the connection to the file; PlayerCursor (player_cursor.h) is a data source on
// its table, with a current row that screens read and write. A row is designated by its
// bookmark, the table's integer row key, which names the same row for every cursor and every
// program sharing the file.

#include "platform/file_failure.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <bitset>
#include <memory>
#include <optional>

namespace platform {

// The file, in the current directory.
inline constexpr const char* kPlayerDatabaseFile = "JOUEURS.MDB";
inline constexpr const char* kPlayerTable = "tastevolo";

// The columns of a player's row, in the program's order.
inline constexpr int kPlayerColumnCount = 18;
inline constexpr std::array<const char*, kPlayerColumnCount> kPlayerColumns{
    "Nom",   "password", "sons1",    "sons2", "sons3", "sons4", "sons5", "sons6", "sons7",
    "sons8", "duree",    "imgnotes", "pp",    "pp2",   "pp3",   "pn",    "nn",    "nn2"};

// The index of a column in kPlayerColumns (exact name), or -1.
int playerColumnIndex(QStringView column);

// A set of columns, by their index in kPlayerColumns.
using PlayerColumns = std::bitset<kPlayerColumnCount>;

// A row's bookmark: its integer key in the table.
using PlayerBookmark = qint64;

// The values of one row, in the order of kPlayerColumns.
struct PlayerRow {
    std::array<QString, kPlayerColumnCount> values;

    // The value of a column by name ("" for a name that is not a column).
    QString value(QStringView column) const;
    // Sets a column by name; false for a name that is not a column.
    bool setValue(QStringView column, const QString& text);

    bool operator==(const PlayerRow&) const = default;
};

// What the database gives a new row: sons1 .. sons8 "1" (every sound effect allowed),
// duree "3" (one minute), everything else "".
PlayerRow blankPlayerRow();
// A new player's whole row: the blank row with imgnotes "6" and level "1" in each game.
PlayerRow newPlayerRow();

struct PlayerListEntry {
    PlayerBookmark bookmark = 0;
    QString name;

    bool operator==(const PlayerListEntry&) const = default;
};

class PlayerStore {
public:
    PlayerStore();
    ~PlayerStore();
    PlayerStore(const PlayerStore&) = delete;
    PlayerStore& operator=(const PlayerStore&) = delete;

    // Opens the player database at path. A missing file, or an empty one (0 bytes), is created
    // with the empty table. A file
    // that is not a player database (not SQLite, no table tastevolo, a column missing or not
    // holding text) is refused and left as it was. A file without write permission is opened
    // read-only: its rows can be read, saves fail.
    //
    // Another program holding the file (a lock of its own) is waited for by every call, open
    // included: as long as it keeps changing the file (another copy of this program saving), up
    // to five seconds, and half a second once the file stays unchanged (a lock kept open). Then
    // the call fails with FileFailure::InUse and SQLite's reason ("database is locked"), having
    // changed nothing, and the next call tries again.
    //
    // On the thread of the program's windows the wait lets the program's events through: the
    // windows repaint and answer the desktop, timers and queued work run; the user's input waits
    // until the call is over (a wait pointer shows after a moment). A call on this store made by
    // those events is refused at once as InUse and changes nothing; close() then takes effect
    // when the waiting call is over. The store must not be destroyed during its own wait.
    bool open(const QString& path);
    void close();
    bool isOpen() const;
    bool isReadOnly() const;

    // Why the last call failed, for the log: what failed, the file and the reason; "" after a
    // call that succeeded.
    QString error() const;
    // The kind of the last call's failure (None after a call that succeeded).
    FileFailure failure() const;

    // Every row's bookmark and name, by bookmark. Empty (with error()) when reading fails.
    QList<PlayerListEntry> rows();
    // All the values of a row (NULL reads as ""); nothing when there is no such row.
    std::optional<PlayerRow> read(PlayerBookmark bookmark);
    // Adds a row with all its values in one statement; its bookmark, or nothing on failure.
    std::optional<PlayerBookmark> insert(const PlayerRow& row);
    // Writes the given columns of an existing row (all of them unless told) in one statement,
    // leaving the others as the file holds them; false on failure (nothing is written then),
    // also when the row no longer exists.
    bool update(PlayerBookmark bookmark, const PlayerRow& row,
                const PlayerColumns& columns = PlayerColumns().set());

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace platform
