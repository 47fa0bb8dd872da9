#pragma once

#include "CategoryKind.h"
#include "ExclusionList.h"
#include "ScanRecords.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <functional>

namespace orvelane {

class WindowState;

/**
 * @brief The never-offer-again list as the window keeps it: the settings store's (see
 * ExclusionStore), read again before every full scan, plus what the store could not take this
 * run.
 */
class ExclusionController : public QObject
{
    Q_OBJECT

public:
    explicit ExclusionController(WindowState& window);

    const ExclusionList& list() const { return list_; }
    /// Reads the store again (the command line may have changed it).
    void reload();

    /**
     * @brief Never offers the item again: its path joins the list and the item moves to the
     * category's skipped paths at once, unticked. When the store cannot be written the exclusion
     * holds for this run only (the log says why). Items that cannot be cleaned are not excluded.
     */
    bool exclude(const ScannedItem& item, CategoryKind kind);
    /// Offers a skipped path again: every exclusion that covers it goes, the category is rescanned.
    void offerAgain(CategoryKind kind, const std::filesystem::path& path);
    /**
     * @brief Follows an exclusion the settings window took out of the store: it leaves this
     * window's list too, and every category that skipped a path because of it is scanned again.
     */
    void forgetExcluded(const std::filesystem::path& excluded);

    /// Whether the listed item may be excluded (it could be cleaned).
    Q_INVOKABLE bool canExclude(const QString& itemKey) const;
    Q_INVOKABLE void excludeItem(const QString& itemKey);
    /// `kind`: a Category value; `key`: the skipped entry's "key" (see ScanResults::skippedEntries).
    Q_INVOKABLE void offerAgain(int kind, const QString& key);

private:
    /// Drops every listed exclusion `drop` accepts.
    void dropListed(const std::function<bool(const std::filesystem::path&)>& drop);
    /// Scans the category again, unless the running full scan is about to publish it.
    void rescan(CategoryKind kind);

    WindowState& window_;
    ExclusionList list_;
    ExclusionList unsaved_; // kept for this run: the store could not take them
};

} // namespace orvelane
