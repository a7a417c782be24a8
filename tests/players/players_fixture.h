#pragma once
// Shared by the player screen tests: a temporary current directory for JOUEURS.MDB and
// langue.tvo, the message screen answered from inside its modal show, and helpers that put
// players into the file or read them back with a connection of their own.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "media/form_traduction.h"
#include "platform/audio/effect_player.h"
#include "platform/audio/note_synth.h"
#include "platform/forms.h"
#include "platform/store/password.h"
#include "platform/store/player_store.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"
#include "players/form_password.h"
#include "players/player_database.h"
#include "store/store_fixture.h"
#include "support/test_support.h"

#include <optional>

namespace players_test {

// Looking at the file from outside the program.
using store_test::execSql;
using store_test::fileBytes;
using store_test::writeBytes;

class PlayersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        // The menu that a login opens loads the note player: no sound card is needed.
        platform::RecordingNoteSynth::installFactory();
        platform::setEffectPlayerFactory([] { return std::make_unique<platform::RecordingEffectPlayer>(); });
        // The message screen is answered at once: its text is kept, "Recommencer" closes it.
        platform::setModalHook([this](platform::Form& f) {
            if (auto* message = dynamic_cast<players::Form_password*>(&f)) {
                notices << message->Label_password.caption();
                message->Label_quitter.userClick();
            } else if (onModal) {
                onModal(f);
            }
        });
    }

    void TearDown() override
    {
        restart();
        platform::setNoteSynthFactory(nullptr);
        platform::setEffectPlayerFactory(nullptr);
        media::setLanguageSource(nullptr);
        QDir::setCurrent(previous_);
    }

    // Every screen gone and the database closed, as between two runs of the program.
    void restart()
    {
        testing_support::unloadAll();
        testing_support::processEvents();
        players::closePlayerDatabase();
    }

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString dbPath() const { return path(QStringLiteral("JOUEURS.MDB")); }

    // Adds a player as a new player's row would be, straight into the file.
    platform::PlayerBookmark addPlayer(const QString& name, const QString& password = QString())
    {
        platform::PlayerStore store;
        EXPECT_TRUE(store.open(dbPath())) << store.error().toStdString();
        platform::PlayerRow row = platform::newPlayerRow();
        row.setValue(u"Nom", name);
        row.setValue(u"password", platform::hashPassword(password));
        const std::optional<platform::PlayerBookmark> added = store.insert(row);
        EXPECT_TRUE(added.has_value()) << store.error().toStdString();
        return added.value_or(0);
    }

    // A row as the file holds it now.
    platform::PlayerRow rowOf(platform::PlayerBookmark bookmark)
    {
        platform::PlayerStore store;
        EXPECT_TRUE(store.open(dbPath()));
        return store.read(bookmark).value_or(platform::PlayerRow());
    }

    QList<platform::PlayerListEntry> rows()
    {
        platform::PlayerStore store;
        EXPECT_TRUE(store.open(dbPath()));
        return store.rows();
    }

    // The player screen as the start-up check opens it.
    players::Form_joueurs& playerScreen()
    {
        players::Form_joueurs& f = platform::form<players::Form_joueurs>();
        f.Show();
        return f;
    }

    // Picks the list entry with this name, as the user does.
    static void pick(players::Form_joueurs& f, const QString& name)
    {
        const int i = f.DBCombo1.findText(name);
        ASSERT_GE(i, 0) << name.toStdString();
        f.DBCombo1.pick(i);
    }

    // Makes a player's row the current record, as a login does.
    static void becomeCurrent(platform::PlayerBookmark bookmark)
    {
        ASSERT_TRUE(platform::form<players::Form_nouveau_joueur>().Data1.moveTo(bookmark));
    }

    static QString text(platform::Label media::Form_traduction::*label)
    {
        return (platform::form<media::Form_traduction>().*label).caption();
    }

    testing_support::ScreenTest screens;
    QStringList notices;  // texts shown in the message screen
    std::function<void(platform::Form&)> onModal;

private:
    QTemporaryDir dir_;
    QString previous_;
};

} // namespace players_test
