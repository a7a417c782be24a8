#include "platform/store/player_cursor.h"

namespace platform {

PlayerCursor::PlayerCursor(PlayerStore& store) : store_(store)
{
    moveFirst();
}

bool PlayerCursor::load(std::optional<PlayerBookmark> bookmark)
{
    if (!bookmark) {
        current_.reset();
        values_ = read_ = PlayerRow();
        return true;
    }
    std::optional<PlayerRow> row = store_.read(*bookmark);
    if (!row)
        return false;
    current_ = bookmark;
    values_ = read_ = *row;
    return true;
}

bool PlayerCursor::moveFirst()
{
    clearFailure();
    const QList<PlayerListEntry> rows = store_.rows();
    if (rows.isEmpty() && !store_.error().isEmpty()) {
        takeStoreFailure();
        return false;
    }
    if (rows.isEmpty()) {
        load(std::nullopt);
        pending_ = false;
        return true;
    }
    return moveTo(rows.front().bookmark);
}

bool PlayerCursor::moveTo(PlayerBookmark bookmark)
{
    clearFailure();
    if (!load(bookmark)) {
        takeStoreFailure();
        return false;
    }
    pending_ = false;
    return true;
}

void PlayerCursor::addNew()
{
    clearFailure();
    if (!pending_)
        beforeNew_ = current_;
    pending_ = true;
    current_.reset();
    values_ = blankPlayerRow();
}

bool PlayerCursor::save()
{
    clearFailure();
    if (pending_) {
        const std::optional<PlayerBookmark> added = store_.insert(values_);
        if (!added) {
            takeStoreFailure();
            return false;
        }
        pending_ = false;
        current_ = added;
        read_ = values_;
        return true;
    }
    if (!current_) {
        error_ = QStringLiteral("The player cannot be saved: no player is chosen.");
        return false;
    }
    PlayerColumns changed;
    for (int i = 0; i < kPlayerColumnCount; ++i)
        changed[i] = values_.values[i] != read_.values[i];
    if (!store_.update(*current_, values_, changed)) {
        takeStoreFailure();
        return false;
    }
    // What the file holds now: what this cursor wrote and what others stored meanwhile.
    if (std::optional<PlayerRow> row = store_.read(*current_))
        values_ = read_ = *row;
    else
        read_ = values_;
    return true;
}

void PlayerCursor::cancel()
{
    clearFailure();
    const std::optional<PlayerBookmark> back = pending_ ? beforeNew_ : current_;
    pending_ = false;
    if (!load(back)) {
        // The row is gone: the cursor is on no row.
        takeStoreFailure();
        load(std::nullopt);
    }
}

bool PlayerCursor::isPending() const
{
    return pending_;
}

std::optional<PlayerBookmark> PlayerCursor::bookmark() const
{
    return current_;
}

const PlayerRow& PlayerCursor::values() const
{
    return values_;
}

QString PlayerCursor::value(QStringView column) const
{
    return values_.value(column);
}

bool PlayerCursor::setValue(QStringView column, const QString& text)
{
    return values_.setValue(column, text);
}

QString PlayerCursor::error() const
{
    return error_;
}

FileFailure PlayerCursor::failure() const
{
    return failure_;
}

void PlayerCursor::takeStoreFailure()
{
    error_ = store_.error();
    failure_ = store_.failure();
}

void PlayerCursor::clearFailure()
{
    error_.clear();
    failure_ = FileFailure::None;
}

} // namespace platform
