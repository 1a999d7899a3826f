#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <utility>
#include <vector>

// Names as a few long texts, for the listing of a large folder: a string of its own a name
// would take an allocation and some forty bytes more, and fresh memory is slow to touch on
// some machines (a page fault there costs as much as four stats).
class NameList
{
public:
    qsizetype size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }

    QStringView operator[](qsizetype position) const
    {
        const Chunk& chunk = m_chunks.size() == 1 ? m_chunks.front() : chunkOf(position);
        const size_t i = size_t(position - chunk.first);
        const qsizetype begin = i == 0 ? 0 : qsizetype(chunk.ends[i - 1]);
        return QStringView(chunk.text).sliced(begin, qsizetype(chunk.ends[i]) - begin);
    }

    // QStringView or QLatin1StringView.
    template <typename Text> void append(Text name)
    {
        if (m_chunks.empty())
            m_chunks.push_back({});
        Chunk& chunk = m_chunks.back();
        chunk.text.append(name);
        chunk.ends.push_back(quint32(chunk.text.size()));
        ++m_size;
    }
    // Takes the other list's texts as they are.
    void append(NameList&& more)
    {
        for (Chunk& chunk : more.m_chunks) {
            if (chunk.ends.empty())
                continue; // room reserved for names that did not come
            chunk.first = m_size;
            m_size += qsizetype(chunk.ends.size());
            m_chunks.push_back(std::move(chunk));
        }
        more = {};
    }
    // Room for this many more names of that many characters in all.
    void reserve(qsizetype names, qsizetype characters)
    {
        if (m_chunks.empty())
            m_chunks.push_back({});
        m_chunks.back().ends.reserve(m_chunks.back().ends.size() + size_t(names));
        m_chunks.back().text.reserve(m_chunks.back().text.size() + characters);
    }
    // The names so far, leaving room for as many more: the later batches of a large folder
    // then grow no text.
    NameList takeLeavingRoom()
    {
        qsizetype characters = 0;
        for (const Chunk& chunk : m_chunks)
            characters += chunk.text.size();
        const qsizetype names = m_size;
        NameList taken = std::exchange(*this, {});
        reserve(names, characters + characters / 8);
        return taken;
    }

    QStringList toStringList() const
    {
        QStringList names;
        names.reserve(m_size);
        for (qsizetype i = 0; i < m_size; ++i)
            names.append((*this)[i].toString());
        return names;
    }

private:
    struct Chunk
    {
        qsizetype first = 0; // the position of its first name in the whole list
        QString text;
        std::vector<quint32> ends;
    };

    const Chunk& chunkOf(qsizetype position) const
    {
        return *(std::upper_bound(m_chunks.begin(), m_chunks.end(), position,
                                  [](qsizetype p, const Chunk& c) { return p < c.first; }) -
                 1);
    }

    std::vector<Chunk> m_chunks;
    qsizetype m_size = 0;
};
