#include "level_choice/level_choice_screen.h"

#include "media/form_image.h"
#include "media/form_traduction.h"
#include "media/res_picture.h"
#include "platform/resources.h"
#include "platform/vb.h"
#include "shell/looks.h"

namespace level_choice {

namespace {
constexpr quint32 kRed = 0x0000FF;
constexpr double kEntryPoints = 20.25;
} // namespace

QString levelPictureName(const GameLevels& game, int level)
{
    return game.picturePrefix() + QStringLiteral("%1").arg(level, game.pictureDigits, 10, QLatin1Char('0'));
}

QPixmap storedMetronome(const QString& colour)
{
    const QString name = QStringLiteral("Metronome_droite_") + colour;
    for (platform::Image* image : platform::form<media::Form_image>().images())
        if (image->name() == name)
            return image->picture();
    return {};
}

LevelChoiceScreen::LevelChoiceScreen(const QString& formName, const GameLevels& game)
    : Form(formName), game_(game)
{
    setBorderStyle(0);
    setCaption(QStringLiteral("Tastevolo"));
    setClientSize(12000, 9000);

    whitePanel(Shape1);

    Image_niveau.setStretch(true);
    Metronome_stop.setStretch(true);
    // The still metronome of the screen's design.
    Metronome_stop.setPicture(platform::designPicture(formName, QStringLiteral("Metronome_stop")));

    shell::makeTextButton(Label_retour);
    shell::makeTextButton(Label_jouer);
    Label_retour.place(120, 8520, 1935, 375);
    Label_retour.onClick = [this] { Label_retour_Click(); };
    Label_jouer.onClick = [this] { Label_jouer_Click(); };
    onDesktopClose = [this] { Label_retour_Click(); };

    Command_niveau.setCaption(QStringLiteral("Command1"));
    Command_niveau.place(12600, 120, 1215, 495);
    Command_niveau.setEnabled(false);
    Command_niveau.onClick = [this] { Command_niveau_Click(); };
}

void LevelChoiceScreen::whitePanel(platform::Shape& panel)
{
    panel.setFillStyle(0);
    panel.setFillColor(platform::colors::kWhite);
    panel.setBorderColor(platform::colors::kBlack);
    panel.zOrder(1);
}

void LevelChoiceScreen::setEntries(std::vector<platform::Label*> levels, platform::Label& score)
{
    levels_ = std::move(levels);
    score_ = &score;
    auto entryLook = [](platform::Label& entry) {
        entry.setFont(QStringLiteral("MS Sans Serif"), kEntryPoints, true);
        entry.setAlignment(2);
        entry.setBorderStyle(1);
        entry.setBackColor(platform::colors::kWindowBackground);
        entry.setForeColor(platform::colors::kBlack);
        entry.setAppearance(0);
        shell::useHandPointer(entry);
    };
    for (int level = 1; level <= levelCount(); ++level) {
        platform::Label& entry = levelEntry(level);
        entryLook(entry);
        entry.setCaption(platform::str(level));
        entry.setEnabled(level == 1);
        entry.onClick = [this, level] { Label_niveau_Click(level); };
    }
    platform::Label& first = levelEntry(1);
    first.setAppearance(1);
    first.setBackColor(platform::colors::kWhite);
    first.setForeColor(kRed);
    entryLook(score);
    score.onClick = [this] { Label_score_Click(); };
}

void LevelChoiceScreen::Form_Load()
{
    centre();
    setPicture(media::loadResourcePicture(QStringLiteral("fond"), game_.colour));
    showLevelPicture(1);
    loadTexts(platform::form<media::Form_traduction>());
    // Run here rather than through the named action, so that a failure fails the load and
    // the screen is never shown half-built.
    Command_niveau_Click();
}

void LevelChoiceScreen::loadTexts(const media::Form_traduction& texts)
{
    score_->setCaption(texts.score.caption());
    Label_retour.setCaption(texts.retour.caption());
    Label_jouer.setCaption(texts.suivant.caption());
}

int LevelChoiceScreen::selectedLevel() const
{
    for (int level = 1; level <= levelCount(); ++level)
        if (levelEntry(level).appearance() == 1)
            return level;
    return 0;
}

QString LevelChoiceScreen::pictureName(int level) const { return levelPictureName(game_, level); }

void LevelChoiceScreen::showLevelPicture(int level)
{
    Image_niveau.setPicture(media::loadResourcePicture(QStringLiteral("niveaux"), pictureName(level)));
}

void LevelChoiceScreen::Command_niveau_Click()
{
    // Exact text comparison: " 4", "04" or "4.0" unlock nothing.  Levels are only ever enabled.
    const QString progress = game_.progress().caption();
    for (const auto& [text, highest] : game_.unlocks) {
        if (progress != text)
            continue;
        for (int level = 2; level <= highest; ++level)
            levelEntry(level).setEnabled(true);
        return;
    }
}

void LevelChoiceScreen::select(platform::Label& entry)
{
    entry.setAppearance(1);
    entry.setBackColor(platform::colors::kWindowBackground);
    entry.setForeColor(kRed);
    // Only the raised look goes: an entry selected before keeps its colours.
    for (platform::Label* other : levels_)
        if (other != &entry)
            other->setAppearance(0);
    if (score_ != &entry)
        score_->setAppearance(0);
}

void LevelChoiceScreen::Label_niveau_Click(int level)
{
    platform::Label& entry = levelEntry(level);
    if (entry.appearance() != 0)
        return;
    select(entry);
    showLevelPicture(level);
}

void LevelChoiceScreen::Label_score_Click()
{
    if (score_->appearance() != 0)
        return;
    select(*score_);
    // SCORE shows the last level's picture.
    showLevelPicture(levelCount());
}

void LevelChoiceScreen::Label_retour_Click() { platform::unload(*this); }

void LevelChoiceScreen::Label_jouer_Click()
{
    const int level = selectedLevel();
    if (level != 0) {
        launch(level);
        return;
    }
    if (score_->appearance() != 1)
        return;
    // SCORE: a scored run, played at the screen's last level.
    struct ScoredLaunch {
        bool& flag;
        explicit ScoredLaunch(bool& f) : flag(f) { flag = true; }
        ~ScoredLaunch() { flag = false; }
    } scored(scoredRun_);
    launch(levelCount());
}

void LevelChoiceScreen::markScoredRun(platform::Label& save_score) const { save_score.setVisible(scoredRun_); }

// The screens whose game screen is not built yet launch nothing.
void LevelChoiceScreen::launch(int) {}

} // namespace level_choice
