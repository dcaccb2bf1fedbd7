#pragma once

#include <QDialog>

// The About box: name, version and a notice line, closed with OK.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
