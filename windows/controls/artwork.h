#pragma once
// The game's pictures are SVG resources, rendered once per size and screen scale and cached.
#include <QPixmap>
#include <QSize>
#include <QString>

namespace artwork {
// Resource path of a named picture: "peg_R", "hole", "cursor", ...
QString chemin(const QString& nom);
// The picture rendered at the given logical size for the given device pixel ratio.
QPixmap rendu(const QString& chemin, QSize taille, qreal dpr);
} // namespace artwork
