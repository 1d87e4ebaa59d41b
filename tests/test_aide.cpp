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

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>

using namespace Chromalis;

class TestAide : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    QTemporaryDir programme;

private slots:
    void init()
    {
        env = std::make_unique<support::Environnement>();
        const QString dossier = programme.path();
        platform::setAppPathHook([dossier] { return dossier; });
    }
    void cleanup()
    {
        if (frmAide::ouverte())
            frmAide::ouverte()->close();
        env.reset();
        QDir(programme.path()).removeRecursively();
        QDir().mkpath(programme.path());
    }

    void F1_data()
    {
        QTest::addColumn<QString>("fenetre");
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("bureau");
        QTest::addColumn<bool>("aideInterne");
        QTest::addColumn<QString>("message");
        const QString illisible = QStringLiteral("Erreur lors de l'ouverture du fichier d'aide.");
        const QString absente = QStringLiteral("Le fichier d'aide [aide.htm] n'a pas été trouvé.");
        QTest::newRow("bureau") << "principale" << "page" << true << false << "";
        QTest::newRow("sans bureau") << "principale" << "page" << false << true << "";
        QTest::newRow("fin, sans bureau") << "fin" << "page" << false << true << "";
        QTest::newRow("scores, sans bureau") << "scores" << "page" << false << true << "";
        QTest::newRow("page illisible") << "principale" << "dossier" << false << false << illisible;
        QTest::newRow("fin, page illisible") << "fin" << "dossier" << false << false << illisible;
        QTest::newRow("page absente") << "principale" << "" << true << false << absente;
        QTest::newRow("scores, page absente") << "scores" << "" << true << false << absente;
    }
    void F1()
    {
        QFETCH(QString, fenetre);
        QFETCH(QString, page);
        QFETCH(bool, bureau);
        QFETCH(bool, aideInterne);
        QFETCH(QString, message);
        const QString chemin = programme.filePath(QStringLiteral("aide.htm"));
        if (page == QLatin1String("page")) {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<html><head><title>t</title></head><body><h1>Aide</h1>"
                    "<p>Rouge <span class=\"pion R\"></span>, libre <span class=\"fiche libre\"></span></p>"
                    "<p><a href=\"#fin\">fin</a> <a href=\"https://www.ventaroc.example/\">site</a></p>"
                    "<h2 id=\"fin\">Fin</h2></body></html>");
        } else if (page == QLatin1String("dossier")) {
            // It exists, but nothing can read it as a page.
            QVERIFY(QDir().mkpath(chemin));
        }
        env->shellAccepte = bureau;
        instance<frmSplash>();
        QCoreApplication::processEvents();
        frmChromalis* principale = instance<frmChromalis>();
        principale->show();
        QWidget* cible = principale->cmdQuitter;
        if (fenetre != QLatin1String("principale")) {
            QWidget* w = fenetre == QLatin1String("fin") ? static_cast<QWidget*>(instance<frmFIN>())
                                                         : instance<frmScores>();
            // Shown as the game shows them: modal.
            w->setWindowModality(Qt::ApplicationModal);
            w->show();
            QVERIFY(QTest::qWaitForWindowActive(w));
            cible = QApplication::focusWidget() ? QApplication::focusWidget() : w;
        }
        cible->setFocus();
        // Through the window, where the keyboard delivers it (the main window previews keys there).
        QTest::keyClick(cible->window()->windowHandle(), Qt::Key_F1);

        QCOMPARE(env->ouvertures, page.isEmpty() ? QStringList() : QStringList{chemin});
        QCOMPARE(env->messages().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY(env->messages().first().texte.startsWith(message));
        frmAide* aide = frmAide::ouverte();
        QCOMPARE(aide != nullptr, aideInterne);
        if (!aide)
            return;
        QCOMPARE(aide->windowTitle(), QStringLiteral("Aide de Chromalis"));
        // Above a modal window, the help takes the input itself.
        QCOMPARE(aide->windowModality(), fenetre == QLatin1String("principale") ? Qt::NonModal : Qt::ApplicationModal);
        QVERIFY(aide->txtAide->toPlainText().contains(QStringLiteral("Rouge")));
        // The pegs the page draws with style sheets are pictures here.
        const QTextImageFormat pion = [&] {
            for (QTextBlock b = aide->txtAide->document()->begin(); b.isValid(); b = b.next())
                for (auto it = b.begin(); !it.atEnd(); ++it)
                    if (it.fragment().charFormat().isImageFormat())
                        return it.fragment().charFormat().toImageFormat();
            return QTextImageFormat();
        }();
        QVERIFY(!aide->txtAide->document()->resource(QTextDocument::ImageResource, QUrl(pion.name())).value<QImage>().isNull());
        // A link outside the page goes to the desktop; Escape closes the window.
        env->ouvertures.clear();
        emit aide->txtAide->anchorClicked(QUrl(QStringLiteral("https://www.ventaroc.example/")));
        QCOMPARE(env->ouvertures, QStringList{QStringLiteral("https://www.ventaroc.example/")});
        QTest::keyClick(aide->txtAide, Qt::Key_Escape);
        QVERIFY(!frmAide::ouverte());
    }
};

QTEST_MAIN(TestAide)
#include "test_aide.moc"
