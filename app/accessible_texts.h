#pragma once

class QWidget;

// What a screen reader says of the controls whose caption does not say it
// all: a name for those without a caption (the tree, the list, the bars,
// the tabs) and a description of what a control is for. Edits take their
// names from their labels instead (see CreateControls).
void DescribeForScreenReaders(QWidget* control, int id);
