#include "screenshots/score_shot.h"

#include "platform/resources.h"
#include "players/form_options.h"
#include "players/form_score.h"

#include <QFile>
#include <QTemporaryDir>

namespace shots {

platform::Form& prepareScoreScreenshot()
{
    // The score files of the shot go to a folder of their own, not beside the tool.
    static QTemporaryDir folder;
    platform::setProgramFolderOverride(folder.path());
    QFile::remove(folder.filePath(QStringLiteral("Scores_pp.tvo")));
    platform::form<players::Form_options>().Label_jeu.setCaption(QStringLiteral("pp"));
    const std::pair<const char*, const char*> entries[] = {
        {"Zoé", "412"},   {"Lucas", "385"},  {"Maximilien-Alexandre", "370"}, {"Léa", "352"},
        {"Inès", "340"},  {"Hugo", "318"},   {"Chloé", "297"},               {"Noé", "265"},
        {"Emma", "240"},  {"Lucas", "185"},
    };
    for (const auto& [name, score] : entries) {
        platform::unload<players::Form_score>();
        players::Form_score& f = platform::form<players::Form_score>();
        f.txtName.setText(QString::fromUtf8(name));
        f.txtScore.setText(QString::fromUtf8(score));
        f.Command1.click();
    }
    // The player's new entry, selected.
    players::Form_score& f = platform::form<players::Form_score>();
    platform::unload(f);
    players::Form_score& shown = platform::form<players::Form_score>();
    shown.txtName.setText(QStringLiteral("Léa"));
    shown.txtScore.setText(QStringLiteral("301"));
    shown.Command1.click();
    shown.Show();
    return shown;
}

} // namespace shots
