#include "platform/store/player_store.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QRandomGenerator>
#include <QStringList>
#include <QThread>

#include <sqlite3.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

int playerColumnIndex(QStringView column)
{
    for (int i = 0; i < kPlayerColumnCount; ++i) {
        if (column == QLatin1StringView(kPlayerColumns[i]))
            return i;
    }
    return -1;
}

QString PlayerRow::value(QStringView column) const
{
    const int i = playerColumnIndex(column);
    return i < 0 ? QString() : values[i];
}

bool PlayerRow::setValue(QStringView column, const QString& text)
{
    const int i = playerColumnIndex(column);
    if (i < 0)
        return false;
    values[i] = text;
    return true;
}

PlayerRow blankPlayerRow()
{
    PlayerRow row;
    for (int k = 1; k <= 8; ++k)
        row.setValue(QStringLiteral("sons%1").arg(k), QStringLiteral("1"));
    row.setValue(u"duree", QStringLiteral("3"));
    return row;
}

PlayerRow newPlayerRow()
{
    PlayerRow row = blankPlayerRow();
    row.setValue(u"imgnotes", QStringLiteral("6"));
    for (const char* game : {"pp", "pp2", "pp3", "pn", "nn", "nn2"})
        row.setValue(QString::fromLatin1(game), QStringLiteral("1"));
    return row;
}

namespace {

// Waiting for another program that holds the file. Another copy of this program holds it for
// one short statement at a time (a few milliseconds), so a call waits while the file or its
// journal keeps changing: the other program is at work and lets go soon, even when it saves
// over and over. A program that holds the file and does nothing with it (a lock kept open) is
// given up on after kStillWait without a change, so that the screen that asked answers again at
// once and the player is told; kLongestWait bounds a call's wait in every case.
using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kStillWait{500};
constexpr std::chrono::milliseconds kLongestWait{5000};
constexpr std::chrono::milliseconds kPollStep{1};

// What another program's work changes: the file and its journals, as the system sees them.
using FileTrace = std::array<std::array<qint64, 4>, 3>;

FileTrace traceOf(const QByteArray& file)
{
    FileTrace trace{};
    const QByteArray names[] = {file, file + "-journal", file + "-wal"};
    for (int i = 0; i < 3; ++i) {
        struct stat st {};
        if (::stat(names[i].constData(), &st) == 0)
            trace[i] = {1, qint64(st.st_size), qint64(st.st_mtim.tv_sec), qint64(st.st_mtim.tv_nsec)};
    }
    return trace;
}

// How long a wait goes on before the pointer shows that the program is busy.
constexpr std::chrono::milliseconds kBusyPointerAfter{200};

// One call's wait, shared by every connection the call uses.
struct BusyWait {
    QByteArray file;
    Clock::time_point start = Clock::now();
    Clock::time_point changed;  // when the file was last seen changing
    bool traced = false;
    FileTrace trace{};
    bool waiting = false;        // inside the wait, letting the program's events through
    bool busyPointer = false;    // the wait pointer is up
    // The waiting call's outcome so far, which a call refused meanwhile must not change.
    QString* error = nullptr;
    FileFailure* failure = nullptr;

    void restart()
    {
        start = Clock::now();
        traced = false;
    }
    // The call is over: the pointer is the screens' own again.
    void end()
    {
        if (busyPointer) {
            busyPointer = false;
            QGuiApplication::restoreOverrideCursor();
        }
    }
};

// Whether this thread runs the program's windows (so that a wait here must keep them answering).
bool onWindowsThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app && app->thread() == QThread::currentThread();
}

// One step of the wait. On the windows' thread the program goes on meanwhile: repaints, the
// window manager's pings, the timers and the work queued for the screens run as usual, so the
// windows answer and the game's clock goes on. What the player does (clicks, keys, a close from
// the desktop) is held back until the call is over, and then reaches the screens still shown, in
// its order: so no click starts a second save of the same row while the first one waits. A call
// made by the events let through here, on the same store, is refused (PlayerStore::Impl::Call).
void waitStep(BusyWait* wait, Clock::time_point now)
{
    if (!onWindowsThread()) {
        std::this_thread::sleep_for(kPollStep);
        return;
    }
    if (!wait->busyPointer && now - wait->start >= kBusyPointerAfter
        && qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        wait->busyPointer = true;
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    const QString error = *wait->error;
    const FileFailure failure = *wait->failure;
    wait->waiting = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    wait->waiting = false;
    *wait->error = error;
    *wait->failure = failure;
    if (Clock::now() - now < kPollStep)
        std::this_thread::sleep_for(kPollStep);
}

// SQLite's busy handler: waits a little and lets SQLite try again, or gives up (0: the
// statement fails with SQLITE_BUSY and has changed nothing). The steps are short so that the
// file is taken as soon as the other program lets go of it.
int waitWhileBusy(void* arg, int)
{
    auto* wait = static_cast<BusyWait*>(arg);
    const Clock::time_point now = Clock::now();
    const FileTrace trace = traceOf(wait->file);
    if (!wait->traced || trace != wait->trace) {
        wait->traced = true;
        wait->trace = trace;
        wait->changed = now;
    }
    if (now - wait->changed >= kStillWait || now - wait->start >= kLongestWait)
        return 0;
    waitStep(wait, now);
    return 1;
}

struct DbCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Db = std::unique_ptr<sqlite3, DbCloser>;

struct StmtFinalizer {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using Stmt = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

// Resets a statement when the scope ends, so that no finished statement keeps the file locked.
class StatementUse {
public:
    explicit StatementUse(sqlite3_stmt* stmt) : stmt_(stmt) {}
    ~StatementUse()
    {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    StatementUse(const StatementUse&) = delete;
    StatementUse& operator=(const StatementUse&) = delete;

private:
    sqlite3_stmt* stmt_;
};

QString lastError(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

// The kind of an SQLite failure: damaged contents, a file that is no database, a file that
// cannot be written, a file that another program holds; any other code is a failure of the
// operation tried (otherwise).
FileFailure kindOf(int code, FileFailure otherwise)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return FileFailure::InUse;
    case SQLITE_CORRUPT:
        return FileFailure::Damaged;
    case SQLITE_NOTADB:
        return FileFailure::NotPlayerFile;
    case SQLITE_READONLY:
    case SQLITE_FULL:
        return FileFailure::CannotWrite;
    default:
        return otherwise;
    }
}

FileFailure kindOf(sqlite3* db, FileFailure otherwise)
{
    return kindOf(sqlite3_extended_errcode(db), otherwise);
}

// The statements, built once from the column list. Only column and table names appear in them;
// every value is bound.
QByteArray quotedColumns()
{
    QByteArrayList names;
    for (const char* column : kPlayerColumns)
        names << '"' + QByteArray(column) + '"';
    return names.join(", ");
}

QByteArray createSql()
{
    QByteArray sql = "CREATE TABLE " + QByteArray(kPlayerTable) + " (id INTEGER PRIMARY KEY AUTOINCREMENT";
    for (const char* column : kPlayerColumns)
        sql += ", \"" + QByteArray(column) + "\" TEXT";
    return sql + ")";
}

QByteArray listSql()
{
    return "SELECT rowid, \"Nom\" FROM " + QByteArray(kPlayerTable) + " ORDER BY rowid";
}

QByteArray readSql()
{
    return "SELECT " + quotedColumns() + " FROM " + QByteArray(kPlayerTable) + " WHERE rowid = ?"
           + QByteArray::number(kPlayerColumnCount + 1);
}

QByteArray insertSql()
{
    QByteArrayList params;
    for (int i = 1; i <= kPlayerColumnCount; ++i)
        params << "?" + QByteArray::number(i);
    return "INSERT INTO " + QByteArray(kPlayerTable) + " (" + quotedColumns() + ") VALUES ("
           + params.join(", ") + ")";
}

// Parameter i + 1 is column i's value, as bindRow binds them; the last one is the row's key.
QByteArray updateSql(const PlayerColumns& columns = PlayerColumns().set())
{
    QByteArrayList sets;
    for (int i = 0; i < kPlayerColumnCount; ++i) {
        if (columns.test(i))
            sets << '"' + QByteArray(kPlayerColumns[i]) + "\" = ?" + QByteArray::number(i + 1);
    }
    return "UPDATE " + QByteArray(kPlayerTable) + " SET " + sets.join(", ") + " WHERE rowid = ?"
           + QByteArray::number(kPlayerColumnCount + 1);
}

Stmt prepare(sqlite3* db, const QByteArray& sql)
{
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr);
    return Stmt(stmt);
}

// Opens a connection that waits for another program as told by *wait; on failure nothing, with
// the reason in *error (and SQLite's code in *code when asked).
Db openConnection(const QByteArray& file, int flags, BusyWait* wait, QString* error, int* code = nullptr)
{
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(file.constData(), &raw, flags, nullptr);
    Db db(raw);
    if (rc != SQLITE_OK) {
        *error = raw ? lastError(raw) : QString::fromUtf8(sqlite3_errstr(rc));
        if (code)
            *code = raw ? sqlite3_extended_errcode(raw) : rc;
        return {};
    }
    sqlite3_extended_result_codes(raw, 1);
    sqlite3_busy_handler(raw, waitWhileBusy, wait);
    return db;
}

// Runs one statement; on failure the reason in *error (and SQLite's code in *code when asked).
bool run(sqlite3* db, const QByteArray& sql, QString* error, int* code = nullptr)
{
    Stmt stmt = prepare(db, sql);
    if (!stmt || sqlite3_step(stmt.get()) != SQLITE_DONE) {
        *error = lastError(db);
        if (code)
            *code = sqlite3_extended_errcode(db);
        return false;
    }
    return true;
}

// Whether a column of this declared type keeps a text as written: text affinity, or none at all
// (an integer or numeric column would turn "05" into 5).
bool keepsText(const QString& declaredType)
{
    const QString type = declaredType.toUpper();
    if (type.contains(u"INT"))
        return false;
    if (type.contains(u"CHAR") || type.contains(u"CLOB") || type.contains(u"TEXT"))
        return true;
    return type.isEmpty() || type.contains(u"BLOB");
}

void bindRow(sqlite3_stmt* stmt, const PlayerRow& row)
{
    for (int i = 0; i < kPlayerColumnCount; ++i) {
        const QByteArray text = row.values[i].toUtf8();
        // constData() of an empty array is "", so an empty value is stored as "", never NULL.
        sqlite3_bind_text(stmt, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
}

QString columnText(sqlite3_stmt* stmt, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt, column)) : QString();
}

// Creates an empty player database at file. The database is made complete under a temporary
// name, then given its name only if that name is still free, so that a program starting at the
// same moment never sees a half-made file. True also when another program created it first.
bool createDatabase(const QByteArray& file, BusyWait* wait, QString* error)
{
    const QByteArray temporary = file + ".new-" + QByteArray::number(::getpid()) + '-'
                                 + QByteArray::number(QRandomGenerator::global()->generate(), 16);
    const auto removeTemporary = [&] {
        ::unlink(temporary.constData());
        ::unlink((temporary + "-journal").constData());
    };
    {
        Db db = openConnection(temporary, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, wait, error);
        if (!db || !run(db.get(), createSql(), error)) {
            db.reset();
            removeTemporary();
            return false;
        }
        if (sqlite3_close(db.release()) != SQLITE_OK) {
            *error = QStringLiteral("the new file could not be closed");
            removeTemporary();
            return false;
        }
    }
    bool made = ::link(temporary.constData(), file.constData()) == 0 || errno == EEXIST;
    if (!made && (errno == EPERM || errno == ENOTSUP || errno == EOPNOTSUPP || errno == EXDEV)) {
        // A file system without hard links: take the name if it is still free.
        made = ::access(file.constData(), F_OK) == 0
               || ::rename(temporary.constData(), file.constData()) == 0;
    }
    if (!made)
        *error = QString::fromLocal8Bit(std::strerror(errno));
    removeTemporary();
    return made;
}

// Puts the empty player table into an existing file of 0 bytes. The file is locked for writing
// first and looked at again, so that a program doing the same at the same moment, or having
// done it just before, is never undone. On failure SQLite's code is in *code.
bool initialiseEmptyFile(const QByteArray& file, BusyWait* wait, QString* error, int* code)
{
    Db db = openConnection(file, SQLITE_OPEN_READWRITE, wait, error, code);
    if (!db || !run(db.get(), "BEGIN IMMEDIATE", error, code))
        return false;
    bool ok = true;
    {
        Stmt count = prepare(db.get(), "SELECT count(*) FROM sqlite_master");
        if (!count || sqlite3_step(count.get()) != SQLITE_ROW) {
            *error = lastError(db.get());
            *code = sqlite3_extended_errcode(db.get());
            ok = false;
        } else if (sqlite3_column_int(count.get(), 0) == 0) {
            ok = run(db.get(), createSql(), error, code);
        }
    }
    if (ok)
        ok = run(db.get(), "COMMIT", error, code);
    if (!ok) {
        QString ignored;
        run(db.get(), "ROLLBACK", &ignored);
    }
    return ok;
}

} // namespace

struct PlayerStore::Impl {
    Db db;
    Stmt list, read, insert, update;
    bool readOnly = false;
    QString error;
    FileFailure failure = FileFailure::None;
    QString path;
    BusyWait wait;  // restarted by every call
    int calls = 0;  // calls under way: the waiting one, and one refused during its wait
    bool closeWhenDone = false;

    Impl()
    {
        wait.error = &error;
        wait.failure = &failure;
    }

    // A call on the store, from its start to its return.
    class Call {
    public:
        explicit Call(Impl& d) : d_(d), refused_(d.wait.waiting) { ++d_.calls; }
        ~Call()
        {
            if (--d_.calls > 0)
                return;
            d_.wait.end();
            if (d_.closeWhenDone) {
                d_.closeWhenDone = false;
                d_.closeNow();
            }
        }
        Call(const Call&) = delete;
        Call& operator=(const Call&) = delete;

        // A call made while another one waits for the file (by a timer or queued work that ran
        // during the wait) would run a statement on a connection in the middle of one: it is
        // refused at once, as the file is held, and changes nothing.
        bool refused()
        {
            if (refused_)
                d_.fail(FileFailure::InUse, QStringLiteral("The player database is busy"),
                        QStringLiteral("another call is waiting for the program that holds it"));
            return refused_;
        }

    private:
        Impl& d_;
        bool refused_;
    };

    // "" when db holds a usable player table, otherwise why not; *code is SQLite's code then.
    QString checkTable(int* code);
    bool prepareStatements();
    void closeNow()
    {
        list.reset();
        read.reset();
        insert.reset();
        update.reset();
        db.reset();
        readOnly = false;
    }
    bool fail(FileFailure kind, const QString& what, const QString& reason)
    {
        failure = kind;
        error = QStringLiteral("%1 (%2): %3.").arg(what, path, reason);
        return false;
    }
    // A failed statement: its kind from SQLite's code, otherwise the operation's.
    bool failStatement(FileFailure otherwise, const QString& what)
    {
        return fail(kindOf(db.get(), otherwise), what, lastError(db.get()));
    }
    // The start of a call: no failure yet, the whole wait ahead.
    void clearError()
    {
        error.clear();
        failure = FileFailure::None;
        wait.restart();
    }
    bool notOpen(FileFailure kind)
    {
        failure = kind;
        error = QStringLiteral("The player database is not open.");
        return false;
    }
    // Looks a row up, copying its values to *row when given. A row that is not there fails with
    // no kind of file failure; a failed read with SQLite's kind, otherwise the operation's; both
    // are named after the operation (what).
    bool findRow(PlayerBookmark bookmark, PlayerRow* row, FileFailure otherwise, const QString& what);
};

bool PlayerStore::Impl::findRow(PlayerBookmark bookmark, PlayerRow* row, FileFailure otherwise, const QString& what)
{
    sqlite3_stmt* stmt = read.get();
    StatementUse use(stmt);
    sqlite3_bind_int64(stmt, kPlayerColumnCount + 1, bookmark);
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) {
        if (row) {
            for (int i = 0; i < kPlayerColumnCount; ++i)
                row->values[i] = columnText(stmt, i);
        }
        return true;
    }
    if (rc == SQLITE_DONE)
        return fail(FileFailure::None, what, QStringLiteral("there is no player row %1").arg(bookmark));
    return failStatement(otherwise, what);
}

QString PlayerStore::Impl::checkTable(int* code)
{
    sqlite3* raw = db.get();
    *code = SQLITE_OK;
    const auto sqliteError = [&] {
        *code = sqlite3_extended_errcode(raw);
        return lastError(raw);
    };
    Stmt info = prepare(raw, "SELECT name, type FROM pragma_table_info(?1)");
    if (!info)
        return sqliteError();
    sqlite3_bind_text(info.get(), 1, kPlayerTable, -1, SQLITE_STATIC);
    QHash<QString, QString> types;  // column name folded -> declared type
    int rc;
    while ((rc = sqlite3_step(info.get())) == SQLITE_ROW)
        types.insert(columnText(info.get(), 0).toLower(), columnText(info.get(), 1));
    if (rc != SQLITE_DONE)
        return sqliteError();
    if (types.isEmpty())
        return QStringLiteral("it has no table %1").arg(QLatin1StringView(kPlayerTable));
    for (const char* column : kPlayerColumns) {
        const auto type = types.constFind(QString::fromLatin1(column).toLower());
        if (type == types.cend())
            return QStringLiteral("the table %1 has no column %2")
                .arg(QLatin1StringView(kPlayerTable), QLatin1StringView(column));
        if (!keepsText(*type))
            return QStringLiteral("the column %1 of table %2 is not a text column")
                .arg(QLatin1StringView(column), QLatin1StringView(kPlayerTable));
    }
    // A view, or a table without row keys, is refused here.
    for (const QByteArray& sql : {listSql(), readSql(), insertSql(), updateSql()}) {
        if (!prepare(raw, sql))
            return sqliteError();
    }
    return QString();
}

bool PlayerStore::Impl::prepareStatements()
{
    list = prepare(db.get(), listSql());
    read = prepare(db.get(), readSql());
    insert = prepare(db.get(), insertSql());
    update = prepare(db.get(), updateSql());
    return list && read && insert && update;
}

PlayerStore::PlayerStore() : d_(std::make_unique<Impl>()) {}

PlayerStore::~PlayerStore()
{
    close();
}

void PlayerStore::close()
{
    // Closed while a call waits for the file: the connection goes once that call is over.
    if (d_->wait.waiting) {
        d_->closeWhenDone = true;
        return;
    }
    d_->closeNow();
}

bool PlayerStore::isOpen() const
{
    return d_->db != nullptr;
}

bool PlayerStore::isReadOnly() const
{
    return d_->readOnly;
}

QString PlayerStore::error() const
{
    return d_->error;
}

FileFailure PlayerStore::failure() const
{
    return d_->failure;
}

bool PlayerStore::open(const QString& path)
{
    Impl::Call call(*d_);
    if (call.refused())
        return false;
    d_->closeWhenDone = false;
    close();
    d_->clearError();
    d_->path = path;
    const QByteArray file = QFile::encodeName(path);
    d_->wait.file = file;
    const QString notPlayers = QStringLiteral("The file is not a player database");
    const QString cannotOpen = QStringLiteral("The player database cannot be opened");
    const QString cannotCreate = QStringLiteral("The player database cannot be created");
    QString reason;
    int code = SQLITE_OK;
    // Refused by the check of the table: damaged contents, a table that is not ours (a missing
    // column, statements SQLite refuses), a file that could not be read, or one that another
    // program holds. Only the first two say anything of what the file is.
    const auto refused = [&] {
        const int primary = code & 0xff;
        const bool notOurs = primary == SQLITE_OK || primary == SQLITE_ERROR;
        const FileFailure kind = notOurs ? FileFailure::NotPlayerFile : kindOf(code, FileFailure::CannotRead);
        const QString what = kind == FileFailure::NotPlayerFile ? notPlayers
                             : kind == FileFailure::Damaged     ? QStringLiteral("The player database is damaged")
                                                                : cannotOpen;
        return d_->fail(kind, what, reason);
    };

    struct stat st {};
    bool found = ::stat(file.constData(), &st) == 0;
    if (!found && errno == ENOENT) {
        if (!createDatabase(file, &d_->wait, &reason))
            return d_->fail(FileFailure::CannotWrite, cannotCreate, reason);
        found = ::stat(file.constData(), &st) == 0;
    }
    if (!found)
        return d_->fail(FileFailure::CannotRead, cannotOpen, QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISREG(st.st_mode))
        return d_->fail(FileFailure::NotPlayerFile, notPlayers, QStringLiteral("it is not a file"));
    if (st.st_size == 0) {
        // An empty file holds nothing to keep: it is made the empty player database, as a
        // missing one would be.
        if (!initialiseEmptyFile(file, &d_->wait, &reason, &code))
            return d_->fail(kindOf(code, FileFailure::CannotWrite), cannotCreate, reason);
        if (::stat(file.constData(), &st) != 0)
            return d_->fail(FileFailure::CannotRead, cannotOpen, QString::fromLocal8Bit(std::strerror(errno)));
    }

    // Look first without the right to write, so that a foreign file is never changed.
    d_->db = openConnection(file, SQLITE_OPEN_READONLY, &d_->wait, &reason, &code);
    if (!d_->db)
        return d_->fail(kindOf(code, FileFailure::CannotRead), cannotOpen, reason);
    reason = d_->checkTable(&code);
    d_->db.reset();
    // A write cut short by a crash leaves a journal that only a writer can roll back; the
    // file is a database of ours then, and is checked again once rolled back.
    const bool interrupted = code == SQLITE_READONLY_ROLLBACK;
    if (!reason.isEmpty() && !interrupted)
        return refused();

    // A file without any write permission bit is only read, even by a user whom the system
    // would let write it.
    const bool writable = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0
                          && ::access(file.constData(), W_OK) == 0;
    if (interrupted && !writable)
        return d_->fail(FileFailure::CannotWrite, cannotOpen, reason);
    d_->db = openConnection(file, writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY, &d_->wait, &reason,
                            &code);
    if (!d_->db)
        return d_->fail(kindOf(code, FileFailure::CannotRead), cannotOpen, reason);
    if (interrupted) {
        reason = d_->checkTable(&code);
        if (!reason.isEmpty()) {
            close();
            return refused();
        }
    }
    if (!d_->prepareStatements()) {
        reason = lastError(d_->db.get());
        code = sqlite3_extended_errcode(d_->db.get());
        close();
        return d_->fail(kindOf(code, FileFailure::CannotRead), cannotOpen, reason);
    }
    d_->readOnly = sqlite3_db_readonly(d_->db.get(), "main") == 1;
    return true;
}

QList<PlayerListEntry> PlayerStore::rows()
{
    Impl::Call call(*d_);
    if (call.refused())
        return {};
    d_->clearError();
    if (!isOpen()) {
        d_->notOpen(FileFailure::CannotRead);
        return {};
    }
    sqlite3_stmt* stmt = d_->list.get();
    StatementUse use(stmt);
    QList<PlayerListEntry> entries;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        entries.append({sqlite3_column_int64(stmt, 0), columnText(stmt, 1)});
    if (rc != SQLITE_DONE) {
        d_->failStatement(FileFailure::CannotRead, QStringLiteral("The players cannot be read"));
        return {};
    }
    return entries;
}

std::optional<PlayerRow> PlayerStore::read(PlayerBookmark bookmark)
{
    Impl::Call call(*d_);
    if (call.refused())
        return std::nullopt;
    d_->clearError();
    if (!isOpen()) {
        d_->notOpen(FileFailure::CannotRead);
        return std::nullopt;
    }
    PlayerRow row;
    if (!d_->findRow(bookmark, &row, FileFailure::CannotRead, QStringLiteral("The player cannot be read")))
        return std::nullopt;
    return row;
}

std::optional<PlayerBookmark> PlayerStore::insert(const PlayerRow& row)
{
    Impl::Call call(*d_);
    if (call.refused())
        return std::nullopt;
    d_->clearError();
    if (!isOpen()) {
        d_->notOpen(FileFailure::CannotWrite);
        return std::nullopt;
    }
    sqlite3_stmt* stmt = d_->insert.get();
    StatementUse use(stmt);
    bindRow(stmt, row);
    if (sqlite3_step(stmt) != SQLITE_DONE) {
        d_->failStatement(FileFailure::CannotWrite, QStringLiteral("The player cannot be saved"));
        return std::nullopt;
    }
    return sqlite3_last_insert_rowid(d_->db.get());
}

bool PlayerStore::update(PlayerBookmark bookmark, const PlayerRow& row, const PlayerColumns& columns)
{
    Impl::Call call(*d_);
    if (call.refused())
        return false;
    d_->clearError();
    if (!isOpen())
        return d_->notOpen(FileFailure::CannotWrite);
    if (columns.none()) {
        // Nothing to write; the row must still be there. A file that cannot be read now is told
        // as any failed save is (held, damaged...), never as a missing row.
        return d_->findRow(bookmark, nullptr, FileFailure::CannotWrite, QStringLiteral("The player cannot be saved"));
    }
    // A save writes only the columns it was given, so that two programs open on one player
    // never put back each other's older values.
    Stmt partial;
    if (!columns.all()) {
        partial = prepare(d_->db.get(), updateSql(columns));
        if (!partial)
            return d_->failStatement(FileFailure::CannotWrite, QStringLiteral("The player cannot be saved"));
    }
    sqlite3_stmt* stmt = partial ? partial.get() : d_->update.get();
    StatementUse use(stmt);
    bindRow(stmt, row);
    sqlite3_bind_int64(stmt, kPlayerColumnCount + 1, bookmark);
    if (sqlite3_step(stmt) != SQLITE_DONE)
        return d_->failStatement(FileFailure::CannotWrite, QStringLiteral("The player cannot be saved"));
    if (sqlite3_changes(d_->db.get()) == 0)
        return d_->fail(FileFailure::None, QStringLiteral("The player cannot be saved"),
                        QStringLiteral("there is no player row %1").arg(bookmark));
    return true;
}

} // namespace platform
