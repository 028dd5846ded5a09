#pragma once

#include <QWidget>

class QStackedWidget;
class QTabBar;

namespace ulvane {

// A row of equally wide tabs over pages that each cover the whole container, so a
// page places its controls relative to the container's top-left corner, tab row
// included. Only the page of the tab in front is visible.
class TabContainer : public QWidget
{
    Q_OBJECT

public:
    TabContainer(int tabHeight, const QFont &captionFont, QWidget *parent = nullptr);

    void addTab(QWidget *page, const QString &caption);
    void setCurrentIndex(int index);
    QWidget *currentPage() const;
    int indexOf(QWidget *page) const;
    int count() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QStackedWidget *m_pages;
    QTabBar *m_tabBar;
    int m_tabHeight;
};

} // namespace ulvane
