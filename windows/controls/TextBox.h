#pragma once
// A text box whose maximum length limits what the player types or pastes, never what the program
// writes: QLineEdit's own limit would cut a text set by the program, so the limit is a validator,
// which setText() does not consult.
#include <QLineEdit>
#include <QValidator>

class TextBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    // Hides QLineEdit's: called through this type, it limits typing only (0 lifts the limit).
    void setMaxLength(int longueur)
    {
        longueur_ = longueur;
        setValidator(longueur > 0 ? &borne_ : nullptr);
    }
    int maxLength() const { return longueur_; }

private:
    class Borne : public QValidator {
    public:
        explicit Borne(const TextBox& t) : t_(t) { }
        State validate(QString& texte, int&) const override
        {
            return texte.size() <= t_.longueur_ ? Acceptable : Invalid;
        }

    private:
        const TextBox& t_;
    };
    int longueur_ = 0;
    Borne borne_{*this};
};
