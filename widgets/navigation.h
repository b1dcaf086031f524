#pragma once
// The glyphs of the four navigation buttons (처음 자료, 앞 자료, 다음 자료, 마지막 자료): a bar before
// or after the arrow tells the first and last from the previous and next.
#include <QIcon>

class QToolButton;

enum class NavigationStep { First, Prior, Next, Last };

QIcon NavigationIcon(NavigationStep step);
QString NavigationHint(NavigationStep step);        // "처음 자료" …
void SetNavigationGlyph(QToolButton *button, NavigationStep step);   // icon and hint
