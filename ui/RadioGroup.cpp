#include "ui/RadioGroup.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

namespace orvandel {

namespace {
constexpr int SideMargin = 8;  // pixels left of the first column
constexpr int ColumnGap = 4;   // pixels between columns
constexpr int BottomMargin = 4;
}  // namespace

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, int columns,
                         QWidget* parent)
    : QGroupBox(caption, parent), FGroup(new QButtonGroup(this)), FColumns(std::max(columns, 1)) {
    FGroup->setExclusive(true);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        FGroup->addButton(button, i);
        FItems.push_back(button);
        button->installEventFilter(this);
    }
    connect(FGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            UpdateTabStop();
            emit Click();
        }
    });
    UpdateTabStop();
}

// Only the checked item (the first while none is) takes the focus from Tab; the others take it
// from a click.
void TRadioGroup::UpdateTabStop() {
    const int stop = std::max(ItemIndex(), 0);
    for (int i = 0; i < Count(); ++i) {
        FItems[i]->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

// Up and Left go to the previous item, Down and Right to the next, round the group's end;
// the item reached is checked.
bool TRadioGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QGroupBox::eventFilter(watched, event);
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int step = key == Qt::Key_Up || key == Qt::Key_Left      ? -1
                     : key == Qt::Key_Down || key == Qt::Key_Right ? 1
                                                                   : 0;
    const auto at = std::find(FItems.begin(), FItems.end(), watched);
    if (step == 0 || at == FItems.end()) {
        return QGroupBox::eventFilter(watched, event);
    }
    const int next = (static_cast<int>(at - FItems.begin()) + step + Count()) % Count();
    FItems[next]->setFocus(Qt::OtherFocusReason);
    FItems[next]->setChecked(true);
    return true;
}

int TRadioGroup::ItemIndex() const {
    return FGroup->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < 0 || index >= Count()) {
        return;
    }
    FItems[index]->setChecked(true);
}

void TRadioGroup::SetItemFont(const QFont& font) {
    for (QRadioButton* button : FItems) {
        button->setFont(font);
    }
    Arrange();
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    Arrange();
}

// Items fill the first column top to bottom, then the next. Each column is as wide as its
// widest item; when the columns together are wider than the group they share its width evenly
// and long captions are clipped.
void TRadioGroup::Arrange() {
    if (FItems.empty()) {
        return;
    }
    const int rows = (Count() + FColumns - 1) / FColumns;
    const int top = fontMetrics().height() + 2;
    const int rowHeight = std::max(1, (height() - top - BottomMargin) / rows);
    std::vector<int> widths(FColumns, 0);
    for (int i = 0; i < Count(); ++i) {
        widths[i / rows] = std::max(widths[i / rows], FItems[i]->sizeHint().width());
    }
    int total = SideMargin;
    for (int w : widths) {
        total += w + ColumnGap;
    }
    if (total > width()) {
        const int even = (width() - SideMargin) / FColumns - ColumnGap;
        std::fill(widths.begin(), widths.end(), even);
    }
    for (int i = 0; i < Count(); ++i) {
        const int col = i / rows;
        int x = SideMargin;
        for (int c = 0; c < col; ++c) {
            x += widths[c] + ColumnGap;
        }
        const int h = FItems[i]->sizeHint().height();
        const int y = top + (i % rows) * rowHeight + (rowHeight - h) / 2;
        // The first column at the right where the items read right to left.
        FItems[i]->setGeometry(
            QStyle::visualRect(layoutDirection(), rect(), QRect(x, y, widths[col], h)));
    }
}

}  // namespace orvandel
