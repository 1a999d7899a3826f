#pragma once

#include "RenameRecord.h"

#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <vector>

class HeldRecord;
class RecordStore;

// One batch rename (or undo) on record, so that a batch cut off anywhere can be undone. The
// batch admits each folder before renaming it and gives its outcome after; this object puts
// the renames on record before they happen, a block at a time (one write and one wait for the
// disk each) and the next block on a thread of its own while one block's folders are renamed;
// at the end it puts every outcome on record and hands the record to the store, which says on
// the windows' thread whether the batch can be undone.
class RecordedBatch
{
public:
    using State = RecordEntry::State;
    struct Planned
    {
        RecordEntry entry;
        // Its rename changes the paths of items after it: they are planned after it is renamed.
        bool changesLaterPaths = false;
    };
    // Item i's entry when the batch renames it; asked ahead of the renames, in order.
    using Plan = std::function<std::optional<Planned>(int item)>;

    // Begins the record, on the windows' thread. An undo names the record it undoes.
    RecordedBatch(RecordStore& store, const QString& rule, const QString& undoOf = {});
    ~RecordedBatch();

    // The record could be begun; without one, renames go on unrecorded.
    bool isRecording() const { return m_record != nullptr; }
    // On the pass's worker, before the first admit(): the items and their entries. The first
    // block (then blocks twice as large, up to largestBlock) goes on record now, on its thread.
    void plan(int items, Plan plan, size_t firstBlock = 256);
    // Before the item's rename: true when it may go ahead, its entry on the disk; false when
    // the plan gave it none or the record cannot take it (the batch must stop: stopped()).
    bool admit(int item);
    // The outcome of the item admitted last: Renamed or Failed (or Pending: it was left alone
    // after all, and leaves the record).
    void mark(State outcome);
    // The record could not take the next renames.
    bool stopped() const { return m_stopped; }
    // Every outcome on record; the window's store takes the record of a batch.
    void finish(bool cancelled);

    static constexpr size_t largestBlock = 8192;

private:
    struct Block
    {
        std::vector<RecordEntry> entries;
        std::vector<int> items;
        int end = 0;               // the item after its last
        bool changesPaths = false; // its last item changes later paths
    };
    enum class Next { Written, Failed, NothingLeft };

    Block blockFrom(int first);
    bool write(const Block& block);
    Next recordNextBlock();
    void writeAheadFrom(int first);

    RecordStore& m_store;
    bool m_isUndo;
    std::unique_ptr<HeldRecord> m_record;
    RenameRecord::Writer m_writer;
    int m_count = 0;
    Plan m_plan;
    size_t m_blockSize = 256;
    int m_plannedUpTo = 0;
    Block m_ahead;
    std::future<bool> m_aheadWritten; // reads m_ahead until it is done
    std::vector<int> m_items;         // each entry on record: its item
    std::vector<State> m_outcomes;    // and its outcome so far
    size_t m_next = 0;                // the entry the next admitted item takes
    static constexpr size_t noneAdmitted = size_t(-1);
    size_t m_admitted = noneAdmitted;
    bool m_stopped = false;
};
