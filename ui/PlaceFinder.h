#pragma once
// The find field above the city list. Typing a name lists the gazetteer's towns that it names,
// best first (by their names in the window's language too), each as its name over its region
// and country in the window's language where libgeonames translates them, in a list that takes the
// city list's place while the field holds a search. Enter in the field takes the highlighted town
// (the first unless the arrow keys moved into the list), Enter or a click in the list the town
// there; Escape ends the search. A town beyond the latitudes the table can compute is listed
// greyed with the reason and cannot be taken. The gazetteer is read on the first use of the
// field, not when the window starts.

#include <QLineEdit>
#include <vector>

#include "places/Gazetteer.h"

class QListWidget;

namespace orvandel {

class TPlaceFinder : public QLineEdit {
    Q_OBJECT
  public:
    static constexpr int MaxListed = 100;  // towns listed at most

    // The match list is a sibling of the field in `parent` that covers `covered` (the city
    // list) while it is shown.
    TPlaceFinder(QWidget* covered, QWidget* parent);

    QListWidget* Matches() const { return FMatches; }
    // The towns of the last search, in the list's order.
    const std::vector<const TPlace*>& Found() const { return FFound; }

  signals:
    // A town was taken; it lives in the installed gazetteer to the end of the program.
    void PlaceChosen(const orvandel::TPlace* place);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Search(const QString& text);
    void EndSearch();
    // Takes the town of list row `row` when it can be taken.
    void Choose(int row);
    int FirstChoosableRow() const;

    QWidget* FCovered;
    QListWidget* FMatches;
    std::vector<const TPlace*> FFound;
};

}  // namespace orvandel
