#include "games/common/game_screen.h"

#include "games/common/round.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/vb.h"
#include "players/form_options.h"

namespace games::common {

namespace {
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kLightYellow = 0xC0FFFF;
constexpr double kBarLeft = 120, kBarHeight = 135;
} // namespace

void texte_du_jeu(platform::Label& label, double left, double top, double width, int alignment)
{
    label.place(left, top, width, kTextHeight);
    label.setFont(QStringLiteral("Arial"), 9.75, true);
    label.setAlignment(alignment);
    label.setBackStyle(0);
}

void barres_du_jeu(platform::Label& rougeScore, platform::Label& barreScore, platform::Label& rougeTemps,
                   platform::Label& barreTemps, double scoreTop, double tempsTop)
{
    for (platform::Label* track : {&rougeScore, &rougeTemps})
        track->setBackColor(kRed);
    for (platform::Label* bar : {&barreScore, &barreTemps})
        bar->setBackColor(kLightYellow);
    rougeScore.place(kBarLeft, scoreTop, kFullBar, kBarHeight);
    barreScore.place(kBarLeft, scoreTop, kStartScoreBar, kBarHeight);
    rougeTemps.place(kBarLeft, tempsTop, kFullBar, kBarHeight);
    barreTemps.place(kBarLeft, tempsTop, 15, kBarHeight);
}

void entree_midi_du_jeu(platform::Label& port, platform::ListBox& list, platform::CommandButton& start)
{
    port.place(60, 120, 11835, 375);
    port.setBackColor(platform::colors::kWhite);
    port.setAlignment(2);
    port.setFont(QStringLiteral("Times New Roman"), 12, true);
    port.setVisible(false);
    list.place(4500, 1380, 2895, 1200);
    list.setVisible(false);
    start.place(4500, 2700, 2895, 375);
    start.setStyle(1);
    start.setBackColor(platform::colors::kWhite);
    start.setCaption(QStringLiteral("Ok"));
    start.setVisible(false);
}

QString duree_du_jeu()
{
    return platform::form<players::Form_options>().Text_temps.text();
}

} // namespace games::common
