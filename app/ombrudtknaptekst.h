#pragma once

class QAbstractButton;

// Moves a check box's or radio button's text into a word-wrapping label beside it, for a text
// longer than its panel is wide. A click on the label acts as a click on the button, and the
// button keeps its text as its accessible name.
void ombrydKnaptekst(QAbstractButton* knap);
