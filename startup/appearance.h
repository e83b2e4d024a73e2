#pragma once

class QApplication;

// The style and font every window is laid out for: the windows have fixed
// pixel geometry, so the look must not depend on the desktop's theme.
void applyAppearance(QApplication& app);
