#pragma once

#include <QFont>

class QLabel;

// Sets a word-wrapped label's text in `base`, made smaller, down to a
// legible 8 pixels, until every word fits the label's width and the wrapped
// text its height, so that a long caption is not cut off.
void shrinkToFit(QLabel* label, const QFont& base);
