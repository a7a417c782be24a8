#include "platform/store/player_cursor.h"
#include "store_fixture.h"

using namespace platform;

namespace {

// The program's two data sources on one store: the player list and the record holder.
class PlayerCursorTest : public store_test::StoreFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(store_.open(dbPath())) << store_.error().toStdString();
    }

    // Creates a player the way the new-player dialog does.
    PlayerBookmark addPlayer(PlayerCursor& cursor, const QString& name)
    {
        cursor.addNew();
        cursor.setValue(u"imgnotes", QStringLiteral("6"));
        for (const char* game : {"nn", "nn2", "pn", "pp", "pp2", "pp3"})
            cursor.setValue(QString::fromLatin1(game), QStringLiteral("1"));
        cursor.setValue(u"Nom", name);
        EXPECT_TRUE(cursor.save()) << cursor.error().toStdString();
        return cursor.bookmark().value_or(-1);
    }

    PlayerStore store_;
};

} // namespace

TEST_F(PlayerCursorTest, OnAnEmptyTableThereIsNoRowAndSavingWritesNothing)
{
    PlayerCursor holder(store_);
    EXPECT_FALSE(holder.bookmark());
    EXPECT_FALSE(holder.isPending());
    holder.setValue(u"pp", QStringLiteral("2"));
    EXPECT_FALSE(holder.save());
    EXPECT_FALSE(holder.error().isEmpty());
    EXPECT_TRUE(store_.rows().isEmpty());
}

TEST_F(PlayerCursorTest, NewRowHasTheDatabaseDefaultsAndIsWrittenOnlyBySave)
{
    PlayerCursor holder(store_);
    holder.addNew();
    EXPECT_TRUE(holder.isPending());
    EXPECT_FALSE(holder.bookmark());
    EXPECT_EQ(holder.values(), blankPlayerRow());
    EXPECT_TRUE(store_.rows().isEmpty());

    const PlayerBookmark bookmark = addPlayer(holder, QStringLiteral("Léa"));
    PlayerRow expected = newPlayerRow();
    expected.setValue(u"Nom", QStringLiteral("Léa"));
    EXPECT_EQ(*store_.read(bookmark), expected);
}

TEST_F(PlayerCursorTest, SavedNewRowIsInsertedOnce)
{
    PlayerCursor holder(store_);
    const PlayerBookmark bookmark = addPlayer(holder, QStringLiteral("Tom"));
    EXPECT_FALSE(holder.isPending());
    EXPECT_EQ(holder.bookmark(), bookmark);

    holder.setValue(u"pp", QStringLiteral("2"));
    holder.setValue(u"duree", QStringLiteral("16"));
    ASSERT_TRUE(holder.save());
    ASSERT_TRUE(holder.save());
    EXPECT_EQ(store_.rows(), (QList<PlayerListEntry>{{bookmark, QStringLiteral("Tom")}}));
    EXPECT_EQ(store_.read(bookmark)->value(u"pp"), QStringLiteral("2"));
    EXPECT_EQ(store_.read(bookmark)->value(u"duree"), QStringLiteral("16"));
}

TEST_F(PlayerCursorTest, DroppedNewRowLeavesNoRowAndReturnsToTheCurrentRow)
{
    PlayerCursor holder(store_);
    const PlayerBookmark tom = addPlayer(holder, QStringLiteral("Tom"));
    holder.addNew();
    holder.setValue(u"Nom", QStringLiteral("Ghost"));
    holder.cancel();
    EXPECT_FALSE(holder.isPending());
    EXPECT_EQ(holder.bookmark(), tom);
    EXPECT_EQ(holder.value(u"Nom"), QStringLiteral("Tom"));
    EXPECT_EQ(store_.rows().size(), 1);

    // On an empty table the dropped row leaves the cursor on no row.
    PlayerStore other;
    ASSERT_TRUE(other.open(folder() + QStringLiteral("/other.db")));
    PlayerCursor empty(other);
    empty.addNew();
    empty.cancel();
    EXPECT_FALSE(empty.isPending());
    EXPECT_FALSE(empty.bookmark());
    EXPECT_FALSE(empty.save());
    EXPECT_TRUE(other.rows().isEmpty());
}

TEST_F(PlayerCursorTest, CancelDropsUnsavedChanges)
{
    PlayerCursor holder(store_);
    addPlayer(holder, QStringLiteral("Tom"));
    holder.setValue(u"pp", QStringLiteral("9"));
    holder.cancel();
    EXPECT_EQ(holder.value(u"pp"), QStringLiteral("1"));
}

TEST_F(PlayerCursorTest, OneBookmarkIsTheSameRowInBothCursors)
{
    PlayerCursor holder(store_);
    const PlayerBookmark ana = addPlayer(holder, QStringLiteral("Ana"));
    const PlayerBookmark bob = addPlayer(holder, QStringLiteral("Bob"));
    const PlayerBookmark bob2 = addPlayer(holder, QStringLiteral("Bob"));

    // A data source opened now stands on the first row.
    PlayerCursor list(store_);
    EXPECT_EQ(list.bookmark(), ana);

    for (PlayerBookmark bookmark : {bob, bob2, ana}) {
        ASSERT_TRUE(list.moveTo(bookmark));
        ASSERT_TRUE(holder.moveTo(bookmark));
        EXPECT_EQ(list.values(), holder.values());
    }

    // What the record holder stores is what the list reads for the same bookmark, and only there.
    ASSERT_TRUE(holder.moveTo(bob2));
    holder.setValue(u"pp", QStringLiteral("3"));
    holder.setValue(u"sons2", QStringLiteral("0"));
    ASSERT_TRUE(holder.save());
    ASSERT_TRUE(list.moveTo(bob2));
    EXPECT_EQ(list.value(u"pp"), QStringLiteral("3"));
    EXPECT_EQ(list.value(u"sons2"), QStringLiteral("0"));
    ASSERT_TRUE(list.moveTo(bob));
    EXPECT_EQ(list.value(u"pp"), QStringLiteral("1"));
    EXPECT_EQ(list.value(u"sons2"), QStringLiteral("1"));
}

TEST_F(PlayerCursorTest, MovingToNoRowChangesNothing)
{
    PlayerCursor holder(store_);
    const PlayerBookmark tom = addPlayer(holder, QStringLiteral("Tom"));
    holder.setValue(u"pp", QStringLiteral("2"));
    EXPECT_FALSE(holder.moveTo(tom + 7));
    EXPECT_FALSE(holder.error().isEmpty());
    EXPECT_EQ(holder.bookmark(), tom);
    EXPECT_EQ(holder.value(u"pp"), QStringLiteral("2"));
}

TEST_F(PlayerCursorTest, SavingARowThatWasRemovedFailsAndWritesNothing)
{
    PlayerCursor holder(store_);
    PlayerCursor list(store_);
    const PlayerBookmark ana = addPlayer(list, QStringLiteral("Ana"));
    const PlayerBookmark bob = addPlayer(list, QStringLiteral("Bob"));
    ASSERT_TRUE(holder.moveTo(bob));
    store_test::execSql(dbPath(), "DELETE FROM tastevolo WHERE Nom = 'Bob'");  // another program

    holder.setValue(u"pp", QStringLiteral("4"));
    EXPECT_FALSE(holder.save());
    EXPECT_FALSE(holder.error().isEmpty());
    EXPECT_EQ(store_.rows(), (QList<PlayerListEntry>{{ana, QStringLiteral("Ana")}}));
    EXPECT_EQ(store_.read(ana)->value(u"pp"), QStringLiteral("1"));
}
