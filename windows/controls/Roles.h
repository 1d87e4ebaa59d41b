#pragma once
// What assistive technologies are told of the windows and frames, beyond the toolkit's defaults.
class QWidget;

namespace roles {

// Installs the accessibility factory once: top-level windows report a window, plain frames a
// grouping (a screen reader drops the focus events inside what it takes for an inactive window),
// result slots their colour, and hidden secrets nothing while they are hidden.
void installer();

// Marks a control whose content a player must not hear while it is hidden: before its first
// accessibility event (asking whether a reader listens would start the bridge at every launch).
void cacher_aux_lecteurs(QWidget* controle);

// Marks a label that works as a link (Enter or Space on it when focused): read as a link, with a
// press action.
void lien(QWidget* etiquette);

} // namespace roles
