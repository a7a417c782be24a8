#include "level_choice/players_level_choice.h"

#include "media/form_traduction.h"
#include "platform/vb.h"
#include "players/form_joueurs.h"
#include "shell/looks.h"

#include <QPalette>

namespace level_choice {

namespace {
constexpr quint32 kRed = 0x0000FF;

void heading(platform::Label& label)
{
    label.setFont(QStringLiteral("Times New Roman"), 12, true);
    label.setForeColor(kRed);
    label.setBackStyle(0);
}

void onWhite(platform::Control& control)
{
    control.setFont(QStringLiteral("Times New Roman"), 12, true);
    control.setBackColor(platform::colors::kWhite);
    control.setForeColor(platform::colors::kBlack);
    // Option buttons fill their background from the button colour by default; they are to
    // show their own background colour.
    control.widget()->setBackgroundRole(QPalette::Window);
}
} // namespace

PlayersLevelChoice::PlayersLevelChoice(const QString& formName, const GameLevels& game)
    : LevelChoiceScreen(formName, game)
{
    whitePanel(Shape2);
    whitePanel(Shape3);
    Shape2.place(480, 720, 6315, 1755);
    Shape3.place(6900, 720, 4515, 1755);
    Shape1.place(480, 2760, 11055, 5175);

    for (platform::Label* label : {&Label_choix_nombre_joueurs, &Label_nom1, &Label_nom2,
                                   &Label_choix_souris_clavier, &Label_choisis_niveau})
        heading(*label);
    Label_choix_nombre_joueurs.place(720, 960, 2625, 375);
    Option1.place(3720, 960, 495, 345);
    Option2.place(4320, 960, 495, 345);
    Option1.setCaption(QStringLiteral("1"));
    Option2.setCaption(QStringLiteral("2"));
    Option1.setValue(true);
    Label_nom1.place(720, 1440, 2865, 375);
    Text_nom1.place(3720, 1440, 2895, 375);
    Label_nom2.place(720, 1800, 2865, 375);
    Text_nom2.place(3720, 1800, 2895, 375);
    Label_nom2.setVisible(false);
    Text_nom2.setVisible(false);
    for (platform::TextBox* name : {&Text_nom1, &Text_nom2})
        name->setFont(QStringLiteral("Times New Roman"), 12);

    Label_choix_souris_clavier.place(7140, 840, 4095, 495);
    Frame3.place(7020, 1320, 4095, 975);
    Frame3.setBorderStyle(0);
    Frame3.setBackColor(platform::colors::kWhite);
    Option3.place(120, -60, 2655, 375);
    Option4.place(120, 240, 2655, 375);
    Option5.place(120, 540, 3795, 375);
    Option3.setValue(true);
    Metronome_stop.place(11160, 1440, 750, 1125);

    Label_choisis_niveau.place(720, 2880, 3450, 375);
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &Option1, &Option2, &Option3, &Option4, &Option5, &Frame1, &Frame2})
        onWhite(*c);
    Image_niveau.place(720, 4200, 10530, 3570);
    Label_jouer.place(9960, 8550, 1935, 375);

    Option1.onClick = [this] { Option1_Click(); };
    Option2.onClick = [this] { Option2_Click(); };
}

void PlayersLevelChoice::loadTexts(const media::Form_traduction& texts)
{
    LevelChoiceScreen::loadTexts(texts);
    Label_choix_nombre_joueurs.setCaption(texts.nombre_de_joueurs.caption());
    Label_nom1.setCaption(texts.nom_du_joueur_1.caption());
    Label_nom2.setCaption(texts.nom_du_joueur_2.caption());
    // "Nombre del segundo jugador" is wider than the room left of the name box.
    for (platform::Label* label : {&Label_nom1, &Label_nom2})
        shell::ajuster_a_la_largeur(*label);
    Label_choix_souris_clavier.setCaption(texts.utilisation_souris_clavier.caption());
    Option3.setCaption(texts.utilisation_souris.caption());
    Option4.setCaption(texts.utilisation_clavier.caption());
    Option5.setCaption(texts.utilisation_midi.caption());
    Label_choisis_niveau.setCaption(texts.choix_du_niveau.caption());
    Frame1.setCaption(texts.un_ou_deux_joueurs.caption());
    Frame2.setCaption(texts.un_joueur.caption());
    Text_nom1.setText(platform::form<players::Form_joueurs>().DBCombo1.text());
}

void PlayersLevelChoice::Option1_Click()
{
    // The second name stays typed; the computer keyboard stays chosen after two players.
    Label_nom2.setVisible(false);
    Text_nom2.setVisible(false);
    Label_score.setEnabled(true);
    Option3.setEnabled(true);
    Option5.setEnabled(true);
}

void PlayersLevelChoice::Option2_Click()
{
    // SCORE is a one-player entry: when it was the selection, level 1 takes it over; any
    // other selected level stays the only selection.
    const bool scoreWasSelected = Label_score.appearance() == 1;
    if (scoreWasSelected)
        select(levelEntry(1));
    Option3.setEnabled(false);
    Option4.setValue(true);
    Option5.setEnabled(false);
    Label_nom2.setVisible(true);
    Text_nom2.setVisible(true);
    Label_score.setEnabled(false);
    // Last, so that a picture that fails to load leaves the two-player choice complete.
    if (scoreWasSelected)
        showLevelPicture(1);
}

} // namespace level_choice
