#pragma once
// Shared by the tests of the note player and the sound-effect player: a temporary folder as the
// current directory (piano.sgt, JOUEURS.MDB, langue.tvo), captured message boxes, and the text
// both players show when their sound cannot start.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "media/form_traduction.h"
#include "platform/audio/effect_player.h"
#include "platform/audio/note_synth.h"
#include "platform/forms.h"
#include "players/player_database.h"
#include "support/test_support.h"

namespace sound_test {

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        writeFile(QStringLiteral("langue.tvo"), "1\r\n");
    }

    void TearDown() override
    {
        testing_support::unloadAll();
        testing_support::processEvents();
        players::closePlayerDatabase();
        platform::setNoteSynthFactory({});
        platform::setEffectPlayerFactory({});
        QDir::setCurrent(previous_);
    }

    QString path(const QString& name) const { return dir_.filePath(name); }

    // The message of a sound engine that cannot start, in the current language.
    static QString noSoundText() { return platform::form<media::Form_traduction>().Label_directx.caption(); }

    testing_support::ScreenTest screens;

private:
    QTemporaryDir dir_;
    QString previous_;
};

} // namespace sound_test
