#include "players/player_database.h"

#include "platform/controls.h"

#include <QDir>

namespace players {

namespace {

struct Database {
    platform::PlayerStore store;
    QString path;  // the file the store is open on
    QString error;
    platform::FileFailure failure = platform::FileFailure::None;
};

Database& database()
{
    static Database d;
    return d;
}

} // namespace

platform::PlayerStore* playerDatabase()
{
    Database& d = database();
    const QString path = QDir::current().absoluteFilePath(QLatin1String(platform::kPlayerDatabaseFile));
    if (d.store.isOpen() && d.path == path)
        return &d.store;
    d.path = path;
    if (!d.store.open(path)) {
        d.error = d.store.error();
        d.failure = d.store.failure();
        return nullptr;
    }
    d.error.clear();
    d.failure = platform::FileFailure::None;
    return &d.store;
}

QString playerDatabaseError()
{
    return database().error;
}

platform::FileFailure playerDatabaseFailure()
{
    return database().failure;
}

void closePlayerDatabase()
{
    database().store.close();
    database().path.clear();
}

// ------------------------------------------------------------------------------- DataSource

void DataSource::bind(const char* column, std::function<void(const QString&)> show,
                      std::function<QString(const QString&)> take)
{
    bindings_.push_back({QString::fromLatin1(column), std::move(show), std::move(take)});
}

void DataSource::bind(const char* column, platform::Label& label)
{
    bind(column, [&label](const QString& v) { label.setCaption(v); },
         [&label](const QString&) { return label.caption(); });
}

void DataSource::bind(const char* column, platform::TextBox& box)
{
    bind(column, [&box](const QString& v) { box.setText(v); },
         [&box](const QString&) { return box.text(); });
}

bool DataSource::open()
{
    clearFailure();
    chosen_ = false;
    platform::PlayerStore* store = playerDatabase();
    if (!store) {
        cursor_.reset();
        takeDatabaseFailure();
        showRow();
        return false;
    }
    cursor_.emplace(*store);
    takeCursorFailure();
    showRow();
    return error_.isEmpty();
}

bool DataSource::moveTo(platform::PlayerBookmark bookmark)
{
    clearFailure();
    if (!cursor_ && !open())
        return false;
    if (!cursor_->moveTo(bookmark)) {
        takeCursorFailure();
        return false;
    }
    chosen_ = true;
    showRow();
    return true;
}

void DataSource::addNew()
{
    clearFailure();
    if (!cursor_ && !open())
        return;
    if (!cursor_->isPending())
        chosenBeforeNew_ = chosen_;
    cursor_->addNew();
    showRow();
}

bool DataSource::save()
{
    clearFailure();
    if (!cursor_) {
        takeDatabaseFailure();
        if (error_.isEmpty()) {
            error_ = QStringLiteral("The player database is not open.");
            failure_ = platform::FileFailure::CannotWrite;
        }
        return false;
    }
    if (!chosen_ && !cursor_->isPending()) {
        error_ = QStringLiteral("The player cannot be saved: no player is chosen.");
        return false;
    }
    if (saving_) {
        // Asked for while this source's own save waits for the file (by a timer or queued work
        // that ran meanwhile). The values are not taken now, so the save under way writes what
        // it was given and no more; the widgets keep the new ones for the next save.
        changedDuringSave_ = true;
        error_ = QStringLiteral("The player cannot be saved now (%1): another save of the player is waiting for the file.")
                     .arg(database().path);
        failure_ = platform::FileFailure::InUse;
        return false;
    }
    const bool newRow = cursor_->isPending();
    for (const Binding& b : bindings_)
        cursor_->setValue(b.column, b.take(cursor_->value(b.column)));
    saving_ = true;
    changedDuringSave_ = false;
    const bool saved = cursor_->save();
    saving_ = false;
    clearFailure();
    if (!saved) {
        takeCursorFailure();
        return false;
    }
    // A new row once stored is no login: nothing more is saved into it until a player is
    // chosen again.
    if (newRow)
        chosen_ = false;
    // The widgets show the row as stored, unless a save refused meanwhile left them newer.
    if (!changedDuringSave_)
        showRow();
    return true;
}

void DataSource::cancel()
{
    clearFailure();
    if (!cursor_)
        return;
    if (cursor_->isPending())
        chosen_ = chosenBeforeNew_;
    cursor_->cancel();
    takeCursorFailure();
    if (!cursor_->bookmark())
        chosen_ = false;
    showRow();
}

std::optional<platform::PlayerBookmark> DataSource::bookmark() const
{
    return cursor_ ? cursor_->bookmark() : std::nullopt;
}

bool DataSource::isPending() const
{
    return cursor_ && cursor_->isPending();
}

QString DataSource::value(QStringView column) const
{
    return cursor_ ? cursor_->value(column) : QString();
}

void DataSource::clearFailure()
{
    error_.clear();
    failure_ = platform::FileFailure::None;
}

void DataSource::takeDatabaseFailure()
{
    error_ = playerDatabaseError();
    failure_ = playerDatabaseFailure();
}

void DataSource::takeCursorFailure()
{
    error_ = cursor_->error();
    failure_ = cursor_->failure();
}

void DataSource::showRow()
{
    for (const Binding& b : bindings_)
        b.show(cursor_ ? cursor_->value(b.column) : QString());
}

} // namespace players
