#pragma once
// The two codes of the hidden solution access, kept as digests rather than in clear.
#include <QCryptographicHash>
#include <QString>

namespace codes {
inline bool correspond(const QString& saisie, const char* empreinte)
{
    return QCryptographicHash::hash(saisie.toUtf8(), QCryptographicHash::Sha256).toHex() == empreinte;
}
// Reveals the secret.
inline bool est_mot_de_passe(const QString& s)
{
    return correspond(s, "fc480703ffa742cdc95e2e07ab0bbab4a2ad665333341bc92f2c09e4a93c69f4");
}
// Lets the secret be changed.
inline bool est_code_changement(const QString& s)
{
    return correspond(s, "92219b6b7c6540b28aebd9b4b79eb0a4d4e71481dca7f7953040146c80f392fe");
}
} // namespace codes
