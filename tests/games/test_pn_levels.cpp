// What a level of the staff-to-name game offers: its name buttons, the notes it draws (each
// with its pictures in every style, a plain key and a shown button), and the note appearance
// of a game.
#include "games/common/note_style.h"
#include "games/staff_name/level_notes.h"
#include "platform/resources.h"
#include "pn_fixture.h"

#include <QSet>

namespace pn_test {
namespace {

using NotePn = games::common::NotePicture;
using games::staff_name::afficher_boutons_notes_pn;
using games::staff_name::notes_du_niveau;

// The internal names of the shown name buttons, in ring order.
QString shownNames()
{
    QStringList out;
    for (platform::Label* b : platform::form<Form_pn>().boutons_noms())
        if (b->visible())
            out << b->name().mid(QStringLiteral("Command_").size());
    return out.join(' ');
}

const char* const kNaturals = "do re mi fa sol la si";
const char* const kSharps = "dod red mid fad sold lad sid";
const char* const kFlats = "reb mib fab solb lab sib dob";
const char* const kAll = "do dod reb re red mib mi fab mid fa fad solb sol sold lab la lad sib si dob sid";

// Levels given one after the other on the same open screen: a level shows its own buttons
// and leaves the others as they were.
TEST_F(PnScreen, NameButtonsPerLevel)
{
    struct Row { const char* level; const char* shown; };
    const Row rows[] = {
        {"1", "do re si"},
        {"2", "do re mi la si"},
        {"15", "do re mi la si"},
        {"0", "do re mi la si"},
        {"", "do re mi la si"},
        {"3", kNaturals},
        {"7", kNaturals},
        {"8", kSharps},
        {"9", kFlats},
        {"3", "do reb re mib mi fab fa solb sol lab la sib si dob"},
        {"10", kAll},
        {"14", kAll},
        {"8", kSharps},
        {"3", "do dod re red mi mid fa fad sol sold la lad si sid"},
    };
    auto sorted = [](const QString& names) {
        QStringList l = names.split(' ', Qt::SkipEmptyParts);
        l.sort();
        return l;
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string("level \"") + r.level + "\"");
        pn().Label_niveau.setCaption(QString::fromLatin1(r.level));
        afficher_boutons_notes_pn();
        EXPECT_EQ(sorted(shownNames()), sorted(QString::fromLatin1(r.shown)));
    }
}

// Levels 1 to 4 draw the staff games' tables; every note of every level has its picture in
// all eight styles and its sad face in smiley, a key the note player sounds ("8", never
// "08") and a name whose button the level shows.
TEST_F(PnScreen, EveryNoteOfEveryLevelCanBeShownSoundedAndAnswered)
{
    const QStringList firstFour[4] = {
        {"19_si", "20_do_s", "20_do_f", "22_re"},
        {"17_la", "19_si", "20_do_s", "20_do_f", "22_re", "24_mi"},
        {"15_sol", "17_la", "19_si", "20_do_s", "20_do_f", "22_re", "24_mi", "25_fa"},
        {"13_fa", "15_sol", "17_la", "19_si", "20_do_s", "20_do_f", "22_re", "24_mi", "25_fa", "27_sol"},
    };
    const platform::ResourceModule* catalogue = platform::ResourceModule::embedded();
    for (int level = 1; level <= 14; ++level) {
        SCOPED_TRACE(level);
        const std::vector<NotePn> notes = notes_du_niveau(level);
        ASSERT_FALSE(notes.empty());
        QStringList pictures;
        for (const NotePn& n : notes)
            pictures << n.name;
        if (level <= 4) {
            EXPECT_EQ(pictures, firstFour[level - 1]);
        }
        // The level picture and the game read the same list.
        QStringList listed;
        for (const std::string& p : staff_name_notes::levelNotes(level))
            listed << QString::fromStdString(p);
        std::sort(listed.begin(), listed.end());
        std::sort(pictures.begin(), pictures.end());
        EXPECT_EQ(pictures, listed);

        pn().Label_niveau.setCaption(str(level));
        for (platform::Label* b : pn().boutons_noms())
            b->setVisible(false);
        afficher_boutons_notes_pn();
        for (const NotePn& n : notes) {
            SCOPED_TRACE(n.name.toStdString());
            for (const char* style : games::common::kNoteStyles)
                EXPECT_TRUE(catalogue->find(QString::fromLatin1(style), n.name)) << style;
            EXPECT_TRUE(catalogue->find(QStringLiteral("smiley"), n.name + "_2"));
            EXPECT_GE(n.key, 1);
            EXPECT_LE(n.key, 39);
            EXPECT_TRUE(n.name.startsWith(QStringLiteral("%1_").arg(n.key, 2, 10, QLatin1Char('0'))));
            platform::Label* button = pn().bouton_du_nom(n.nom);
            ASSERT_NE(button, nullptr) << n.nom.toStdString();
            EXPECT_TRUE(button->visible());
        }
    }
}

// What the higher levels ask: the naturals widen to level 7, level 8 asks sharps only, level 9
// flats only, levels 10 to 14 every name over a range widening to the whole piano.
TEST(PnLevelNotes, HigherLevels)
{
    struct Row { int level; int count; int lowest; int highest; const char* names; };
    const Row rows[] = {
        {5, 12, 12, 29, "do fa la mi re si sol"},
        {6, 14, 10, 31, "do fa la mi re si sol"},
        {7, 16, 8, 32, "do fa la mi re si sol"},
        {8, 16, 8, 32, "dod fad lad mid red sid sold"},
        {9, 16, 9, 31, "dob fab lab mib reb sib solb"},
        {10, 49, 8, 32, kAll},
        {14, 72, 1, 39, kAll},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.level);
        const std::vector<NotePn> notes = notes_du_niveau(r.level);
        EXPECT_EQ(static_cast<int>(notes.size()), r.count);
        QSet<QString> names;
        int lowest = 99, highest = 0;
        for (const NotePn& n : notes) {
            names.insert(n.nom);
            lowest = std::min(lowest, n.key);
            highest = std::max(highest, n.key);
        }
        EXPECT_EQ(lowest, r.lowest);
        EXPECT_EQ(highest, r.highest);
        QStringList sorted(names.begin(), names.end());
        sorted.sort();
        QStringList expected = QString::fromLatin1(r.names).split(' ');
        expected.sort();
        EXPECT_EQ(sorted, expected);
    }
    EXPECT_TRUE(notes_du_niveau(0).empty());
    EXPECT_TRUE(notes_du_niveau(15).empty());
}

// Each draw is uniform over the level's notes: a random number in the k-th K-th of [0, 1)
// draws the k-th note.
TEST_F(PnScreen, DrawsAreUniformOverTheLevel)
{
    for (int level : {1, 4, 8, 14}) {
        SCOPED_TRACE(level);
        const std::vector<NotePn> notes = notes_du_niveau(level);
        const int count = static_cast<int>(notes.size());
        for (int k = 0; k < count; ++k) {
            random.script = {(k + 0.5) / count};
            const std::optional<games::common::DrawnNote> drawn = games::staff_name::tirer_note_pn(level);
            ASSERT_TRUE(drawn);
            EXPECT_EQ(drawn->note.name, notes[static_cast<size_t>(k)].name);
        }
    }
    random.script = {0.999999999};
    EXPECT_EQ(games::staff_name::tirer_note_pn(1)->note.name, "22_re");
    EXPECT_FALSE(games::staff_name::tirer_note_pn(15));
}

// The note appearance of a game: one chosen style; one of the chosen note values drawn at
// random; nothing chosen leaves nb_note as it was.
TEST_F(PnScreen, NoteAppearanceOfAGame)
{
    auto& b = platform::form<players::Form_bulles>();
    Form_pn& f = pn();
    for (platform::Image* image : {&b.Image_ronde, &b.Image_smiley, &b.Image_blanche, &b.Image_noire,
                                   &b.Image_croche, &b.Image_bulle, &b.Image_foot, &b.Image_basket})
        image->setBorderStyle(0);
    games::staff_name::choisir_apparence_note_pn();
    EXPECT_EQ(f.nb_note.caption(), "nb_note");
    b.Image_noire.setBorderStyle(1);
    games::staff_name::choisir_apparence_note_pn();
    EXPECT_EQ(f.nb_note.caption(), "4");
    b.Image_ronde.setBorderStyle(1);
    b.Image_noire.setBorderStyle(0);
    b.Image_croche.setBorderStyle(1);
    for (const auto& [r, style] : {std::pair{0.2, "1"}, {0.7, "5"}}) {
        random.script = {r};
        games::staff_name::choisir_apparence_note_pn();
        EXPECT_EQ(f.nb_note.caption(), style);
    }
}

} // namespace
} // namespace pn_test
