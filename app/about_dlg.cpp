#include "app/about_dlg.h"

#include "app/dialog_layout.h"

#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(u"aboutDialog"_qs);
    setWindowTitle(TemplateText(kAboutTemplate.caption));
    const QHash<int, QWidget*> controls = CreateControls(this, kAboutTemplate);
    auto* ok = static_cast<QPushButton*>(controls.value(IDOK_ABOUT));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(DialogUnits(font()).ToPixels(kAboutTemplate.cx, kAboutTemplate.cy));
}
