#pragma once
// The game's pictures, rendered from their SVG sources at build time for every size the windows
// draw them at (window scales 1 to 3). Most are stored raw: drawing one decodes nothing, at scale 1
// straight from the program's pages, at other scales (but 2) from a resource file beside it. Scale
// 2 and the seldom-shown ones are PNG, decoded once when first drawn.
// Any other size is scaled from the nearest rendered one.
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace artwork {
// Name of a picture for the functions below: "peg_R", "hole", "cursor", ...
QString chemin(const QString& nom);
// The picture at the given logical size for the given device pixel ratio. A size rendered at
// build time is returned without a copy; the image's device pixel ratio is left at 1.
QImage image(const QString& chemin, QSize taille, qreal dpr);
// The same as a pixmap (cursors, drag pictures, icons), with its device pixel ratio set.
QPixmap rendu(const QString& chemin, QSize taille, qreal dpr);
// Whether that picture was rendered at build time at exactly that size in device pixels.
bool prerendu(const QString& chemin, QSize pixels);
// An icon drawn from the same pictures, each size when it is asked for. A plain QIcon of an
// SVG file would make Qt look up, load and relocate its icon engine plugin before the first
// window is shown.
QIcon icone(const QString& chemin);
} // namespace artwork
