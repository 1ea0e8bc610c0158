#pragma once
// A captioned group of radio items laid out column by column. Selecting an item, by the user
// or by SetItemIndex, raises Click once. From the keyboard the group is one stop: Tab enters at
// the checked item, and the arrow keys move to the previous or next item and check it.

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace orvandel {

class TRadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    TRadioGroup(const QString& caption, const QStringList& items, int columns,
                QWidget* parent = nullptr);

    int Count() const { return static_cast<int>(FItems.size()); }
    // The selected item, -1 when none.
    int ItemIndex() const;
    // Selects item `index` (nothing for an index outside the items); raises Click when the
    // selection changes.
    void SetItemIndex(int index);
    QRadioButton* Button(int index) const { return FItems.at(index); }
    // Sets the font of the items (the caption keeps the group's font).
    void SetItemFont(const QFont& font);

  signals:
    void Click();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Arrange();
    void UpdateTabStop();
    QButtonGroup* FGroup;
    std::vector<QRadioButton*> FItems;
    int FColumns;
};

}  // namespace orvandel
