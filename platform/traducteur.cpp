#include "platform/traducteur.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <cstring>

namespace platform {

QString TraducteurDiffere::translate(const char* contexte, const char* texte, const char* precision, int n) const
{
    // Installing a translator makes Qt ask at once which way the language is written; French
    // reads left to right, which is also the answer Qt takes when no translation is given.
    if (texte && std::strcmp(texte, "QT_LAYOUT_DIRECTION") == 0)
        return QString();
    std::call_once(lecture_, [this] {
        charge_ = catalogue_.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
    return charge_ ? catalogue_.translate(contexte, texte, precision, n) : QString();
}

void installerTraduction()
{
    static TraducteurDiffere traducteur;
    QCoreApplication::installTranslator(&traducteur);
}

} // namespace platform
