#pragma once
// A data source on the player table: the screens' view of one row at a time.
//
// A cursor is on a current row (designated by its bookmark), on a pending new row (not yet in
// the table), or on nothing. Its values are the current row's, as read when the row became
// current and as changed since by setValue; save() writes the changed ones at once. Two cursors
// on one store are two independent views of the same table.

#include "platform/store/player_store.h"

namespace platform {

class PlayerCursor {
public:
    // Opens on the store's first row (none while the table is empty). The store must outlive
    // the cursor.
    explicit PlayerCursor(PlayerStore& store);

    // Makes the table's first row current (none while the table is empty).
    bool moveFirst();
    // Makes the row current and reads all its values. On failure (no such row) nothing changes.
    bool moveTo(PlayerBookmark bookmark);

    // Begins a pending new row holding what the database gives a new row (blankPlayerRow()).
    // Nothing is written.
    void addNew();
    // Writes the values: into the current row only those changed since the row was read (the
    // other columns keep what another cursor or program stored meanwhile, and the values are
    // then read again, theirs included); or, for a pending row, all of them as a new row, which
    // then becomes the current row with its bookmark. False with a reason when there is no
    // current row or the write fails; nothing is written then and the values are kept.
    bool save();
    // Drops unsaved changes: a pending row is dropped and the row that was current before it
    // becomes current again; the current row's values are read again.
    void cancel();

    bool isPending() const;
    // The current row's bookmark; nothing on a pending row or on no row.
    std::optional<PlayerBookmark> bookmark() const;

    const PlayerRow& values() const;
    QString value(QStringView column) const;
    // Changes a value of the current or pending row (written by the next save); false for a
    // name that is not a column.
    bool setValue(QStringView column, const QString& text);

    // Why the last call failed; "" after one that succeeded.
    QString error() const;
    // The kind of the last call's failure (None after one that succeeded).
    FileFailure failure() const;

private:
    bool load(std::optional<PlayerBookmark> bookmark);
    // The store's failure becomes the cursor's.
    void takeStoreFailure();
    void clearFailure();

    PlayerStore& store_;
    std::optional<PlayerBookmark> current_;
    std::optional<PlayerBookmark> beforeNew_;  // the current row when addNew began
    bool pending_ = false;
    PlayerRow values_;
    PlayerRow read_;  // the values as the row was read, what save() compares with
    QString error_;
    FileFailure failure_ = FileFailure::None;
};

} // namespace platform
