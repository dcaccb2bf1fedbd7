#pragma once

#include <QWidget>

// The page of the "Rename" tab: it only explains the artist/title swap.
class CTabPattern : public QWidget
{
    Q_OBJECT

public:
    explicit CTabPattern(QWidget* parent = nullptr);
};
