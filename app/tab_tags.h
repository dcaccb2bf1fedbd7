#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

// The page of the "Tags" tab: the format the new names are filled from
// ("{title}-{artist}" at first), with what is wrong with it shown under the
// edit as it is typed. A job is handed the format's text.
class CTabTags : public QWidget
{
    Q_OBJECT

public:
    explicit CTabTags(QWidget* parent);

    QString GetFormat() const;
    // Empty when the format can be used, else why not.
    QString FormatError() const;

    QLineEdit* m_editTagFormat;
    QLabel* m_staticFormatError;

private:
    void OnFormatChanged();
};
