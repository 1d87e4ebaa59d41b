#pragma once
// The per-user settings store: strings by application, section and key, in one INI file.
// Every write reaches the disk before it returns; a write that cannot be made raises ErreurStockage
// and leaves the file as it was.
#include <QList>
#include <QString>
#include <cerrno>
#include <stdexcept>

namespace storage {

// A failure of the store, with the number and description the score recording reports, and what
// the system said (errno of the call that failed; 0: nothing to tell).
class ErreurStockage : public std::runtime_error {
public:
    ErreurStockage(int numero, const QString& description, int systeme = 0) :
        std::runtime_error(description.toStdString()),
        numero_(numero),
        description_(description),
        systeme_(systeme)
    {
    }
    int numero() const { return numero_; }
    QString description() const { return description_; }
    int systeme() const { return systeme_; }

private:
    int numero_;
    QString description_;
    int systeme_;
};

// What the system said (an errno), in a few French words a player understands.
QString raisonSysteme(int code);

// The INI file: $XDG_CONFIG_HOME/Chromalis/Chromalis.ini (~/.config/... by default).
QString cheminReglages();

// No store the game writes is larger: a bigger file is not ours and is never read into memory.
inline constexpr qint64 taille_max_reglages = 16 << 20;

// The stored value, or "" when the key, its section or the whole file cannot be read.
QString GetSetting(const QString& application, const QString& section, const QString& cle);
// Creates or replaces the value and makes it durable at once.
void SaveSetting(const QString& application, const QString& section, const QString& cle, const QString& valeur);

// Several values written in one step: all of them reach the disk, or none.
struct Reglage {
    QString section, cle, valeur;
};
void SaveSettings(const QString& application, const QList<Reglage>& reglages);

// First-run creation of the six empty tables and the marker, then the program's folder.
// Stops at the first failed write (the caller decides whether that matters).
void InitialiserReglages(const QString& application, const QString& dossier_programme);

// What the player is told once at start-up when the store could not be taken as it is (in French:
// what is wrong, what was kept, and where); "" otherwise, and after it has been asked once.
QString avisMiseDeCote();

// Forgets what was read, so the next access reads the file afresh (tests change it behind our back).
void oublierCache();

} // namespace storage
