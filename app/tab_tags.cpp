#include "app/tab_tags.h"

#include "app/dialog_layout.h"
#include "modes/tag_format.h"

#include <QLabel>
#include <QLineEdit>

CTabTags::CTabTags(QWidget* parent) : QWidget(parent)
{
    const QHash<int, QWidget*> controls = CreateControls(this, kTagsTemplate);
    m_editTagFormat = static_cast<QLineEdit*>(controls.value(IDC_TAG_FORMAT));
    m_staticFormatError = static_cast<QLabel*>(controls.value(IDC_TAG_FORMAT_ERROR));
    // The sentence about a wrong field names all fields: it takes two lines.
    m_staticFormatError->setWordWrap(true);
    m_staticFormatError->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = m_staticFormatError->palette();
    palette.setColor(QPalette::WindowText, Qt::darkRed);
    m_staticFormatError->setPalette(palette);
    m_editTagFormat->setToolTip(
        tr("{track:2} pads the track's number to two digits; text outside braces is kept"));

    connect(m_editTagFormat, &QLineEdit::textChanged, this, &CTabTags::OnFormatChanged);
    m_editTagFormat->setText(CTagFormat::DefaultFormat());
}

QString CTabTags::GetFormat() const
{
    return m_editTagFormat->text();
}

QString CTabTags::FormatError() const
{
    return CTagFormat(GetFormat()).Error();
}

void CTabTags::OnFormatChanged()
{
    m_staticFormatError->setText(FormatError());
}
