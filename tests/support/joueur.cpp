#include "support/joueur.h"

namespace support {

void cliquer(QWidget* w)
{
    QVERIFY2(w->isVisible() && w->isEnabled(), qPrintable(w->objectName()));
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

void glisser(QWidget* pion, QWidget* cible)
{
    PegImage::setGlisserHook([cible](QDrag* d) {
        const QPoint p = cible->rect().center();
        QDragEnterEvent entree(p, Qt::CopyAction, d->mimeData(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(cible, &entree);
        if (!entree.isAccepted())
            return;
        QDropEvent depot(QPointF(p), Qt::CopyAction, d->mimeData(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(cible, &depot);
    });
    QTest::mousePress(pion, Qt::LeftButton, {}, pion->rect().center());
    QTest::mouseRelease(pion, Qt::LeftButton, {}, pion->rect().center());
    PegImage::setGlisserHook({});
}

Joueur::Joueur() : maintenant(QDate(2026, 12, 6), QTime(10, 0, 0))
{
    platform::setClockHook([this] { return maintenant; });
    Chromalis::instance<frmSplash>();
    f = Chromalis::instance<frmChromalis>();
    f->show();
    if (!QTest::qWaitForWindowExposed(f))
        qWarning("the main window was never exposed");
}

void Joueur::choisir(const QString& type, const QString& mode, int chrono, int partie)
{
    if (f->Width() < 5000)
        cliquer(f->cmdOptions);
    f->cboJeu->setCurrentIndex(f->cboJeu->findText(type));
    cliquer(std::array{f->optTop, f->optDebutant, f->optExpert}[QStringLiteral("IN").indexOf(mode) + 1]); // else Expert
    if (f->chkTemps->isChecked() != (chrono > 0))
        cliquer(f->chkTemps);
    if (chrono > 0)
        f->cboTemps->setCurrentIndex(f->cboTemps->findText(QString::number(chrono)));
    if (f->chkPartie->isChecked() != (partie >= 0))
        cliquer(f->chkPartie);
    if (partie >= 0)
        f->cboParties->setCurrentIndex(partie);
}

void Joueur::nouveau() { cliquer(f->cmdNouveau); }

void Joueur::partie(const QString& type, const QString& mode, const QString& secret, int chrono)
{
    choisir(type, mode, chrono);
    nouveau();
    f->txtCombi->setText(secret);
    f->Label5->setText(secret);
}

void Joueur::poser(const QString& lettres)
{
    for (int k = 0; k < lettres.size(); ++k)
        for (PegImage* p : f->palette()) // no peg is '.'
            if (p->Tag() == QString(lettres[k]))
                glisser(p, f->img[Chromalis::num_ligne][k + 1]);
}

void Joueur::valider() { cliquer(f->cmdValider); }

void Joueur::tic(VbTimer& t, int n)
{
    for (int k = 0; k < n; ++k) {
        QVERIFY(t.Enabled() && t.Actif());
        emit t.Timer();
    }
}

QString Joueur::marques(int K) const
{
    QString s;
    for (int k = 1; k <= Chromalis::nb_pions; ++k) {
        const int c = f->shaGris[K][k]->FillColor();
        s += c == 0 ? u'N' : c == 0xFFFFFF ? u'B' : u'.';
    }
    return s;
}

QString Joueur::rangee(int K) const
{
    QString s;
    for (int k = 1; k <= Chromalis::nb_pions; ++k)
        s += f->img[K][k]->Tag();
    return s;
}

} // namespace support
