// The running session and its screens: the player screens wait while a menu is loaded, every
// way the menu goes closes the session's level-choice and game screens, and every screen closed
// from the desktop does what its own close control does.
#include "players/players_fixture.h"

#include "games/name_keyboard/form_nn.h"
#include "games/staff_keyboard/form_pp.h"
#include "level_choice/form_choix_nn.h"
#include "level_choice/form_choix_pp.h"
#include "level_choice/form_choix_pp2.h"
#include "level_choice/form_choix_pn.h"
#include "media/form_bruitage.h"
#include "platform/shell.h"
#include "platform/vb.h"
#include "players/form_bulles.h"
#include "players/form_options.h"
#include "players/module2.h"
#include "shell/form_piano.h"
#include "shell/form_propos.h"
#include "shell/form_resolution.h"
#include "shell/level_choice_links.h"

#include <functional>

using platform::form;
using platform::loaded;
using players::Form_joueurs;
using players::Form_nouveau_joueur;
using shell::Form_piano;

namespace {

class SessionTest : public players_test::PlayersTest {
protected:
    void SetUp() override
    {
        PlayersTest::SetUp();
        platform::setOpenDocumentHook([this](const QString& f) { opened << f; });
        anna_ = addPlayer("Anna");
        bob_ = addPlayer("Bob");
    }
    void TearDown() override
    {
        platform::setOpenDocumentHook(nullptr);
        platform::setDisplaySizeOverride(QSize(1024, 768));
        PlayersTest::TearDown();
    }

    // Anna logged in: the menu is loaded over the player screen.
    Form_piano& session()
    {
        Form_joueurs& f = playerScreen();
        pick(f, "Anna");
        f.Label_jouer.userClick();
        Form_piano* menu = loaded<Form_piano>();
        EXPECT_NE(menu, nullptr) << screens.messages.join("; ").toStdString();
        return *menu;
    }

    // The pp game screen launched at level 1 from its level-choice screen.
    games::staff_keyboard::Form_pp& game()
    {
        shell::showLevelChoice(QStringLiteral("pp"));
        form<level_choice::Form_choix_pp>().Label_jouer.userClick();
        auto* pp = loaded<games::staff_keyboard::Form_pp>();
        EXPECT_NE(pp, nullptr);
        return *pp;
    }

    static bool shown(platform::Form* f) { return f && f->isVisible(); }

    QStringList names() const
    {
        QStringList n;
        for (platform::Form* f : platform::loadedForms())
            n << f->formName();
        n.sort();
        return n;
    }

    platform::PlayerBookmark anna_ = 0, bob_ = 0;
    QStringList opened;
};

TEST_F(SessionTest, WhileTheMenuIsLoadedThePlayerScreensTakeNoInput)
{
    Form_piano& menu = session();
    Form_joueurs& f = *loaded<Form_joueurs>();
    Form_nouveau_joueur& fiche = form<Form_nouveau_joueur>();
    EXPECT_TRUE(shown(&f)) << "the player screen stays behind the menu";
    EXPECT_FALSE(f.isEnabled());
    EXPECT_FALSE(fiche.isEnabled());

    // Reached through the window manager, none of its controls does anything.
    f.Command_nouveau.userClick();
    pick(f, "Bob");
    f.Label_jouer.userClick();
    f.Label_quitter.userClick();
    f.close();
    fiche.Command_save.userClick();
    fiche.close();
    testing_support::processEvents();
    ASSERT_EQ(loaded<Form_piano>(), &menu);
    EXPECT_EQ(loaded<Form_joueurs>(), &f);
    EXPECT_EQ(f.DBCombo1.text(), "Anna");
    EXPECT_FALSE(fiche.Data1.isPending());
    EXPECT_FALSE(fiche.isVisible());
    EXPECT_EQ(fiche.Data1.bookmark(), anna_);
    EXPECT_EQ(rows().size(), 2) << "no nameless row";
    EXPECT_EQ(menu.Label_bienvenue.caption(), "Bienvenue Anna");

    // The session's stores still go to Anna's row.
    fiche.Label_pp.setCaption("3");
    fiche.Command_UpdateRecord.setValue(true);
    EXPECT_EQ(rowOf(anna_).value(u"pp"), "3");
    EXPECT_EQ(rowOf(bob_).value(u"pp"), "1");

    // "Changer d'utilisateur" gives the screen back.
    menu.Label_changer_utilisateur.userClick();
    EXPECT_TRUE(f.isEnabled());
    EXPECT_TRUE(fiche.isEnabled());
    pick(f, "Bob");
    f.Label_jouer.userClick();
    ASSERT_NE(loaded<Form_piano>(), nullptr);
    EXPECT_EQ(fiche.Data1.bookmark(), bob_);
    EXPECT_TRUE(screens.messages.isEmpty()) << screens.messages.join("; ").toStdString();
}

TEST_F(SessionTest, ANewRowTakesNoStoreUntilItsPlayerLogsIn)
{
    Form_joueurs& f = playerScreen();
    Form_nouveau_joueur& fiche = form<Form_nouveau_joueur>();
    // Before any login.
    fiche.Label_pp.setCaption("9");
    fiche.Command_UpdateRecord.setValue(true);
    EXPECT_EQ(rowOf(anna_).value(u"pp"), "1");

    // After "Valider" of a new row, before its player logs in.
    f.Command_nouveau.userClick();
    fiche.Text_nom.setText("Zoé");
    fiche.Command_save.userClick();
    ASSERT_EQ(rows().size(), 3);
    const platform::PlayerBookmark zoe = rows().back().bookmark;
    fiche.Label_pp.setCaption("9");
    fiche.Command_UpdateRecord.setValue(true);
    EXPECT_EQ(rowOf(zoe).value(u"pp"), "1");
    EXPECT_EQ(rowOf(anna_).value(u"pp"), "1");

    // Once logged in, the store lands in the new player's row.
    Form_joueurs& again = *loaded<Form_joueurs>();
    pick(again, "Zoé");
    again.Label_jouer.userClick();
    fiche.Label_pp.setCaption("2");
    fiche.Command_UpdateRecord.setValue(true);
    EXPECT_EQ(rowOf(zoe).value(u"pp"), "2");
}

TEST_F(SessionTest, EveryWayTheMenuGoesClosesTheLevelChoiceAndGameScreens)
{
    struct Way {
        const char* what;
        std::function<void(Form_piano&)> go;
        bool playerScreenBack;
    };
    const Way ways[] = {
        {"Changer d'utilisateur", [](Form_piano& m) { m.Label_changer_utilisateur.userClick(); }, true},
        {"Quitter", [](Form_piano& m) { m.Label_quitter.userClick(); }, false},
        {"a desktop close", [](Form_piano& m) { m.close(); }, false},
        {"an unload", [](Form_piano& m) { platform::unload(m); }, true},
    };
    for (const Way& w : ways) {
        SCOPED_TRACE(w.what);
        Form_piano& menu = session();
        game();
        shell::showLevelChoice(QStringLiteral("pp2"));
        shell::showLevelChoice(QStringLiteral("pn"));
        shell::showLevelChoice(QStringLiteral("nn"));
        form<level_choice::Form_choix_nn>().Label_jouer.userClick();
        int retours = 0;
        for (platform::Label* retour : {&loaded<games::staff_keyboard::Form_pp>()->Label_retour,
                                        &loaded<games::name_keyboard::Form_nn>()->Label_retour})
            retour->onClick = [&retours, previous = retour->onClick] {
                ++retours;
                previous();
            };
        w.go(menu);
        testing_support::processEvents();
        EXPECT_EQ(retours, 2) << "each game screen leaves by its own Retour";
        EXPECT_EQ(loaded<games::staff_keyboard::Form_pp>(), nullptr);
        EXPECT_EQ(loaded<games::name_keyboard::Form_nn>(), nullptr);
        EXPECT_EQ(loaded<level_choice::Form_choix_nn>(), nullptr);
        EXPECT_EQ(loaded<level_choice::Form_choix_pp>(), nullptr);
        EXPECT_EQ(loaded<level_choice::Form_choix_pp2>(), nullptr);
        EXPECT_EQ(loaded<level_choice::Form_choix_pn>(), nullptr);
        EXPECT_EQ(loaded<Form_piano>(), nullptr);
        if (w.playerScreenBack) {
            EXPECT_EQ(names(), (QStringList{"Form_joueurs", "Form_nouveau_joueur"}));
            EXPECT_TRUE(loaded<Form_joueurs>()->isEnabled());
        } else {
            EXPECT_EQ(names(), QStringList());
        }
        restart();
    }
}

// ------------------------------------------------------------------------- desktop close

TEST_F(SessionTest, EveryScreenClosedFromTheDesktopDoesWhatItsOwnCloseControlDoes)
{
    struct Case {
        const char* screen;
        // Opens the screen and closes it through Qt's close event.
        std::function<void()> openAndClose;
        // What is loaded afterwards (sorted), and the checks of what is shown and stored.
        QStringList loadedAfter;
        std::function<void()> check;
    };
    const QStringList session = {"Form_image", "Form_instrument", "Form_joueurs",
                                 "Form_nouveau_joueur", "Form_piano", "Form_traduction"};
    auto plus = [](QStringList list, const QStringList& more) {
        list += more;
        list.sort();
        return list;
    };
    // The program ended, its language file written by the player screen's unload.
    auto programEndedIn = [this](const char* languageDigit) {
        return [this, languageDigit] {
            EXPECT_EQ(players_test::fileBytes(path("langue.tvo")), QByteArray(languageDigit) + "\r\n");
            EXPECT_GE(screens.programEnds, 1);
        };
    };
    // A modal screen is closed from inside its show.
    auto closeWhenShown = [this](const QString& name, std::function<void(platform::Form&)> before = {}) {
        onModal = [name, before](platform::Form& f) {
            if (f.formName() != name)
                return;
            if (before)
                before(f);
            f.close();
        };
    };

    // A settings dialog of the session, shown modal; a choice is made in it, then it is closed.
    auto settingsDialog = [this, closeWhenShown](const char* name,
                                                 std::function<platform::Form*()> loadDialog,
                                                 std::function<void()> choose) {
        return [this, closeWhenShown, name, loadDialog, choose] {
            this->session();
            closeWhenShown(name, [choose](platform::Form&) { choose(); });
            loadDialog()->Show(1);
        };
    };

    const std::vector<Case> cases = {
        {"Form_resolution: as Ok! on a narrow display",
         [this] {
             platform::setDisplaySizeOverride(QSize(640, 480));
             form<shell::Form_resolution>().close();
         },
         {},
         [this] {
             EXPECT_EQ(opened, QStringList{"Change_res.txt"});
             EXPECT_GE(screens.programEnds, 1);
         }},
        {"Form_joueurs: as Quitter, the program ends",
         [this] {
             playerScreen().Image_langue.userClick();
             loaded<Form_joueurs>()->close();
         },
         {},
         programEndedIn("2")},
        {"Form_nouveau_joueur: as Annuler",
         [this] {
             playerScreen().Command_nouveau.userClick();
             form<Form_nouveau_joueur>().Text_nom.setText("Tom");
             form<Form_nouveau_joueur>().close();
         },
         {"Form_joueurs", "Form_nouveau_joueur", "Form_traduction"},
         [this] {
             EXPECT_TRUE(shown(loaded<Form_joueurs>()));
             EXPECT_FALSE(shown(loaded<Form_nouveau_joueur>()));
             EXPECT_EQ(rows().size(), 2) << "the new row is not stored";
         }},
        {"Form_password: as its button",
         [this, closeWhenShown] {
             closeWhenShown("Form_password");
             playerScreen().Label_jouer.userClick();  // nothing picked: a message
         },
         {"Form_joueurs", "Form_nouveau_joueur", "Form_traduction"},
         [this] { EXPECT_TRUE(shown(loaded<Form_joueurs>())); }},
        {"Form_piano: as Quitter",
         [this] {
             this->session();
             shell::showLevelChoice(QStringLiteral("pp"));
             loaded<Form_piano>()->close();
         },
         {},
         programEndedIn("1")},
        {"Form_choix_pp: as Retour",
         [this] {
             this->session();
             shell::showLevelChoice(QStringLiteral("pp"));
             form<level_choice::Form_choix_pp>().close();
         },
         session,
         [this] { EXPECT_TRUE(shown(loaded<Form_piano>())); }},
        {"Form_pp: as Retour",
         [this] {
             this->session();
             game().close();
         },
         plus(session, {"Form_bruitage", "Form_bulles", "Form_choix_pp", "Form_options"}),
         [this] { EXPECT_TRUE(shown(loaded<level_choice::Form_choix_pp>())); }},
        {"Form_nn: as Retour",
         [this] {
             this->session();
             shell::showLevelChoice(QStringLiteral("nn"));
             form<level_choice::Form_choix_nn>().Label_jouer.userClick();
             loaded<games::name_keyboard::Form_nn>()->close();
         },
         plus(session, {"Form_bruitage", "Form_choix_nn", "Form_options"}),
         [this] { EXPECT_TRUE(shown(loaded<level_choice::Form_choix_nn>())); }},
        {"Form_options: as its close, the duration kept and stored",
         settingsDialog(
             "Form_options", [] { return &form<players::Form_options>(); },
             [] { form<players::Form_options>().option(7).userClick(); }),
         plus(session, {"Form_options"}),
         [this] {
             EXPECT_FALSE(shown(loaded<players::Form_options>()));
             EXPECT_TRUE(form<players::Form_options>().option(7).value());
             EXPECT_EQ(form<players::Form_options>().Text_temps.text(), "180");
             EXPECT_EQ(rowOf(anna_).value(u"duree"), "7");
         }},
        {"Form_bulles: as its close, the appearance stored",
         settingsDialog(
             "Form_bulles", [] { return &form<players::Form_bulles>(); },
             [] {
                 form<players::Form_bulles>().Image_bulle.userClick();  // off
                 form<players::Form_bulles>().Image_foot.userClick();
             }),
         plus(session, {"Form_bulles"}),
         [this] {
             EXPECT_FALSE(shown(loaded<players::Form_bulles>()));
             EXPECT_EQ(rowOf(anna_).value(u"imgnotes"), "7");
         }},
        {"Form_bruitage: as its close, the switches stored",
         settingsDialog(
             "Form_bruitage",
             [] {
                 players::charger_bruitages();
                 return &form<media::Form_bruitage>();
             },
             [] { form<media::Form_bruitage>().Check3.userClick(); }),  // off
         plus(session, {"Form_bruitage"}),
         [this] {
             EXPECT_FALSE(shown(loaded<media::Form_bruitage>()));
             EXPECT_EQ(rowOf(anna_).value(u"sons3"), "0");
             EXPECT_EQ(rowOf(anna_).value(u"sons4"), "1");
         }},
        {"Form_propos: as Fermer",
         [this, closeWhenShown] {
             this->session();
             closeWhenShown("Form_propos");
             loaded<Form_piano>()->Label_propos.userClick();
         },
         plus(session, {"Form_propos"}),
         [this] {
             EXPECT_FALSE(shown(loaded<shell::Form_propos>()));
             EXPECT_TRUE(shown(loaded<Form_piano>()));
         }},
    };
    // Every modal screen, the message screen included, is closed from the desktop here.
    platform::setModalHook([this](platform::Form& f) {
        if (onModal)
            onModal(f);
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        opened.clear();
        screens.programEnds = 0;
        c.openAndClose();
        testing_support::processEvents();
        EXPECT_EQ(names(), c.loadedAfter);
        c.check();
        EXPECT_TRUE(screens.messages.isEmpty()) << screens.messages.join("; ").toStdString();
        screens.messages.clear();
        onModal = nullptr;
        restart();
        platform::setDisplaySizeOverride(QSize(1024, 768));
        QFile::remove(path("langue.tvo"));
    }
}

} // namespace
