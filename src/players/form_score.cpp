#include "players/form_score.h"

#include "media/form_traduction.h"
#include "platform/resources.h"
#include "platform/vb.h"
#include "players/file_failure_message.h"
#include "players/form_options.h"
#include "shell/looks.h"

namespace players {

namespace {
constexpr double kWidth = 4935;
constexpr double kHeight = 4215;
constexpr double kListLeft = 120, kListTop = 1080, kListWidth = 4695, kListHeight = 2580;
// The entry row lies below the visible area.
constexpr double kEntryTop = 5880;
constexpr int kRows = 10;
constexpr int kEnter = 13;
} // namespace

Form_score::Form_score() : Form(QStringLiteral("Form_score"))
{
    setBorderStyle(0);
    setCaption(QStringLiteral("Tastevolo"));
    setClientSize(kWidth, kHeight);
    // The screen's own font: names narrower than ten "N" in it are padded.
    QFont own(QStringLiteral("Liberation Sans"));
    own.setPixelSize(11);
    setFont(own);
    setKeyPreview(true);

    Image_fond.place(0, 0, kWidth, kHeight);
    Image_fond.setStretch(true);
    Image_fond.setPicture(platform::designPicture(formName(), Image_fond.name()));

    Label_affiche.place(120, 240, 4695, 735);
    Label_affiche.setFont(QStringLiteral("Times New Roman"), 27.75, true);
    Label_affiche.setAlignment(2);
    Label_affiche.setBackStyle(0);
    Label_affiche.setForeColor(0x0000C0);

    lstScores.place(kListLeft, kListTop, kListWidth, kListHeight);
    lstScores.setFont(QStringLiteral("Times New Roman"), 11.25, true);
    // Ten rows that fit, the scores in a right-aligned column.
    const double frame = platform::pixelsToTwips(lstScores.frameWidth());
    lstScores.setRowHeight(std::floor((kListHeight - 2 * frame) / kRows / platform::kTwipsPerPixel) *
                           platform::kTwipsPerPixel);
    lstScores.setRightTab(kListWidth - 2 * frame - 120);
    lstScores.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The table is only shown: taking the keyboard would make its first row current, and a
    // refused score would then look like a first place.
    lstScores.setFocusPolicy(Qt::NoFocus);

    Label_quitter.place((kWidth - 1935) / 2, 3720, 1935, 375);
    shell::makeTextButton(Label_quitter);
    Label_quitter.onClick = [this] { Label_quitter_Click(); };

    Label2.place(120, kEntryTop, 1935, 255);
    Label2.setCaption(QStringLiteral("Enter In New Score:"));
    txtName.place(2160, kEntryTop, 1455, 285);
    txtName.setText(QStringLiteral("Your Name"));
    txtScore.place(3720, kEntryTop, 1095, 285);
    txtScore.setText(QStringLiteral("Your Score"));
    Command1.place(4920, kEntryTop, 1095, 375);
    Command1.setCaption(QStringLiteral("Add Score"));
    Command1.onClick = [this] { Command1_Click(); };

    onKeyDown = [this](int& keyCode, int) {
        if (keyCode == kEnter)
            Label_quitter_Click();
    };
    onDesktopClose = [this] { Label_quitter_Click(); };
}

void Form_score::Form_Load()
{
    centre();
    if (!scores_)
        scores_ = std::make_unique<HighScoreList>();
    HighScoreList& list = *scores_;
    list.SetListCount(kRows);
    const QString game = platform::form<Form_options>().Label_jeu.caption();
    // Another code keeps the file chosen before, or "Scores.tvo".
    if (game == QLatin1String("pn"))
        list.FileName(list.DefaultFileName_pn());
    else if (game == QLatin1String("pp"))
        list.FileName(list.DefaultFileName_pp());
    else if (game == QLatin1String("pp2"))
        list.FileName(list.DefaultFileName_pp2());
    else if (game == QLatin1String("pp3"))
        list.FileName(list.DefaultFileName_pp3());
    else if (game == QLatin1String("nn"))
        list.FileName(list.DefaultFileName_nn());
    else if (game == QLatin1String("nn2"))
        list.FileName(list.DefaultFileName_nn2());
    list.clearFailure();
    list.FillScoreList(lstScores);
    auto& texts = platform::form<media::Form_traduction>();
    Label_affiche.setCaption(texts.score.caption());
    Label_quitter.setCaption(texts.fermer.caption());
    signalerEchec();
}

void Form_score::Command1_Click()
{
    if (!scores_)
        return;
    QString name = txtName.text();
    scores_->AddHighScore(lstScores, name, HighScoreList::readScore(txtScore.text()));
    signalerEchec();
}

void Form_score::signalerEchec()
{
    const auto& failure = scores_->lastFailure();
    if (!failure || echecSignale_)
        return;
    echecSignale_ = true;
    signaler_echec_fichier(platform::form<media::Form_traduction>().score_non_enregistre.caption(), failure->kind,
                           failure->file + QStringLiteral(": ") + failure->reason, 48);
}

void Form_score::Label_quitter_Click() { platform::unload(*this); }

void entrer_score(const QString& codeJeu, const QString& nom, const QString& score)
{
    platform::form<Form_options>().Label_jeu.setCaption(codeJeu);
    platform::unload<Form_score>();
    Form_score& screen = platform::form<Form_score>();
    screen.txtName.setText(nom);
    screen.txtScore.setText(score);
    screen.Command1.setValue(true);
    screen.Show(1);
}

} // namespace players
