#include "media/form_bruitage.h"

#include "media/form_traduction.h"
#include "media/res_picture.h"
#include "platform/audio/effect_player.h"
#include "platform/resources.h"
#include "platform/vb.h"
#include "players/module2.h"
#include "shell/looks.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace media {

namespace {

// The rows of the dialog from the top, and the effect (1 to 8) each one holds.
constexpr std::array<double, 8> kHautRangees{240, 600, 960, 1320, 1680, 2040, 2400, 2760};
constexpr std::array<int, 8> kBruitageDeLaRangee{1, 2, 4, 3, 5, 6, 7, 8};

} // namespace

Form_bruitage::Form_bruitage()
    : Form(QStringLiteral("Form_bruitage")),
      switches_{&Check1, &Check2, &Check3, &Check4, &Check5, &Check6, &Check7, &Check8},
      pictures_{&Label_son1, &Label_son2, &Label_son3, &Label_son4,
                &Label_son5, &Label_son6, &Label_son7, &Label_son8}
{
    setBorderStyle(0);
    setClientSize(2670, 3855);
    Shape1.place(0, 0, 2670, 3855);

    const QPixmap hautParleur = platform::designPicture(formName(), QStringLiteral("Label_son"));
    for (std::size_t rangee = 0; rangee < kHautRangees.size(); ++rangee) {
        const int k = kBruitageDeLaRangee[rangee];
        const double top = kHautRangees[rangee];
        platform::CheckBox& interrupteur = Check(k);
        interrupteur.place(360, top, 255, 375);
        interrupteur.setBackColor(platform::colors::kWhite);
        platform::Image& image = Label_son(k);
        // The picture first: an image takes its picture's size, the test area is wider.
        image.setPicture(hautParleur);
        image.place(720, top, 1335, 300);
        shell::makePictureButton(image);
        image.onClick = [this, k] { Label_son_Click(k); };
    }

    Label_fermer_bruitages.place(600, 3360, 1575, 375);
    shell::makeTextButton(Label_fermer_bruitages);
    Label_fermer_bruitages.onClick = [this] { Label_fermer_bruitages_Click(); };
    onDesktopClose = [this] { Label_fermer_bruitages_Click(); };

    Command_faux.place(3000, 240, 1215, 375);
    Command_faux.setCaption(QStringLiteral("Command_faux"));
    Command_faux.onClick = [this] { Command_faux_Click(); };
    Command_stop.place(3000, 720, 1215, 375);
    Command_stop.setCaption(QStringLiteral("Command_stop"));
    Command_stop.onClick = [this] { Command_stop_Click(); };
    Command_test.place(3000, 1200, 1215, 375);
    Command_test.setCaption(QStringLiteral("Command_test"));
    Command_test.onClick = [this] { Command_test_Click(); };
    Label_test_bruitages.place(3000, 1680, 1215, 255);
}

Form_bruitage::~Form_bruitage() = default;

void Form_bruitage::Form_Load()
{
    centre();
    Label_fermer_bruitages.setCaption(platform::form<Form_traduction>().fermer.caption());
    {
        ResPicture rp;
        rp.setFileName(platform::programFile());
        setPicture(rp.LoadResPicture("fond", "bleu"));
    }
    performance_musique_ = platform::makeEffectPlayer();
    QString erreur;
    if (!performance_musique_->init(&erreur)) {
        // The dialog goes on without effects; every effect asked for says so again.
        signaler_echec();
        return;
    }
    lecteurPret_ = true;
    // Down from the start, so that not even the first moment of the first effect is louder.
    performance_musique_->setMasterVolumeDb(kVolumeBruitagesDb);
}

void Form_bruitage::Form_Unload()
{
    if (performance_musique_) {
        performance_musique_->close();
        performance_musique_.reset();
    }
    lecteurPret_ = false;
}

void Form_bruitage::signaler_echec()
{
    platform::msgBox(platform::form<Form_traduction>().Label_directx.caption());
}

bool Form_bruitage::charger_bruitage(int index)
{
    // Read from the program file at every play: no effect is held in memory between plays.
    platform::ResourceModule* programme = platform::ResourceModule::embedded();
    const std::optional<QString> chemin =
        programme->find(QStringLiteral("DMSEG"), QLatin1String(kNomsBruitages.at(static_cast<std::size_t>(index))));
    const QByteArray octets = chemin ? programme->bytes(*chemin) : QByteArray();
    if (octets.isEmpty()) {
        signaler_echec();
        return false;
    }
    segment_bruitage_ = octets;
    return true;
}

void Form_bruitage::jouer_segment()
{
    QString erreur;
    if (!performance_musique_ || !performance_musique_->play(segment_bruitage_, &erreur)) {
        signaler_echec();
        return;
    }
    performance_musique_->setMasterVolumeDb(kVolumeBruitagesDb);
}

void Form_bruitage::Command_faux_Click()
{
    std::vector<int> actifs;
    for (int k = 1; k <= 8; ++k) {
        if (Check(k).value() == 1)
            actifs.push_back(k - 1);
    }
    if (actifs.empty())
        return;
    // One draw among the enabled effects: each of them comes with the same chance.
    platform::randomize();
    const auto n = static_cast<int>(actifs.size());
    const int tirage = std::clamp(static_cast<int>(platform::rnd() * n), 0, n - 1);
    if (charger_bruitage(actifs[static_cast<std::size_t>(tirage)]))
        jouer_segment();
}

void Form_bruitage::Command_stop_Click()
{
    // Stopping never complains, also before the first effect.
    if (performance_musique_)
        performance_musique_->stop();
}

void Form_bruitage::Command_test_Click()
{
    // The dialog writes "0" to "7"; any other index replays the effect loaded last.
    const double k = std::round(platform::val(Label_test_bruitages.caption()));
    if (k >= 0 && k <= 7 && !charger_bruitage(static_cast<int>(k)))
        return;
    jouer_segment();
}

void Form_bruitage::Label_son_Click(int k)
{
    Label_test_bruitages.setCaption(platform::str(k - 1));
    Command_test.setValue(true);
}

void Form_bruitage::Label_fermer_bruitages_Click()
{
    Hide();
    players::enregistrer_bruitages();
}

} // namespace media
