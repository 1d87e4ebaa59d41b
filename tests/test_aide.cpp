// F1 from each window that takes it: the desktop opens the help page, or the game shows it in
// its own window when the desktop cannot; a page that cannot be read is reported.
#include "support/support.h"

#include "game/chromalis.h"
#include "platform/program.h"
#include "windows/dialogs/frmAide.h"
#include "windows/dialogs/frmFIN.h"
#include "windows/dialogs/frmScores.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmSplash.h"

#include <QDir>
#include <QTest>
#include <QTextBrowser>

using namespace Chromalis;

class TestAide : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    std::unique_ptr<QTemporaryDir> programme;

private slots:
    void init()
    {
        env = std::make_unique<support::Environnement>();
        programme = std::make_unique<QTemporaryDir>();
        platform::setAppPathHook([d = programme->path()] { return d; });
    }
    void cleanup()
    {
        if (frmAide::ouverte())
            frmAide::ouverte()->close();
        env.reset();
        programme.reset();
    }

    void F1_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("attendu");
        const char* illisible = "ouvre aide.htm | Erreur lors de l'ouverture du fichier d'aide.";
        const char* absente = "Le fichier d'aide [aide.htm] n'a pas été trouvé";
        // The help in the game's window, modal (2) above a modal window; an outside link, then Escape.
        const QString aide = QStringLiteral("ouvre aide.htm | Aide de Chromalis%1 | Aide Rouge | pion | "
                                            "https://www.ventaroc.example/ | fermée");
        QTest::newRow("bureau") << "principale page bureau" << "ouvre aide.htm";
        QTest::newRow("sans bureau") << "principale page" << aide.arg(0);
        QTest::newRow("fin, sans bureau") << "fin page" << aide.arg(2);
        QTest::newRow("scores, sans bureau") << "scores page" << aide.arg(2);
        QTest::newRow("page illisible") << "principale dossier" << illisible;
        QTest::newRow("fin, page illisible") << "fin dossier" << illisible;
        QTest::newRow("page absente") << "principale bureau" << absente;
        QTest::newRow("scores, page absente") << "scores bureau" << absente;
    }
    // F1 goes through each window's QWindow, where the keyboard delivers it. The help window draws
    // the page's pegs as pictures.
    void F1()
    {
        QFETCH(QString, cas);
        QFETCH(QString, attendu);
        QFile page(programme->filePath(QStringLiteral("aide.htm")));
        if (cas.contains(QLatin1String("page")))
            QVERIFY(page.open(QIODevice::WriteOnly) && page.write("<h1>Aide</h1><p>Rouge <span class=\"pion R\"></span></p>"));
        page.close();
        if (cas.contains(QLatin1String("dossier")))
            QVERIFY(QDir().mkpath(page.fileName())); // there, but nothing can read it as a page
        env->shellAccepte = cas.contains(QLatin1String("bureau"));
        instance<frmSplash>(); // where the game learns its help file's place
        QWidget* w = instance<frmChromalis>();
        w->show();
        if (!cas.startsWith(QLatin1String("principale"))) {
            w = cas.startsWith(QLatin1String("fin")) ? static_cast<QWidget*>(instance<frmFIN>()) : instance<frmScores>();
            w->setWindowModality(Qt::ApplicationModal); // as the game shows them
            w->show();
        }
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w->windowHandle(), Qt::Key_F1);

        QStringList vu;
        for (const QString& o : env->ouvertures)
            vu << QStringLiteral("ouvre ") + QFileInfo(o).fileName();
        for (const support::Appel& m : env->messages())
            vu << m.texte.section(QStringLiteral(". "), 0, 0);
        if (frmAide* aide = frmAide::ouverte()) {
            const QImage pion = aide->txtAide->loadResource(QTextDocument::ImageResource, QUrl("pion:R?18")).value<QImage>();
            vu << aide->windowTitle() + QString::number(aide->windowModality())
               << aide->txtAide->toPlainText().remove(QChar::ObjectReplacementCharacter).simplified()
               << (aide->txtAide->toHtml().contains(QLatin1String("\"pion:R?18\"")) && !pion.isNull() ? "pion" : "");
            emit aide->txtAide->anchorClicked(QUrl(QStringLiteral("https://www.ventaroc.example/")));
            QTest::keyClick(aide->txtAide, Qt::Key_Escape);
            vu << env->ouvertures.last() << (frmAide::ouverte() ? "ouverte" : "fermée");
        }
        QCOMPARE(vu.join(QStringLiteral(" | ")), attendu);
    }
};

QTEST_MAIN(TestAide)
#include "test_aide.moc"
