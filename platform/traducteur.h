#pragma once
// The toolkit's own texts in French: standard buttons (Oui, Non, Annuler), edit menus, file errors.
#include <QTranslator>
#include <mutex>

namespace platform {

// Qt's French catalogue, read on the first text actually asked for. Most starts never show a
// standard button or menu before the player does something, so the catalogue stays unread.
class TraducteurDiffere : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* contexte, const char* texte, const char* precision = nullptr,
                      int n = -1) const override;
    // Whether the catalogue has been read (tests).
    bool charge() const { return charge_; }

private:
    mutable QTranslator catalogue_;
    mutable std::once_flag lecture_;
    mutable bool charge_ = false;
};

// Installs the translator for the whole program; it lives as long as the application.
void installerTraduction();

} // namespace platform
