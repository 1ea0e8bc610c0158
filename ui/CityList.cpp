#include "ui/CityList.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <stdexcept>

#include "ui/Accessibility.h"
#include "ui/Colors.h"
#include "ui/Translations.h"

namespace orvandel {

namespace {
constexpr int CaptionIndent = 6;  // pixels
constexpr int ItemIndent = 16;    // pixels
}  // namespace

TCityList::TCityList(QWidget* parent)
    : QWidget(parent),
      FCaptionFont(WithScriptFamilies(QFont(QStringLiteral("MS Sans Serif"), 8, QFont::Bold))),
      FItemFont(WithScriptFamilies(QFont(QStringLiteral("MS Sans Serif"), 8, QFont::Normal))),
      FScrollBar(new QScrollBar(Qt::Vertical, this)) {
    InstallAccessibility();
    for (const TCityGroupInfo& info : CityGroups()) {
        Group group{&info, {}, {}, false, FormGrayText};
        for (const TCityEntry& entry : CityCatalogue()) {
            if (entry.Group == info.Group) {
                group.Items.push_back(&entry);
                group.VisibleItems += entry.Visible ? 1 : 0;
            }
        }
        group.Selected.assign(group.Items.size(), false);
        FGroups.push_back(std::move(group));
    }
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAutoFillBackground(false);
    // The keys and the clicks stay with the list; the bar shows only while the rows overflow.
    FScrollBar->setFocusPolicy(Qt::NoFocus);
    FScrollBar->setSingleStep(ItemHeight);
    FScrollBar->hide();
    connect(FScrollBar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

const TCityEntry& TCityList::Item(int group, int item) const {
    return *FGroups.at(group).Items.at(item);
}

int TCityList::OpenGroup() const {
    for (int g = 0; g < GroupCount(); ++g) {
        if (FGroups[g].Open) {
            return g;
        }
    }
    return -1;
}

void TCityList::Open(int group) {
    if (FGroups.at(group).Open) {
        return;
    }
    if (const int previous = OpenGroup(); previous >= 0) {
        Close(previous);
    }
    FGroups[group].Open = true;
    UpdateScrollBar();
    update();
    AnnounceGroupState(group);
    emit GroupOpened(group);
}

void TCityList::Close(int group) {
    if (!FGroups.at(group).Open) {
        return;
    }
    FGroups[group].Open = false;
    UpdateScrollBar();
    update();
    AnnounceGroupState(group);
    emit GroupClosed(group);
}

bool TCityList::IsSelected(int group, int item) const {
    return FGroups.at(group).Selected.at(item);
}

void TCityList::SetSelected(int group, int item) {
    std::vector<bool>& selected = FGroups.at(group).Selected;
    const std::vector<bool> before = selected;
    before.at(item);  // range check before changing anything
    selected.assign(selected.size(), false);
    selected[item] = true;
    if (const QRect place = ItemRect(group, item); !place.isEmpty()) {
        ScrollIntoView(place);
    }
    update();
    if (before[item]) {
        return;
    }
    for (size_t i = 0; i < before.size(); ++i) {
        if (before[i]) {
            Announce(group, static_cast<int>(i), QAccessible::SelectionRemove);
        }
    }
    Announce(group, item, QAccessible::Selection);
    if (hasFocus() && IsOpen(group)) {
        Announce(group, item, QAccessible::Focus);
    }
}

void TCityList::ClearSelected(int group, int item) {
    const bool was = FGroups.at(group).Selected.at(item);
    FGroups[group].Selected[item] = false;
    update();
    if (was) {
        Announce(group, item, QAccessible::SelectionRemove);
    }
}

void TCityList::Announce(int group, int item, QAccessible::Event event) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(this);
    QAccessibleInterface* part = list != nullptr ? list->child(group) : nullptr;
    if (part != nullptr && item >= 0) {
        const Group& g = FGroups.at(group);
        int shown = 0;  // the city's place among the group's shown cities
        for (int i = 0; i < item; ++i) {
            shown += g.Items[i]->Visible ? 1 : 0;
        }
        part = g.Open && g.Items.at(item)->Visible ? part->child(shown) : nullptr;
    }
    if (part != nullptr) {
        QAccessibleEvent notice(part, event);
        QAccessible::updateAccessibility(&notice);
    }
}

// The caption's expanded state changed, and with it the cities it holds.
void TCityList::AnnounceGroupState(int group) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(this);
    if (QAccessibleInterface* caption = list != nullptr ? list->child(group) : nullptr) {
        QAccessible::State changed;
        changed.expanded = true;
        changed.collapsed = true;
        QAccessibleStateChangeEvent state(caption, changed);
        QAccessible::updateAccessibility(&state);
        QAccessibleEvent reorder(caption, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
    }
}

// The open group's chosen city takes the accessible focus with the list.
void TCityList::AnnounceChosenCity() {
    const int open = OpenGroup();
    for (int i = 0; open >= 0 && i < ItemCount(open); ++i) {
        if (IsSelected(open, i)) {
            Announce(open, i, QAccessible::Focus);
        }
    }
}

void TCityList::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    AnnounceAfterFocusIn(this, [this] { AnnounceChosenCity(); });
}

void TCityList::SetCaptionColor(int group, const QColor& color) {
    FGroups.at(group).CaptionColor = color;
    update();
}

int TCityList::GroupHeight(int group) const {
    const Group& g = FGroups[group];
    return g.Open ? CaptionHeight + ItemsTop + g.VisibleItems * ItemHeight + ItemsBottom
                  : CaptionHeight;
}

int TCityList::GroupTop(int group) const {
    int top = -FScrollBar->value();
    for (int g = 0; g < group; ++g) {
        top += GroupHeight(g) + GroupSpacing;
    }
    return top;
}

QRect TCityList::CaptionRect(int group) const {
    FGroups.at(group);
    return QRect(0, GroupTop(group), RowWidth(), CaptionHeight);
}

QRect TCityList::ItemRect(int group, int item) const {
    const Group& g = FGroups.at(group);
    if (!g.Open || !g.Items.at(item)->Visible) {
        return QRect();
    }
    int row = 0;  // position among the visible items
    for (int i = 0; i < item; ++i) {
        row += g.Items[i]->Visible ? 1 : 0;
    }
    return QRect(0, GroupTop(group) + CaptionHeight + ItemsTop + row * ItemHeight, RowWidth(),
                 ItemHeight);
}

QSize TCityList::sizeHint() const {
    int height = 0;
    for (int g = 0; g < GroupCount(); ++g) {
        height += GroupHeight(g) + (g > 0 ? GroupSpacing : 0);
    }
    return QSize(120, height);
}

int TCityList::RowWidth() const {
    return FScrollBar->isHidden() ? width() : width() - FScrollBar->width();
}

// Sets the bar's range to the rows that do not fit (which also clamps the position when the
// rows shrink) and shows it only while there are some.
void TCityList::UpdateScrollBar() {
    const int overflow = std::max(0, sizeHint().height() - height());
    const int barWidth = FScrollBar->sizeHint().width();
    FScrollBar->setGeometry(width() - barWidth, 0, barWidth, height());
    FScrollBar->setPageStep(height());
    FScrollBar->setRange(0, overflow);
    FScrollBar->setVisible(overflow > 0);
}

// Scrolls by as little as brings `place` wholly into view, its top first when it is taller
// than the widget.
void TCityList::ScrollIntoView(const QRect& place) {
    const int top = FScrollBar->value() + place.top();
    FScrollBar->setValue(
        std::min(std::max(FScrollBar->value(), top + place.height() - height()), top));
}

void TCityList::resizeEvent(QResizeEvent*) {
    UpdateScrollBar();
}

// The wheel over the rows turns the bar, as over the bar itself; without a bar it goes on to
// the parent.
void TCityList::wheelEvent(QWheelEvent* event) {
    if (FScrollBar->isHidden()) {
        event->ignore();
        return;
    }
    QCoreApplication::sendEvent(FScrollBar, event);
    // The rows moved under a still pointer: the caption under it now is the one to light.
    UpdateHover(event->position().toPoint());
}

TCityList::Hit TCityList::HitTest(const QPoint& point) const {
    for (int g = 0; g < GroupCount(); ++g) {
        if (CaptionRect(g).contains(point)) {
            return {g, -1};
        }
        for (int i = 0; i < ItemCount(g); ++i) {
            if (ItemRect(g, i).contains(point)) {
                return {g, i};
            }
        }
    }
    return {};
}

// The form's own text colours on its own background, whatever the desktop's palette or style
// sheet.
void TCityList::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), FormBackground);
    for (int g = 0; g < GroupCount(); ++g) {
        const Group& group = FGroups[g];
        const QRect caption = CaptionRect(g);
        painter.setFont(FCaptionFont);
        painter.setPen(g == FHoverCaption ? CurrentDayRed : group.CaptionColor);
        painter.drawText(caption.adjusted(CaptionIndent, 0, 0, -1),
                         Qt::AlignLeft | Qt::AlignVCenter, CoreCaption(group.Info->Caption));
        painter.setPen(FormGrayText);
        painter.drawLine(caption.left(), caption.bottom(), caption.right(), caption.bottom());
        if (!group.Open) {
            continue;
        }
        painter.setFont(FItemFont);
        for (int i = 0; i < ItemCount(g); ++i) {
            const QRect item = ItemRect(g, i);
            if (item.isEmpty()) {
                continue;
            }
            painter.setPen(group.Selected[i] ? CurrentDayRed : FormText);
            painter.drawText(item.adjusted(ItemIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             CoreCaption(group.Items[i]->Caption));
            if (group.Selected[i] && hasFocus()) {
                painter.setPen(QPen(FormText, 1, Qt::DotLine));
                painter.drawRect(item.adjusted(ItemIndent - 3, 1, -2, -2));
            }
        }
    }
}

void TCityList::mousePressEvent(QMouseEvent* event) {
    FPressed = event->button() == Qt::LeftButton ? HitTest(event->position().toPoint()) : Hit{};
    event->accept();
}

// A click acts when the button is released on what it was pressed on: a caption opens its
// group or closes it when open; a city raises ItemClicked.
void TCityList::mouseReleaseEvent(QMouseEvent* event) {
    const Hit pressed = FPressed;
    FPressed = {};
    if (event->button() != Qt::LeftButton || pressed.Group < 0 ||
        !(HitTest(event->position().toPoint()) == pressed)) {
        return;
    }
    event->accept();
    if (pressed.Item < 0) {
        if (IsOpen(pressed.Group)) {
            Close(pressed.Group);
        } else {
            Open(pressed.Group);
        }
        return;
    }
    emit ItemClicked(pressed.Group, pressed.Item);
}

void TCityList::mouseMoveEvent(QMouseEvent* event) {
    UpdateHover(event->position().toPoint());
}

void TCityList::UpdateHover(const QPoint& point) {
    const Hit hit = HitTest(point);
    setCursor(hit.Group >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    const int hover = hit.Item < 0 ? hit.Group : -1;
    if (hover != FHoverCaption) {
        FHoverCaption = hover;
        update();
    }
}

void TCityList::leaveEvent(QEvent*) {
    FHoverCaption = -1;
    update();
}

// Up/Down choose the previous/next city of the open group, as a click would; PageUp/PageDown
// open the previous/next group.
void TCityList::keyPressEvent(QKeyEvent* event) {
    const int open = OpenGroup();
    switch (event->key()) {
        case Qt::Key_Up:
            ClickSelectedNeighbour(-1);
            break;
        case Qt::Key_Down:
            ClickSelectedNeighbour(1);
            break;
        case Qt::Key_PageUp:
            Open(open > 0 ? open - 1 : 0);
            break;
        case Qt::Key_PageDown:
            Open(open >= 0 && open + 1 < GroupCount() ? open + 1 : GroupCount() - 1);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void TCityList::ClickSelectedNeighbour(int direction) {
    const int g = OpenGroup();
    if (g < 0 || ItemCount(g) == 0) {
        return;
    }
    int current = -1;
    for (int i = 0; i < ItemCount(g); ++i) {
        if (FGroups[g].Selected[i]) {
            current = i;
        }
    }
    for (int i = current + direction; i >= 0 && i < ItemCount(g); i += direction) {
        if (FGroups[g].Items[i]->Visible) {
            emit ItemClicked(g, i);
            return;
        }
    }
    if (current < 0) {
        emit ItemClicked(g, 0);
    }
}

}  // namespace orvandel
