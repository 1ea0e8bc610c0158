#pragma once
// The collapsible list of the city catalogue: seven groups, at most one open; an open group
// shows its visible cities, one row each, and is as tall as its rows. When the open group
// makes the list taller than the widget, a vertical scroll bar appears at its right edge; the
// wheel scrolls, and the selected city is scrolled into view. The list keeps the open and
// selected state and raises events; what a choice does is up to the window. Assistive
// technology reads it as a list of the groups, each holding its shown cities while it is open,
// and is told when a group opens or closes and which city is chosen.

#include <QAccessible>
#include <QColor>
#include <QWidget>
#include <vector>

#include "timetable/CityCatalogue.h"

class QScrollBar;

namespace orvandel {

class TCityList : public QWidget {
    Q_OBJECT
  public:
    static constexpr int CaptionHeight = 22;  // pixels of a group's caption row
    static constexpr int ItemsTop = 2;        // pixels between the caption and the first city
    static constexpr int ItemHeight = 20;     // pixels of one city row
    static constexpr int ItemsBottom = 3;     // pixels below the last city of an open group
    static constexpr int GroupSpacing = 8;    // pixels between groups

    explicit TCityList(QWidget* parent = nullptr);

    int GroupCount() const { return static_cast<int>(FGroups.size()); }
    const TCityGroupInfo& GroupInfo(int group) const { return *FGroups.at(group).Info; }
    // Every entry of the group, hidden ones included, in display order.
    int ItemCount(int group) const { return static_cast<int>(FGroups.at(group).Items.size()); }
    const TCityEntry& Item(int group, int item) const;

    bool IsOpen(int group) const { return FGroups.at(group).Open; }
    int OpenGroup() const;  // -1 when every group is closed
    // Opens `group`: first closes the open group (raising GroupClosed for it), then raises
    // GroupOpened. Nothing when it is already open.
    void Open(int group);
    // Closes `group` and raises GroupClosed. Nothing when it is closed.
    void Close(int group);

    bool IsSelected(int group, int item) const;
    // Marks one item selected, clears the mark of the group's other items, and scrolls the
    // item into view when its group is open.
    void SetSelected(int group, int item);
    void ClearSelected(int group, int item);
    void SetCaptionColor(int group, const QColor& color);
    QColor CaptionColor(int group) const { return FGroups.at(group).CaptionColor; }

    // Where the caption and a visible item of an open group are drawn, in the widget's
    // coordinates as scrolled (outside the widget when scrolled out of view); an empty
    // rectangle for an item that is hidden or in a closed group.
    QRect CaptionRect(int group) const;
    QRect ItemRect(int group, int item) const;
    // The height of all the groups, as they are open or closed.
    QSize sizeHint() const override;

  signals:
    void ItemClicked(int group, int item);
    void GroupOpened(int group);
    void GroupClosed(int group);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Group {
        const TCityGroupInfo* Info;
        std::vector<const TCityEntry*> Items;
        std::vector<bool> Selected;
        bool Open = false;
        QColor CaptionColor;
        int VisibleItems = 0;  // the rows of the group when open
    };
    struct Hit {
        int Group = -1;
        int Item = -1;  // -1: the caption
        bool operator==(const Hit&) const = default;
    };
    int GroupTop(int group) const;
    int GroupHeight(int group) const;
    Hit HitTest(const QPoint& point) const;
    void ClickSelectedNeighbour(int direction);
    // The pointer's shape and the lit caption for the pointer at `point`.
    void UpdateHover(const QPoint& point);
    int RowWidth() const;  // the width left of the scroll bar
    void UpdateScrollBar();
    void ScrollIntoView(const QRect& place);
    // Tells assistive technology of the caption (item -1) or the shown city; nothing while
    // accessibility is off or for a city that is not shown.
    void Announce(int group, int item, QAccessible::Event event);
    void AnnounceGroupState(int group);
    void AnnounceChosenCity();

    std::vector<Group> FGroups;
    Hit FPressed;
    int FHoverCaption = -1;
    QFont FCaptionFont, FItemFont;
    QScrollBar* FScrollBar;  // a child: shown only while the rows overflow
};

}  // namespace orvandel
