#include "RecordedBatch.h"

#include "RecordStore.h"

#include <algorithm>

RecordedBatch::RecordedBatch(RecordStore& store, const QString& rule, const QString& undoOf)
    : m_store(store), m_isUndo(!undoOf.isEmpty()), m_writer(rule, undoOf)
{
    m_record = m_store.begin(m_writer.beginning(), m_isUndo);
}

RecordedBatch::~RecordedBatch()
{
    if (m_aheadWritten.valid())
        m_aheadWritten.wait();
}

void RecordedBatch::plan(int items, Plan plan, size_t firstBlock)
{
    m_count = items;
    m_plan = std::move(plan);
    m_blockSize = std::max<size_t>(1, firstBlock);
    if (m_record)
        writeAheadFrom(0);
}

// A block ends at an item that changes later paths: its rename changes theirs.
RecordedBatch::Block RecordedBatch::blockFrom(int first)
{
    Block block;
    block.entries.reserve(std::min<size_t>(m_blockSize, size_t(m_count - first)));
    int i = first;
    while (i < m_count && block.entries.size() < m_blockSize) {
        const int item = i++;
        std::optional<Planned> planned = m_plan(item);
        if (!planned)
            continue;
        block.entries.push_back(std::move(planned->entry));
        block.items.push_back(item);
        if (planned->changesLaterPaths) {
            block.changesPaths = true;
            break;
        }
    }
    block.end = i;
    // Blocks grow, so that a large batch waits for the disk a few dozen times, not once every
    // few hundred folders.
    m_blockSize = std::max(m_blockSize, std::min(m_blockSize * 2, largestBlock));
    return block;
}

bool RecordedBatch::write(const Block& block)
{
    return m_record->append(m_writer.ahead(block.entries));
}

void RecordedBatch::writeAheadFrom(int first)
{
    m_ahead = blockFrom(first);
    m_plannedUpTo = m_ahead.end;
    if (m_ahead.entries.empty())
        return; // nothing left to rename
    m_aheadWritten = std::async(std::launch::async, [this] { return write(m_ahead); });
}

RecordedBatch::Next RecordedBatch::recordNextBlock()
{
    Block block;
    bool written = false;
    if (m_aheadWritten.valid()) {
        written = m_aheadWritten.get();
        block = std::move(m_ahead);
    } else {
        if (m_plannedUpTo >= m_count)
            return Next::NothingLeft;
        block = blockFrom(m_plannedUpTo);
        m_plannedUpTo = block.end;
        if (block.entries.empty())
            return Next::NothingLeft;
        written = write(block);
    }
    if (!written)
        return Next::Failed;
    m_items.insert(m_items.end(), block.items.begin(), block.items.end());
    m_outcomes.resize(m_items.size(), State::Pending);
    // While this block's folders are renamed, the next goes on record, unless its paths wait
    // for those renames.
    if (!block.changesPaths && m_plannedUpTo < m_count)
        writeAheadFrom(m_plannedUpTo);
    return Next::Written;
}

bool RecordedBatch::admit(int item)
{
    m_admitted = noneAdmitted;
    if (!m_record)
        return !m_stopped;
    if (m_stopped)
        return false;
    for (;;) {
        // Entries on record for items the batch passed over stay Pending and leave the record.
        while (m_next < m_items.size() && m_items[m_next] < item)
            ++m_next;
        if (m_next < m_items.size()) {
            if (m_items[m_next] != item)
                return false; // the plan gave it no entry
            m_admitted = m_next++;
            return true;
        }
        switch (recordNextBlock()) {
        case Next::Written:
            continue;
        case Next::Failed:
            // A record that could be written before the batch but not now (a disk that filled
            // up): no rename without its line.
            m_stopped = true;
            return false;
        case Next::NothingLeft:
            break;
        }
        return false;
    }
}

void RecordedBatch::mark(State outcome)
{
    if (m_admitted != noneAdmitted)
        m_outcomes[m_admitted] = outcome;
}

void RecordedBatch::finish(bool cancelled)
{
    if (m_aheadWritten.valid())
        m_aheadWritten.wait(); // a block ahead of a cancelled batch
    if (!m_record) {
        // Without a record, nothing of this batch can be undone.
        if (!m_isUndo)
            m_store.adopt(nullptr, false);
        return;
    }
    bool undoable = std::any_of(m_outcomes.begin(), m_outcomes.end(),
                                [](State state) { return state == State::Renamed; });
    if (m_stopped || !m_record->replace(m_writer.finished(m_outcomes, cancelled))) {
        // What reached the record is what can be undone.
        const std::optional<BatchRecordContent> content = m_record->read();
        undoable = content && content->anyToUndo();
    }
    m_writer.clear();
    std::vector<int>().swap(m_items);
    std::vector<State>().swap(m_outcomes);
    if (m_isUndo) {
        // Never the window's last batch.
        if (!undoable)
            m_record->retire();
        m_record.reset();
    } else {
        m_store.adopt(std::move(m_record), undoable);
    }
}
