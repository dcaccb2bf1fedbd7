#include "app/dialog_layout.h"

#include "app/accessible_texts.h"
#include "app/file_list_ctrl.h"
#include "app/folder_tree_ctrl.h"
#include "app/mode_tab_ctrl.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <utility>
#include <vector>

namespace {

QString Text(const ControlTemplate& control)
{
    return TemplateText(control.text);
}

QPushButton* MakeButton(QWidget* parent, const ControlTemplate& control, bool isDefault)
{
    auto* button = new QPushButton(Text(control), parent);
    // Enter never presses a button of ours; only the About box has a default.
    button->setAutoDefault(isDefault);
    button->setDefault(isDefault);
    return button;
}

QWidget* MakeControl(QWidget* parent, const ControlTemplate& control)
{
    switch (control.kind) {
    case ControlKind::FolderTree:
        return new CFolderTreeCtrl(parent);
    case ControlKind::FileList:
        return new CFileListCtrl(parent);
    case ControlKind::TabControl:
        return new CModeTabCtrl(parent);
    case ControlKind::PushButton:
        return MakeButton(parent, control, false);
    case ControlKind::DefaultPushButton:
        return MakeButton(parent, control, true);
    case ControlKind::ProgressBar: {
        auto* bar = new QProgressBar(parent);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        return bar;
    }
    case ControlKind::Label:
    case ControlKind::CentredLabel: {
        auto* label = new QLabel(Text(control), parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(
            (control.kind == ControlKind::CentredLabel ? Qt::AlignHCenter : Qt::AlignLeft) |
            Qt::AlignVCenter);
        return label;
    }
    case ControlKind::Edit:
        return new QLineEdit(Text(control), parent);
    case ControlKind::CheckBox:
        return new QCheckBox(Text(control), parent);
    case ControlKind::Icon: {
        auto* icon = new QLabel(parent);
        icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
        icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return icon;
    }
    }
    return nullptr;
}

// A button whose caption cannot mark a letter gets its key, named in its tip.
void AddShortcut(QWidget* widget, int id)
{
    auto* button = qobject_cast<QPushButton*>(widget);
    for (const ButtonShortcut& shortcut : kButtonShortcuts) {
        if (shortcut.id != id || !button)
            continue;
        const QKeySequence keys = QKeySequence::fromString(QString::fromUtf16(shortcut.keys));
        const QString tip = TemplateText(shortcut.tip);
        button->setShortcut(keys);
        button->setAccessibleName(tip);
        button->setToolTip(tip + u" ("_qs + keys.toString(QKeySequence::NativeText) + u')');
    }
}

bool HoldsText(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::CheckBox ||
           kind == ControlKind::PushButton || kind == ControlKind::DefaultPushButton;
}

bool SharesRows(const QRect& a, const QRect& b)
{
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

// Gives a control whose caption does not fit the width it needs: first to the
// right, up to the next control on the same rows, then to the left.
void WidenToFit(QWidget* widget, const std::vector<QWidget*>& siblings, int parentWidth)
{
    constexpr int kGap = 2;
    QRect place = widget->geometry();
    const int needed = widget->sizeHint().width();
    if (needed <= place.width())
        return;
    int rightLimit = parentWidth;
    int leftLimit = 0;
    for (const QWidget* other : siblings) {
        const QRect rect = other->geometry();
        if (other == widget || !SharesRows(rect, place))
            continue;
        if (rect.left() >= place.right())
            rightLimit = qMin(rightLimit, rect.left() - kGap);
        else if (rect.right() <= place.left())
            leftLimit = qMax(leftLimit, rect.right() + 1 + kGap);
    }
    const int right = qMin(place.left() + needed, qMax(place.right() + 1, rightLimit));
    const int left = qMax(leftLimit, qMin(place.left(), right - needed));
    place.setLeft(left);
    place.setRight(right - 1);
    widget->setGeometry(place);
}

// A label ending in ":" names the edit right of it on the same rows, as a
// screen reader reads it (and as its "&" key, where a translation has one,
// reaches it).
void TieLabelsToEdits(const std::vector<std::pair<QWidget*, const ControlTemplate*>>& created)
{
    for (const auto& [widget, control] : created) {
        auto* label = qobject_cast<QLabel*>(widget);
        if (!label || control->kind != ControlKind::Label || !control->text ||
            !QByteArray(control->text).trimmed().endsWith(':'))
            continue;
        QWidget* nearest = nullptr;
        for (const auto& [other, otherControl] : created) {
            const QRect rect = other->geometry();
            if (otherControl->kind != ControlKind::Edit || !SharesRows(rect, label->geometry()) ||
                rect.left() < label->geometry().left())
                continue;
            if (!nearest || rect.left() < nearest->geometry().left())
                nearest = other;
        }
        if (nearest)
            label->setBuddy(nearest);
    }
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int alphabet =
        metrics.horizontalAdvance(u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"_qs);
    m_nCharWidth = (alphabet / 26 + 1) / 2;
    m_nCharHeight = metrics.height();
}

QRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const
{
    return QRect(x * m_nCharWidth / 4, y * m_nCharHeight / 8, cx * m_nCharWidth / 4,
                 cy * m_nCharHeight / 8);
}

QSize DialogUnits::ToPixels(int cx, int cy) const
{
    return QSize(cx * m_nCharWidth / 4, cy * m_nCharHeight / 8);
}

QHash<int, QWidget*> CreateControls(QWidget* parent, const DialogTemplate& dialogTemplate)
{
    const DialogUnits units(parent->font());
    const int parentWidth = units.ToPixels(dialogTemplate.cx, dialogTemplate.cy).width();
    QHash<int, QWidget*> controls;
    std::vector<QWidget*> created;
    std::vector<QWidget*> withText;
    std::vector<std::pair<QWidget*, const ControlTemplate*>> templated;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = MakeControl(parent, control);
        if (control.member)
            widget->setObjectName(QString::fromLatin1(control.member));
        QRect place = units.ToPixels(control.x, control.y, control.cx, control.cy);
        if (HoldsText(control.kind)) {
            place.setHeight(qMax(place.height(), widget->sizeHint().height()));
            withText.push_back(widget);
        }
        widget->setGeometry(place);
        created.push_back(widget);
        templated.emplace_back(widget, &control);
        if (control.id != -1) {
            controls.insert(control.id, widget);
            AddShortcut(widget, control.id);
            DescribeForScreenReaders(widget, control.id);
        }
    }
    for (QWidget* widget : withText)
        WidenToFit(widget, created, parentWidth);
    TieLabelsToEdits(templated);
    return controls;
}

void SetTabOrder(const QList<QWidget*>& controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}
