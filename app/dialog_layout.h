#pragma once

#include "res/dialog_templates.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

// Converts dialog units to pixels for a font: a unit is a quarter of the
// font's average character width across and an eighth of its height down.
class DialogUnits
{
public:
    explicit DialogUnits(const QFont& font);
    QRect ToPixels(int x, int y, int cx, int cy) const;
    QSize ToPixels(int cx, int cy) const;

private:
    int m_nCharWidth;
    int m_nCharHeight;
};

// Creates the controls of `dialogTemplate` as children of `parent`, in
// template order (which is also the tab order), placed and captioned as the
// template says, in the operator's language. A control whose text would not
// fit is widened as far as its parent allows, so no caption is ever cut.
// Every control gets what a screen reader needs: a label ending in ":"
// names the edit beside it, and the controls without a caption are named.
// Returns the controls by id.
QHash<int, QWidget*> CreateControls(QWidget* parent, const DialogTemplate& dialogTemplate);

// Tab and Shift+Tab visit `controls` in this order (hidden ones are passed
// over), whichever parent each has.
void SetTabOrder(const QList<QWidget*>& controls);
