#include "SortRows.h"

#include <QCoreApplication>

#include "DirectoryListModel.h"
#include "NaturalNameOrder.h"
#include "RowsSnapshot.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <atomic>
#include <limits>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SortRows)
};

// The positions of the rows in the order of their keys; equal keys keep the list's order.
template <typename Less> std::vector<int> OrderBy(int count, Less less)
{
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), less);
    return order;
}

} // namespace

PassEnd SortRows(DirectoryListModel& rows, FileSystem& fileSystem, RowOrder order,
                 PassRunner& passes, Qt::SortOrder direction)
{
    const bool descending = direction == Qt::DescendingOrder;
    std::optional<DirectoryListModel::Hold> hold = rows.hold();
    if (!hold)
        return PassEnd::Refused;
    RowsSnapshot snapshot(rows, RowsSnapshot::Changes::Proposals);
    const int count = snapshot.count();
    std::vector<int> sorted;
    std::atomic<bool> sortedReady{false}; // the results are taken from the list's thread
    const auto sort = [&](PassControl& control) {
        switch (order) {
        case RowOrder::ByName: {
            // By name; the same name in several folders by folder, then in list order.
            const std::vector<int> byParent = OrderBy(count, [&](int a, int b) {
                return CompareNaturally(snapshot.row(a).parent, snapshot.row(b).parent) < 0;
            });
            std::vector<QString> names;
            names.reserve(size_t(count));
            for (const int position : byParent)
                names.push_back(snapshot.row(position).name());
            sorted.reserve(size_t(count));
            for (const int position : NaturalNameOrder().sortedPositions(names))
                sorted.push_back(byParent[size_t(position)]);
            break;
        }
        case RowOrder::ByModified: {
            std::vector<qint64> times;
            times.reserve(size_t(count));
            control.forEach(count, [&](int i) {
                times.push_back(fileSystem.timeOf(snapshot.row(i).key, FolderTime::Modified)
                                    .value_or(descending ? std::numeric_limits<qint64>::min()
                                                         : std::numeric_limits<qint64>::max()));
            });
            if (int(times.size()) < count)
                return;
            sorted =
                OrderBy(count, [&](int a, int b) { return times[size_t(a)] < times[size_t(b)]; });
            break;
        }
        case RowOrder::ByAddition:
            sorted = OrderBy(count, [&](int a, int b) {
                return snapshot.row(a).addedAs < snapshot.row(b).addedAs;
            });
            break;
        }
        if (descending)
            std::reverse(sorted.begin(), sorted.end());
        sortedReady.store(int(sorted.size()) == count, std::memory_order_release);
    };
    return passes.run(Texts::tr("正在排序……"), count, snapshot.around(sort), [&] {
        if (sortedReady.exchange(false, std::memory_order_acquire))
            hold->reorder(sorted);
    });
}
