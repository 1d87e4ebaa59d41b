// F1 from each window: the desktop opens the help page, else the game shows it; a bad page is reported.
#include "support/support.h"

#include "game/chromalis.h"
#include "platform/program.h"
#include "windows/dialogs/frmAide.h"
#include "windows/dialogs/frmFIN.h"
#include "windows/dialogs/frmScores.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmSplash.h"

#include <QDir>
#include <QScopeGuard>
#include <QTest>
#include <QTextBrowser>

using namespace Chromalis;

class TestAide : public QObject {
    Q_OBJECT
private slots:
    void F1_data()
    {
        // The answers from the board, the end of a game and the scores; the help in the game's own
        // window is modal (2) above a modal window, sends an outside link to the desktop, closes on Escape.
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QStringList>("attendu");
        const QString aide = QStringLiteral("aide.htm | Aide de Chromalis%1 | Aide Rouge | pion | https://www.ventaroc.example/ | fermée");
        QTest::newRow("bureau") << "page bureau" << QStringList(3, QStringLiteral("aide.htm"));
        QTest::newRow("sans bureau") << "page" << QStringList{aide.arg(0), aide.arg(2), aide.arg(2)};
        QTest::newRow("page illisible") << "dossier" << QStringList(3, QStringLiteral("aide.htm | Erreur lors de l'ouverture du fichier d'aide."));
        QTest::newRow("page absente") << "bureau" << QStringList(3, QStringLiteral("Le fichier d'aide [aide.htm] n'a pas été trouvé"));
    }
    // F1 goes in through each window's QWindow; the page's pegs, drawn by style sheets, become pictures.
    void F1()
    {
        QFETCH(QString, cas);
        QFETCH(QStringList, attendu);
        support::Environnement env;
        QTemporaryDir programme;
        const auto fermer = qScopeGuard([] { if (frmAide::ouverte()) frmAide::ouverte()->close(); });
        platform::setAppPathHook([d = programme.path()] { return d; });
        QFile f(programme.filePath(QStringLiteral("aide.htm")));
        QVERIFY(!cas.contains(u"page") || (f.open(QIODevice::WriteOnly) && f.write("<h1>Aide</h1><p>Rouge <span class=\"pion R\"></span>") && f.flush()));
        QVERIFY(!cas.contains(u"dossier") || QDir().mkpath(f.fileName())); // there, but nothing can read it as a page
        env.shellAccepte = cas.contains(u"bureau");
        instance<frmSplash>(); // where the game learns its help file's place
        for (QWidget* w : QList<QWidget*>{instance<frmChromalis>(), instance<frmFIN>(), instance<frmScores>()}) {
            env.ouvertures.clear();
            env.appels.clear();
            w->setWindowModality(w == instance<frmChromalis>() ? Qt::NonModal : Qt::ApplicationModal); // as the game shows them
            w->show();
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w));
            QTest::keyClick(w->windowHandle(), Qt::Key_F1);
            QStringList vu = QStringList(env.ouvertures).replaceInStrings(programme.path() + u'/', QString());
            for (const support::Appel& m : env.messages())
                vu << m.texte.section(QStringLiteral(". "), 0, 0);
            if (frmAide* aide = frmAide::ouverte()) {
                const QVariant pion = aide->txtAide->loadResource(QTextDocument::ImageResource, QUrl("pion:R?18"));
                vu << aide->windowTitle() + QString::number(aide->windowModality())
                   << aide->txtAide->toPlainText().remove(QChar::ObjectReplacementCharacter).simplified()
                   << (aide->txtAide->toHtml().contains(u"\"pion:R?18\"") && !pion.value<QImage>().isNull() ? "pion" : "");
                emit aide->txtAide->anchorClicked(QUrl(QStringLiteral("https://www.ventaroc.example/")));
                QTest::keyClick(aide->txtAide, Qt::Key_Escape);
                vu << env.ouvertures.last() << (frmAide::ouverte() ? "ouverte" : "fermée");
            }
            QCOMPARE(vu.join(QStringLiteral(" | ")), attendu.takeFirst());
            w->setVisible(w == instance<frmChromalis>());
        }
    }
};

QTEST_MAIN(TestAide)
#include "test_aide.moc"
