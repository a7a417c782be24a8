#pragma once
// Shared by the player store tests: a temporary folder with the database file's path, and
// helpers that look at the file from outside the store.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

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
