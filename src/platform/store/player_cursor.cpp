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
    error_.clear();
    const QList<PlayerListEntry> rows = store_.rows();
    if (rows.isEmpty() && !store_.error().isEmpty()) {
        error_ = store_.error();
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
    error_.clear();
    if (!load(bookmark)) {
        error_ = store_.error();
        return false;
    }
    pending_ = false;
    return true;
}

void PlayerCursor::addNew()
{
    error_.clear();
    if (!pending_)
        beforeNew_ = current_;
    pending_ = true;
    current_.reset();
    values_ = blankPlayerRow();
}

bool PlayerCursor::save()
{
    error_.clear();
    if (pending_) {
        const std::optional<PlayerBookmark> added = store_.insert(values_);
        if (!added) {
            error_ = store_.error();
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
        error_ = store_.error();
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
    error_.clear();
    const std::optional<PlayerBookmark> back = pending_ ? beforeNew_ : current_;
    pending_ = false;
    if (!load(back)) {
        // The row is gone: the cursor is on no row.
        error_ = store_.error();
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

} // namespace platform
