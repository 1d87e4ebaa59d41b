#include "windows/controls/Annonce.h"

namespace annonce {
namespace {
QString phrase_dite;
}

void dire(const QString& phrase) { phrase_dite = phrase; }

QString derniere() { return phrase_dite; }

} // namespace annonce
