// The interface language: the language file, the flag, the captions of the player screens.
#include "players_fixture.h"

#include <QFileInfo>

using platform::form;
using platform::loaded;
using players::Form_joueurs;
using players::Form_nouveau_joueur;

namespace {

using LanguageTest = players_test::PlayersTest;

const char* const kFile = "langue.tvo";

struct Captions {
    const char* suivant;
    const char* valider;
    const char* nom;
};
const Captions kFrench{"Suivant", "Valider", "Indique ton nom"};
const Captions kEnglish{"Next", "Confirm", "Write your name"};
const Captions kSpanish{"Siguiente", "Confirmar", "Escriba su nombre"};

void expectLanguage(Form_joueurs& f, const char* code, const Captions& captions)
{
    EXPECT_EQ(f.Label_langue.caption(), code);
    platform::Image* flag = QString(code) == "anglais"    ? &f.Image_anglais
                            : QString(code) == "espagnol" ? &f.Image_espagnol
                                                          : &f.Image_francais;
    EXPECT_FALSE(f.Image_langue.picture().isNull());
    EXPECT_EQ(f.Image_langue.picture().cacheKey(), flag->picture().cacheKey());
    EXPECT_EQ(f.Label_jouer.caption(), captions.suivant);
    EXPECT_EQ(form<Form_nouveau_joueur>().Command_save.caption(), captions.valider);
    EXPECT_EQ(form<Form_nouveau_joueur>().Label_nom.caption(), captions.nom);
    EXPECT_EQ(media::currentLanguage(), code);
}

TEST_F(LanguageTest, TheFileChoosesTheLanguageAtLoadAndIsRewrittenAtUnload)
{
    struct Case {
        std::optional<QByteArray> file;  // nothing: no file
        const char* language;
        const Captions* captions;
        QByteArray afterUnload;
    };
    const Case cases[] = {
        {QByteArray("1\r\n"), "francais", &kFrench, "1\r\n"},
        {QByteArray("2\r\n"), "anglais", &kEnglish, "2\r\n"},
        {QByteArray("3\r\n"), "espagnol", &kSpanish, "3\r\n"},
        {QByteArray("0\r\n"), "francais", &kFrench, "1\r\n"},
        {QByteArray("4\r\n"), "francais", &kFrench, "1\r\n"},
        {QByteArray(" 2"), "anglais", &kEnglish, "2\r\n"},
        {QByteArray("abc"), "francais", &kFrench, "1\r\n"},
        {QByteArray(""), "francais", &kFrench, "1\r\n"},
        {std::nullopt, "francais", &kFrench, "1\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file ? c.file->toStdString() : "missing");
        restart();
        QFile::remove(path(kFile));
        if (c.file)
            players_test::writeBytes(path(kFile), *c.file);
        Form_joueurs& f = playerScreen();
        expectLanguage(f, c.language, *c.captions);
        platform::unload(f);
        EXPECT_EQ(players_test::fileBytes(path(kFile)), c.afterUnload);
    }
}

TEST_F(LanguageTest, ThreeFlagClicksComeBackAndTheFileChangesOnlyAtUnload)
{
    players_test::writeBytes(path(kFile), "1\r\n");
    Form_joueurs& f = playerScreen();
    const struct {
        const char* language;
        const Captions* captions;
    } turns[] = {{"anglais", &kEnglish}, {"espagnol", &kSpanish}, {"francais", &kFrench}};
    for (const auto& turn : turns) {
        f.Image_langue.userClick();
        expectLanguage(f, turn.language, *turn.captions);
        EXPECT_EQ(players_test::fileBytes(path(kFile)), "1\r\n");
    }
    f.Image_langue.userClick();
    EXPECT_EQ(players_test::fileBytes(path(kFile)), "1\r\n");
    platform::unload(f);
    EXPECT_EQ(players_test::fileBytes(path(kFile)), "2\r\n");
}

TEST_F(LanguageTest, TheLanguageGoesThroughTheFileWhileThePlayerScreenIsAway)
{
    playerScreen().Image_langue.userClick();
    loaded<Form_joueurs>()->Command_nouveau.userClick();
    ASSERT_EQ(loaded<Form_joueurs>(), nullptr);
    EXPECT_EQ(media::currentLanguage(), "anglais") << "read from the file";
    form<Form_nouveau_joueur>().Label_cancel.userClick();
    expectLanguage(*loaded<Form_joueurs>(), "anglais", kEnglish);
}

TEST_F(LanguageTest, AFileThatCannotBeReadOrWrittenStartsInFrenchAndIsLeftAlone)
{
    ASSERT_TRUE(QDir(path("")).mkdir(kFile));
    Form_joueurs& f = playerScreen();
    expectLanguage(f, "francais", kFrench);
    f.Image_langue.userClick();
    platform::unload(f);
    EXPECT_TRUE(QFileInfo(path(kFile)).isDir());
    EXPECT_TRUE(screens.messages.isEmpty());
}

TEST_F(LanguageTest, MessagesComeInTheCurrentLanguage)
{
    players_test::writeBytes(path(kFile), "3\r\n");
    Form_joueurs& f = playerScreen();
    f.Label_jouer.userClick();
    EXPECT_EQ(notices, QStringList{"Ud debe escoger un nombre"});
}

} // namespace
