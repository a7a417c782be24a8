// The player list, the login and the new-player dialog.
#include "players_fixture.h"

#include "platform/keys.h"
#include "platform/vb.h"
#include "players/module2.h"
#include "shell/form_piano.h"

using platform::form;
using platform::loaded;
using players::Form_joueurs;
using players::Form_nouveau_joueur;

namespace {

using LoginTest = players_test::PlayersTest;

struct Step {
    const char* pick;   // the entry picked, nullptr for none
    const char* typed;  // then typed into the password box, if it takes input
};

struct LoginCase {
    const char* what;
    std::vector<std::pair<const char*, const char*>> players;  // name, password, in table order
    std::vector<Step> steps;
    const char* loggedIn;  // the player let in, or nullptr
    platform::Label media::Form_traduction::*message;  // the message shown otherwise
};

TEST_F(LoginTest, NextLetsInOnlyAPickedPlayerWithTheExactPassword)
{
    using T = media::Form_traduction;
    const std::vector<std::pair<const char*, const char*>> two = {{"Anna", "Secret"}, {"Bob", ""}};
    const std::vector<LoginCase> cases = {
        {"right password", two, {{"Anna", "Secret"}}, "Anna", nullptr},
        {"letter case differs", two, {{"Anna", "secret"}}, nullptr, &T::passe_incorret},
        {"trailing blank", two, {{"Anna", "Secret "}}, nullptr, &T::passe_incorret},
        {"nothing typed", two, {{"Anna", ""}}, nullptr, &T::passe_incorret},
        {"player without password", two, {{"Bob", ""}}, "Bob", nullptr},
        {"password-less player after a typed password", two, {{"Anna", "Secret"}, {"Bob", ""}}, "Bob", nullptr},
        {"protected player after another's password", two, {{"Anna", "Secret"}, {"Bob", ""}, {"Anna", ""}},
         nullptr, &T::passe_incorret},
        // Nothing picked: the list's data source is on the first row, whose password counts.
        {"nothing picked, first player protected", two, {}, nullptr, &T::passe_incorret},
        {"nothing picked, first player open", {{"Bob", ""}, {"Anna", "Secret"}}, {}, nullptr,
         &T::choisir_utilisateur},
        {"empty table", {}, {}, nullptr, &T::choisir_utilisateur},
    };
    for (const LoginCase& c : cases) {
        SCOPED_TRACE(c.what);
        restart();
        QFile::remove(dbPath());
        for (const auto& [name, password] : c.players)
            addPlayer(QString::fromUtf8(name), QString::fromUtf8(password));
        notices.clear();
        Form_joueurs& f = playerScreen();
        for (const Step& s : c.steps) {
            pick(f, QString::fromUtf8(s.pick));
            if (f.Text_password_test.takesInput())
                f.Text_password_test.setText(QString::fromUtf8(s.typed));
        }
        const auto holderBefore = form<Form_nouveau_joueur>().Data1.bookmark();
        f.Label_jouer.userClick();
        if (c.loggedIn) {
            EXPECT_TRUE(notices.isEmpty()) << notices.join('|').toStdString();
            ASSERT_NE(loaded<shell::Form_piano>(), nullptr) << "the menu opens";
            EXPECT_EQ(form<Form_nouveau_joueur>().Data1.bookmark(), f.Data1.bookmark());
            EXPECT_EQ(form<Form_nouveau_joueur>().Text_nom.text(), c.loggedIn);
            EXPECT_EQ(f.DBCombo1.text(), c.loggedIn);
        } else {
            EXPECT_EQ(notices, QStringList{text(c.message)});
            EXPECT_EQ(loaded<shell::Form_piano>(), nullptr);
            EXPECT_EQ(form<Form_nouveau_joueur>().Data1.bookmark(), holderBefore)
                << "a refused login leaves the record where it was";
        }
    }
}

TEST_F(LoginTest, APickEmptiesTheTypedPasswordAndOpensTheBoxOnlyForAProtectedPlayer)
{
    addPlayer("Anna", "Secret");
    addPlayer("Bob");
    Form_joueurs& f = playerScreen();
    EXPECT_EQ(f.DBCombo1.listIndex(), -1);
    EXPECT_TRUE(f.DBCombo1.text().isEmpty());
    EXPECT_FALSE(f.Text_password_test.enabled());
    EXPECT_FALSE(f.Label_password.enabled());
    pick(f, "Anna");
    EXPECT_TRUE(f.Text_password_test.enabled());
    EXPECT_TRUE(f.Label_password.enabled());
    f.Text_password_test.setText("Secr");
    pick(f, "Anna");
    EXPECT_TRUE(f.Text_password_test.text().isEmpty());
    f.Text_password_test.setText("Secret");
    pick(f, "Bob");
    EXPECT_TRUE(f.Text_password_test.text().isEmpty());
    EXPECT_FALSE(f.Text_password_test.enabled());
    EXPECT_FALSE(f.Label_password.enabled());
    EXPECT_FALSE(f.DBCombo1.isEditable()) << "the list takes no typed text";
}

TEST_F(LoginTest, APickMovesOnlyTheListAndTheRecordFollowsAtTheLogin)
{
    const auto anna = addPlayer("Anna", "Secret");
    const auto bob = addPlayer("Bob");
    Form_joueurs& f = playerScreen();
    Form_nouveau_joueur& fiche = form<Form_nouveau_joueur>();

    // Before any login the record holder stores nothing, not even into the first row.
    fiche.Label_pp.setCaption("14");
    fiche.Command_UpdateRecord.setValue(true);
    EXPECT_EQ(screens.messages.size(), 1);
    EXPECT_EQ(rowOf(anna).value(u"pp"), "1");

    // Logged in as Bob, then back on the player screen: picking Anna without her password
    // leaves the record on Bob, and Bob's progress goes to Bob's row only.
    pick(f, "Bob");
    f.Label_jouer.userClick();
    ASSERT_EQ(fiche.Data1.bookmark(), bob);
    form<shell::Form_piano>().Label_changer_utilisateur.userClick();
    pick(f, "Anna");
    EXPECT_EQ(f.Data1.bookmark(), anna);
    EXPECT_EQ(fiche.Data1.bookmark(), bob);
    f.Label_jouer.userClick();
    EXPECT_EQ(notices, QStringList{text(&media::Form_traduction::passe_incorret)});
    fiche.Label_pp.setCaption("3");
    fiche.Command_UpdateRecord.setValue(true);
    EXPECT_EQ(rowOf(bob).value(u"pp"), "3");
    EXPECT_EQ(rowOf(anna).value(u"pp"), "1");
}

TEST_F(LoginTest, TheScreenComesBackAfterALoginWithThePlayerPickedAndAnEmptyPasswordBox)
{
    addPlayer("Anna", "Secret");
    Form_joueurs& f = playerScreen();
    pick(f, "Anna");
    f.Text_password_test.setText("Secret");
    f.Label_jouer.userClick();
    ASSERT_TRUE(notices.isEmpty());
    ASSERT_NE(loaded<shell::Form_piano>(), nullptr);
    ASSERT_EQ(loaded<Form_joueurs>(), &f) << "the player screen stays behind the menu";

    // "Changer d'utilisateur": the menu goes and the player screen is shown again.
    form<shell::Form_piano>().Label_changer_utilisateur.userClick();
    testing_support::processEvents();
    ASSERT_EQ(loaded<shell::Form_piano>(), nullptr);
    ASSERT_EQ(loaded<Form_joueurs>(), &f);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.DBCombo1.text(), "Anna");
    EXPECT_TRUE(f.Text_password_test.text().isEmpty());
    EXPECT_TRUE(f.Text_password_test.enabled());
    f.Label_jouer.userClick();
    EXPECT_EQ(notices, QStringList{text(&media::Form_traduction::passe_incorret)})
        << "the password is asked again";
    EXPECT_EQ(loaded<shell::Form_piano>(), nullptr);
    f.Text_password_test.setText("Secret");
    f.Label_jouer.userClick();
    EXPECT_NE(loaded<shell::Form_piano>(), nullptr);
}

TEST_F(LoginTest, TwoPlayersOfTheSameNameAreTwoEntriesEachWithItsOwnRow)
{
    addPlayer("Anna", "one");
    const auto second = addPlayer("Anna", "two");
    Form_joueurs& f = playerScreen();
    ASSERT_EQ(f.DBCombo1.listCount(), 2);
    f.DBCombo1.pick(1);
    f.Text_password_test.setText("one");
    f.Label_jouer.userClick();
    EXPECT_EQ(notices, QStringList{text(&media::Form_traduction::passe_incorret)});
    f.Text_password_test.setText("two");
    f.Label_jouer.userClick();
    EXPECT_EQ(notices.size(), 1);
    EXPECT_EQ(form<Form_nouveau_joueur>().Data1.bookmark(), second);
}

TEST_F(LoginTest, TheStoredPasswordIsNeverTheTypedText)
{
    const QString password = QStringLiteral("Zèbre-42 !");
    Form_joueurs& f = playerScreen();
    f.Command_nouveau.userClick();
    Form_nouveau_joueur& fiche = form<Form_nouveau_joueur>();
    fiche.Text_nom.setText("Zoé");
    fiche.Option1.setValue(true);
    fiche.Text_password.setText(password);
    fiche.Command_save.userClick();
    ASSERT_TRUE(notices.isEmpty());

    const QByteArray bytes = players_test::fileBytes(dbPath());
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_FALSE(bytes.contains(password.toUtf8()));
    EXPECT_FALSE(bytes.contains(QByteArray(reinterpret_cast<const char*>(password.utf16()), password.size() * 2)));
    EXPECT_FALSE(bytes.contains("Zèbre"));
    ASSERT_EQ(rows().size(), 1);
    EXPECT_TRUE(platform::passwordMatches(rowOf(rows()[0].bookmark).value(u"password"), password));

    // Settings stored later keep the same password.
    players::enregistrer_duree();
    Form_joueurs& again = form<Form_joueurs>();
    pick(again, "Zoé");
    again.Text_password_test.setText(password);
    again.Label_jouer.userClick();
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_EQ(form<Form_nouveau_joueur>().Text_nom.text(), "Zoé");
}

TEST_F(LoginTest, ANewPlayerIsListedWithNothingPickedAndTheDialogHidden)
{
    addPlayer("Anna");
    playerScreen().Command_nouveau.userClick();
    EXPECT_EQ(loaded<Form_joueurs>(), nullptr) << "the player screen goes while the dialog is up";
    Form_nouveau_joueur& fiche = form<Form_nouveau_joueur>();
    EXPECT_TRUE(fiche.isVisible());
    EXPECT_TRUE(fiche.Data1.isPending());
    fiche.Text_nom.setText("  ");
    fiche.Command_save.userClick();

    EXPECT_FALSE(fiche.isVisible()) << "the dialog is not left open over another row";
    ASSERT_NE(loaded<Form_joueurs>(), nullptr);
    Form_joueurs& f = *loaded<Form_joueurs>();
    EXPECT_TRUE(f.isVisible());
    ASSERT_EQ(f.DBCombo1.listCount(), 2);
    EXPECT_EQ(f.DBCombo1.list(0), "Anna");
    EXPECT_EQ(f.DBCombo1.list(1), "  ") << "a name of blanks is a name";
    EXPECT_EQ(f.DBCombo1.listIndex(), -1);
    EXPECT_TRUE(f.DBCombo1.text().isEmpty());

    // Every value of the new row: the player's own, those of a new player, none empty.
    const platform::PlayerRow stored = rowOf(f.DBCombo1.itemDataAt(1).value<platform::PlayerBookmark>());
    platform::PlayerRow expected = platform::newPlayerRow();
    expected.setValue(u"Nom", "  ");
    EXPECT_EQ(stored, expected);
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(stored.value(QStringLiteral("sons%1").arg(k)), "1");
    EXPECT_EQ(stored.value(u"duree"), "3");
    EXPECT_EQ(stored.value(u"imgnotes"), "6");
}

TEST_F(LoginTest, TheNewPlayerDialogRefusesAnEmptyPasswordAndStoresNoneForNo)
{
    struct Case {
        const char* what;
        bool oui;           // "Oui" chosen last
        bool typeFirst;     // a password typed (with "Oui") before the last choice
        const char* typed;  // the password box's text at "Valider" when "Oui" is chosen
        const char* name;
        bool stored;
        bool passwordMessage;
        const char* password;  // stored password, when stored
    };
    const Case cases[] = {
        {"Oui with a password", true, false, "abc", "Eva", true, false, "abc"},
        {"Oui with an empty box", true, false, "", "Eva", false, true, nullptr},
        {"Non after typing with Oui", false, true, "", "Eva", true, false, ""},
        {"Non", false, false, "", "Eva", true, false, ""},
        {"empty name", false, false, "", "", false, false, nullptr},
        {"empty name, Oui and empty password", true, false, "", "", false, true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        restart();
        QFile::remove(dbPath());
        notices.clear();
        playerScreen().Command_nouveau.userClick();
        Form_nouveau_joueur& fiche = form<Form_nouveau_joueur>();
        fiche.Text_nom.setText(c.name);
        if (c.typeFirst) {
            fiche.Option1.setValue(true);
            fiche.Text_password.setText("typed");
        }
        (c.oui ? fiche.Option1 : fiche.Option2).setValue(true);
        EXPECT_EQ(fiche.Text_password.visible(), c.oui);
        if (c.oui)
            fiche.Text_password.setText(c.typed);
        fiche.Command_save.userClick();

        EXPECT_EQ(notices.size(), c.passwordMessage ? 1 : 0);
        if (c.passwordMessage) {
            EXPECT_EQ(notices[0], text(&media::Form_traduction::passe_incorret));
        }
        const auto stored = rows();
        ASSERT_EQ(stored.size(), c.stored ? 1 : 0);
        if (c.stored) {
            EXPECT_FALSE(fiche.isVisible());
            const QString hash = rowOf(stored[0].bookmark).value(u"password");
            EXPECT_EQ(hash.isEmpty(), QString(c.password).isEmpty());
            EXPECT_TRUE(platform::passwordMatches(hash, c.password));
        } else {
            EXPECT_TRUE(fiche.isVisible()) << "the dialog stays open unchanged";
            EXPECT_TRUE(fiche.Data1.isPending());
        }
    }
}

TEST_F(LoginTest, CancelStoresNothingAndTheNextDialogKeepsTheOptionWithEmptyBoxes)
{
    addPlayer("Anna");
    playerScreen().Command_nouveau.userClick();
    Form_nouveau_joueur& fiche = form<Form_nouveau_joueur>();
    fiche.Text_nom.setText("Léo");
    fiche.Option1.setValue(true);
    fiche.Text_password.setText("pw");
    fiche.Label_cancel.userClick();
    EXPECT_FALSE(fiche.isVisible());
    EXPECT_FALSE(fiche.Data1.isPending());
    ASSERT_NE(loaded<Form_joueurs>(), nullptr);
    EXPECT_EQ(loaded<Form_joueurs>()->DBCombo1.listCount(), 1);
    EXPECT_EQ(rows().size(), 1);

    loaded<Form_joueurs>()->Command_nouveau.userClick();
    EXPECT_TRUE(fiche.isVisible());
    EXPECT_TRUE(fiche.Option1.value());
    EXPECT_TRUE(fiche.Text_password.visible());
    EXPECT_TRUE(fiche.Text_nom.text().isEmpty());
    EXPECT_TRUE(fiche.Text_password.text().isEmpty());
}

TEST_F(LoginTest, TheNameBoxTakesTheTypingEveryTimeTheDialogIsShown)
{
    // Each showing follows another way of leaving the dialog, with the typing left elsewhere.
    const std::vector<std::pair<const char*, std::function<void(Form_nouveau_joueur&)>>> leavings = {
        {"first showing", [](Form_nouveau_joueur&) {}},
        {"after Annuler from the password box",
         [](Form_nouveau_joueur& fiche) {
             fiche.Option1.userClick();
             fiche.Text_password.widget()->setFocus();
             fiche.Label_cancel.userClick();
         }},
        {"after Valider",
         [](Form_nouveau_joueur& fiche) {
             fiche.Text_nom.setText("Léo");
             fiche.Option2.userClick();
             fiche.Option2.widget()->setFocus();
             fiche.Command_save.userClick();
         }},
        {"after the empty-password message",
         [this](Form_nouveau_joueur& fiche) {
             fiche.Option1.userClick();
             fiche.Text_password.widget()->setFocus();
             fiche.Command_save.userClick();
             EXPECT_EQ(notices.size(), 1);
             fiche.Label_cancel.userClick();
         }},
    };
    for (const auto& [what, leave] : leavings) {
        SCOPED_TRACE(what);
        if (Form_nouveau_joueur* fiche = loaded<Form_nouveau_joueur>())
            leave(*fiche);
        playerScreen().Command_nouveau.userClick();
        Form_nouveau_joueur& fiche = form<Form_nouveau_joueur>();
        ASSERT_TRUE(fiche.isVisible());
        EXPECT_EQ(fiche.focusWidget(), fiche.Text_nom.widget());
    }
}

TEST_F(LoginTest, AfterTheWrongPasswordMessageHoweverClosedThePasswordBoxTakesTheTyping)
{
    const std::vector<std::pair<const char*, std::function<void(players::Form_password&)>>> closings = {
        {"Recommencer", [](players::Form_password& m) { m.Label_quitter.userClick(); }},
        {"Return", [](players::Form_password& m) { m.deliverKeyDown(platform::vk::kReturn, 0); }},
        {"the desktop's close", [](players::Form_password& m) { m.close(); }},
    };
    addPlayer("Anna", "Secret");
    for (const auto& [what, closeMessage] : closings) {
        SCOPED_TRACE(what);
        Form_joueurs& f = playerScreen();
        testing_support::processEvents();
        pick(f, "Anna");
        f.Text_password_test.setFocus();
        f.Text_password_test.setText("secret");
        bool shown = false;
        platform::setModalHook([&](platform::Form& m) {
            testing_support::processEvents();
            shown = m.hasKeyboard();
            auto& message = dynamic_cast<players::Form_password&>(m);
            closeMessage(message);
            if (message.isLoaded() && message.isVisible()) {
                ADD_FAILURE() << "the message is still shown";
                message.Label_quitter.userClick();
            }
        });
        f.Label_jouer.userClick();
        testing_support::processEvents();
        EXPECT_TRUE(shown);
        EXPECT_FALSE(platform::loaded<players::Form_password>() &&
                     platform::loaded<players::Form_password>()->isVisible());
        EXPECT_TRUE(f.hasKeyboard());
        EXPECT_EQ(f.focusWidget(), f.Text_password_test.widget());
        platform::setModalHook(nullptr);
    }
}

TEST_F(LoginTest, QuitUnloadsThePlayerScreensAndTheTextStore)
{
    playerScreen();
    form<media::Form_traduction>();
    loaded<Form_joueurs>()->Label_quitter.userClick();
    EXPECT_EQ(loaded<Form_joueurs>(), nullptr);
    EXPECT_EQ(loaded<Form_nouveau_joueur>(), nullptr);
    EXPECT_EQ(loaded<media::Form_traduction>(), nullptr);
    testing_support::processEvents();
    EXPECT_TRUE(platform::loadedForms().empty());
    EXPECT_EQ(screens.programEnds, 1);
}

TEST_F(LoginTest, TheLabelButtonsTakeThePressedLook)
{
    Form_joueurs& f = playerScreen();
    for (platform::Label* button : {&f.Label_quitter, &f.Command_nouveau, &f.Label_jouer}) {
        EXPECT_EQ(button->appearance(), 0);
        button->userMouseDown();
        EXPECT_EQ(button->appearance(), 1);
        EXPECT_EQ(button->backColor(), platform::colors::kWindowBackground);
        button->userMouseUp();
        EXPECT_EQ(button->appearance(), 0);
    }
}

} // namespace
