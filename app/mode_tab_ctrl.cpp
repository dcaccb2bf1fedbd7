#include "app/mode_tab_ctrl.h"

#include <QFrame>
#include <QSignalBlocker>
#include <QTabBar>

CModeTabCtrl::CModeTabCtrl(QWidget* parent)
    : QWidget(parent), m_pTabBar(new QTabBar(this)), m_pPanel(new QFrame(this))
{
    m_pTabBar->setObjectName(u"modeTabBar"_qs);
    m_pTabBar->setDrawBase(false);
    m_pTabBar->setExpanding(false);
    static_cast<QFrame*>(m_pPanel)->setFrameShape(QFrame::StyledPanel);
    m_pPanel->lower();
    connect(m_pTabBar, &QTabBar::currentChanged, this, &CModeTabCtrl::OnTabBarChanged);
}

void CModeTabCtrl::InsertItem(int index, const QString& text)
{
    const QSignalBlocker quiet(m_pTabBar);
    m_pTabBar->insertTab(index, text);
    m_nCurSel = m_pTabBar->currentIndex();
    resizeEvent(nullptr);
}

void CModeTabCtrl::SetCurSel(int index)
{
    const QSignalBlocker quiet(m_pTabBar);
    m_pTabBar->setCurrentIndex(index);
    m_nCurSel = m_pTabBar->currentIndex();
}

QRect CModeTabCtrl::PageRect() const
{
    // Just inside the panel's frame, below the tab headers.
    const int top = qMax(21, m_pTabBar->sizeHint().height() + 2);
    return QRect(2, top, width() - 6, height() - top - 3);
}

void CModeTabCtrl::resizeEvent(QResizeEvent*)
{
    const int barHeight = m_pTabBar->sizeHint().height();
    m_pTabBar->setGeometry(0, 0, m_pTabBar->sizeHint().width(), barHeight);
    m_pPanel->setGeometry(0, barHeight - 1, width(), height() - barHeight + 1);
}

void CModeTabCtrl::OnTabBarChanged(int index)
{
    Q_EMIT selectionChanging(); // m_nCurSel still names the tab being left
    m_nCurSel = index;
    Q_EMIT selectionChanged();
}
