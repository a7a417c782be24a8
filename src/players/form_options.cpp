#include "players/form_options.h"

#include "media/form_traduction.h"
#include "platform/vb.h"
#include "players/dialog_look.h"
#include "players/module2.h"
#include "shell/looks.h"

#include <utility>

namespace players {

Form_options::Form_options()
    : Form(QStringLiteral("Form_options")),
      options_{&Option1, &Option2,  &Option3,  &Option4,  &Option5,  &Option6,  &Option7,  &Option8,
               &Option9, &Option10, &Option11, &Option12, &Option13, &Option14, &Option15, &Option16}
{
    setBorderStyle(0);
    setClientSize(5535, 4095);
    Shape1.place(0, 0, 5535, 4095);

    // The texts beside the buttons are fixed, in every language.
    const std::array<std::pair<platform::Label*, const char*>, 16> textes{{
        {&Label_temp10, "30 secondes"},
        {&Label11, "45 secondes"},
        {&Label14, "1 minutes"},
        {&Label15, "1 minute 30 secondes"},
        {&Label16, "2 minutes"},
        {&Label12, "2 minutes 30 secondes"},
        {&Label17, "3 minutes"},
        {&Label13, "3 minutes 30 secondes"},
        {&Label18, "4 minutes"},
        {&Label19, "5 minutes"},
        {&Label20, "6 minutes"},
        {&Label21, "7 minutes"},
        {&Label22, "8 minutes"},
        {&Label23, "9 minutes"},
        {&Label24, "10 minutes"},
        {&Label1, "15 minutes"},
    }};
    for (int k = 1; k <= 16; ++k) {
        const bool gauche = k <= 8;
        const double left = gauche ? 240 : 3240;
        const double top = 360 + 360 * ((k - 1) % 8);
        platform::OptionButton& button = option(k);
        button.place(left, top, 255, 255);
        button.setBackColor(0xFF8080);
        button.onClick = [this, k] { Option_Click(k); };
        platform::Label& label = *textes[k - 1].first;
        label.place(left + 480, top, gauche ? 2415 : 1695, 285);
        label.setFont(QStringLiteral("Times New Roman"), 12);
        label.setBackStyle(0);
        label.setCaption(QString::fromUtf8(textes[k - 1].second));
    }
    Option3.setValue(true);

    Label_retour.place(1800, 3480, 1935, 375);
    shell::makeTextButton(Label_retour);
    Label_retour.onClick = [this] { Label_retour_Click(); };
    onDesktopClose = [this] { Label_retour_Click(); };

    Text_temps.place(7000, 0, 1000, 285);
    Text_temps.setText(QStringLiteral("60"));
    Text_temps.setVisible(false);
    Label_jeu.place(7000, 300, 1000, 255);
    Label_jeu.setVisible(false);
}

void Form_options::Form_Load()
{
    centrer_sur_fond_bleu(*this);
    Label_retour.setCaption(platform::form<media::Form_traduction>().fermer.caption());
}

void Form_options::Option_Click(int k) { Text_temps.setText(platform::str(kSecondesDuree[k - 1])); }

void Form_options::Label_retour_Click()
{
    enregistrer_duree();
    Hide();
}

} // namespace players
