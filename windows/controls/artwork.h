#pragma once
// The game's pictures are SVG resources, rendered once per size and screen scale and cached.
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace artwork {
// Resource path of a named picture: "peg_R", "hole", "cursor", ...
QString chemin(const QString& nom);
// The picture rendered at the given logical size for the given device pixel ratio.
QPixmap rendu(const QString& chemin, QSize taille, qreal dpr);
// An icon drawn through the same renderer, each size when it is asked for. A plain QIcon of an
// SVG file would make Qt look up, load and relocate its icon engine plugin before the first
// window is shown.
QIcon icone(const QString& chemin);
} // namespace artwork
