// The program from its start to "Quitter", in one process, through the real screens.
#include <gtest/gtest.h>

#include "media/form_instrument.h"
#include "media/form_traduction.h"
#include "platform/audio/effect_player.h"
#include "platform/audio/note_synth.h"
#include "platform/forms.h"
#include "platform/shell.h"
#include "platform/timer.h"
#include "platform/vb.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"
#include "shell/form_piano.h"
#include "shell/form_propos.h"
#include "shell/form_resolution.h"
#include "support/test_support.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

using platform::form;
using platform::loaded;

namespace {

class WholeRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        old_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        synthLog_ = platform::RecordingNoteSynth::installFactory();
        platform::setEffectPlayerFactory([] { return std::make_unique<platform::RecordingEffectPlayer>(); });
        platform::setOpenDocumentHook([this](const QString& f) { opened << f; });
    }
    void TearDown() override
    {
        platform::setNoteSynthFactory(nullptr);
        platform::setEffectPlayerFactory(nullptr);
        platform::setOpenDocumentHook(nullptr);
        QDir::setCurrent(old_);
    }
    QTemporaryDir dir_;
    QString old_;
    std::shared_ptr<platform::RecordingNoteSynth::Log> synthLog_;
    QStringList opened;
};

void logIn(int entry)
{
    auto& players = form<players::Form_joueurs>();
    players.DBCombo1.pick(entry);
    players.Label_jouer.userClick();
}

TEST_F(WholeRoad, FromStartToQuit)
{
    {
        testing_support::ScreenTest screens;

        // Start: a wide display passes the check and shows the player screen.
        form<shell::Form_resolution>();
        ASSERT_EQ(loaded<shell::Form_resolution>(), nullptr);
        ASSERT_NE(loaded<players::Form_joueurs>(), nullptr);
        EXPECT_EQ(form<players::Form_joueurs>().Label_nom.caption(), "Nom du joueur");

        // A new player.
        form<players::Form_joueurs>().Command_nouveau.userClick();
        auto& card = form<players::Form_nouveau_joueur>();
        EXPECT_TRUE(card.isVisible());
        card.Text_nom.setText(QStringLiteral("Zoé"));
        card.Command_save.userClick();
        testing_support::processEvents();
        ASSERT_NE(loaded<players::Form_joueurs>(), nullptr);
        EXPECT_EQ(form<players::Form_joueurs>().DBCombo1.listCount(), 1);

        // Login: the menu greets the player in French.
        logIn(0);
        ASSERT_NE(loaded<shell::Form_piano>(), nullptr) << screens.messages.join("; ").toStdString();
        auto& menu = form<shell::Form_piano>();
        EXPECT_TRUE(menu.isVisible());
        EXPECT_EQ(menu.Label_bienvenue.caption(), "Bienvenue Zoé");
        EXPECT_EQ(menu.Label_quitter.caption(), "Quitter");
        EXPECT_NE(loaded<media::Form_instrument>(), nullptr) << "the note player loads with the menu";

        // The about box, opened and closed.
        bool aboutShown = false;
        platform::setModalHook([&](platform::Form& f) {
            if (f.formName() == "Form_propos") {
                aboutShown = true;
                EXPECT_EQ(form<shell::Form_propos>().Label_version.caption(), "Version 2.00");
                EXPECT_EQ(form<shell::Form_propos>().Label_fermer.caption(), "Fermer");
                form<shell::Form_propos>().Label_fermer.userClick();
            }
        });
        menu.Label_propos.userClick();
        EXPECT_TRUE(aboutShown);
        EXPECT_TRUE(form<shell::Form_propos>().isHidden());

        // Change of user; the language changes on the player screen, the menu follows at the
        // next login.
        menu.Label_changer_utilisateur.userClick();
        testing_support::processEvents();
        EXPECT_EQ(loaded<shell::Form_piano>(), nullptr);
        EXPECT_EQ(loaded<media::Form_instrument>(), nullptr);
        auto& players = form<players::Form_joueurs>();
        EXPECT_TRUE(players.isVisible());
        EXPECT_TRUE(players.Text_password_test.text().isEmpty());
        players.Image_langue.userClick();
        EXPECT_EQ(players.Label_langue.caption(), "anglais");
        EXPECT_EQ(players.Label_nom.caption(), "Name of the player");
        logIn(0);
        ASSERT_NE(loaded<shell::Form_piano>(), nullptr) << screens.messages.join("; ").toStdString();
        EXPECT_EQ(form<shell::Form_piano>().Label_bienvenue.caption(), "Welcome Zoé");
        EXPECT_EQ(form<shell::Form_piano>().Label_quitter.caption(), "Exit");
        platform::setModalHook([](platform::Form& f) {
            if (f.formName() == "Form_propos")
                form<shell::Form_propos>().Label_fermer.userClick();
        });
        form<shell::Form_piano>().Label_propos.userClick();
        EXPECT_EQ(form<shell::Form_propos>().Label_fermer.caption(), "Close");
        EXPECT_TRUE(screens.messages.isEmpty()) << screens.messages.join("; ").toStdString();

        // Quit: the event loop ends with code 0.
        platform::setProgramEndHook(nullptr);
        platform::TestClock::uninstall();
        form<shell::Form_piano>().Label_quitter.userClick();
        QTimer::singleShot(10000, [] { QCoreApplication::exit(3); });
        const int code = QApplication::exec();
        EXPECT_EQ(code, 0);
        EXPECT_TRUE(platform::loadedForms().empty());
    }
    // The language chosen is kept for the next start.
    QFile language(QStringLiteral("langue.tvo"));
    ASSERT_TRUE(language.open(QIODevice::ReadOnly));
    EXPECT_EQ(language.readAll(), QByteArray("2\r\n"));
}

} // namespace
