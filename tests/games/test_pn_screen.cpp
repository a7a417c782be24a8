// The staff-to-name game screen itself: its layout and state when it loads, its captions and
// name captions per language, the highlight of the name buttons under the pointer, the
// pressed look, the settings buttons, "Retour" and the desktop's close.
#include "media/form_traduction.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"
#include "pn_fixture.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>

namespace pn_test {
namespace {

struct Place {
    const char* widget;
    double left, top, width, height;
};

platform::Control* widgetOf(Form_pn& f, const char* name)
{
    return f.findChild<platform::PaintedControl*>(QString::fromLatin1(name));
}

TEST_F(PnScreen, LayoutAsDesigned)
{
    Form_pn& f = pn();
    EXPECT_EQ(f.width(), 12000);
    EXPECT_EQ(f.height(), 9000);
    EXPECT_EQ(f.borderStyle(), 0);
    EXPECT_EQ(f.left(), (1024 * 15 - 12000) / 2);
    EXPECT_EQ(f.top(), (768 * 15 - 9000) / 2);
    const Place places[] = {
        {"Label_jouer", 120, 120, 1695, 375},       {"Label_stop", 1920, 120, 1095, 375},
        {"Label_retour", 3120, 120, 1095, 375},     {"Label_suite", 4320, 120, 1095, 375},
        {"Label_temps_jeu", 5520, 120, 2055, 375},  {"Label_bruitages", 7680, 120, 1695, 375},
        {"Label_apparence", 9480, 120, 2415, 375},  {"Picture_note2", 3960, 2400, 3855, 3735},
        {"Picture_note", 3960, 2400, 3855, 3735},   {"Label_debut", 5393, 3653, 1215, 1695},
        {"Label_aide", 4080, 3720, 3615, 2295},     {"Metronome_stop", 10560, 6360, 795, 1200},
        {"Label_level", 10200, 7800, 1035, 255},    {"Label_niveau", 11160, 7800, 495, 255},
        {"Label_sc", 120, 8265, 1095, 255},         {"Label_score", 1080, 8265, 855, 255},
        {"Label_rouge_score", 120, 8520, 11760, 135}, {"Label_barre_score", 120, 8520, 5880, 135},
        {"Label_temps_restant", 5895, 8265, 3795, 255}, {"Label_temps", 9690, 8265, 735, 255},
        {"Label_secondes", 10425, 8265, 1455, 255}, {"Label_rouge_temps", 120, 8760, 11760, 135},
        {"Label_barre_temps", 120, 8760, 15, 135},
        // The ring of names, clockwise from the top left.
        {"Command_do", 3000, 2265, 855, 615},       {"Command_dod", 3615, 1095, 975, 735},
        {"Command_reb", 4815, 990, 975, 735},       {"Command_re", 5910, 1590, 975, 735},
        {"Command_red", 7095, 990, 975, 735},       {"Command_mib", 8175, 1260, 975, 735},
        {"Command_mi", 7920, 2400, 855, 735},       {"Command_fab", 9015, 2685, 975, 735},
        {"Command_mid", 8955, 3990, 975, 735},      {"Command_fa", 7905, 4770, 975, 735},
        {"Command_fad", 9015, 5190, 975, 735},      {"Command_solb", 8535, 6450, 975, 735},
        {"Command_sol", 7440, 6480, 975, 735},      {"Command_sold", 6630, 7335, 975, 735},
        {"Command_lab", 5310, 7320, 975, 735},      {"Command_la", 4440, 6465, 1095, 615},
        {"Command_lad", 3645, 7245, 975, 735},      {"Command_sib", 2640, 6540, 975, 855},
        {"Command_si", 2640, 5310, 975, 735},       {"Command_dob", 2505, 4065, 1095, 735},
        {"Command_sid", 2160, 3000, 855, 735},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.widget);
        platform::Control* w = widgetOf(f, p.widget);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->left(), p.left);
        EXPECT_EQ(w->top(), p.top);
        EXPECT_EQ(w->width(), p.width);
        EXPECT_EQ(w->height(), p.height);
    }
    // State holders lie outside the visible area.
    for (platform::Control* holder : std::initializer_list<platform::Control*>{
             &f.Label_note, &f.Label_nom, &f.Label_timer2, &f.nb_note, &f.save_score, &f.Command_niveau1,
             &f.Command_niveau2, &f.Command_niveau3, &f.Command_niveau4, &f.Command_reussi})
        EXPECT_GE(holder->left(), 12000) << holder->name().toStdString();
}

TEST_F(PnScreen, FreshScreen)
{
    platform::unload<Form_pn>();
    testing_support::processEvents();
    Form_pn& f = pn();
    EXPECT_EQ(f.picture().isNull(), false);
    for (platform::Label* name : f.boutons_noms()) {
        EXPECT_FALSE(name->visible()) << name->name().toStdString();
        EXPECT_EQ(name->foreColor(), 0u);
        EXPECT_EQ(name->fontSize(), 20.25);
        EXPECT_EQ(name->mousePointer(), platform::kPointerCustom);
    }
    EXPECT_FALSE(f.save_score.visible());
    EXPECT_TRUE(f.Label_debut.visible());
    EXPECT_EQ(f.Label_debut.caption(), "");
    EXPECT_EQ(f.Label_aide.caption(), "");
    EXPECT_FALSE(f.Label_suite.enabled());
    EXPECT_TRUE(f.Label_apparence.enabled());
    EXPECT_EQ(f.Label_note.caption(), "0");
    EXPECT_EQ(f.Label_nom.caption(), "nom");
    EXPECT_EQ(f.Label_timer2.caption(), "0");
    EXPECT_EQ(f.nb_note.caption(), "nb_note");
    EXPECT_EQ(f.Label_score.caption(), "0");
    EXPECT_EQ(f.Label_temps.caption(), "0");
    for (platform::Timer* t : {&f.Timer1, &f.Timer2, &f.Timer4}) {
        EXPECT_FALSE(t->enabled()) << t->name().toStdString();
        EXPECT_EQ(t->interval(), 1000);
    }
    EXPECT_EQ(platform::form<players::Form_bulles>().Label_form.caption(), "pn");
    EXPECT_FALSE(f.Metronome_stop.picture().isNull());
    // The label buttons: the hand pointer, except on "Arrêter" and the appearance button.
    for (platform::Label* b : {&f.Label_jouer, &f.Label_retour, &f.Label_suite, &f.Label_temps_jeu, &f.Label_bruitages})
        EXPECT_EQ(b->mousePointer(), platform::kPointerCustom) << b->name().toStdString();
    for (platform::Label* b : {&f.Label_stop, &f.Label_apparence})
        EXPECT_EQ(b->mousePointer(), platform::kPointerDefault) << b->name().toStdString();
}

// Captions from the text store (as every staff screen takes them), and the names in the
// player's language.
TEST_F(PnScreen, CaptionsPerLanguage)
{
    struct Row {
        const char* language;
        const char* jouer;
        const char* apparence;
        const char* names;  // the 21 captions in ring order
    };
    const Row rows[] = {
        {"francais", "Jouer/Rejouer", "Apparence de la note",
         "do do# réb ré ré# mib mi fab mi# fa fa# solb sol sol# lab la la# sib si dob si#"},
        {"anglais", "Play/Replay", "Appearance of the note",
         "C C# Db D D# Eb E Fb E# F F# Gb G G# Ab A A# Bb B Cb B#"},
        {"espagnol", "Juego/Rejuego", "Aspecto de la nota",
         "do do# reb re re# mib mi fab mi# fa fa# solb sol sol# lab la la# sib si dob si#"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.language);
        platform::unload<Form_pn>();
        testing_support::processEvents();
        platform::form<players::Form_joueurs>().Label_langue.setCaption(QString::fromLatin1(r.language));
        platform::form<media::Form_traduction>().Command_langue.click();
        Form_pn& f = pn();
        EXPECT_EQ(f.Label_temps_restant.caption(), platform::form<media::Form_traduction>().temps_restant.caption());
        EXPECT_EQ(f.Label_jouer.caption(), QString::fromUtf8(r.jouer));
        EXPECT_EQ(f.Label_apparence.caption(), QString::fromUtf8(r.apparence));
        QStringList names;
        for (platform::Label* b : f.boutons_noms())
            names << b->caption();
        EXPECT_EQ(names.join(' '), QString::fromUtf8(r.names));
    }
}

// The bottom of the screen keeps its texts apart in every language: no text runs into another,
// out of its label, or under a bar.
TEST_F(PnScreen, BottomTextsStayApart)
{
    for (const char* language : {"francais", "anglais", "espagnol"}) {
        SCOPED_TRACE(language);
        platform::unload<Form_pn>();
        testing_support::processEvents();
        platform::form<players::Form_joueurs>().Label_langue.setCaption(QString::fromLatin1(language));
        platform::form<media::Form_traduction>().Command_langue.click();
        Form_pn& f = pn();
        f.Label_score.setCaption(QStringLiteral("-200"));
        f.Label_temps.setCaption(QStringLiteral("900"));
        f.Label_niveau.setCaption(QStringLiteral("14"));
        // Where each text is drawn, in pixels.
        std::vector<std::pair<QString, QRect>> texts;
        for (platform::Label* l : {&f.Label_sc, &f.Label_score, &f.Label_temps_restant, &f.Label_temps,
                                   &f.Label_secondes, &f.Label_level, &f.Label_niveau}) {
            const QRect box = l->widget()->geometry();
            const int width = QFontMetrics(l->widget()->font()).horizontalAdvance(l->caption());
            const int height = QFontMetrics(l->widget()->font()).height();
            const int left = l->alignment() == 0 ? box.left() : l->alignment() == 1 ? box.right() + 1 - width
                                                                                        : box.center().x() - width / 2;
            const QRect text(left, box.top(), width, height);
            EXPECT_TRUE(box.contains(text)) << l->name().toStdString() << " runs out of its label";
            texts.emplace_back(l->name(), text);
        }
        for (size_t i = 0; i < texts.size(); ++i) {
            for (size_t j = i + 1; j < texts.size(); ++j)
                EXPECT_FALSE(texts[i].second.intersects(texts[j].second))
                    << texts[i].first.toStdString() << " / " << texts[j].first.toStdString();
            for (platform::Label* bar : {&f.Label_rouge_score, &f.Label_rouge_temps})
                EXPECT_FALSE(texts[i].second.intersects(bar->widget()->geometry()))
                    << texts[i].first.toStdString() << " under " << bar->name().toStdString();
        }
    }
}

// A name turns magenta under the pointer and stays so until the pointer crosses the screen's
// own background or reaches another name; the moves come from the platform as the desktop
// sends them.
TEST_F(PnScreen, HighlightFollowsThePointer)
{
    Form_pn& f = pn();
    pn().Label_niveau.setCaption(QStringLiteral("10"));
    games::staff_name::afficher_boutons_notes_pn();
    auto move = [](QWidget* w) {
        QMouseEvent e(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    };
    auto magenta = [&f] {
        QStringList out;
        for (platform::Label* b : f.boutons_noms())
            if (b->foreColor() == 0xFF00FF)
                out << b->name();
        return out;
    };
    move(&f.Command_fa);
    EXPECT_EQ(magenta(), QStringList{"Command_fa"});
    // Straight to another name, as a quick pointer does: only that one is lit.
    move(&f.Command_sol);
    EXPECT_EQ(magenta(), QStringList{"Command_sol"});
    // Over the staff, a text or the bars: nothing changes.
    for (QWidget* w : std::initializer_list<QWidget*>{&f.Picture_note, &f.Label_aide, &f.Label_rouge_score, &f.Label_jouer})
        move(w);
    EXPECT_EQ(magenta(), QStringList{"Command_sol"});
    move(&f.Command_fa);
    EXPECT_EQ(magenta(), QStringList{"Command_fa"});
    // Over the background, all go back to black.
    move(&f);
    EXPECT_EQ(magenta(), QStringList());
    // A hidden name takes no move: the pointer is then over the background.
    pn().Label_niveau.setCaption(QStringLiteral("8"));
    games::staff_name::afficher_boutons_notes_pn();
    f.Command_fad.userMouseMove();
    f.Command_fa.userMouseMove();
    EXPECT_EQ(magenta(), QStringList{"Command_fad"});
    f.userMouseMove();
    EXPECT_EQ(magenta(), QStringList());
}

TEST_F(PnScreen, PressedLook)
{
    Form_pn& f = pn();
    f.Label_suite.setEnabled(true);
    for (platform::Label* b : {&f.Label_jouer, &f.Label_stop, &f.Label_retour, &f.Label_suite, &f.Label_apparence}) {
        SCOPED_TRACE(b->name().toStdString());
        b->userMouseDown();
        EXPECT_EQ(b->appearance(), 1);
        EXPECT_EQ(b->backColor(), platform::colors::kWindowBackground);
        b->userMouseUp();
        EXPECT_EQ(b->appearance(), 0);
    }
    for (platform::Label* b : {&f.Label_temps_jeu, &f.Label_bruitages}) {
        b->userMouseDown();
        EXPECT_EQ(b->appearance(), 0) << b->name().toStdString();
        b->userMouseUp();
    }
}

// Each settings button loads the player's setting and shows its dialog modal; the appearance
// dialog serves the screen that opened it and gives it its choice when it closes.
TEST_F(PnScreen, SettingsButtons)
{
    auto& record = platform::form<players::Form_nouveau_joueur>();
    record.Label_sons3.setCaption(QStringLiteral("1"));
    record.Label_duree.setCaption(QStringLiteral("16"));
    Form_pn& f = pn();
    auto& bulles = platform::form<players::Form_bulles>();
    bulles.Label_form.setCaption(QStringLiteral("pp"));  // as another game screen left it
    QStringList shown;
    platform::setModalHook([&](platform::Form& dialog) {
        shown << dialog.formName();
        if (&dialog == &bulles) {
            EXPECT_EQ(bulles.Label_form.caption(), "pn");
            bulles.Image_bulle.onClick();  // unchooses bulle
            bulles.Image_noire.onClick();
            bulles.Label_fermer.click();
            return;
        }
        if (dialog.formName() == QLatin1String("Form_bruitage"))
            EXPECT_EQ(platform::form<media::Form_bruitage>().Check3.value(), 1);
        else
            EXPECT_EQ(platform::form<players::Form_options>().Text_temps.text(), "900");
        dialog.Hide();
    });
    f.Label_apparence.userClick();
    EXPECT_EQ(f.nb_note.caption(), "4");
    f.Label_bruitages.userClick();
    f.Label_temps_jeu.userClick();
    EXPECT_EQ(shown, QStringList({"Form_bulles", "Form_bruitage", "Form_options"}));
    // Closed while "pn" is not loaded, the dialog loads nothing.
    platform::unload<Form_pn>();
    bulles.Label_form.setCaption(QStringLiteral("pn"));
    bulles.Label_fermer.click();
    EXPECT_EQ(platform::loaded<Form_pn>(), nullptr);
}

// "Retour" and the desktop's close both unload the screen with its timers; the level-choice
// screen stays.
TEST_F(PnScreen, RetourAndDesktopClose)
{
    for (bool desktop : {false, true}) {
        SCOPED_TRACE(desktop ? "desktop" : "Retour");
        Form_pn& f = pn();
        f.Show();
        f.Timer1.setEnabled(true);
        if (desktop)
            f.close();
        else
            f.Label_retour.userClick();
        testing_support::processEvents();
        EXPECT_EQ(platform::loaded<Form_pn>(), nullptr);
    }
}

} // namespace
} // namespace pn_test
