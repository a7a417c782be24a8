#pragma once
// Shared by the tests that play a game from the program's start: a temporary current
// directory, recording sound engines, a seeded random source, the screens of the run, and the
// player's progress read from the database file on a connection of its own, and the score
// screen's showings at the end of scored runs.

#include "platform/audio/effect_player.h"
#include "platform/audio/note_synth.h"
#include "platform/midi/fake_midi_input.h"
#include "platform/store/player_store.h"
#include "platform/vb.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"
#include "players/player_database.h"
#include "players/score_fixture.h"
#include "shell/form_piano.h"
#include "shell/form_resolution.h"
#include "support/test_support.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>

namespace road_test {

using score_test::ScoreScreens;

class RoadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        oldDir_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        synthLog_ = platform::RecordingNoteSynth::installFactory();
        effectLog_ = platform::RecordingEffectPlayer::installFactory();
        // The same draws on every run: a seeded generator, read in [0, 1).
        auto generator = std::make_shared<std::minstd_rand>(seed());
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
        platform::setRandomSource(nullptr);
        QDir::setCurrent(oldDir_);
    }

    virtual unsigned seed() const { return 20240611u; }

    // A field of a player's row as the file holds it, read on a connection of its own.
    static QString storedOnDisk(const QString& player, const char* column)
    {
        platform::PlayerStore store;
        if (!store.open(QDir::current().filePath(QString::fromLatin1(platform::kPlayerDatabaseFile))))
            return QStringLiteral("<cannot open: %1>").arg(store.error());
        for (const platform::PlayerListEntry& entry : store.rows()) {
            if (entry.name == player) {
                const std::optional<platform::PlayerRow> row = store.read(entry.bookmark);
                return row ? row->value(QString::fromLatin1(column)) : QStringLiteral("<no row>");
            }
        }
        return QStringLiteral("<no player %1>").arg(player);
    }

    // From the start to the main menu, as the user gets there: the display check, a new
    // player, the login.
    void toTheMenu(const QString& player)
    {
        using platform::form;
        using platform::loaded;
        form<shell::Form_resolution>();
        ASSERT_NE(loaded<players::Form_joueurs>(), nullptr) << messages();
        ASSERT_EQ(form<players::Form_joueurs>().Command_nouveau.caption(), "Nouveau joueur");
        form<players::Form_joueurs>().Command_nouveau.userClick();
        auto& card = form<players::Form_nouveau_joueur>();
        card.Text_nom.setText(player);
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
    QList<platform::NoteSynthCall> newSynthCalls()
    {
        QList<platform::NoteSynthCall> calls = synthLog_->mid(synthSeen_);
        synthSeen_ = synthLog_->size();
        return calls;
    }

    // The note-ons among the calls, as "<MIDI note> <duration in ms>".
    static QStringList noteOns(const QList<platform::NoteSynthCall>& calls)
    {
        QStringList out;
        for (const platform::NoteSynthCall& c : calls)
            if (c.kind == platform::NoteSynthCall::Kind::NoteOn)
                out << QStringLiteral("%1 %2").arg(c.key).arg(c.durationMs);
        return out;
    }

    // Two scored runs on a game screen launched with SCORE: "Jouer / Rejouer" and the countdown,
    // then in the first run `answers` right answers (each with its pause), in the second none;
    // each run ends after its minute in the score screen.
    void twoScoredRuns(ScoreScreens& scores, platform::Label& jouer, const platform::Label& temps,
                       const platform::Label& score, int answers, const std::function<void()>& answerRight)
    {
        for (int run = 1; run <= 2; ++run) {
            SCOPED_TRACE(run);
            jouer.userClick();
            testing_support::advance(3000);
            ASSERT_EQ(temps.caption(), "60");
            ASSERT_EQ(score.caption(), "0");
            for (int answer = 0; run == 1 && answer < answers; ++answer) {
                ASSERT_NO_FATAL_FAILURE(answerRight());
                testing_support::advance(1000);
            }
            testing_support::advance(60000);
            ASSERT_EQ(scores.showings.size(), run) << messages();
        }
    }

    // What two such runs leave: the first score (-60 over the minute, +10 an answer) at rank 1,
    // the second (-60) below it, each selected in its showing, both in the game's file.
    static void expectTwoScoredRuns(const ScoreScreens& scores, const QString& player, const QString& codeJeu,
                                    int answers)
    {
        ASSERT_EQ(scores.showings.size(), 2);
        const QString first = player + '|' + QString::number(-60 + 10 * answers);
        const QString second = player + QStringLiteral("|-60");
        EXPECT_EQ(scores.showings[0].title, "SCORE");
        EXPECT_EQ(scores.showings[0].rows.mid(0, 2), (QStringList{"1. " + first, "2. *****************|-100"}));
        EXPECT_EQ(scores.showings[0].selected, 0);
        EXPECT_EQ(scores.showings[1].rows.mid(0, 3),
                  (QStringList{"1. " + first, "2. " + second, "3. *****************|-100"}));
        EXPECT_EQ(scores.showings[1].selected, 1);
        EXPECT_EQ(scores.entries(codeJeu).mid(0, 2), (QStringList{first, second}));
        EXPECT_EQ(platform::loaded<players::Form_score>(), nullptr) << "Fermer closed it";
    }

    std::string messages() const { return screens.messages.join(QStringLiteral("; ")).toStdString(); }

    testing_support::ScreenTest screens;
    // The game is played on a MIDI instrument instead of the mouse.
    bool midi_ = false;

    // Key k (1 to 40) struck on the instrument open on `device` and released, as a note-off
    // or as a note-on with velocity 0; the game screen has taken both messages in.
    void strike(int device, int key, bool releaseByNoteOff)
    {
        const auto note = static_cast<quint8>(40 + key);
        screens.midi->send(device, {platform::packMidiMessage(0x90, note, 90),
                                    releaseByNoteOff ? platform::packMidiMessage(0x80, note, 40)
                                                     : platform::packMidiMessage(0x90, note, 0)});
        screens.midi->waitDelivered();
        testing_support::processEvents();
    }
    std::shared_ptr<platform::RecordingNoteSynth::Log> synthLog_;
    std::shared_ptr<platform::RecordingEffectPlayer::Log> effectLog_;

private:
    QTemporaryDir dir_;
    QString oldDir_;
    qsizetype synthSeen_ = 0;
};

} // namespace road_test
