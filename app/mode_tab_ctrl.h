#pragma once

#include <QWidget>

class QTabBar;

// The mode tabs: tab headers over a framed area on which the pages lie. The
// pages are children of this control; the dialog shows and hides them.
class CModeTabCtrl : public QWidget
{
    Q_OBJECT

public:
    explicit CModeTabCtrl(QWidget* parent = nullptr);

    void InsertItem(int index, const QString& text);
    // The selected tab; during selectionChanging still the tab being left.
    int GetCurSel() const { return m_nCurSel; }
    // Selects a tab without notifying anyone.
    void SetCurSel(int index);
    // Where a page goes, in this control's coordinates.
    QRect PageRect() const;
    QTabBar* TabBar() const { return m_pTabBar; }

Q_SIGNALS:
    void selectionChanging();
    void selectionChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnTabBarChanged(int index);

    QTabBar* m_pTabBar;
    QWidget* m_pPanel;
    int m_nCurSel = -1;
};
