#pragma once
// A player database in a temporary current directory, one chosen player, and the screens of
// a test run.

#include <gtest/gtest.h>

#include "level_choice/games.h"
#include "media/form_image.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/store/player_store.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"
#include "players/player_database.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <map>

namespace level_choice_tests {

// Enters a temporary directory for the test and leaves it afterwards.
class TemporaryCurrentDir {
public:
    TemporaryCurrentDir() : previous_(QDir::currentPath())
    {
        QDir::setCurrent(dir_.path());
        QFile language(QStringLiteral("langue.tvo"));
        if (language.open(QIODevice::WriteOnly))
            language.write("1\r\n");
    }
    ~TemporaryCurrentDir()
    {
        players::closePlayerDatabase();
        QDir::setCurrent(previous_);
    }

private:
    QString previous_;
    QTemporaryDir dir_;
};

class LevelChoiceTest : public ::testing::Test {
protected:
    // Makes a player with these values the current one, as the player screen's list does.
    void choosePlayer(const QString& name, const std::map<QString, QString>& values = {})
    {
        platform::PlayerRow row = platform::newPlayerRow();
        row.setValue(u"Nom", name);
        for (const auto& [column, text] : values)
            row.setValue(column, text);
        platform::PlayerStore* store = players::playerDatabase();
        ASSERT_NE(store, nullptr) << players::playerDatabaseError().toStdString();
        const std::optional<platform::PlayerBookmark> bookmark = store->insert(row);
        ASSERT_TRUE(bookmark.has_value());
        bookmark_ = *bookmark;
        players::Form_joueurs& joueurs = platform::form<players::Form_joueurs>();
        for (int i = 0; i < joueurs.DBCombo1.listCount(); ++i)
            if (joueurs.DBCombo1.itemDataAt(i).value<platform::PlayerBookmark>() == *bookmark)
                joueurs.DBCombo1.pick(i);
        ASSERT_TRUE(platform::form<players::Form_nouveau_joueur>().Data1.moveTo(*bookmark));
    }

    players::Form_nouveau_joueur& record() { return platform::form<players::Form_nouveau_joueur>(); }
    // A value of the chosen player's row as stored in the database.
    QString stored(const char* column)
    {
        const std::optional<platform::PlayerRow> row = players::playerDatabase()->read(bookmark_);
        return row ? row->value(QString::fromLatin1(column)) : QStringLiteral("<no row>");
    }

    platform::PlayerBookmark bookmark_ = 0;

    TemporaryCurrentDir dir_;
    testing_support::ScreenTest screens_;
};

// An option button clicked as a user clicks it: it becomes the choice, and its click runs
// also when it was the choice already.
inline void userChoose(platform::OptionButton& option)
{
    if (!option.takesInput())
        return;
    if (option.value())
        option.click();
    else
        option.setValue(true);
}

inline const char* codeOf(level_choice::Game game)
{
    static const char* codes[] = {"pp", "pp2", "pp3", "pn", "nn", "nn2"};
    return codes[static_cast<int>(game)];
}

// The cache key of the picture store's metronome swung to the right in a colour; -1 when the
// store has none.
inline qint64 metronomeKey(const QString& colour)
{
    for (platform::Image* image : platform::form<media::Form_image>().images())
        if (image->name() == QStringLiteral("Metronome_droite_") + colour)
            return image->picture().cacheKey();
    return -1;
}

// How many of a game screen's 40 piano keys show a mouse pointer.
template <class GameScreen>
int keysWithPointer(GameScreen& screen, int pointer)
{
    int count = 0;
    for (platform::CommandButton* key : screen.touches())
        count += key->mousePointer() == pointer ? 1 : 0;
    return count;
}

} // namespace level_choice_tests
