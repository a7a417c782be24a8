// The interface-text store in the three languages.
#include <gtest/gtest.h>

#include "media/form_traduction.h"
#include "platform/forms.h"
#include "support/test_support.h"

using media::Form_traduction;
using platform::form;

namespace {

class TextStoreTest : public ::testing::Test {
protected:
    void TearDown() override { media::setLanguageSource(nullptr); }
    void language(const QString& code)
    {
        language_ = code;
        media::setLanguageSource([this] { return language_; });
    }
    testing_support::ScreenTest screens;
    QString language_;
};

TEST_F(TextStoreTest, EachLanguageFillsItsTexts)
{
    struct Case {
        const char* language;
        platform::Label Form_traduction::*label;
        QString text;
    };
    const Case cases[] = {
        {"francais", &Form_traduction::passe_incorret, "Mot de passe incorrect"},
        {"anglais", &Form_traduction::passe_incorret, "Wrong password"},
        {"anglais", &Form_traduction::score, "SCORE"},
        {"espagnol", &Form_traduction::score, "TANTEO"},
        {"espagnol", &Form_traduction::mot_de_passe, "Contraseña"},
        {"francais", &Form_traduction::utilisation_midi, "Utilisation d'un  instrument MIDI"},
        {"anglais", &Form_traduction::Label_aide_suivant,
         "You obtain more than 200 points.  Click on Next to do the upper level or click on "
         "Play/Replay to restart this level.  "},
        {"anglais", &Form_traduction::temps_restant, "TIME LEFT"},
        {"espagnol", &Form_traduction::temps_restant, "TIEMPO RESTANTE"},
        {"francais", &Form_traduction::temps_restant, "TEMPS RESTANT"},
        {"espagnol", &Form_traduction::Label_version, "Versión 2.00"},
        {"francais", &Form_traduction::a_propos, "A propos de Tastevolo"},
    };
    for (const Case& c : cases) {
        language(c.language);
        form<Form_traduction>().Command_langue.setValue(true);
        EXPECT_EQ((form<Form_traduction>().*c.label).caption(), c.text) << c.language;
    }
}

TEST_F(TextStoreTest, EveryLabelGetsATextInEveryLanguage)
{
    for (const char* l : {"francais", "anglais", "espagnol"}) {
        language(l);
        form<Form_traduction>().Command_langue.click();
        const auto labels = form<Form_traduction>().labels();
        EXPECT_EQ(labels.size(), 65u);
        for (auto* label : labels)
            EXPECT_FALSE(label->caption().isEmpty()) << l << ' ' << label->name().toStdString();
    }
    language("anglais");
    form<Form_traduction>().Command_langue.click();
    EXPECT_TRUE(form<Form_traduction>().Label_directx.caption().contains("piano.sgt"));
}

TEST_F(TextStoreTest, AnUnknownLanguageChangesNothing)
{
    language("anglais");
    form<Form_traduction>().Command_langue.click();
    for (const char* other : {"Francais", "", "english"}) {
        language(other);
        form<Form_traduction>().Command_langue.click();
        EXPECT_EQ(form<Form_traduction>().quitter.caption(), "Exit") << other;
    }
}

TEST_F(TextStoreTest, TheStoreFillsItselfWhenItIsCreated)
{
    language("espagnol");
    platform::unload<Form_traduction>();
    EXPECT_EQ(form<Form_traduction>().bienvenue.caption(), "Bienvenido");
}

} // namespace
