#include "app/tab_pattern.h"

#include "app/dialog_layout.h"

CTabPattern::CTabPattern(QWidget* parent) : QWidget(parent)
{
    CreateControls(this, kPatternTemplate);
}
