#include "screenshots/player_shots.h"

#include "media/form_traduction.h"
#include "platform/forms.h"
#include "platform/store/password.h"
#include "players/form_bulles.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"
#include "players/form_options.h"
#include "players/form_password.h"
#include "players/player_database.h"

#include <QDir>
#include <QTemporaryDir>

#include <utility>

namespace shots {

using platform::form;
using namespace players;

namespace {

// The shots' folder, made once, with two players in its database.
void enterShotFolder()
{
    static QTemporaryDir folder;
    static bool ready = false;
    QDir::setCurrent(folder.path());
    if (ready)
        return;
    ready = true;
    if (platform::PlayerStore* store = playerDatabase()) {
        for (const auto& [name, password] : {std::pair{"Zoé", "piano"}, std::pair{"Lucas", ""}}) {
            platform::PlayerRow row = platform::newPlayerRow();
            row.setValue(u"Nom", QString::fromUtf8(name));
            row.setValue(u"password", platform::hashPassword(QString::fromUtf8(password)));
            store->insert(row);
        }
    }
}

} // namespace

platform::Form& prepareJoueursScreenshot()
{
    enterShotFolder();
    Form_joueurs& f = form<Form_joueurs>();
    f.Show();
    f.DBCombo1.pick(0);
    f.Text_password_test.setText(QStringLiteral("piano"));
    return f;
}

platform::Form& prepareNouveauJoueurScreenshot()
{
    enterShotFolder();
    form<Form_joueurs>().Show();
    form<Form_joueurs>().Command_nouveau.click();
    Form_nouveau_joueur& f = form<Form_nouveau_joueur>();
    f.Text_nom.setText(QStringLiteral("Emma"));
    f.Option1.setValue(true);
    f.Text_password.setText(QStringLiteral("violon"));
    return f;
}

platform::Form& prepareOptionsScreenshot()
{
    enterShotFolder();
    Form_options& f = form<Form_options>();
    f.Show();
    return f;
}

platform::Form& prepareBullesScreenshot()
{
    enterShotFolder();
    Form_bulles& f = form<Form_bulles>();
    f.Image_ronde.setBorderStyle(1);
    f.Image_noire.setBorderStyle(1);
    f.Show();
    return f;
}

platform::Form& preparePasswordScreenshot()
{
    enterShotFolder();
    Form_password& f = form<Form_password>();
    f.Label_password.setCaption(form<media::Form_traduction>().passe_incorret.caption());
    f.Show();
    return f;
}

} // namespace shots
