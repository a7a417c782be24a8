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
