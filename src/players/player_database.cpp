#include "players/player_database.h"

#include "media/form_traduction.h"
#include "platform/controls.h"
#include "players/language_file.h"

#include <QDir>

namespace players {

namespace {

struct Database {
    platform::PlayerStore store;
    QString path;  // the file the store is open on
    QString error;
};

Database& database()
{
    static Database d;
    return d;
}

// A text of our own in the current language (French, English, Spanish), then the detail.
QString inLanguage(const char* fr, const char* en, const char* es, const QString& detail)
{
    const char* const texts[] = {fr, fr, en, es};
    QString message = QString::fromUtf8(texts[numero_langue(media::currentLanguage())]);
    if (!detail.isEmpty())
        message += QStringLiteral("\n\n") + detail;
    return message;
}

} // namespace

platform::PlayerStore* playerDatabase()
{
    Database& d = database();
    const QString path = QDir::current().absoluteFilePath(QLatin1String(platform::kPlayerDatabaseFile));
    if (d.store.isOpen() && d.path == path)
        return &d.store;
    d.path = path;
    if (!d.store.open(path)) {
        d.error = d.store.error();
        return nullptr;
    }
    d.error.clear();
    return &d.store;
}

QString playerDatabaseError()
{
    return database().error;
}

void closePlayerDatabase()
{
    database().store.close();
    database().path.clear();
}

QString texteBaseInutilisable(const QString& detail)
{
    return inLanguage(
        "Le fichier des joueurs JOUEURS.MDB ne peut pas servir. Il n'a pas été modifié ; "
        "Tastevolo va s'arrêter.",
        "The player file JOUEURS.MDB cannot be used. It was left as it was; Tastevolo will stop.",
        "El archivo de jugadores JOUEURS.MDB no se puede usar. No se ha modificado; Tastevolo "
        "se va a cerrar.",
        detail);
}

QString texteEnregistrementImpossible(const QString& detail)
{
    return inLanguage("Les données du joueur n'ont pas été enregistrées.",
                      "The player's data was not saved.",
                      "Los datos del jugador no se han guardado.", detail);
}

// ------------------------------------------------------------------------------- DataSource

void DataSource::bind(const char* column, std::function<void(const QString&)> show,
                      std::function<QString(const QString&)> take)
{
    bindings_.push_back({QString::fromLatin1(column), std::move(show), std::move(take)});
}

void DataSource::bind(const char* column, platform::Label& label)
{
    bind(column, [&label](const QString& v) { label.setCaption(v); },
         [&label](const QString&) { return label.caption(); });
}

void DataSource::bind(const char* column, platform::TextBox& box)
{
    bind(column, [&box](const QString& v) { box.setText(v); },
         [&box](const QString&) { return box.text(); });
}

bool DataSource::open()
{
    error_.clear();
    chosen_ = false;
    platform::PlayerStore* store = playerDatabase();
    if (!store) {
        cursor_.reset();
        error_ = playerDatabaseError();
        showRow();
        return false;
    }
    cursor_.emplace(*store);
    error_ = cursor_->error();
    showRow();
    return error_.isEmpty();
}

bool DataSource::moveTo(platform::PlayerBookmark bookmark)
{
    error_.clear();
    if (!cursor_ && !open())
        return false;
    if (!cursor_->moveTo(bookmark)) {
        error_ = cursor_->error();
        return false;
    }
    chosen_ = true;
    showRow();
    return true;
}

void DataSource::addNew()
{
    error_.clear();
    if (!cursor_ && !open())
        return;
    if (!cursor_->isPending())
        chosenBeforeNew_ = chosen_;
    cursor_->addNew();
    showRow();
}

bool DataSource::save()
{
    error_.clear();
    if (!cursor_) {
        error_ = playerDatabaseError();
        if (error_.isEmpty())
            error_ = QStringLiteral("The player database is not open.");
        return false;
    }
    if (!chosen_ && !cursor_->isPending()) {
        error_ = QStringLiteral("The player cannot be saved: no player is chosen.");
        return false;
    }
    const bool newRow = cursor_->isPending();
    for (const Binding& b : bindings_)
        cursor_->setValue(b.column, b.take(cursor_->value(b.column)));
    if (!cursor_->save()) {
        error_ = cursor_->error();
        return false;
    }
    // A new row once stored is no login: nothing more is saved into it until a player is
    // chosen again.
    if (newRow)
        chosen_ = false;
    showRow();
    return true;
}

void DataSource::cancel()
{
    error_.clear();
    if (!cursor_)
        return;
    if (cursor_->isPending())
        chosen_ = chosenBeforeNew_;
    cursor_->cancel();
    error_ = cursor_->error();
    if (!cursor_->bookmark())
        chosen_ = false;
    showRow();
}

std::optional<platform::PlayerBookmark> DataSource::bookmark() const
{
    return cursor_ ? cursor_->bookmark() : std::nullopt;
}

bool DataSource::isPending() const
{
    return cursor_ && cursor_->isPending();
}

QString DataSource::value(QStringView column) const
{
    return cursor_ ? cursor_->value(column) : QString();
}

void DataSource::showRow()
{
    for (const Binding& b : bindings_)
        b.show(cursor_ ? cursor_->value(b.column) : QString());
}

} // namespace players
