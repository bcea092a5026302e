#include "moduledata/file_listing.h"

#include <QDir>

#include <algorithm>

namespace FileListing {

namespace {

bool sameLetter(QChar a, QChar b)
{
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

void sortByName(QStringList& names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

QStringList entries(const QString& folder, QDir::Filters filters)
{
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return {};
    QStringList names = dir.entryList(filters | QDir::NoDotAndDotDot, QDir::NoSort);
    sortByName(names);
    return names;
}

} // namespace

bool matchesPattern(const QString& name, const QString& pattern)
{
    // Greedy match with one backtrack point: the last "*" seen.
    qsizetype n = 0;
    qsizetype p = 0;
    qsizetype starAt = -1;
    qsizetype starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starAt = p++;
            starName = n;
        } else if (p < pattern.size() && sameLetter(pattern[p], name[n])) {
            ++p;
            ++n;
        } else if (starAt >= 0) {
            p = starAt + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

QStringList files(const QString& folder, const QString& pattern)
{
    QStringList names = entries(folder, QDir::Files);
    names.removeIf([&pattern](const QString& name) { return !matchesPattern(name, pattern); });
    return names;
}

QStringList subfolders(const QString& folder)
{
    return entries(folder, QDir::Dirs);
}

} // namespace FileListing
