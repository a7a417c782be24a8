#include "platform/store/password.h"
#include "platform/store/player_cursor.h"
#include "platform/store/player_store.h"
#include "store_fixture.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>
#include <QRandomGenerator>
#include <QSet>

#include <sys/stat.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <tuple>
#include <vector>

using namespace platform;
using store_test::execSql;
using store_test::fileBytes;
using store_test::writeBytes;

namespace {

PlayerRow namedRow(const QString& name)
{
    PlayerRow row = newPlayerRow();
    row.setValue(u"Nom", name);
    return row;
}

class PlayerStoreTest : public store_test::StoreFixture {
protected:
    void openStore()
    {
        ASSERT_TRUE(store_.open(dbPath())) << store_.error().toStdString();
    }

    PlayerStore store_;
};

} // namespace

TEST(PlayerRowTest, ColumnsByName)
{
    PlayerRow row = newPlayerRow();
    EXPECT_EQ(row.value(u"imgnotes"), QStringLiteral("6"));
    for (const char* game : {"pp", "pp2", "pp3", "pn", "nn", "nn2"})
        EXPECT_EQ(row.value(QString::fromLatin1(game)), QStringLiteral("1")) << game;
    EXPECT_EQ(row.value(u"sons8"), QStringLiteral("1"));
    EXPECT_EQ(row.value(u"duree"), QStringLiteral("3"));
    EXPECT_EQ(row.value(u"Nom"), QString());
    EXPECT_FALSE(row.setValue(u"nom", QStringLiteral("x")));  // names are exact
    EXPECT_FALSE(row.setValue(u"Label_pp", QStringLiteral("x")));
    EXPECT_EQ(row.value(u"nope"), QString());
    EXPECT_EQ(playerColumnIndex(u"nn2"), kPlayerColumnCount - 1);
}

TEST_F(PlayerStoreTest, MissingOrEmptyFileIsCreatedWithTheEmptyTable)
{
    for (const bool emptyFile : {false, true}) {
        SCOPED_TRACE(emptyFile ? "a file of 0 bytes" : "no file");
        QFile::remove(dbPath());
        if (emptyFile)
            writeBytes(dbPath(), QByteArray());
        openStore();
        EXPECT_TRUE(store_.rows().isEmpty());
        EXPECT_TRUE(store_.error().isEmpty());
        EXPECT_FALSE(store_.isReadOnly());
        EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("JOUEURS.MDB")});

        const std::optional<PlayerBookmark> added = store_.insert(namedRow(QStringLiteral("Léa")));
        ASSERT_TRUE(added);
        store_.close();

        PlayerStore again;
        ASSERT_TRUE(again.open(dbPath())) << again.error().toStdString();
        EXPECT_EQ(again.rows(), (QList<PlayerListEntry>{{*added, QStringLiteral("Léa")}}));
    }
}

TEST_F(PlayerStoreTest, MissingFolderIsReported)
{
    EXPECT_FALSE(store_.open(folder() + QStringLiteral("/no/such/JOUEURS.MDB")));
    EXPECT_TRUE(store_.error().contains(QStringLiteral("cannot be created")))
        << store_.error().toStdString();
    EXPECT_EQ(store_.failure(), FileFailure::CannotWrite);
    EXPECT_FALSE(store_.isOpen());
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(PlayerStoreTest, TextsComeBackAsWritten)
{
    openStore();
    const QStringList names = {
        QStringLiteral("O'Neil"),  QStringLiteral("Zoé"),      QStringLiteral("   "),
        QStringLiteral("05"),      QStringLiteral("x\"); DROP TABLE tastevolo; --"),
        QStringLiteral("日本"),    QStringLiteral("a\tb"),
    };
    QList<PlayerListEntry> expected;
    for (const QString& name : names) {
        PlayerRow row = namedRow(name);
        row.setValue(u"password", name);
        row.setValue(u"pp", QStringLiteral("05"));
        row.setValue(u"duree", QStringLiteral(" 5"));
        const std::optional<PlayerBookmark> added = store_.insert(row);
        ASSERT_TRUE(added) << store_.error().toStdString();
        expected.append({*added, name});
        const std::optional<PlayerRow> back = store_.read(*added);
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, row) << name.toStdString();
    }
    EXPECT_EQ(store_.rows(), expected);
}

TEST_F(PlayerStoreTest, DuplicateNamesAreTwoRows)
{
    openStore();
    PlayerRow first = namedRow(QStringLiteral("Tom"));
    PlayerRow second = namedRow(QStringLiteral("Tom"));
    second.setValue(u"pp", QStringLiteral("4"));
    const auto a = store_.insert(first);
    const auto b = store_.insert(second);
    ASSERT_TRUE(a && b);
    EXPECT_NE(*a, *b);
    EXPECT_EQ(store_.rows(), (QList<PlayerListEntry>{{*a, QStringLiteral("Tom")},
                                                     {*b, QStringLiteral("Tom")}}));
    EXPECT_EQ(store_.read(*a)->value(u"pp"), QStringLiteral("1"));
    EXPECT_EQ(store_.read(*b)->value(u"pp"), QStringLiteral("4"));
}

TEST_F(PlayerStoreTest, NullReadsAsEmpty)
{
    openStore();
    store_.close();
    execSql(dbPath(), "INSERT INTO tastevolo (Nom) VALUES ('Ana')");
    openStore();
    const QList<PlayerListEntry> rows = store_.rows();
    ASSERT_EQ(rows.size(), 1);
    const std::optional<PlayerRow> row = store_.read(rows.front().bookmark);
    ASSERT_TRUE(row);
    PlayerRow expected;
    expected.setValue(u"Nom", QStringLiteral("Ana"));
    EXPECT_EQ(*row, expected);
}

TEST_F(PlayerStoreTest, UpdateTouchesOnlyItsRow)
{
    openStore();
    const auto a = store_.insert(namedRow(QStringLiteral("A")));
    const auto b = store_.insert(namedRow(QStringLiteral("B")));
    ASSERT_TRUE(a && b);
    PlayerRow changed = namedRow(QStringLiteral("A2"));
    changed.setValue(u"nn2", QStringLiteral("4"));
    ASSERT_TRUE(store_.update(*a, changed)) << store_.error().toStdString();
    EXPECT_EQ(*store_.read(*a), changed);
    EXPECT_EQ(*store_.read(*b), namedRow(QStringLiteral("B")));

    // A row that is not there: nothing is written anywhere, and the failure has a reason.
    EXPECT_FALSE(store_.update(*b + 100, namedRow(QStringLiteral("ghost"))));
    EXPECT_FALSE(store_.error().isEmpty());
    EXPECT_EQ(store_.rows().size(), 2);
    EXPECT_FALSE(store_.read(*b + 100));
    EXPECT_FALSE(store_.error().isEmpty());
}

TEST_F(PlayerStoreTest, TwoProgramsOnOneRowKeepBothProgressChanges)
{
    openStore();
    const auto zoe = store_.insert(namedRow(QStringLiteral("Zoé")));
    ASSERT_TRUE(zoe);
    PlayerStore other;  // the second program's own connection
    ASSERT_TRUE(other.open(dbPath())) << other.error().toStdString();
    PlayerCursor first(store_), second(other);
    ASSERT_TRUE(first.moveTo(*zoe));
    ASSERT_TRUE(second.moveTo(*zoe));

    first.setValue(u"pp", QStringLiteral("3"));
    ASSERT_TRUE(first.save()) << first.error().toStdString();
    second.setValue(u"pp2", QStringLiteral("2"));
    second.setValue(u"duree", QStringLiteral("7"));
    ASSERT_TRUE(second.save()) << second.error().toStdString();
    // The first program's next save of something else puts back none of its older values.
    first.setValue(u"sons4", QStringLiteral("0"));
    ASSERT_TRUE(first.save()) << first.error().toStdString();

    PlayerRow expected = namedRow(QStringLiteral("Zoé"));
    expected.setValue(u"pp", QStringLiteral("3"));
    expected.setValue(u"pp2", QStringLiteral("2"));
    expected.setValue(u"duree", QStringLiteral("7"));
    expected.setValue(u"sons4", QStringLiteral("0"));
    EXPECT_EQ(*store_.read(*zoe), expected);
    // Each program sees the row as stored after its save.
    EXPECT_EQ(first.values(), expected);
    EXPECT_EQ(second.value(u"pp"), QStringLiteral("3"));

    // A save with nothing changed writes nothing, and still fails on a row that is gone.
    other.close();
    EXPECT_TRUE(first.save());
    EXPECT_EQ(*store_.read(*zoe), expected);
    execSql(dbPath(), "DELETE FROM tastevolo");
    EXPECT_FALSE(first.save());
    EXPECT_FALSE(first.error().isEmpty());
}

TEST_F(PlayerStoreTest, PasswordIsNotInTheFile)
{
    openStore();
    PlayerRow row = namedRow(QStringLiteral("Max"));
    row.setValue(u"password", hashPassword(QStringLiteral("Hunter-Zebra-77")));
    const auto added = store_.insert(row);
    ASSERT_TRUE(added);
    store_.close();
    const QByteArray bytes = fileBytes(dbPath());
    ASSERT_TRUE(bytes.contains("Max"));
    EXPECT_FALSE(bytes.contains("Hunter-Zebra-77"));
    ASSERT_TRUE(store_.open(dbPath()));
    EXPECT_TRUE(passwordMatches(store_.read(*added)->value(u"password"),
                                QStringLiteral("Hunter-Zebra-77")));
}

struct ForeignFile {
    const char* label;
    std::function<void(const QString& path)> make;
    const char* reason;  // part of the error text
    FileFailure kind = FileFailure::NotPlayerFile;
};

TEST_F(PlayerStoreTest, ForeignFileIsRefusedAndLeftAsItWas)
{
    const std::vector<ForeignFile> cases = {
        {"random bytes",
         [](const QString& path) {
             QByteArray noise(5000, '\0');
             for (char& c : noise)
                 c = char(QRandomGenerator::global()->bounded(256));
             writeBytes(path, noise);
         },
         "not a database"},
        {"text file", [](const QString& path) { writeBytes(path, "Nom;password\nTom;x\n"); },
         "not a database"},
        {"other table",
         [](const QString& path) { execSql(path, "CREATE TABLE scores (Nom TEXT, points TEXT)"); },
         "no table tastevolo"},
        {"column missing",
         [](const QString& path) {
             execSql(path, "CREATE TABLE tastevolo (id INTEGER PRIMARY KEY, Nom TEXT, password TEXT,"
                           " sons1 TEXT, sons2 TEXT, sons3 TEXT, sons4 TEXT, sons5 TEXT, sons6 TEXT,"
                           " sons7 TEXT, sons8 TEXT, duree TEXT, imgnotes TEXT, pp TEXT, pp2 TEXT,"
                           " pn TEXT, nn TEXT, nn2 TEXT);"
                           "INSERT INTO tastevolo (Nom) VALUES ('Tom')");
         },
         "no column pp3"},
        {"number column",
         [](const QString& path) {
             execSql(path, "CREATE TABLE tastevolo (Nom TEXT, password TEXT, sons1 TEXT, sons2 TEXT,"
                           " sons3 TEXT, sons4 TEXT, sons5 TEXT, sons6 TEXT, sons7 TEXT, sons8 TEXT,"
                           " duree INTEGER, imgnotes TEXT, pp TEXT, pp2 TEXT, pp3 TEXT, pn TEXT,"
                           " nn TEXT, nn2 TEXT)");
         },
         "duree"},
        {"view",
         [](const QString& path) {
             execSql(path, "CREATE TABLE t (Nom TEXT);"
                           "CREATE VIEW tastevolo AS SELECT Nom, Nom AS password, Nom AS sons1,"
                           " Nom AS sons2, Nom AS sons3, Nom AS sons4, Nom AS sons5, Nom AS sons6,"
                           " Nom AS sons7, Nom AS sons8, Nom AS duree, Nom AS imgnotes, Nom AS pp,"
                           " Nom AS pp2, Nom AS pp3, Nom AS pn, Nom AS nn, Nom AS nn2 FROM t");
         },
         "view"},
        {"player file cut short", store_test::writeCutShortPlayerFile, "malformed", FileFailure::Damaged},
    };
    for (const ForeignFile& c : cases) {
        SCOPED_TRACE(c.label);
        QFile::remove(dbPath());
        c.make(dbPath());
        const QByteArray before = fileBytes(dbPath());
        const QStringList entries = folderEntries();

        PlayerStore store;
        EXPECT_FALSE(store.open(dbPath()));
        EXPECT_FALSE(store.isOpen());
        EXPECT_TRUE(store.error().contains(QLatin1StringView(c.reason))) << store.error().toStdString();
        EXPECT_EQ(store.failure(), c.kind);
        EXPECT_TRUE(store.rows().isEmpty());
        EXPECT_FALSE(store.insert(namedRow(QStringLiteral("x"))));
        EXPECT_FALSE(store.error().isEmpty());
        EXPECT_EQ(store.failure(), FileFailure::CannotWrite) << "not open";

        EXPECT_EQ(fileBytes(dbPath()), before);
        EXPECT_EQ(folderEntries(), entries);
    }
}

TEST_F(PlayerStoreTest, ColumnsInAnyCaseAndOrderWithoutKeyColumnAreAccepted)
{
    execSql(dbPath(), "CREATE TABLE TASTEVOLO (NN2 TEXT, nn TEXT, pn TEXT, pp3 TEXT, pp2 TEXT,"
                      " pp TEXT, imgnotes VARCHAR(10), duree TEXT, sons8, sons7 TEXT, sons6 TEXT,"
                      " sons5 TEXT, sons4 TEXT, sons3 TEXT, sons2 TEXT, sons1 TEXT, password TEXT,"
                      " nom TEXT, extra INTEGER)");
    openStore();
    PlayerRow row = namedRow(QStringLiteral("Ida"));
    row.setValue(u"sons8", QStringLiteral("05"));
    const auto added = store_.insert(row);
    ASSERT_TRUE(added) << store_.error().toStdString();
    EXPECT_EQ(*store_.read(*added), row);
}

TEST_F(PlayerStoreTest, WriteCutShortByACrashIsRolledBack)
{
    // A copy of the file and its journal taken in the middle of a write is what a crash leaves.
    openStore();
    const auto kept = store_.insert(namedRow(QStringLiteral("Kept")));
    ASSERT_TRUE(kept);
    store_.close();

    QTemporaryDir crashed;
    const QString copy = crashed.filePath(QStringLiteral("JOUEURS.MDB"));
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(dbPath()).constData(), &db), SQLITE_OK);
        // A small cache makes the write reach the file before the end of the transaction.
        ASSERT_EQ(sqlite3_exec(db,
                               "PRAGMA cache_size = 1; BEGIN; UPDATE tastevolo SET Nom = 'Half';"
                               " WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n"
                               " WHERE i < 200) INSERT INTO tastevolo (Nom)"
                               " SELECT hex(randomblob(2000)) FROM n",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        ASSERT_TRUE(QFile::exists(dbPath() + QStringLiteral("-journal")));
        ASSERT_TRUE(QFile::copy(dbPath(), copy));
        ASSERT_TRUE(QFile::copy(dbPath() + QStringLiteral("-journal"), copy + QStringLiteral("-journal")));
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    ASSERT_TRUE(store_.open(copy)) << store_.error().toStdString();
    EXPECT_EQ(store_.rows(), (QList<PlayerListEntry>{{*kept, QStringLiteral("Kept")}}));
}

TEST_F(PlayerStoreTest, ReadOnlyFileIsReadAndSavesFail)
{
    openStore();
    const auto a = store_.insert(namedRow(QStringLiteral("Ana")));
    const auto b = store_.insert(namedRow(QStringLiteral("Bob")));
    ASSERT_TRUE(a && b);
    store_.close();
    ASSERT_EQ(::chmod(QFile::encodeName(dbPath()).constData(), 0444), 0);
    const QByteArray before = fileBytes(dbPath());

    openStore();
    EXPECT_TRUE(store_.isReadOnly());
    EXPECT_EQ(store_.rows().size(), 2);
    ASSERT_TRUE(store_.read(*b));

    EXPECT_FALSE(store_.update(*a, namedRow(QStringLiteral("Changed"))));
    EXPECT_TRUE(store_.error().contains(QStringLiteral("readonly"))) << store_.error().toStdString();
    EXPECT_EQ(store_.failure(), FileFailure::CannotWrite);
    EXPECT_FALSE(store_.insert(namedRow(QStringLiteral("New"))));
    EXPECT_FALSE(store_.error().isEmpty());

    PlayerCursor holder(store_);
    ASSERT_EQ(holder.bookmark(), a);
    holder.setValue(u"pp", QStringLiteral("3"));
    EXPECT_FALSE(holder.save());
    EXPECT_FALSE(holder.error().isEmpty());
    EXPECT_EQ(holder.failure(), FileFailure::CannotWrite);
    EXPECT_EQ(holder.value(u"pp"), QStringLiteral("3"));  // kept for another try
    holder.addNew();
    holder.setValue(u"Nom", QStringLiteral("New"));
    EXPECT_FALSE(holder.save());
    EXPECT_TRUE(holder.isPending());

    EXPECT_EQ(store_.rows(), (QList<PlayerListEntry>{{*a, QStringLiteral("Ana")},
                                                     {*b, QStringLiteral("Bob")}}));
    store_.close();
    EXPECT_EQ(fileBytes(dbPath()), before);
}

// ------------------------------------------------------------ a file held by another program

enum class Operation { Open, List, Read, Insert, Update };

const char* operationName(Operation operation)
{
    switch (operation) {
    case Operation::Open:
        return "Open";
    case Operation::List:
        return "List";
    case Operation::Read:
        return "Read";
    case Operation::Insert:
        return "Insert";
    case Operation::Update:
        return "Update";
    }
    return "?";
}

void PrintTo(Operation operation, std::ostream* os)
{
    *os << operationName(operation);
}

using store_test::Lock;
using store_test::OtherProgramLock;

class HeldFileTest : public PlayerStoreTest,
                     public ::testing::WithParamInterface<std::tuple<Lock, Operation>> {
protected:
    // What the screens do: open at the start, the list of players, a player's row at the login,
    // a new player, a setting stored.
    bool perform(Operation operation)
    {
        switch (operation) {
        case Operation::Open:
            return store_.open(dbPath());
        case Operation::List:
            return store_.rows().size() == 1;
        case Operation::Read:
            return store_.read(anna_).has_value();
        case Operation::Insert:
            return store_.insert(namedRow(QStringLiteral("Bob"))).has_value();
        case Operation::Update: {
            PlayerRow row = namedRow(QStringLiteral("Anna"));
            row.setValue(u"duree", QStringLiteral("7"));
            return store_.update(anna_, row, PlayerColumns().set(playerColumnIndex(u"duree")));
        }
        }
        return false;
    }

    PlayerBookmark anna_ = 0;
};

TEST_P(HeldFileTest, IsToldAsInUseSoonAndLeftAsItWasAndTheNextCallWorks)
{
    const auto [lock, operation] = GetParam();
    const bool works = store_test::othersMayRead(lock) && operation != Operation::Insert
                       && operation != Operation::Update;
    openStore();
    anna_ = store_.insert(namedRow(QStringLiteral("Anna"))).value_or(0);
    ASSERT_NE(anna_, 0);
    if (operation == Operation::Open)
        store_.close();
    const QByteArray before = fileBytes(dbPath());
    const QStringList entries = folderEntries();

    OtherProgramLock other(dbPath(), lock);
    QElapsedTimer clock;
    clock.start();
    const bool done = perform(operation);
    const qint64 waited = clock.elapsed();
    // The screen that asked waits a fraction of a second, not the five seconds it once did;
    // the bound leaves room for a loaded machine.
    EXPECT_LT(waited, 2000) << "ms";
    if (works) {
        EXPECT_TRUE(done) << store_.error().toStdString();
        EXPECT_EQ(store_.failure(), FileFailure::None);
    } else {
        EXPECT_FALSE(done);
        EXPECT_EQ(store_.failure(), FileFailure::InUse);
        // What goes to the log: SQLite's own reason, and nothing that calls the file foreign.
        EXPECT_TRUE(store_.error().contains(QStringLiteral("database is locked"))) << store_.error().toStdString();
        EXPECT_TRUE(store_.error().contains(dbPath())) << store_.error().toStdString();
        EXPECT_FALSE(store_.error().contains(QStringLiteral("not a player database"))) << store_.error().toStdString();
        EXPECT_EQ(store_.isOpen(), operation != Operation::Open);
    }
    other.release();
    if (!works) {
        EXPECT_EQ(fileBytes(dbPath()), before);
        EXPECT_EQ(folderEntries(), entries);
    }

    // The other program is done: the same call does its work.
    EXPECT_TRUE(perform(operation)) << store_.error().toStdString();
    EXPECT_EQ(store_.failure(), FileFailure::None);
    if (operation == Operation::Update) {
        EXPECT_EQ(store_.read(anna_)->value(u"duree"), QStringLiteral("7"));
    }
    if (operation == Operation::Insert) {
        EXPECT_EQ(store_.rows().size(), 2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    LocksAndCalls, HeldFileTest,
    ::testing::Combine(::testing::Values(Lock::Exclusive, Lock::Reserved, Lock::Pending),
                       ::testing::Values(Operation::Open, Operation::List, Operation::Read, Operation::Insert,
                                         Operation::Update)),
    [](const ::testing::TestParamInfo<HeldFileTest::ParamType>& info) {
        return std::string(store_test::lockName(std::get<0>(info.param))) + "_"
               + operationName(std::get<1>(info.param));
    });

TEST_F(PlayerStoreTest, AnotherProgramsShortWriteIsWaitedFor)
{
    // Another copy of the program holds the file for its own save, a few milliseconds; a save
    // here at that moment waits for it and succeeds.
    openStore();
    const auto anna = store_.insert(namedRow(QStringLiteral("Anna")));
    ASSERT_TRUE(anna);
    for (const Lock lock : {Lock::Exclusive, Lock::Reserved, Lock::Pending}) {
        SCOPED_TRACE(store_test::lockName(lock));
        auto other = std::make_unique<OtherProgramLock>(dbPath(), lock);
        std::thread letGo([&other] {
            std::this_thread::sleep_for(std::chrono::milliseconds(60));
            other->release();
        });
        EXPECT_TRUE(store_.insert(namedRow(QStringLiteral("Bob")))) << store_.error().toStdString();
        letGo.join();
    }
    EXPECT_EQ(store_.rows().size(), 4);
}

TEST_F(PlayerStoreTest, TwoProgramsWritingAtOnceKeepEveryRow)
{
    openStore();
    store_.close();
    constexpr int kRowsEach = 40;
    const auto writer = [this](const QString& prefix, QStringList* failures) {
        PlayerStore store;
        if (!store.open(dbPath())) {
            failures->append(store.error());
            return;
        }
        for (int i = 0; i < kRowsEach; ++i) {
            const auto added = store.insert(namedRow(prefix + QString::number(i)));
            if (!added) {
                failures->append(store.error());
                continue;
            }
            PlayerRow row = namedRow(prefix + QString::number(i));
            row.setValue(u"pp", QString::number(i));
            if (!store.update(*added, row))
                failures->append(store.error());
            store.rows();
        }
    };
    QStringList failuresA, failuresB;
    std::thread a(writer, QStringLiteral("a"), &failuresA);
    std::thread b(writer, QStringLiteral("b"), &failuresB);
    a.join();
    b.join();
    EXPECT_TRUE(failuresA.isEmpty()) << failuresA.join(u'\n').toStdString();
    EXPECT_TRUE(failuresB.isEmpty()) << failuresB.join(u'\n').toStdString();

    openStore();
    const QList<PlayerListEntry> rows = store_.rows();
    ASSERT_EQ(rows.size(), 2 * kRowsEach);
    QSet<QString> names;
    for (const PlayerListEntry& entry : rows) {
        names.insert(entry.name);
        const std::optional<PlayerRow> row = store_.read(entry.bookmark);
        ASSERT_TRUE(row);
        EXPECT_EQ(row->value(u"pp"), entry.name.mid(1));
    }
    EXPECT_EQ(names.size(), 2 * kRowsEach);
}

TEST_F(PlayerStoreTest, TwoProgramsCreatingTheFileAtOnceShareIt)
{
    constexpr int kStores = 6;
    std::vector<std::optional<PlayerBookmark>> added(kStores);
    std::vector<QString> errors(kStores);
    std::vector<std::thread> threads;
    for (int i = 0; i < kStores; ++i) {
        threads.emplace_back([&, i] {
            PlayerStore store;
            if (!store.open(dbPath())) {
                errors[i] = store.error();
                return;
            }
            added[i] = store.insert(namedRow(QString::number(i)));
            errors[i] = store.error();
        });
    }
    for (std::thread& t : threads)
        t.join();
    for (int i = 0; i < kStores; ++i)
        EXPECT_TRUE(added[i]) << errors[i].toStdString();
    openStore();
    EXPECT_EQ(store_.rows().size(), kStores);
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("JOUEURS.MDB")});
}

// The windows go on while a call waits for a program that keeps writing the file: the timers
// (and so repaints and the desktop's pings, which run in the same loop) are served all along,
// the pointer says the program is busy, and the call then does its work.
TEST_F(PlayerStoreTest, AWaitForTheFileKeepsTheProgramGoing)
{
    openStore();
    ASSERT_TRUE(store_.insert(namedRow(QStringLiteral("Anna"))));
    QElapsedTimer clock;
    QList<qint64> ticks;
    std::optional<Qt::CursorShape> pointerDuringWait;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ticks << clock.elapsed();
        if (clock.elapsed() > 400 && !pointerDuringWait && QGuiApplication::overrideCursor())
            pointerDuringWait = QGuiApplication::overrideCursor()->shape();
    });
    timer.start();
    std::optional<PlayerBookmark> bob;
    {
        store_test::OtherProgramWriting other(dbPath(), std::chrono::milliseconds(800), std::chrono::milliseconds(0));
        ASSERT_TRUE(other.held()) << other.error();
        clock.start();
        bob = store_.insert(namedRow(QStringLiteral("Bob")));
    }
    const qint64 waited = clock.elapsed();
    timer.stop();
    ASSERT_TRUE(bob) << store_.error().toStdString();
    EXPECT_GE(waited, 700) << "ms: the call did not wait for the other program";
    ASSERT_GE(ticks.size(), 5) << "the timers stood still for the " << waited << " ms of the wait";
    qint64 longestGap = ticks.front();
    for (qsizetype i = 1; i < ticks.size(); ++i)
        longestGap = std::max(longestGap, ticks[i] - ticks[i - 1]);
    EXPECT_LT(longestGap, 200) << "ms without an event served during the wait";
    EXPECT_EQ(pointerDuringWait, Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the wait pointer stayed";
    EXPECT_EQ(store_.rows().size(), 2);
}

// What the events served during a wait may do to the store that waits: its connection is in the
// middle of a statement, so nothing may run a statement on it or close it then.
TEST_F(PlayerStoreTest, ACallOnTheStoreDuringItsWaitIsRefusedAndTheWaitingCallDoesItsWork)
{
    struct Case {
        const char* name;
        std::function<bool(PlayerStore&)> during;  // whether it was refused as it should be
        std::function<void(PlayerStore&)> after;
    };
    const PlayerRow carl = namedRow(QStringLiteral("Carl"));
    const Case cases[] = {
        {"another save",
         [&](PlayerStore& s) { return !s.insert(carl) && s.failure() == FileFailure::InUse; },
         [](PlayerStore& s) { EXPECT_TRUE(s.isOpen()); }},
        {"a read",
         [](PlayerStore& s) { return s.rows().isEmpty() && s.failure() == FileFailure::InUse; },
         [](PlayerStore& s) { EXPECT_TRUE(s.isOpen()); }},
        {"the store opened again",
         [this](PlayerStore& s) { return !s.open(dbPath()) && s.failure() == FileFailure::InUse; },
         [](PlayerStore& s) { EXPECT_TRUE(s.isOpen()); }},
        // Closed as the program ends: once the waiting call is over.
        {"the store closed",
         [](PlayerStore& s) {
             s.close();
             return s.isOpen();
         },
         [](PlayerStore& s) { EXPECT_FALSE(s.isOpen()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(dbPath());
        openStore();
        ASSERT_TRUE(store_.insert(namedRow(QStringLiteral("Anna"))));
        std::optional<bool> refused;
        QTimer::singleShot(150, [&] { refused = c.during(store_); });
        std::optional<PlayerBookmark> bob;
        {
            store_test::OtherProgramWriting other(dbPath(), std::chrono::milliseconds(500),
                                                  std::chrono::milliseconds(0));
            bob = store_.insert(namedRow(QStringLiteral("Bob")));
        }
        ASSERT_TRUE(refused.has_value()) << "nothing ran during the wait";
        EXPECT_TRUE(*refused);
        EXPECT_TRUE(bob) << store_.error().toStdString();
        // The waiting call's outcome is its own.
        EXPECT_EQ(store_.failure(), FileFailure::None);
        EXPECT_EQ(store_.error(), QString());
        c.after(store_);

        PlayerStore file;
        ASSERT_TRUE(file.open(dbPath()));
        QStringList names;
        for (const PlayerListEntry& e : file.rows())
            names << e.name;
        EXPECT_EQ(names, (QStringList{QStringLiteral("Anna"), QStringLiteral("Bob")}));
        store_.close();
    }
}
