#pragma once
// The per-user settings store: strings by application, section and key, in one INI file.
// Every write reaches the disk before it returns; a write that cannot be made raises ErreurStockage.
#include <QString>
#include <stdexcept>

namespace storage {

// A failure of the store, with the number and description the score recording reports.
class ErreurStockage : public std::runtime_error {
public:
    ErreurStockage(int numero, const QString& description)
        : std::runtime_error(description.toStdString()), numero_(numero), description_(description) {}
    int numero() const { return numero_; }
    QString description() const { return description_; }
private:
    int numero_;
    QString description_;
};

// The INI file: $XDG_CONFIG_HOME/Chromalis/Chromalis.ini (~/.config/... by default).
QString cheminReglages();

// The stored value, or "" when the key, its section or the whole file cannot be read.
QString GetSetting(const QString& application, const QString& section, const QString& cle);
// Creates or replaces the value and makes it durable at once.
void SaveSetting(const QString& application, const QString& section, const QString& cle, const QString& valeur);

// First-run creation of the six empty tables and the marker, then the program's folder.
// Stops at the first failed write (the caller decides whether that matters).
void InitialiserReglages(const QString& application, const QString& dossier_programme);

// Forgets what was read, so the next access reads the file afresh (tests change it behind our back).
void oublierCache();

} // namespace storage
