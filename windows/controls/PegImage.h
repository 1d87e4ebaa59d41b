#pragma once
// An image control: a stretched picture with a tag, a tooltip, a mouse pointer and a drag mode.
// Palette pegs in automatic drag mode start a drag when pressed; holes accept a dropped peg.
#include <QString>
#include <QWidget>
#include <functional>

class QDrag;
class QMimeData;
class PegImage;

// The owner of a control array of images (the board's holes): each element reports its events
// with its two indexes, where sixty elements wired one by one would hold three connections each.
class TableauImages {
public:
    virtual void img_Click(int K, int Index) = 0;
    virtual void img_DragDrop(int K, int Index, PegImage* Source) = 0;
    virtual void img_MouseMove(int K, int Index) = 0;

protected:
    ~TableauImages() = default;
};

class PegImage : public QWidget {
    Q_OBJECT
public:
    enum DragMode { vbManual = 0, vbAutomatic = 1 };
    enum MousePointer { vbDefault = 0, vbCustom = 99 };
    // The keyboard cursor on a hole: a frame round the hole the next key fills, or a bar after the
    // last hole once the row is typed to its end.
    enum Marque { SansMarque, MarqueTrou, MarqueApres };

    explicit PegImage(QWidget* parent = nullptr);

    // The MIME type of a dragged peg; its data is the peg's colour letter.
    static QString formatMime();
    // Replaces the platform's drag loop (tests: the offscreen platform has none).
    static void setGlisserHook(std::function<void(QDrag*)> hook);

    QString Picture() const { return picture_; }
    void setPicture(const QString& chemin);
    QString Tag() const { return tag_; }
    void setTag(const QString& tag);
    // The colour a hole holds, in words ("rouge", "vide"): what a screen reader says of it.
    QString Couleur() const;
    // The colour of a palette letter in words; "vide" for anything else (an empty hole, "Z").
    static QString nomCouleur(const QString& tag);
    bool EstUnTrou() const { return tableau_ != nullptr; }
    int DragModeValue() const { return dragMode_; }
    void setDragMode(int mode) { dragMode_ = mode; }
    int MousePointerValue() const { return mousePointer_; }
    void setMousePointer(int pointer);
    QString MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QString& chemin);
    Marque MarqueClavier() const { return marque_; }
    void setMarqueClavier(Marque m);
    // Accept drops from palette pegs (holes of the board).
    void setAccepteDepot(bool accepte) { setAcceptDrops(accepte); }
    // Makes this image element (K, Index) of a control array: its events go to the array's owner
    // as well as to the signals.
    void setTableau(TableauImages* tableau, int K, int Index)
    {
        tableau_ = tableau;
        K_ = K;
        Index_ = Index;
    }

signals:
    void Click();
    void DragDrop(PegImage* source);
    void MouseMove();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void dragEnterEvent(QDragEnterEvent*) override;
    void dragMoveEvent(QDragMoveEvent*) override;
    void dropEvent(QDropEvent*) override;

private:
    void signalerClic();
    void signalerSurvol();
    void appliquerCurseur();
    void demarrerGlisser();
    static bool estUnPion(const QMimeData* data);

    QString picture_;
    QString tag_;
    int dragMode_ = vbManual;
    int mousePointer_ = vbDefault;
    QString mouseIcon_;
    bool appuye_ = false;
    Marque marque_ = SansMarque;
    TableauImages* tableau_ = nullptr;
    int K_ = 0;
    int Index_ = 0;
};
