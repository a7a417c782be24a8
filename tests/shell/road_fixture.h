#pragma once
// The games played from the program's start, in one process, through the real screens: a
// temporary folder as the current directory, recording sound engines, a seeded random
// generator, the road from the display check to the main menu with a new player, and the
// player's progress as the database file holds it.

#include <gtest/gtest.h>

#include "platform/audio/effect_player.h"
#include "platform/audio/note_synth.h"
#include "platform/forms.h"
#include "platform/store/player_store.h"
#include "platform/vb.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"
#include "players/player_database.h"
#include "shell/form_piano.h"
#include "shell/form_resolution.h"
#include "support/test_support.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>
#include <random>

namespace road_test {

using platform::form;
using platform::loaded;
using platform::NoteSynthCall;

inline const QString kPlayer = QStringLiteral("Zoé");

class Road : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        oldDir_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        synthLog_ = platform::RecordingNoteSynth::installFactory();
        effectLog_ = platform::RecordingEffectPlayer::installFactory();
        // The same notes on every run: a seeded generator, read in [0, 1).
        auto generator = std::make_shared<std::minstd_rand>(20240611u);
        platform::setRandomSource([generator] {
            return static_cast<double>((*generator)() - std::minstd_rand::min()) / std::minstd_rand::max();
        });
    }

    void TearDown() override
    {
        testing_support::unloadAll();
        testing_support::processEvents();
        players::closePlayerDatabase();
        platform::setNoteSynthFactory(nullptr);
        platform::setEffectPlayerFactory(nullptr);
        QDir::setCurrent(oldDir_);
    }

    // From the start to the main menu, as the user gets there: the display check, a new
    // player, the login.
    void playToTheMenu()
    {
        form<shell::Form_resolution>();
        ASSERT_NE(loaded<players::Form_joueurs>(), nullptr) << messages();
        ASSERT_EQ(form<players::Form_joueurs>().Command_nouveau.caption(), "Nouveau joueur");
        form<players::Form_joueurs>().Command_nouveau.userClick();
        auto& card = form<players::Form_nouveau_joueur>();
        card.Text_nom.setText(kPlayer);
        ASSERT_EQ(card.Command_save.caption(), "Valider");
        card.Command_save.userClick();
        testing_support::processEvents();
        // The player screen comes back afresh, with the new player in its list.
        ASSERT_NE(loaded<players::Form_joueurs>(), nullptr) << messages();
        auto& players = form<players::Form_joueurs>();
        ASSERT_EQ(players.DBCombo1.listCount(), 1) << messages();

        players.DBCombo1.pick(0);
        ASSERT_EQ(players.Label_jouer.caption(), "Suivant");
        players.Label_jouer.userClick();
        ASSERT_NE(loaded<shell::Form_piano>(), nullptr) << messages();
        ASSERT_TRUE(form<shell::Form_piano>().isVisible());
    }

    // The synthesizer's calls since the last look.
    QList<NoteSynthCall> newSynthCalls()
    {
        QList<NoteSynthCall> calls = synthLog_->mid(synthSeen_);
        synthSeen_ = synthLog_->size();
        return calls;
    }
    QStringList newEffectCalls()
    {
        QStringList calls = platform::describe(effectLog_->mid(effectSeen_));
        effectSeen_ = effectLog_->size();
        return calls;
    }

    // How many effects the calls played.
    static int effectsPlayed(const QStringList& calls)
    {
        return static_cast<int>(calls.filter(QRegularExpression(QStringLiteral("^play "))).size());
    }

    // The note-ons among the calls, as "<MIDI note> <duration in ms>".
    static QStringList noteOns(const QList<NoteSynthCall>& calls)
    {
        QStringList out;
        for (const NoteSynthCall& c : calls)
            if (c.kind == NoteSynthCall::Kind::NoteOn)
                out << QStringLiteral("%1 %2").arg(c.key).arg(c.durationMs);
        return out;
    }

    // The player's progress in a game ("pp", "pn" ...) as the file holds it, read on a
    // connection of its own.
    static QString progressOnDisk(const char16_t* game)
    {
        platform::PlayerStore store;
        if (!store.open(QDir::current().filePath(QString::fromLatin1(platform::kPlayerDatabaseFile))))
            return QStringLiteral("<cannot open: %1>").arg(store.error());
        for (const platform::PlayerListEntry& entry : store.rows()) {
            if (entry.name == kPlayer) {
                const std::optional<platform::PlayerRow> row = store.read(entry.bookmark);
                return row ? row->value(game) : QStringLiteral("<no row>");
            }
        }
        return QStringLiteral("<no player %1>").arg(kPlayer);
    }

    std::string messages() const { return screens.messages.join(QStringLiteral("; ")).toStdString(); }

    testing_support::ScreenTest screens;

private:
    QTemporaryDir dir_;
    QString oldDir_;
    std::shared_ptr<platform::RecordingNoteSynth::Log> synthLog_;
    std::shared_ptr<platform::RecordingEffectPlayer::Log> effectLog_;
    qsizetype synthSeen_ = 0;
    qsizetype effectSeen_ = 0;
};

} // namespace road_test
