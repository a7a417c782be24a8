#include "shell/form_resolution.h"

#include "platform/shell.h"
#include "platform/vb.h"
#include "players/form_joueurs.h"

namespace shell {

Resolution lire_resolution()
{
    const QSize d = platform::displaySize();
    Resolution r;
    r.largeur = static_cast<qint16>(d.width());
    r.hauteur = static_cast<qint16>(d.height());
    return r;
}

Form_resolution::Form_resolution() : Form(QStringLiteral("Form_resolution"))
{
    setBorderStyle(3);
    setCaption(QStringLiteral("Corvalent"));
    setClientSize(3705, 2655);
    Frame1.place(120, 0, 3495, 2535);
    Label1.place(120, 240, 3135, 975);
    Label1.setAlignment(2);
    Label1.setFont(QStringLiteral("MS Sans Serif"), 9.75);
    Label1.setCaption(QStringLiteral("La résolution minimale pour pouvoir jouer avec Corvalent doit être de 800 x 600"));
    Label2.place(120, 1320, 3135, 615);
    Label2.setAlignment(2);
    Label2.setFont(QStringLiteral("MS Sans Serif"), 9.75);
    Label2.setCaption(QStringLiteral("Veuillez changer la résolution!"));
    Command1.place(1200, 1920, 1455, 375);
    Command1.setCaption(QStringLiteral("Ok!"));
    Command1.zOrder(0);
    Command1.onClick = [this] { Command1_Click(); };
    onDesktopClose = [this] { Command1_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void Form_resolution::Form_Load()
{
    centre();
    if (lire_resolution().largeur < 800) {
        Show();
        return;
    }
    platform::form<players::Form_joueurs>().Show();
    platform::unload(*this);
}

void Form_resolution::Command1_Click()
{
    // One measure serves both steps.
    const bool wide = lire_resolution().largeur >= 800;
    if (wide)
        platform::form<players::Form_joueurs>().Show();
    else
        platform::openDocument(QStringLiteral("Change_res.txt"));
    platform::unload(*this);
}

void Form_resolution::Timer1_Timer()
{
    if (lire_resolution().largeur >= 800)
        Command1.click();
}

} // namespace shell
