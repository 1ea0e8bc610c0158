#include "ui/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>
#include <map>
#include <utility>
#include <vector>

#include "ui/CityList.h"
#include "ui/DateField.h"
#include "ui/DrawGrid.h"
#include "ui/TimetablePanel.h"
#include "ui/Translations.h"

namespace orvandel {

namespace {

// A rectangle of `widget` on the screen, where assistive technology places things.
QRect OnScreen(const QWidget* widget, const QRect& place) {
    return QRect(widget->mapToGlobal(place.topLeft()), place.size());
}

// The first child of `parent` whose rectangle holds the screen point (x, y); null for none.
QAccessibleInterface* ChildAtPoint(const QAccessibleInterface& parent, int x, int y) {
    for (int i = 0; i < parent.childCount(); ++i) {
        QAccessibleInterface* child = parent.child(i);
        if (child != nullptr && child->rect().contains(x, y)) {
            return child;
        }
    }
    return nullptr;
}

// An interface that is no QObject's: a part of a widget that draws its parts itself. It has no
// children unless a subclass says otherwise and takes no text from assistive technology.
class TPartAccessible : public QAccessibleInterface {
  public:
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int x, int y) const override { return ChildAtPoint(*this, x, y); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
};

// ---- The timetable ---------------------------------------------------------------------

class TTimetableAccessible;

// A time of the table, or the header of a row (a day) or of a column (a prayer).
class TTimetableCellAccessible : public TPartAccessible, public QAccessibleTableCellInterface {
  public:
    enum class TKind { Time, RowHeader, ColumnHeader };
    // Row -1 for a column header, column -1 for a row header.
    TTimetableCellAccessible(TTimetableAccessible& table, TKind kind, int row, int column);

    bool isValid() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return FColumn; }
    int rowIndex() const override { return FRow; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

    // The name and selection assistive technology was last told of.
    QString ToldName;
    bool ToldSelected = false;

  private:
    TTimetableAccessible& FTable;
    TKind FKind;
    int FRow, FColumn;
};

// The panel as a table. Its children: the 42 times row by row (so that a cell's index is
// row * 6 + column, as the bus's table calls count), the 6 column headers, the 7 row headers,
// then the panel's other widgets (the clock's check box over the date column).
class TTimetableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    static constexpr int Rows = TTimetablePanel::DayRows;
    static constexpr int Columns = TTimetablePanel::PrayerColumns;
    static constexpr int TimeCount = Rows * Columns;
    static constexpr int PartCount = TimeCount + Columns + Rows;

    explicit TTimetableAccessible(TTimetablePanel* panel)
        : QAccessibleWidget(panel, QAccessible::Table) {
        using TKind = TTimetableCellAccessible::TKind;
        for (int row = 0; row < Rows; ++row) {
            for (int column = 0; column < Columns; ++column) {
                Add(new TTimetableCellAccessible(*this, TKind::Time, row, column));
            }
        }
        for (int column = 0; column < Columns; ++column) {
            Add(new TTimetableCellAccessible(*this, TKind::ColumnHeader, -1, column));
        }
        for (int row = 0; row < Rows; ++row) {
            Add(new TTimetableCellAccessible(*this, TKind::RowHeader, row, -1));
        }
    }
    ~TTimetableAccessible() override {
        for (const QAccessible::Id id : FIds) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    const TTimetablePanel& Panel() const { return *static_cast<TTimetablePanel*>(widget()); }
    TTimetableCellAccessible* Time(int row, int column) const {
        return row >= 0 && row < Rows && column >= 0 && column < Columns
                   ? FParts[row * Columns + column]
                   : nullptr;
    }
    TTimetableCellAccessible* ColumnHeader(int column) const {
        return FParts.at(TimeCount + column);
    }
    TTimetableCellAccessible* RowHeader(int row) const {
        return FParts.at(TimeCount + Columns + row);
    }

    int childCount() const override { return PartCount + static_cast<int>(Others().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index >= 0 && index < PartCount) {
            return FParts[index];
        }
        const std::vector<QWidget*> others = Others();
        const int other = index - PartCount;
        return other >= 0 && other < static_cast<int>(others.size())
                   ? QAccessible::queryAccessibleInterface(others[other])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < PartCount; ++i) {
            if (FParts[i] == child) {
                return i;
            }
        }
        const std::vector<QWidget*> others = Others();
        for (size_t i = 0; i < others.size(); ++i) {
            if (child != nullptr && child->object() == others[i]) {
                return PartCount + static_cast<int>(i);
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (QWidget* other : Others()) {  // above the cells they stand on
            if (other->isVisible() && OnScreen(other, other->rect()).contains(x, y)) {
                return QAccessible::queryAccessibleInterface(other);
            }
        }
        return ChildAtPoint(*this, x, y);
    }
    QAccessibleInterface* focusChild() const override {
        return Panel().hasFocus() ? Time(Panel().CurrentRow(), Panel().CurrentColumn())
                                  : QAccessibleWidget::focusChild();
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override { return Time(row, column); }
    int selectedCellCount() const override { return Panel().SelectedRow() >= 0 ? Columns : 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int column = 0; column < Columns && Panel().SelectedRow() >= 0; ++column) {
            cells.append(Time(Panel().SelectedRow(), column));
        }
        return cells;
    }
    QString columnDescription(int column) const override {
        return column >= 0 && column < Columns ? Panel().ColumnHeaderText(column) : QString();
    }
    QString rowDescription(int row) const override {
        return row >= 0 && row < Rows ? Panel().RowHeaderText(row) : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return Panel().SelectedRow() >= 0 ? 1 : 0; }
    int columnCount() const override { return Columns; }
    int rowCount() const override { return Rows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override {
        return Panel().SelectedRow() >= 0 ? QList<int>{Panel().SelectedRow()} : QList<int>{};
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return row == Panel().SelectedRow(); }
    // The chosen day is the date field's; the table only shows it.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }

    // After new texts: each part whose name or selection differs from what assistive
    // technology was last told says so.
    void modelChange(QAccessibleTableModelChangeEvent*) override {
        for (TTimetableCellAccessible* part : FParts) {
            if (const QString name = part->text(QAccessible::Name); name != part->ToldName) {
                part->ToldName = name;
                QAccessibleEvent event(part, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&event);
            }
            if (const bool selected = part->isSelected(); selected != part->ToldSelected) {
                part->ToldSelected = selected;
                QAccessibleEvent event(
                    part, selected ? QAccessible::SelectionAdd : QAccessible::SelectionRemove);
                QAccessible::updateAccessibility(&event);
            }
        }
    }

  private:
    void Add(TTimetableCellAccessible* part) {
        part->ToldName = part->text(QAccessible::Name);
        part->ToldSelected = part->isSelected();
        FIds.push_back(QAccessible::registerAccessibleInterface(part));
        FParts.push_back(part);
    }
    // The panel's child widgets other than its two grids, whose cells the table stands for.
    std::vector<QWidget*> Others() const {
        std::vector<QWidget*> others;
        for (QWidget* w : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<TDrawGrid*>(w) == nullptr && !w->isWindow()) {
                others.push_back(w);
            }
        }
        return others;
    }

    std::vector<TTimetableCellAccessible*> FParts;  // owned by Qt's cache through FIds
    std::vector<QAccessible::Id> FIds;
};

TTimetableCellAccessible::TTimetableCellAccessible(TTimetableAccessible& table, TKind kind, int row,
                                                   int column)
    : FTable(table), FKind(kind), FRow(row), FColumn(column) {}

bool TTimetableCellAccessible::isValid() const {
    return FTable.isValid();
}

QWindow* TTimetableCellAccessible::window() const {
    return FTable.window();
}

QAccessibleInterface* TTimetableCellAccessible::parent() const {
    return &FTable;
}

QString TTimetableCellAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !isValid()) {
        return QString();
    }
    switch (FKind) {
        case TKind::Time:
            return FTable.Panel().CellText(FRow, FColumn);
        case TKind::RowHeader:
            return FTable.Panel().RowHeaderText(FRow);
        case TKind::ColumnHeader:
            return FTable.Panel().ColumnHeaderText(FColumn);
    }
    return QString();
}

QRect TTimetableCellAccessible::rect() const {
    if (!isValid()) {
        return QRect();
    }
    const TTimetablePanel& panel = FTable.Panel();
    return OnScreen(&panel, panel.CellPlace(FRow, FColumn));
}

QAccessible::Role TTimetableCellAccessible::role() const {
    switch (FKind) {
        case TKind::Time:
            return QAccessible::Cell;
        case TKind::RowHeader:
            return QAccessible::RowHeader;
        case TKind::ColumnHeader:
            return QAccessible::ColumnHeader;
    }
    return QAccessible::Cell;
}

QAccessible::State TTimetableCellAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const TTimetablePanel& panel = FTable.Panel();
    state.invisible = !panel.isVisible();
    state.readOnly = true;
    if (FKind == TKind::Time) {
        state.focusable = true;
        state.selectable = true;
        state.selected = isSelected();
        state.focused =
            panel.hasFocus() && FRow == panel.CurrentRow() && FColumn == panel.CurrentColumn();
    }
    return state;
}

void* TTimetableCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableCellInterface && FKind == TKind::Time
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
}

bool TTimetableCellAccessible::isSelected() const {
    return FKind == TKind::Time && isValid() && FRow == FTable.Panel().SelectedRow();
}

QList<QAccessibleInterface*> TTimetableCellAccessible::columnHeaderCells() const {
    return FColumn >= 0 ? QList<QAccessibleInterface*>{FTable.ColumnHeader(FColumn)}
                        : QList<QAccessibleInterface*>{};
}

QList<QAccessibleInterface*> TTimetableCellAccessible::rowHeaderCells() const {
    return FRow >= 0 ? QList<QAccessibleInterface*>{FTable.RowHeader(FRow)}
                     : QList<QAccessibleInterface*>{};
}

QAccessibleInterface* TTimetableCellAccessible::table() const {
    return &FTable;
}

// ---- The city list ---------------------------------------------------------------------

class TCityListAccessible;

// A group's caption (item -1), with the group's shown cities as its children while it is open,
// or one city.
class TCityItemAccessible : public TPartAccessible {
  public:
    TCityItemAccessible(TCityListAccessible& list, int group, int item)
        : FList(list), FGroup(group), FItem(item) {}

    bool isValid() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

  private:
    const TCityList& List() const;
    // The items of the open group that it shows, in order; none for a closed group.
    std::vector<int> ShownItems() const;

    TCityListAccessible& FList;
    int FGroup, FItem;
};

class TCityListAccessible : public QAccessibleWidget {
  public:
    explicit TCityListAccessible(TCityList* list) : QAccessibleWidget(list, QAccessible::List) {}
    ~TCityListAccessible() override {
        for (const auto& [place, id] : FIds) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    const TCityList& List() const { return *static_cast<TCityList*>(widget()); }
    // The interface of a group's caption (item -1) or of a city, made on first use.
    TCityItemAccessible* Item(int group, int item) const {
        const std::pair<int, int> place(group, item);
        if (const auto found = FIds.find(place); found != FIds.end()) {
            return static_cast<TCityItemAccessible*>(
                QAccessible::accessibleInterface(found->second));
        }
        auto* part = new TCityItemAccessible(const_cast<TCityListAccessible&>(*this), group, item);
        FIds.emplace(place, QAccessible::registerAccessibleInterface(part));
        return part;
    }

    // The groups; the scroll bar is not read, the list scrolls to the chosen city itself.
    int childCount() const override { return List().GroupCount(); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < List().GroupCount() ? Item(index, -1) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int g = 0; g < List().GroupCount(); ++g) {
            if (child == Item(g, -1)) {
                return g;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int g = 0; g < childCount(); ++g) {
            QAccessibleInterface* group = child(g);
            if (QAccessibleInterface* city = group->childAt(x, y)) {
                return city;
            }
            if (group->rect().contains(x, y)) {
                return group;
            }
        }
        return nullptr;
    }
    // The chosen city of the open group while the list has the keyboard focus.
    QAccessibleInterface* focusChild() const override {
        if (!List().hasFocus()) {
            return nullptr;
        }
        const int open = List().OpenGroup();
        for (int i = 0; open >= 0 && i < List().ItemCount(open); ++i) {
            if (List().IsSelected(open, i) && List().Item(open, i).Visible) {
                return Item(open, i);
            }
        }
        return nullptr;
    }

  private:
    mutable std::map<std::pair<int, int>, QAccessible::Id> FIds;
};

const TCityList& TCityItemAccessible::List() const {
    return FList.List();
}

bool TCityItemAccessible::isValid() const {
    return FList.isValid();
}

QWindow* TCityItemAccessible::window() const {
    return FList.window();
}

QAccessibleInterface* TCityItemAccessible::parent() const {
    return FItem < 0 ? static_cast<QAccessibleInterface*>(&FList) : FList.Item(FGroup, -1);
}

std::vector<int> TCityItemAccessible::ShownItems() const {
    std::vector<int> shown;
    if (FItem >= 0 || !isValid() || !List().IsOpen(FGroup)) {
        return shown;
    }
    for (int i = 0; i < List().ItemCount(FGroup); ++i) {
        if (List().Item(FGroup, i).Visible) {
            shown.push_back(i);
        }
    }
    return shown;
}

QAccessibleInterface* TCityItemAccessible::child(int index) const {
    const std::vector<int> shown = ShownItems();
    return index >= 0 && index < static_cast<int>(shown.size()) ? FList.Item(FGroup, shown[index])
                                                                : nullptr;
}

int TCityItemAccessible::childCount() const {
    return static_cast<int>(ShownItems().size());
}

int TCityItemAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const std::vector<int> shown = ShownItems();
    for (size_t i = 0; i < shown.size(); ++i) {
        if (child == FList.Item(FGroup, shown[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QString TCityItemAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !isValid()) {
        return QString();
    }
    return CoreCaption(FItem < 0 ? List().GroupInfo(FGroup).Caption
                                 : List().Item(FGroup, FItem).Caption);
}

QRect TCityItemAccessible::rect() const {
    if (!isValid()) {
        return QRect();
    }
    const QRect place = FItem < 0 ? List().CaptionRect(FGroup) : List().ItemRect(FGroup, FItem);
    return place.isEmpty() ? QRect() : OnScreen(&List(), place);
}

QAccessible::State TCityItemAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const TCityList& list = List();
    const QRect place = FItem < 0 ? list.CaptionRect(FGroup) : list.ItemRect(FGroup, FItem);
    state.invisible = !list.isVisible() || place.isEmpty();
    state.offscreen = !state.invisible && !list.rect().intersects(place);
    if (FItem < 0) {
        state.expandable = true;
        state.expanded = list.IsOpen(FGroup);
        state.collapsed = !list.IsOpen(FGroup);
    } else {
        state.selectable = true;
        state.selected = list.IsSelected(FGroup, FItem);
        state.focusable = true;
        state.focused = list.hasFocus() && state.selected && list.IsOpen(FGroup);
    }
    return state;
}

// ---- The date field --------------------------------------------------------------------

// The read-only date field, whose text and value read as the whole date: what it shows
// ("Wed 10-Apr-2024") spoken letter group by letter group is no date.
class TDateFieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit TDateFieldAccessible(TDateField* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? Spoken() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    // The text is the spoken date; there is no caret or selection to read in it.
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        return Spoken().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Spoken().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }

  private:
    QString Spoken() const { return LongDateText(static_cast<TDateField*>(widget())->Value()); }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String(TTimetablePanel::staticMetaObject.className())) {
        return new TTimetableAccessible(static_cast<TTimetablePanel*>(object));
    }
    if (className == QLatin1String(TCityList::staticMetaObject.className())) {
        return new TCityListAccessible(static_cast<TCityList*>(object));
    }
    if (className == QLatin1String(TDateField::staticMetaObject.className())) {
        return new TDateFieldAccessible(static_cast<TDateField*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void AnnounceAfterFocusIn(QWidget* widget, std::function<void()> announce) {
    QMetaObject::invokeMethod(
        widget,
        [widget, announce = std::move(announce)] {
            if (widget->hasFocus()) {
                announce();
            }
        },
        Qt::QueuedConnection);
}

}  // namespace orvandel
