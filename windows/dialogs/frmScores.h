#pragma once
// The scores window: one of the six tables at a time, the resets, and the name of a new entry.
#include <QDialog>
#include <cstdint>

class frmScores : public QDialog {
    Q_OBJECT
public:
    frmScores();
    void Form_Load();

    void VoirScores(const QString& section);
    void Extraire_donnees(std::int16_t place, const QString& donnee);
    void Afficher_scores(std::int16_t p, const QString& S, const QString& n, const QString& c,
                         const QString& t, const QString& j);
};
