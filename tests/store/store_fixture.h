#pragma once
// Shared by the player store tests: a temporary folder with the database file's path, and
// helpers that look at the file from outside the store.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "platform/store/player_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <ostream>
#include <string>
#include <thread>

namespace store_test {

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Runs SQL on the file with a plain connection of its own (creating the file if needed).
inline void execSql(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &message);
    const QString text = QString::fromUtf8(message ? message : "");
    sqlite3_free(message);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << text.toStdString();
}

// A player file of the program's own, with forty players, cut short after its first pages
// (as a copy broken off would leave it).
inline void writeCutShortPlayerFile(const QString& path)
{
    {
        platform::PlayerStore store;
        ASSERT_TRUE(store.open(path)) << store.error().toStdString();
    }
    execSql(path, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40) "
                  "INSERT INTO tastevolo (Nom, password) SELECT printf('%.200c', 'a'), '' FROM n");
    writeBytes(path, fileBytes(path).left(5000));
}

// Another program holding the player file, in each of the ways SQLite's locks let it (the file
// is in rollback-journal mode):
enum class Lock {
    Exclusive,  // writing it (BEGIN EXCLUSIVE): nobody else reads or writes
    Reserved,   // a write begun and not committed (BEGIN IMMEDIATE, an INSERT): others read, nobody writes
    Pending,    // a commit waiting for a reader to finish: no new reader, no other writer
};

inline const char* lockName(Lock lock)
{
    switch (lock) {
    case Lock::Exclusive:
        return "Exclusive";
    case Lock::Reserved:
        return "Reserved";
    case Lock::Pending:
        return "Pending";
    }
    return "?";
}

inline void PrintTo(Lock lock, std::ostream* os)
{
    *os << lockName(lock);
}

// Whether a program may still read the file while it is held so.
inline bool othersMayRead(Lock lock)
{
    return lock == Lock::Reserved;
}

// Holds the lock from construction to release() (or destruction) with plain connections of its
// own, which never wait; the release rolls back whatever they began, so the file is as it was.
class OtherProgramLock {
public:
    OtherProgramLock(const QString& path, Lock lock)
    {
        const QByteArray file = QFile::encodeName(path);
        EXPECT_EQ(sqlite3_open(file.constData(), &writer_), SQLITE_OK);
        switch (lock) {
        case Lock::Exclusive:
            exec(writer_, "BEGIN EXCLUSIVE", SQLITE_OK);
            break;
        case Lock::Reserved:
            exec(writer_, "BEGIN IMMEDIATE; INSERT INTO tastevolo (Nom) VALUES ('other program')", SQLITE_OK);
            break;
        case Lock::Pending:
            EXPECT_EQ(sqlite3_open(file.constData(), &reader_), SQLITE_OK);
            exec(reader_, "BEGIN; SELECT count(*) FROM tastevolo", SQLITE_OK);
            exec(writer_, "BEGIN IMMEDIATE; INSERT INTO tastevolo (Nom) VALUES ('other program')", SQLITE_OK);
            // The commit cannot have the file while the reader is on it: it keeps the file's
            // pending lock and waits.
            exec(writer_, "COMMIT", SQLITE_BUSY);
            break;
        }
    }
    ~OtherProgramLock() { release(); }
    OtherProgramLock(const OtherProgramLock&) = delete;
    OtherProgramLock& operator=(const OtherProgramLock&) = delete;

    void release()
    {
        for (sqlite3** db : {&writer_, &reader_}) {
            if (*db) {
                sqlite3_exec(*db, "ROLLBACK", nullptr, nullptr, nullptr);
                sqlite3_close(*db);
                *db = nullptr;
            }
        }
    }

private:
    static void exec(sqlite3* db, const char* sql, int expected)
    {
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), expected)
            << sql << ": " << sqlite3_errmsg(db);
    }

    sqlite3* writer_ = nullptr;
    sqlite3* reader_ = nullptr;
};

// Another program that holds the file and keeps writing it (a backup or sync tool, a script):
// from construction it holds the file's exclusive lock and writes a few pages every `step`
// for `writing`, then holds it `idle` more without a change, then lets go, its writes undone.
// It runs on a thread of its own; held() tells when the lock is taken.
class OtherProgramWriting {
public:
    OtherProgramWriting(const QString& path, std::chrono::milliseconds writing, std::chrono::milliseconds idle,
                        std::chrono::milliseconds step = std::chrono::milliseconds(50))
        : thread_([this, file = QFile::encodeName(path), writing, idle, step] { run(file, writing, idle, step); })
    {
        while (!held_ && !done_)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~OtherProgramWriting() { thread_.join(); }
    OtherProgramWriting(const OtherProgramWriting&) = delete;
    OtherProgramWriting& operator=(const OtherProgramWriting&) = delete;

    bool held() const { return held_; }
    bool done() const { return done_; }
    // Why it could not hold or write the file; "" when it did.
    std::string error() const { return error_; }

private:
    void run(const QByteArray& file, std::chrono::milliseconds writing, std::chrono::milliseconds idle,
             std::chrono::milliseconds step)
    {
        sqlite3* db = nullptr;
        // A small page cache: every write reaches the file or its journal at once.
        if (sqlite3_open(file.constData(), &db) != SQLITE_OK
            || sqlite3_exec(db, "PRAGMA cache_size = 5; BEGIN EXCLUSIVE; CREATE TABLE other (data BLOB)", nullptr,
                            nullptr, nullptr) != SQLITE_OK) {
            error_ = sqlite3_errmsg(db);
            sqlite3_close(db);
            done_ = true;
            return;
        }
        held_ = true;
        const auto start = std::chrono::steady_clock::now();
        while (std::chrono::steady_clock::now() - start < writing) {
            if (sqlite3_exec(db, "INSERT INTO other VALUES (randomblob(40000))", nullptr, nullptr, nullptr) != SQLITE_OK)
                error_ = sqlite3_errmsg(db);
            std::this_thread::sleep_for(step);
        }
        std::this_thread::sleep_for(idle);
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        done_ = true;
    }

    std::atomic<bool> held_{false};
    std::atomic<bool> done_{false};
    std::string error_;
    std::thread thread_;
};

class StoreFixture : public ::testing::Test {
protected:
    QString dbPath() const { return dir_.filePath(QStringLiteral("JOUEURS.MDB")); }
    QString folder() const { return dir_.path(); }
    QStringList folderEntries() const
    {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir_;
};

} // namespace store_test
