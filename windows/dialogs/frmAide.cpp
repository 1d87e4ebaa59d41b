#include "windows/dialogs/frmAide.h"

#include "platform/shell.h"
#include "platform/twips.h"
#include "windows/controls/artwork.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
QPointer<frmAide> fenetre;

// The page draws its pegs with style sheets that a text browser ignores: they become pictures
// of the game's own pegs.
QImage dessin(const QString& classe, int taille, qreal dpr)
{
    static const QHash<QString, QString> images{{QStringLiteral("noire"), QStringLiteral("noir")},
                                                {QStringLiteral("blanche"), QStringLiteral("blanc")},
                                                {QStringLiteral("trou"), QStringLiteral("hole")}};
    const QString nom = images.value(classe, QStringLiteral("peg_") + classe);
    QImage image = artwork::image(artwork::chemin(nom), QSize(taille, taille), dpr);
    if (image.isNull() || classe == QLatin1String("libre")) {
        // The free slot of a result row: a plain grey disc.
        image = QImage(QSize(taille, taille) * dpr, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor(0x5a, 0x3a, 0x3a));
        p.setBrush(QColor(0x80, 0x80, 0x80));
        p.drawEllipse(QRectF(0.5, 0.5, image.width() - 1, image.height() - 1));
    } else {
        image = image.copy();
    }
    image.setDevicePixelRatio(dpr);
    return image;
}

// The pegs' pictures, asked for by the names the page is given.
class Navigateur : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& nom) override
    {
        if (type == QTextDocument::ImageResource && nom.scheme() == QLatin1String("pion"))
            return dessin(nom.path(), qBound(4, nom.query().toInt(), 64), devicePixelRatioF());
        return QTextBrowser::loadResource(type, nom);
    }
};
} // namespace

frmAide::frmAide()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Aide de Chromalis"));
    txtAide = new Navigateur(this);
    txtAide->setOpenLinks(false);
    connect(txtAide, &QTextBrowser::anchorClicked, this, &frmAide::lien_Click);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(txtAide);
    resize(twips::rect(0, 0, 10500, 9000).size());
}

frmAide* frmAide::ouverte() { return fenetre && fenetre->isVisible() ? fenetre.data() : nullptr; }

bool frmAide::Afficher(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QString html = QString::fromUtf8(f.readAll());
    if (f.error() != QFileDevice::NoError)
        return false;
    if (!fenetre) {
        fenetre = new frmAide;
        // Centred over the window that asked, else on the screen.
        const QWidget* devant = QApplication::activeWindow();
        const QScreen* ecran = devant ? devant->screen() : QGuiApplication::primaryScreen();
        const QRect zone = ecran->availableGeometry();
        QRect g = fenetre->rect();
        g.moveCenter(devant ? devant->frameGeometry().center() : zone.center());
        g.moveLeft(qBound(zone.left(), g.left(), qMax(zone.left(), zone.right() - g.width())));
        g.moveTop(qBound(zone.top(), g.top(), qMax(zone.top(), zone.bottom() - g.height())));
        fenetre->move(g.topLeft());
    }
    fenetre->charger(html, chemin);
    // Asked from a modal window (the end of a game, the scores), the help must take the input
    // itself, or that window would leave it unreachable until it closes.
    const Qt::WindowModality modalite = QApplication::activeModalWidget()
            && QApplication::activeModalWidget() != fenetre
        ? Qt::ApplicationModal
        : Qt::NonModal;
    if (fenetre->windowModality() != modalite) {
        fenetre->hide();
        fenetre->setWindowModality(modalite);
    }
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
    return true;
}

void frmAide::charger(const QString& html, const QString& chemin)
{
    static const QRegularExpression pion(
        QStringLiteral(R"re(<span class="(pion|fiche|trou) ?(\w*)"[^>]*>\s*</span>)re"));
    QString texte;
    qsizetype suite = 0;
    for (const QRegularExpressionMatch& m : pion.globalMatch(html)) {
        const QString classe = m.captured(2).isEmpty() ? m.captured(1) : m.captured(2);
        const int taille = m.captured(1) == QLatin1String("fiche") ? 12 : 18;
        texte += QStringView(html).mid(suite, m.capturedStart() - suite);
        texte += QStringLiteral("<img src=\"pion:%1?%2\">").arg(classe).arg(taille);
        suite = m.capturedEnd();
    }
    texte += QStringView(html).mid(suite);
    QTextDocument* doc = txtAide->document();
    doc->setBaseUrl(QUrl::fromLocalFile(chemin));
    txtAide->setHtml(texte);
}

void frmAide::lien_Click(const QUrl& lien)
{
    // Links within the page move to their place; any other goes to the desktop.
    if (lien.isRelative() && lien.path().isEmpty() && lien.hasFragment()) {
        txtAide->scrollToAnchor(lien.fragment());
        return;
    }
    platform::ShellOpen(txtAide->document()->baseUrl().resolved(lien).toString(), this);
}

void frmAide::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}
