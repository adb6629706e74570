#include "core/navneorden.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <vector>

void sorterNavne(QList<StrukturEntry>& entries)
{
    if (entries.size() < 2)
        return;
    QCollator collator{QLocale(QLocale::Danish, QLocale::Denmark)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    // A key made once per name: comparing two keys costs far less than the collator comparing
    // two names.
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keys;
    keys.reserve(size_t(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i)
        keys.emplace_back(collator.sortKey(entries[i].caption), i);
    std::sort(keys.begin(), keys.end(), [&entries](const auto& a, const auto& b) {
        const int order = a.first.compare(b.first);
        return order != 0 ? order < 0 : entries[a.second].caption < entries[b.second].caption;
    });
    QList<StrukturEntry> sorted;
    sorted.reserve(entries.size());
    for (const auto& key : keys)
        sorted.append(std::move(entries[key.second]));
    entries = std::move(sorted);
}
