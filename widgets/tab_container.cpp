#include "widgets/tab_container.h"

#include <QPainter>
#include <QStackedWidget>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace ulvane {

namespace {

class EqualTabBar : public QTabBar
{
public:
    EqualTabBar(int tabHeight, QWidget *parent)
        : QTabBar(parent)
        , m_tabHeight(tabHeight)
    {
        setDrawBase(false);
        setExpanding(false);
        setUsesScrollButtons(false);
        setElideMode(Qt::ElideNone);
    }

protected:
    QSize tabSizeHint(int) const override
    {
        const int width = parentWidget() ? parentWidget()->width() : 0;
        return {count() > 0 ? width / count() : width, m_tabHeight};
    }

    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

private:
    int m_tabHeight;
};

} // namespace

TabContainer::TabContainer(int tabHeight, const QFont &captionFont, QWidget *parent)
    : QWidget(parent)
    , m_pages(new QStackedWidget(this))
    , m_tabBar(new EqualTabBar(tabHeight, this))
    , m_tabHeight(tabHeight)
{
    m_tabBar->setFont(captionFont);
    connect(m_tabBar, &QTabBar::currentChanged, m_pages, &QStackedWidget::setCurrentIndex);
}

void TabContainer::addTab(QWidget *page, const QString &caption)
{
    m_pages->addWidget(page);
    m_tabBar->addTab(caption);
}

void TabContainer::setCurrentIndex(int index)
{
    m_tabBar->setCurrentIndex(index);
}

QWidget *TabContainer::currentPage() const
{
    return m_pages->currentWidget();
}

int TabContainer::indexOf(QWidget *page) const
{
    return m_pages->indexOf(page);
}

int TabContainer::count() const
{
    return m_pages->count();
}

void TabContainer::paintEvent(QPaintEvent *)
{
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, m_tabHeight - 1, 0, 0);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = m_tabBar->size();
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

void TabContainer::resizeEvent(QResizeEvent *)
{
    m_pages->setGeometry(rect());
    m_tabBar->setGeometry(0, 0, width(), m_tabHeight);
}

} // namespace ulvane
