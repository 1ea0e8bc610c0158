#include "ui/PlaceFinder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>

#include "timetable/SettingsRules.h"
#include "ui/Application.h"
#include "ui/Translations.h"

namespace orvandel {

namespace {

bool Computable(const TPlace& place) {
    return LatitudeRange.Contains(place.Latitude);
}

// The language whose town names the field searches and lists: the window's ("en" untranslated).
std::string Language() {
    return UiLanguage().toStdString();
}

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TPlaceFinder::TPlaceFinder(QWidget* covered, QWidget* parent)
    : QLineEdit(parent), FCovered(covered), FMatches(new QListWidget(parent)) {
    setObjectName(QStringLiteral("edFindPlace"));
    setPlaceholderText(tr("Find a town"));
    setAccessibleName(tr("Find a town by name"));
    setToolTip(
        tr("Any town of 15,000 people or more: its place, its clock and its country's "
           "method. \"Name, country\" or \"Name, region\" narrows the search."));
    setClearButtonEnabled(true);
    FMatches->setObjectName(QStringLiteral("lstPlaces"));
    FMatches->setAccessibleName(tr("Towns found"));
    FMatches->setTextElideMode(Qt::ElideRight);
    FMatches->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FMatches->hide();
    FMatches->installEventFilter(this);
    // Guarded: an error of a search or of taking a town is reported, not thrown through Qt.
    connect(this, &QLineEdit::textEdited, this,
            Guarded([this](const QString& text) { Search(text); }));
    connect(FMatches, &QListWidget::itemActivated, this,
            Guarded([this](QListWidgetItem* item) { Choose(FMatches->row(item)); }));
    connect(FMatches, &QListWidget::itemClicked, this,
            Guarded([this](QListWidgetItem* item) { Choose(FMatches->row(item)); }));
}

void TPlaceFinder::Search(const QString& text) {
    FMatches->clear();
    FFound.clear();
    if (text.trimmed().isEmpty()) {
        EndSearch();
        return;
    }
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);  // the first search reads the gazetteer
        const TGazetteer& gazetteer = TGazetteer::Installed();
        QApplication::restoreOverrideCursor();
        FFound = gazetteer.Search(text.toStdString(), Language());
    } catch (const EPlatformError& e) {
        QApplication::restoreOverrideCursor();
        auto* item = new QListWidgetItem(QString::fromStdString(e.what()), FMatches);
        item->setFlags(Qt::NoItemFlags);
        item->setToolTip(item->text());
    }
    if (FFound.size() > MaxListed) {
        FFound.resize(MaxListed);
    }
    for (const TPlace* place : FFound) {
        const TPlaceNames names = TGazetteer::Installed().Names(*place, Language());
        const QString where = names.Region.empty() ? FromView(names.Country)
                                                   : tr("%1, %2").arg(FromView(names.Region),
                                                                      FromView(names.Country));
        auto* item =
            new QListWidgetItem(FromView(names.Name) + QLatin1Char('\n') + where, FMatches);
        item->setToolTip(QString::fromStdString(place->Caption));
        if (!Computable(*place)) {
            item->setFlags(Qt::NoItemFlags);
            item->setToolTip(tr("%1 lies at latitude %L2, beyond the %L3 degrees the table can "
                                "be computed for.")
                                 .arg(QString::fromStdString(place->Caption))
                                 .arg(place->Latitude, 0, 'f', 4)
                                 .arg(LatitudeRange.Max));
        }
    }
    if (FFound.empty() && FMatches->count() == 0) {
        auto* item = new QListWidgetItem(tr("No town of that name"), FMatches);
        item->setFlags(Qt::NoItemFlags);
    }
    FMatches->setCurrentRow(FirstChoosableRow());
    FMatches->setGeometry(FCovered->geometry());
    FCovered->hide();
    FMatches->show();
}

void TPlaceFinder::EndSearch() {
    FMatches->hide();
    FCovered->show();
}

int TPlaceFinder::FirstChoosableRow() const {
    for (int row = 0; row < FMatches->count(); ++row) {
        if (FMatches->item(row)->flags() & Qt::ItemIsEnabled) {
            return row;
        }
    }
    return -1;
}

void TPlaceFinder::Choose(int row) {
    if (row < 0 || row >= static_cast<int>(FFound.size()) ||
        !(FMatches->item(row)->flags() & Qt::ItemIsEnabled)) {
        return;
    }
    const TPlace* place = FFound[static_cast<size_t>(row)];
    // The name and country code: the whole caption, "Leeds, England, GB", does not fit the
    // field beside its clear button, and cut ("Leeds, England, G") it misleads; the list showed
    // the region, and the copied and saved tables name the place whole. The name as the list
    // showed it, in the window's language.
    setText(FromView(TGazetteer::Installed().Names(*place, Language()).Name) +
            QStringLiteral(", ") + QString::fromStdString(place->CountryCode));
    setCursorPosition(0);  // the name shows, not the end of a long text
    EndSearch();
    setFocus();
    emit PlaceChosen(place);
}

void TPlaceFinder::keyPressEvent(QKeyEvent* event) {
    const bool searching = FMatches->isVisible();
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (searching) {
                Choose(FMatches->currentRow());
                return;
            }
            break;
        case Qt::Key_Down:
            if (searching) {
                FMatches->setFocus();
                return;
            }
            break;
        case Qt::Key_Escape:
            if (searching) {
                EndSearch();
                return;
            }
            break;
        default:
            break;
    }
    QLineEdit::keyPressEvent(event);
}

bool TPlaceFinder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FMatches && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        setFocus();
        EndSearch();
        return true;
    }
    return QLineEdit::eventFilter(watched, event);
}

}  // namespace orvandel
